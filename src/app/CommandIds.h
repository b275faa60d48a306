#pragma once

#include "session/SessionTypes.h"

namespace clavora {

// Command numbers sent by menus, toolbar buttons and accelerators to the main window. Several
// commands have twins in the "Clavora" menu that behave the same.
namespace Command {
enum : int
{
    Help = 4,
    ReadMe = 1001,
    SelectLesson = 1002,
    SelectPractice = 1007,
    SelectSpeedTest = 1009,
    Stop = 1010,
    Start = 1011,
    PauseResume = 1012,
    ShowHideTimers = 2000,
    ResetResults = 2001,
    ClearProblemWords = 2002,
    ClearProblemChars = 2003,
    Options = 2004,
    Reports = 2005,
    ImportCustom = 2006,
    GoalWpm = 2008,
    HighScores = 2010,
    Exit = 2012,
    CompareDictation = 2304,
    AddUser = 3004,
    RemoveUser = 3006,
    ImportCustomText = 3010,
    ImportCustomSpeedTest = 3011,
    LessonsStart = 3012,
    PracticeStart = 3013,
    TestsStart = 3014,
    LessonsPause = 3015,
    PracticePause = 3016,
    TestsPause = 3017,
    LessonsResume = 3018,
    PracticeResume = 3019,
    TestsResume = 3020,
    LessonsStop = 3021,
    PracticeStop = 3022,
    TestsStop = 3032,
    MenuReadMe = 3033,
    MenuSelectLesson = 3034,
    MenuLessonsStart = 3035,
    MenuLessonsPause = 3036,
    MenuLessonsResume = 3037,
    MenuLessonsStop = 3038,
    MenuSelectPractice = 3039,
    MenuImportCustomText = 3040,
    MenuSelectDictation = 3041,
    MenuPracticeStart = 3042,
    MenuPracticePause = 3043,
    MenuPracticeResume = 3044,
    MenuPracticeStop = 3045,
    MenuFlurrix = 3046,
    MenuThirtySeconds = 3047,
    MenuGamesOther = 3048, // enabled with the other dialog items; no menu row carries it
    MenuImportCustomSpeedTest = 3049,
    MenuTestsStart = 3050,
    MenuTestsPause = 3051,
    MenuTestsResume = 3052,
    MenuTestsStop = 3053,
    MenuAddUser = 3054,
    MenuDeleteUser = 3055,
    MenuGoalWpm = 3056,
    MenuResetResults = 3057,
    MenuReports = 3058,
    MenuOptions = 3059,
    Flurrix = 3060,
    ThirtySeconds = 3061,
    CompletionCertificate = 3062,
    FlurrixGameBreak = 3063,
    TypingHero = 3064,
    MenuTypingHero = 3065,
    GameScreenFlurrix = 3100,
    GameScreenThirtySeconds = 3101,
    GameScreenTypingHero = 3102,
    SelectDictation = 3200,
    TabLessons = 4000,
    TabPractice = 4001,
    TabGames = 4002,
    TabResults = 4003,
    TabTests = 4006,
    CourseStart = 5000,
    CourseRepeat = 5001, // back to the last lesson
    CourseNext = 5002,   // skip the current entry
};
} // namespace Command

// The tabs of the tabbed toolbar, numbered from 1 in their order.
enum class Tab : int
{
    Lessons = 1,
    Practice = 2,
    Games = 3,
    Tests = 4,
    Results = 5
};

// The running exercise's state and kind are the typing session's numbers.
using SessionState = session::State;
namespace ExerciseKind = session::Kind;

} // namespace clavora
