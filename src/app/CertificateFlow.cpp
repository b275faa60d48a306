#include "app/CertificateFlow.h"

#include "app/CertificateView.h"
#include "app/CourseFlow.h"
#include "app/MainController.h"
#include "platform/Clock.h"
#include "progress/CertificateOffer.h"

#include <QDateTime>

namespace clavora {

const QString CertificateFlow::NotPrintedMessage =
    QStringLiteral("The certificate was not printed. You can print it at any time with \"View Completion "
                   "Certificate...\" in the Clavora menu.");
const QString CertificateFlow::PrintFailedMessage =
    QStringLiteral("The certificate could not be printed. Check the printer, then try again with \"View "
                   "Completion Certificate...\" in the Clavora menu.");

bool CertificateFlow::OfferIfDue()
{
    CourseFlow& course = m_main.Course();
    if (!CertificateOffer::IsDue(m_main.Profile(), [&course] { return course.FirstIncompleteSection(); }))
        return false;
    OfferCertificate();
    return true;
}

void CertificateFlow::OfferCertificate()
{
    if (!m_view)
        return;
    const std::optional<QString> name =
        m_view->AskCertificateName(m_main.UserName(), [this](const QString& n) { return RecordFor(n); });
    // Marked before printing, so that the menu command is there whatever becomes of the print job.
    m_main.Profile().Set(Profile::AwardCertOffered, true);
    m_main.UpdateCommandStates();
    if (!name || name->isEmpty())
        return;
    MainView* window = m_main.Window();
    switch (m_view->PrintCertificate(RecordFor(*name))) {
    case CertificateView::PrintOutcome::Printed:
        break;
    case CertificateView::PrintOutcome::Cancelled:
        if (window)
            window->ShowInformation(MainController::ProductTitle, NotPrintedMessage);
        break;
    case CertificateView::PrintOutcome::Failed:
        if (window)
            window->ShowError(MainController::ProductTitle, PrintFailedMessage);
        break;
    }
}

CertificateRecord CertificateFlow::RecordFor(const QString& name) const
{
    const QDate today = QDateTime::fromSecsSinceEpoch(m_main.Time().EpochSeconds()).date();
    return CertificateRecord::For(name, m_main.Profile().Get(Profile::IsUsingA4Paper), today);
}

} // namespace clavora
