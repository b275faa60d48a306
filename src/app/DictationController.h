#pragma once

#include "app/SubsystemController.h"

namespace clavora {

// The dictation's commands: select, compare, and Start/Pause/Stop while the dictation view shows.
class DictationController final : public SubsystemController
{
public:
    explicit DictationController(MainController& main);

    bool HandleCommand(int commandId) override;
};

} // namespace clavora
