#include "progress/ProblemListCommands.h"

using namespace Qt::StringLiterals;

namespace clavora {

ClearProblemsQuestion ProblemListCommands::WordsQuestion()
{
    return {u"Do you really want to clear all problem words?"_s, u"Clear Problem Words"_s, u"Clear"_s,
            u"Cancel"_s};
}

ClearProblemsQuestion ProblemListCommands::CharsQuestion()
{
    return {u"Do you really want to clear all problem characters?"_s, u"Clear Problem Characters"_s,
            u"Clear"_s, u"Cancel"_s};
}

ProblemListCommands::ProblemListCommands(const ProblemStore& store, AskClear askClear,
                                         RegenerateTexts regenerate)
    : m_store(store), m_askClear(std::move(askClear)), m_regenerate(std::move(regenerate))
{}

bool ProblemListCommands::ClearProblemWordsCommand(bool alreadyConfirmed) const
{
    return ClearCommand(ProblemList::Words, alreadyConfirmed);
}

bool ProblemListCommands::ClearProblemCharsCommand(bool alreadyConfirmed) const
{
    return ClearCommand(ProblemList::Chars, alreadyConfirmed);
}

bool ProblemListCommands::ClearCommand(ProblemList list, bool alreadyConfirmed) const
{
    if (!alreadyConfirmed) {
        const ClearProblemsQuestion question = list == ProblemList::Words ? WordsQuestion() : CharsQuestion();
        if (!m_askClear || !m_askClear(question))
            return false;
    }
    if (!m_store.Clear(list))
        return false;
    if (m_regenerate)
        m_regenerate();
    return true;
}

} // namespace clavora
