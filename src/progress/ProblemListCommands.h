#pragma once

#include "progress/ProblemStore.h"

#include <functional>
#include <QString>

namespace clavora {

// The question asked before a list is cleared; the view shows it with the two buttons and
// answers true for "Clear".
struct ClearProblemsQuestion
{
    QString text;
    QString caption;
    QString clearButton;
    QString cancelButton;
};

// The main window's commands that clear the problem words or characters.
class ProblemListCommands final
{
public:
    using AskClear = std::function<bool(const ClearProblemsQuestion&)>;
    using RegenerateTexts = std::function<void()>;

    static ClearProblemsQuestion WordsQuestion();
    static ClearProblemsQuestion CharsQuestion();

    // askClear is consulted unless a command comes already confirmed; regenerate rebuilds the
    // revision practices' texts after a list was cleared completely.
    ProblemListCommands(const ProblemStore& store, AskClear askClear, RegenerateTexts regenerate);

    // True when the list was cleared completely; false when the user cancelled or a record
    // could not be deleted (the texts are then left as they are).
    bool ClearProblemWordsCommand(bool alreadyConfirmed) const;
    bool ClearProblemCharsCommand(bool alreadyConfirmed) const;

private:
    bool ClearCommand(ProblemList list, bool alreadyConfirmed) const;

    const ProblemStore& m_store;
    AskClear m_askClear;
    RegenerateTexts m_regenerate;
};

} // namespace clavora
