#pragma once

#include "progress/CertificateRecord.h"

#include <functional>
#include <optional>

namespace clavora {

// What the certificate asks of the window: the "certificates" name dialog and one print job.
class CertificateView
{
public:
    enum class PrintOutcome
    {
        Printed,
        Cancelled, // the print dialog was closed without printing
        Failed
    };
    // The record a name would print, for the dialog's preview of the page.
    using RecordForName = std::function<CertificateRecord(const QString& name)>;

    virtual ~CertificateView() = default;
    // The name to print, starting from the user's name; nothing when cancelled.
    virtual std::optional<QString> AskCertificateName(const QString& userName,
                                                      const RecordForName& recordFor) = 0;
    // Lets the user choose the printer (or a PDF file) and prints the one page.
    virtual PrintOutcome PrintCertificate(const CertificateRecord& record) = 0;
};

} // namespace clavora
