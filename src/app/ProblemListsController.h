#pragma once

#include "app/SubsystemController.h"

namespace clavora {

// The problem words and characters: clearing the lists (with their questions) and the revision
// practices' texts made from them.
class ProblemListsController final : public SubsystemController
{
public:
    explicit ProblemListsController(MainController& main);

    bool HandleCommand(int commandId) override;

    // Rebuilds the texts of the revision practices from the latest problem lists.
    void RegenerateRevisionTexts();
    // Clears the problem words (true) or characters (false); `alreadyConfirmed` skips the question.
    void ClearProblemList(bool words, bool alreadyConfirmed);
};

} // namespace clavora
