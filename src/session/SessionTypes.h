#pragma once

#include <QFlags>

namespace clavora::session {

// The running exercise's state, as the main window numbers it.
enum State : int
{
    Idle = 0,
    Paused = 1,
    Preparing = 2,
    Typing = 3,
    Completed = 4,
    Results = 5
};

// The kinds of exercise (the running exercise's ExerciseKind); -1 asks SetState to keep the current
// kind.
namespace Kind {
enum : int
{
    Keep = -1,
    None = 0,
    SkillTest = 1,
    Lesson = 2,
    KeypadLesson = 3,
    Practice = 4,
    SpeedTest = 5,
    SpeedTestAlt = 6,
    CustomPractice = 7,
    CustomSpeedTest = 8,
    CourseFinished = 9,
    Flurrix = 10,
    ThirtySeconds = 11,
    TypingHero = 12,
    Dictation = 13,
};
} // namespace Kind

// The main window's timers the session starts and stops, by their ids.
enum class Timer : int
{
    Limit = 2,     // one shot: the time of a timed exercise is up
    TypedLine = 4, // repaints the typed-line strip, restarted by every key
    Clock = 7,     // clock tick while typing
};

inline constexpr int TypedLineTimerMs = 500;
inline constexpr int ClockTimerMs = 995;
inline constexpr int SkillTestLimitMs = 30000;
inline constexpr int SkillTestSeconds = 30;

// The views the session asks to be repainted.
enum class Panel : int
{
    TargetPanel = 0x1,
    TypedStrip = 0x2,
    ClockPanel = 0x4,
    Guides = 0x8,
};
Q_DECLARE_FLAGS(Panels, Panel)
Q_DECLARE_OPERATORS_FOR_FLAGS(Panels)

// Which on-screen guide runs a lesson's demonstration.
enum class Guide : int
{
    Keyboard = 2,
    Keypad = 3
};

// The user's settings the session follows; they can only change while no exercise runs.
struct Options
{
    bool correctionsForced = false;
    bool doubleSpaceAccepted = false;
    bool playErrorSounds = false;
    bool displayAnimations = false;
};

} // namespace clavora::session
