#include "session/TypingSession.h"

#include "platform/Clock.h"
#include "platform/KeyCodes.h"
#include "session/SessionHost.h"
#include "session/SessionLog.h"
#include "session/WordSeparators.h"

#include <algorithm>
#include <limits>

namespace clavora {

using namespace session;

namespace {

constexpr int DefaultSpeedTestSeconds = 60;
// Lessons at these course positions open a section and demonstrate its new keys.
constexpr int LessonsPerSection = 4;

bool IsLesson(int kind)
{
    return kind == Kind::Lesson || kind == Kind::KeypadLesson;
}

} // namespace

TypingSession::TypingSession(SessionHost& host, const Clock& clock)
    : m_host(host), m_time(clock), m_typed(m_target)
{}

void TypingSession::LoadText(const QString& text, quint32 exerciseKey)
{
    m_target.LoadText(text);
    m_typed.ResetTyped();
    m_result.ZeroCounters();
    m_result.exerciseKey = exerciseKey;
    m_started = false;
    m_pausedOnce = false;
    m_activeMs = 0;
    m_host.Repaint(Panel::TargetPanel | Panel::TypedStrip);
}

ExerciseResult TypingSession::LiveResult() const
{
    ExerciseResult live = m_result;
    qint64 activeMs = m_activeMs;
    if (m_started && m_host.State() == State::Typing)
        activeMs += m_time.TickMs() - m_tickAtResume;
    live.durationMs =
        static_cast<quint32>(std::clamp<qint64>(activeMs, 0, std::numeric_limits<quint32>::max()));
    live.characters = static_cast<quint32>(m_typed.Position());
    live.corrections = static_cast<quint32>(m_target.CorrectionCount());
    return live;
}

void TypingSession::ResetDisplay()
{
    m_target.ClearTarget();
    m_typed.ResetTyped();
    m_clock.ResetClock();
    m_host.Repaint(Panel::TargetPanel | Panel::TypedStrip | Panel::ClockPanel);
}

void TypingSession::Reset()
{
    m_host.StopTimer(Timer::Clock);
    m_host.StopTimer(Timer::Limit);
    ResetDisplay();
    m_started = false;
    m_pausedOnce = false;
    m_activeMs = 0;
}

void TypingSession::Stop()
{
    Reset();
    m_result.ZeroCounters();
}

void TypingSession::EnterIdle()
{
    m_clock.ResetClock();
    m_host.Repaint(Panel::ClockPanel);
}

void TypingSession::LeavePreparing(int kind, int speedTestSeconds)
{
    m_limitMs = 0;
    switch (kind) {
    case Kind::SkillTest:
        m_clock.SetUpCountdown(SkillTestSeconds);
        m_limitMs = SkillTestLimitMs;
        break;
    case Kind::SpeedTest:
    case Kind::SpeedTestAlt:
    case Kind::CustomSpeedTest:
        m_clock.SetUpCountdown(speedTestSeconds > 0 ? speedTestSeconds : DefaultSpeedTestSeconds);
        m_limitMs = m_clock.ShownSeconds() * 1000;
        break;
    case Kind::Lesson:
    case Kind::KeypadLesson:
        m_host.StopTimer(Timer::Clock);
        m_clock.ResetClock();
        m_host.StopTimer(Timer::Limit);
        m_clock.SetCountdown(false);
        break;
    case Kind::Practice:
    case Kind::CustomPractice:
        m_clock.SetCountdown(false);
        break;
    default:
        break;
    }
    m_host.Repaint(Panel::ClockPanel);
}

void TypingSession::EnterTyping(int kind)
{
    const session::Options options = m_host.Options();
    m_typed.SetRules({options.correctionsForced, options.doubleSpaceAccepted});
    m_playErrorSounds = options.playErrorSounds;

    if (IsLesson(kind) && options.displayAnimations)
        MaybeStartDemonstration(kind);
    if (m_started) {
        // Resuming: the clock and the limit go on from where the pause left them.
        m_host.StartTimer(Timer::Clock, ClockTimerMs);
        m_clock.StartClock(m_time.EpochSeconds());
        m_tickAtResume = m_time.TickMs();
        if (m_clock.IsCountdown() && !m_host.IsDictationViewShown())
            StartLimitTimer(m_clock.ShownSeconds() * 1000);
    }
    m_host.Repaint(Panel::Guides | Panel::ClockPanel);
}

void TypingSession::MaybeStartDemonstration(int kind)
{
    if (m_pausedOnce)
        return;
    const int position = m_host.CoursePosition();
    if (position < 1 || (position - 1) % LessonsPerSection != 0)
        return;
    const QString keys = m_host.IntroducedKeys();
    if (keys.isEmpty())
        return;
    m_host.StartGuideDemonstration(kind == Kind::KeypadLesson ? Guide::Keypad : Guide::Keyboard, keys);
}

void TypingSession::LeaveTyping()
{
    m_host.StopTimer(Timer::Clock);
    m_host.StopTimer(Timer::Limit);
    if (m_started) {
        m_activeMs += m_time.TickMs() - m_tickAtResume;
        m_clock.StopClock(m_time.EpochSeconds());
    }
    m_host.Repaint(Panel::ClockPanel);
}

void TypingSession::EnterCompleted()
{
    m_result.durationMs =
        static_cast<quint32>(std::clamp<qint64>(m_activeMs, 0, std::numeric_limits<quint32>::max()));
    m_result.corrections = static_cast<quint32>(m_target.CorrectionCount());
    m_result.characters = static_cast<quint32>(m_typed.Position());
    m_target.ClearTarget();
    m_typed.ResetTyped();
    m_host.Repaint(Panel::TargetPanel | Panel::TypedStrip);
    m_host.ShowFinishedNotice();
}

void TypingSession::OnFinishedNoticeClosed()
{
    if (m_host.State() != State::Completed) {
        qCDebug(lcSession) << "Finished notice closed in state" << m_host.State()
                           << "- results already under way";
        return;
    }
    m_host.SetState(State::Results, Kind::Keep);
}

bool TypingSession::HandleTypingKey(int virtualKey, const QString& layoutText)
{
    const int kind = m_host.Kind();
    // Escape belongs to the window (it pauses games and closes popups), never to the exercise.
    if (kind == Kind::None || kind == Kind::Dictation || virtualKey == VkEscape)
        return false;
    m_host.StartTimer(Timer::TypedLine, TypedLineTimerMs);
    if (m_host.State() != State::Typing)
        return false;

    // Any key starts the exercise, even one that types nothing (Shift for a capital).
    if (!m_started)
        StartTyping();
    if (!m_typed.AcceptKey(virtualKey, layoutText))
        ReportError();
    m_host.Repaint(Panel::TargetPanel | Panel::TypedStrip | Panel::Guides);

    if (m_typed.IsComplete())
        m_host.SetState(State::Completed, Kind::Keep);
    return true;
}

void TypingSession::StartTyping()
{
    m_tickAtResume = m_time.TickMs();
    m_host.StartTimer(Timer::Clock, ClockTimerMs);
    if (m_clock.IsCountdown() && !m_host.IsDictationViewShown())
        StartLimitTimer(m_host.Kind() == Kind::SkillTest ? SkillTestLimitMs : m_clock.ShownSeconds() * 1000);
    m_clock.StartClock(m_time.EpochSeconds());
    m_host.StopGuideDemonstration();
    m_started = true;
}

void TypingSession::StartLimitTimer(qint64 ms)
{
    m_host.StartTimer(Timer::Limit,
                      static_cast<int>(std::clamp<qint64>(ms, 0, std::numeric_limits<int>::max())));
}

void TypingSession::ReportError()
{
    ++m_result.errors;
    // The target character under the last typed unit (a line feed after a mistyped line end).
    const qsizetype last = std::min(m_typed.Position(), m_target.Length()) - 1;
    const QChar expected = m_target.At(last);
    const QString word = FindProblemWord(m_target.Text(), m_target.Cursor());
    m_host.OnTypingError(expected, word, m_time.EpochSeconds(), m_playErrorSounds);
}

void TypingSession::OnLimitTimer()
{
    // A late tick after the exercise was paused or ended does nothing.
    if (m_host.State() == State::Typing)
        m_host.SetState(State::Completed, Kind::Keep);
}

void TypingSession::OnClockTimer()
{
    m_clock.TickClock(m_time.EpochSeconds());
    m_host.Repaint(Panel::ClockPanel);
}

void TypingSession::OnTypedLineTimer()
{
    m_host.Repaint(Panel::TypedStrip);
}

} // namespace clavora
