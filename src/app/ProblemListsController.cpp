#include "app/ProblemListsController.h"

#include "app/CommandIds.h"
#include "app/MainController.h"
#include "content/ExerciseCatalogue.h"
#include "progress/ProblemListCommands.h"
#include "progress/RevisionTextGenerator.h"

namespace clavora {

ProblemListsController::ProblemListsController(MainController& main) : SubsystemController(main) {}

bool ProblemListsController::HandleCommand(int commandId)
{
    if (commandId != Command::ClearProblemWords && commandId != Command::ClearProblemChars)
        return false;
    if (!Main().IsBusy())
        ClearProblemList(commandId == Command::ClearProblemWords, false);
    return true;
}

void ProblemListsController::RegenerateRevisionTexts()
{
    QList<RevisionKind> kinds;
    QList<PracticeEntry*> practices;
    for (PracticeEntry& practice : Main().Catalogue().Practices()) {
        const int body = static_cast<int>(practice.Type());
        if (body == static_cast<int>(RevisionKind::ProblemWords) ||
            body == static_cast<int>(RevisionKind::ProblemChars)) {
            kinds.append(static_cast<RevisionKind>(body));
            practices.append(&practice);
        }
    }
    const RevisionTextGenerator generator(Main().Problems(), Main().Catalogue().WordList(), Main().Random());
    const QList<RevisionText> texts = generator.RegenerateRevisionTexts(kinds);
    for (qsizetype i = 0; i < texts.size(); ++i)
        practices[i]->SetText(texts[i].text);
}

void ProblemListsController::ClearProblemList(bool words, bool alreadyConfirmed)
{
    MainView* view = Main().Window();
    if (!view)
        return;
    const ProblemListCommands commands(
        Main().Problems(),
        [view](const ClearProblemsQuestion& question) {
            return view->AskQuestion(question.caption, question.text, question.clearButton,
                                     question.cancelButton);
        },
        [this] { RegenerateRevisionTexts(); });
    if (words)
        commands.ClearProblemWordsCommand(alreadyConfirmed);
    else
        commands.ClearProblemCharsCommand(alreadyConfirmed);
}

} // namespace clavora
