#include "app/DictationController.h"

#include "app/CommandIds.h"
#include "app/MainController.h"

namespace clavora {

DictationController::DictationController(MainController& main) : SubsystemController(main) {}

bool DictationController::HandleCommand(int commandId)
{
    Q_UNUSED(commandId)
    return false;
}

} // namespace clavora
