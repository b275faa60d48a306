#include "app/ProgressController.h"

#include "app/CommandIds.h"
#include "app/MainController.h"

namespace clavora {

ProgressController::ProgressController(MainController& main) : SubsystemController(main), m_certificates(main)
{}

bool ProgressController::HandleCommand(int commandId)
{
    if (commandId == Command::CompletionCertificate) {
        if (!Main().IsBusy())
            m_certificates.OfferCertificate();
        return true;
    }
    return false;
}

} // namespace clavora
