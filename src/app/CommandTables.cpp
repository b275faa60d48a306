#include "app/CommandTables.h"

#include "app/CommandIds.h"

#include <array>
#include <Qt>

namespace clavora::CommandTables {

namespace {

constexpr std::array LessonsButtons = {
    ToolbarButton{Command::ReadMe, u"Read Me", u"Learn about the basics of typing (Ctrl+B)", 349},
    ToolbarButton{Command::SelectLesson, u"Lessons", u"Select a lesson (Ctrl+K)", 351},
    ToolbarButton{Command::Start, u"Start", u"Start exercise (F9)", 355},
    ToolbarButton{Command::PauseResume, nullptr, u"Pause or resume exercise (F10)", 356},
    ToolbarButton{Command::Stop, u"Stop", u"Stop exercise (F4)", 358},
};
constexpr std::array PracticeButtons = {
    ToolbarButton{Command::SelectPractice, u"Practice", u"Select a practice exercise (Ctrl+P)", 354},
    ToolbarButton{Command::SelectDictation, u"Select Dictation", u"Select a dictation exercise (Alt+S)", 364},
    ToolbarButton{Command::CompareDictation, u"Compare", u"Compare dictation with transcription (Alt+C)",
                  357},
    ToolbarButton{Command::Start, u"Start", u"Start dictation (F9)", 355},
    ToolbarButton{Command::PauseResume, nullptr, u"Pause or resume dictation (F10)", 356},
    ToolbarButton{Command::Stop, u"Stop", u"Stop dictation (F4)", 358},
};
constexpr std::array GamesButtons = {
    ToolbarButton{Command::GameScreenFlurrix, u"Flurrix", u"Type the words falling from the sky", 377},
    ToolbarButton{Command::GameScreenThirtySeconds, u"30 Vedivez iv Oruz",
                  u"Type the words as fast as you can", 378},
    ToolbarButton{Command::GameScreenTypingHero, u"Vevuzi Viro", u"Type the letters in rhythm", 379},
};
constexpr std::array TestsButtons = {
    ToolbarButton{Command::SelectSpeedTest, u"Tests", u"Take a speed test (Ctrl+T)", 359},
    ToolbarButton{Command::Start, u"Start", u"Start exercise (F9)", 355},
    ToolbarButton{Command::PauseResume, nullptr, u"Pause or resume exercise (F10)", 356},
    ToolbarButton{Command::Stop, u"Stop", u"Stop exercise (F4)", 358},
};
constexpr std::array ResultsButtons = {
    ToolbarButton{Command::GoalWpm, u"Goal WPM", u"Reset Goal WPM", 361},
    ToolbarButton{Command::HighScores, u"High Scores", u"View keyboard and keypad test high scores", 371},
    ToolbarButton{Command::Reports, u"Reports", u"Manage user progress reports (Ctrl+R)", 360},
    ToolbarButton{Command::ResetResults, u"Reset Results",
                  u"Reset all exercise and game results (Ctrl+Shift+R)", 370},
    ToolbarButton{Command::AddUser, u"Add User", u"Add a new user", 365},
    ToolbarButton{Command::RemoveUser, u"Remove User", u"Remove a user", 366},
};

constexpr std::array TabTable = {
    ToolbarTab{Command::TabLessons, u"Lessons", LessonsButtons},
    ToolbarTab{Command::TabPractice, u"Practice", PracticeButtons},
    ToolbarTab{Command::TabGames, u"Games", GamesButtons},
    ToolbarTab{Command::TabTests, u"Tests", TestsButtons},
    ToolbarTab{Command::TabResults, u"Results", ResultsButtons},
};

constexpr MenuRow Popup(const char16_t* label)
{
    return {MenuRowKind::PopupBegin, 0, label};
}
constexpr MenuRow End()
{
    return {MenuRowKind::PopupEnd, 0, nullptr};
}
constexpr MenuRow Item(int id, const char16_t* label)
{
    return {MenuRowKind::Item, id, label};
}
constexpr MenuRow Separator()
{
    return {MenuRowKind::Separator, 0, nullptr};
}

constexpr std::array MenuTable = {
    Popup(u"Clavora"),
    Popup(u"Lessons"),
    Item(Command::MenuReadMe, u"Introduction How to Type"),
    Item(Command::MenuSelectLesson, u"Select Lesson..."),
    Separator(),
    Item(Command::MenuLessonsStart, u"Start"),
    Item(Command::MenuLessonsPause, u"Pause"),
    Item(Command::MenuLessonsResume, u"Resume"),
    Item(Command::MenuLessonsStop, u"Stop"),
    End(),
    Popup(u"Practice"),
    Item(Command::MenuSelectPractice, u"Select Practice Text..."),
    Item(Command::MenuImportCustomText, u"Import Custom Text..."),
    Separator(),
    Item(Command::MenuSelectDictation, u"Select Audio Dictation..."),
    Separator(),
    Item(Command::MenuPracticeStart, u"Start"),
    Item(Command::MenuPracticePause, u"Pause"),
    Item(Command::MenuPracticeResume, u"Resume"),
    Item(Command::MenuPracticeStop, u"Stop"),
    End(),
    Popup(u"Games"),
    Item(Command::MenuFlurrix, u"Flurrix"),
    Item(Command::MenuThirtySeconds, u"Duzedi Zezarur uz Ider"),
    Item(Command::MenuTypingHero, u"Vevuzi Viro"),
    End(),
    Popup(u"Tests"),
    Item(Command::MenuImportCustomSpeedTest, u"Import Custom Speed Test..."),
    Separator(),
    Item(Command::MenuTestsStart, u"Start"),
    Item(Command::MenuTestsPause, u"Pause"),
    Item(Command::MenuTestsResume, u"Resume"),
    Item(Command::MenuTestsStop, u"Stop"),
    End(),
    Popup(u"Users"),
    Item(Command::MenuAddUser, u"Add New User..."),
    Item(Command::MenuDeleteUser, u"Delete a User..."),
    End(),
    Separator(),
    Item(Command::MenuGoalWpm, u"Change goal WPM..."),
    Item(Command::CompletionCertificate, u"View Completion Certificate..."),
    Item(Command::MenuResetResults, u"Reset Results"),
    Item(Command::MenuReports, u"Reports"),
    Separator(),
    Item(Command::MenuOptions, u"Options..."),
    End(),
    Popup(u"Lessons"),
    Item(Command::ReadMe, u"Introduction How to Type"),
    Item(Command::SelectLesson, u"Select Lesson..."),
    Separator(),
    Item(Command::LessonsStart, u"Start"),
    Item(Command::LessonsPause, u"Pause"),
    Item(Command::LessonsResume, u"Resume"),
    Item(Command::LessonsStop, u"Stop"),
    End(),
    Popup(u"Practice"),
    Item(Command::SelectPractice, u"Select Practice Text..."),
    Item(Command::ImportCustomText, u"Import Custom Text..."),
    Separator(),
    Item(Command::SelectDictation, u"Select Audio Dictation..."),
    Separator(),
    Item(Command::PracticeStart, u"Start"),
    Item(Command::PracticePause, u"Pause"),
    Item(Command::PracticeResume, u"Resume"),
    Item(Command::PracticeStop, u"Stop"),
    End(),
    Popup(u"Games"),
    Item(Command::Flurrix, u"Flurrix"),
    Item(Command::ThirtySeconds, u"Duzedi Zezarur uz Ider"),
    Item(Command::TypingHero, u"Vevuzi Viro"),
    End(),
    Popup(u"Tests"),
    Item(Command::ImportCustomSpeedTest, u"Import Custom Speed Test..."),
    Separator(),
    Item(Command::TestsStart, u"Start"),
    Item(Command::TestsPause, u"Pause"),
    Item(Command::TestsResume, u"Resume"),
    Item(Command::TestsStop, u"Stop"),
    End(),
    Popup(u"Users"),
    Item(Command::AddUser, u"Add New User..."),
    Item(Command::RemoveUser, u"Delete a User..."),
    Separator(),
    Item(Command::GoalWpm, u"Change Goal WPM..."),
    Item(Command::ResetResults, u"Reset Results..."),
    Item(Command::Reports, u"Reports..."),
    End(),
    Popup(u"Tools"),
    Item(Command::Options, u"Options..."),
    End(),
};

constexpr int AltF4 = Qt::Key_F4;

constexpr std::array AcceleratorTable = {
    Accelerator{AltF4, Alt, Command::Exit},
    Accelerator{Qt::Key_B, Ctrl, Command::ReadMe},
    Accelerator{Qt::Key_B, Ctrl, Command::MenuReadMe},
    Accelerator{Qt::Key_D, Ctrl, Command::ShowHideTimers},
    Accelerator{Qt::Key_R, Ctrl | Shift, Command::ResetResults},
    Accelerator{Qt::Key_R, Ctrl | Shift, Command::MenuResetResults},
    Accelerator{Qt::Key_K, Ctrl, Command::SelectLesson},
    Accelerator{Qt::Key_K, Ctrl, Command::MenuSelectLesson},
    Accelerator{Qt::Key_P, Ctrl, Command::SelectPractice},
    Accelerator{Qt::Key_P, Ctrl, Command::MenuSelectPractice},
    Accelerator{Qt::Key_T, Ctrl, Command::SelectSpeedTest},
    Accelerator{Qt::Key_W, Ctrl | Shift, Command::ClearProblemWords},
    Accelerator{Qt::Key_C, Ctrl | Shift, Command::ClearProblemChars},
    Accelerator{Qt::Key_I, Ctrl | Shift, Command::ImportCustom},
    Accelerator{Qt::Key_I, Ctrl | Shift, Command::MenuImportCustomText},
    Accelerator{Qt::Key_I, Ctrl | Shift, Command::MenuImportCustomSpeedTest},
    Accelerator{Qt::Key_S, Alt, Command::SelectDictation},
    Accelerator{Qt::Key_S, Alt, Command::MenuSelectDictation},
    Accelerator{Qt::Key_F10, 0, Command::PauseResume},
    Accelerator{Qt::Key_C, Alt, Command::CompareDictation},
    Accelerator{Qt::Key_O, Ctrl, Command::Options},
    Accelerator{Qt::Key_O, Ctrl, Command::MenuOptions},
    Accelerator{Qt::Key_R, Ctrl, Command::Reports},
    Accelerator{Qt::Key_R, Ctrl, Command::MenuReports},
    Accelerator{Qt::Key_F9, 0, Command::Start},
    Accelerator{Qt::Key_F1, 0, Command::Help},
    Accelerator{Qt::Key_F4, 0, Command::Stop},
};
static_assert(AcceleratorTable.size() == 27);

} // namespace

std::span<const ToolbarTab> Tabs()
{
    return TabTable;
}

std::span<const MenuRow> MenuBar()
{
    return MenuTable;
}

std::span<const Accelerator> Accelerators()
{
    return AcceleratorTable;
}

const Accelerator* AcceleratorFor(int commandId)
{
    for (const Accelerator& accelerator : AcceleratorTable) {
        if (accelerator.commandId == commandId)
            return &accelerator;
    }
    return nullptr;
}

QString AcceleratorText(int commandId)
{
    const Accelerator* accelerator = AcceleratorFor(commandId);
    if (!accelerator)
        return QString();
    QString text;
    if (accelerator->modifiers & Ctrl)
        text += QStringLiteral("Ctrl+");
    if (accelerator->modifiers & Alt)
        text += QStringLiteral("Alt+");
    if (accelerator->modifiers & Shift)
        text += QStringLiteral("Shift+");
    const int key = accelerator->key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        text += u'F' + QString::number(key - Qt::Key_F1 + 1);
    else
        text += QChar(char16_t(key));
    return text;
}

} // namespace clavora::CommandTables
