#pragma once

#include "app/SubsystemController.h"

namespace clavora {

// The options dialog and the user commands: add and delete a user.
class OptionsController final : public SubsystemController
{
public:
    explicit OptionsController(MainController& main);

    bool HandleCommand(int commandId) override;
};

} // namespace clavora
