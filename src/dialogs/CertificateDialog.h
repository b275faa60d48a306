#pragma once

#include "app/CertificateView.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace clavora {

class CertificatePreview;

// "certificates": the name to print on the course certificate, with the page in miniature. OK is
// enabled only while the name begins with a visible character.
class CertificateDialog final : public QDialog
{
    Q_OBJECT

public:
    static const QString Title;

    CertificateDialog(const QString& userName, CertificateView::RecordForName recordFor,
                      QWidget* parent = nullptr);

    QString Name() const;
    QLineEdit* NameField() const { return m_name; }
    QPushButton* OkButton() const { return m_ok; }
    CertificatePreview* Preview() const { return m_preview; }

private:
    void OnNameEdited();

    CertificateView::RecordForName m_recordFor;
    QLineEdit* m_name;
    QPushButton* m_ok = nullptr;
    CertificatePreview* m_preview;
};

// The window's side of the certificate: the name dialog and the system's print dialog over the
// main window.
class CertificateDialogView final : public CertificateView
{
public:
    explicit CertificateDialogView(QWidget* parent) : m_parent(parent) {}

    std::optional<QString> AskCertificateName(const QString& userName,
                                              const RecordForName& recordFor) override;
    PrintOutcome PrintCertificate(const CertificateRecord& record) override;

private:
    QWidget* m_parent;
};

} // namespace clavora
