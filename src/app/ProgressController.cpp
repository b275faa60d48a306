#include "app/ProgressController.h"

#include "app/CommandIds.h"
#include "app/MainController.h"

namespace clavora {

ProgressController::ProgressController(MainController& main) : SubsystemController(main) {}

bool ProgressController::HandleCommand(int commandId)
{
    Q_UNUSED(commandId)
    return false;
}

} // namespace clavora
