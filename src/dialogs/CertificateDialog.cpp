#include "dialogs/CertificateDialog.h"

#include "dialogs/CertificatePage.h"
#include "dialogs/CertificatePreview.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace clavora {

const QString CertificateDialog::Title = QStringLiteral("Completion Certificate");

CertificateDialog::CertificateDialog(const QString& userName, CertificateView::RecordForName recordFor,
                                     QWidget* parent)
    : QDialog(parent), m_recordFor(std::move(recordFor)), m_name(new QLineEdit),
      m_preview(new CertificatePreview)
{
    setObjectName(QStringLiteral("certificates"));
    setWindowTitle(Title);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        QStringLiteral("Congratulations! You have completed every section of the Clavora Typing Course. "
                       "Type your name as it should appear on your certificate, then choose a printer or "
                       "save it as a PDF."));
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* nameLabel = new QLabel(QStringLiteral("&Name:"));
    nameLabel->setBuddy(m_name);
    layout->addWidget(nameLabel);
    m_name->setMaxLength(CertificateRecord::MaxTextLength);
    m_name->setText(userName);
    layout->addWidget(m_name);
    layout->addWidget(m_preview, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_name, &QLineEdit::textChanged, this, &CertificateDialog::OnNameEdited);
    OnNameEdited();
    m_name->selectAll();
}

QString CertificateDialog::Name() const
{
    return m_name->text();
}

void CertificateDialog::OnNameEdited()
{
    m_ok->setEnabled(CertificateRecord::IsAcceptableName(Name()));
    if (m_recordFor)
        m_preview->SetRecord(m_recordFor(Name()));
}

std::optional<QString> CertificateDialogView::AskCertificateName(const QString& userName,
                                                                 const RecordForName& recordFor)
{
    CertificateDialog dialog(userName, recordFor, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Name();
}

CertificateView::PrintOutcome CertificateDialogView::PrintCertificate(const CertificateRecord& record)
{
    QPrinter printer(QPrinter::HighResolution);
    CertificatePage::SetUpPrinter(printer, record.paper);
    QPrintDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(QStringLiteral("Print Certificate"));
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted)
        return PrintOutcome::Cancelled;
    return CertificatePage::Print(printer, record) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

} // namespace clavora
