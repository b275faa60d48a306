#include "app/ImportController.h"

#include "app/CommandIds.h"
#include "app/MainController.h"

namespace clavora {

ImportController::ImportController(MainController& main) : SubsystemController(main) {}

bool ImportController::HandleCommand(int commandId)
{
    Q_UNUSED(commandId)
    return false;
}

} // namespace clavora
