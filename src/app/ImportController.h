#pragma once

#include "app/SubsystemController.h"

namespace clavora {

// Importing the learner's own texts and recordings, and deleting imported practices.
class ImportController final : public SubsystemController
{
public:
    explicit ImportController(MainController& main);

    bool HandleCommand(int commandId) override;
};

} // namespace clavora
