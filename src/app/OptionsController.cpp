#include "app/OptionsController.h"

#include "app/CommandIds.h"
#include "app/MainController.h"

namespace clavora {

OptionsController::OptionsController(MainController& main) : SubsystemController(main) {}

bool OptionsController::HandleCommand(int commandId)
{
    Q_UNUSED(commandId)
    return false;
}

} // namespace clavora
