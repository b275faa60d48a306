#include "app/CommandStateRules.h"

#include <array>

namespace clavora {

namespace {

// Menu items that open a selection or another dialog: off while an exercise runs or is paused.
constexpr std::array<int, 38> DialogItems = {Command::ReadMe,
                                             Command::SelectLesson,
                                             Command::LessonsStart,
                                             Command::SelectPractice,
                                             Command::ImportCustomText,
                                             Command::SelectDictation,
                                             Command::PracticeStart,
                                             Command::Flurrix,
                                             Command::ThirtySeconds,
                                             Command::TypingHero,
                                             Command::ImportCustomSpeedTest,
                                             Command::TestsStart,
                                             Command::AddUser,
                                             Command::RemoveUser,
                                             Command::GoalWpm,
                                             Command::ResetResults,
                                             Command::Reports,
                                             Command::Options,
                                             Command::CompletionCertificate,
                                             Command::MenuReadMe,
                                             Command::MenuSelectLesson,
                                             Command::MenuLessonsStart,
                                             Command::MenuSelectPractice,
                                             Command::MenuImportCustomText,
                                             Command::MenuSelectDictation,
                                             Command::MenuPracticeStart,
                                             Command::MenuFlurrix,
                                             Command::MenuThirtySeconds,
                                             Command::MenuTypingHero,
                                             Command::MenuGamesOther,
                                             Command::MenuImportCustomSpeedTest,
                                             Command::MenuTestsStart,
                                             Command::MenuAddUser,
                                             Command::MenuDeleteUser,
                                             Command::MenuGoalWpm,
                                             Command::MenuResetResults,
                                             Command::MenuReports,
                                             Command::MenuOptions};
static_assert(DialogItems.size() == 38);

constexpr std::array<int, 18> PauseResumeStopItems = {
    Command::LessonsPause,     Command::LessonsResume,     Command::LessonsStop,
    Command::PracticePause,    Command::PracticeResume,    Command::PracticeStop,
    Command::TestsPause,       Command::TestsResume,       Command::TestsStop,
    Command::MenuTestsStop,    Command::MenuLessonsPause,  Command::MenuLessonsResume,
    Command::MenuLessonsStop,  Command::MenuPracticePause, Command::MenuPracticeResume,
    Command::MenuPracticeStop, Command::MenuTestsPause,    Command::MenuTestsResume};
static_assert(PauseResumeStopItems.size() == 18);

struct TabItems
{
    std::array<int, 2> pause;
    std::array<int, 2> resume;
    std::array<int, 2> stop;
};

void EnableTabItems(CommandStates& states, const TabItems& items, bool running, bool paused, bool busy)
{
    for (int id : items.pause)
        states.menuItems[id] = running && !paused;
    for (int id : items.resume)
        states.menuItems[id] = paused;
    for (int id : items.stop)
        states.menuItems[id] = busy;
}

} // namespace

CommandStates ComputeCommandStates(const CommandStateInputs& in)
{
    const bool running = in.sessionState == SessionState::Typing || in.dictationPlaying;
    const bool paused = in.sessionState == SessionState::Paused || in.dictationPaused;
    const bool busy = running || paused;

    CommandStates states;
    states.buttonsTab = in.selectedTab;
    for (int id : DialogItems)
        states.menuItems[id] = !busy && !in.dictationSelectionOpen;
    for (int id : PauseResumeStopItems)
        states.menuItems[id] = false;
    states.menuItems[Command::CompletionCertificate] = in.awardCertOffered && !busy;

    const bool compareAllowed = in.dictationViewShown && in.dictationLoaded &&
                                (!in.dictationPlaying || in.dictationPaused) && !in.comparisonShown;
    switch (in.selectedTab) {
    case Tab::Lessons:
        states.buttons[Command::ReadMe] = !busy;
        states.buttons[Command::SelectLesson] = !busy;
        states.buttons[Command::PauseResume] = busy;
        states.buttons[Command::Stop] = busy;
        states.buttons[Command::Start] = !in.courseFinished;
        states.menuItems[Command::LessonsStart] =
            states.menuItems[Command::LessonsStart] && !in.courseFinished;
        states.menuItems[Command::MenuLessonsStart] =
            states.menuItems[Command::MenuLessonsStart] && !in.courseFinished;
        EnableTabItems(states,
                       {{Command::LessonsPause, Command::MenuLessonsPause},
                        {Command::LessonsResume, Command::MenuLessonsResume},
                        {Command::LessonsStop, Command::MenuLessonsStop}},
                       running, paused, busy);
        break;
    case Tab::Practice: {
        const bool blocked = busy || in.dictationSelectionOpen;
        states.buttons[Command::SelectPractice] = !blocked;
        states.buttons[Command::PauseResume] = blocked && busy;
        states.buttons[Command::Stop] = blocked && busy;
        states.buttons[Command::Start] = true;
        states.buttons[Command::SelectDictation] = !blocked;
        states.buttons[Command::CompareDictation] = compareAllowed;
        EnableTabItems(states,
                       {{Command::PracticePause, Command::MenuPracticePause},
                        {Command::PracticeResume, Command::MenuPracticeResume},
                        {Command::PracticeStop, Command::MenuPracticeStop}},
                       running, paused, busy);
        break;
    }
    case Tab::Tests:
        states.buttons[Command::SelectSpeedTest] = !busy;
        states.buttons[Command::PauseResume] = busy;
        states.buttons[Command::Stop] = busy;
        states.buttons[Command::Start] = true;
        EnableTabItems(states,
                       {{Command::TestsPause, Command::MenuTestsPause},
                        {Command::TestsResume, Command::MenuTestsResume},
                        {Command::TestsStop, Command::MenuTestsStop}},
                       running, paused, busy);
        break;
    case Tab::Games:
    case Tab::Results:
        // Their buttons keep their states; only the dictation commands are decided here.
        states.buttons.clear();
        break;
    }
    states.menuItems[Command::CompareDictation] = in.selectedTab == Tab::Practice && compareAllowed;
    states.typingAreasEnabled = running;
    return states;
}

} // namespace clavora
