#pragma once

#include <QString>

namespace clavora {

class CertificateView;
class MainController;
struct CertificateRecord;

// The course certificate: offered once when the course is complete, and printed again from the
// menu. The offer is marked as made whatever the user answers, so the menu command is the way
// back after a cancelled or failed print.
class CertificateFlow final
{
public:
    explicit CertificateFlow(MainController& main) : m_main(main) {}
    Q_DISABLE_COPY_MOVE(CertificateFlow)

    void Attach(CertificateView& view) { m_view = &view; }

    // After a lesson's result has been stored: offers the certificate when it is due; true when
    // it was offered.
    bool OfferIfDue();
    // The name dialog, then printing.
    void OfferCertificate();

    static const QString NotPrintedMessage;
    static const QString PrintFailedMessage;

private:
    CertificateRecord RecordFor(const QString& name) const;

    MainController& m_main;
    CertificateView* m_view = nullptr;
};

} // namespace clavora
