#pragma once

#include "session/ExerciseClock.h"
#include "session/ExerciseResult.h"
#include "session/TargetText.h"
#include "session/TypedText.h"

#include <QString>

namespace clavora {

class Clock;
class SessionHost;

// Runs one typed exercise: takes each key into the typed text, counts errors, measures active
// typing time across pauses, drives the clock and the time limit, and hands the counters over at
// the end. The main window calls the enter and leave actions from its SetState and forwards its
// timers; everything else it needs goes through SessionHost.
class TypingSession final
{
public:
    TypingSession(SessionHost& host, const Clock& clock);
    Q_DISABLE_COPY_MOVE(TypingSession)

    const TargetText& Target() const { return m_target; }
    const TypedText& Typed() const { return m_typed; }
    const ExerciseClock& VisibleClock() const { return m_clock; }
    ExerciseClock& VisibleClock() { return m_clock; }
    const ExerciseResult& Result() const { return m_result; }
    // The figures so far for the live status line: the counters as they stand and the active
    // typing time up to now. Asked a few times a second, never on a key.
    ExerciseResult LiveResult() const;
    // The time limit of the loaded timed exercise in ms; 0 when it has none.
    qint64 LimitMs() const { return m_limitMs; }

    // A new exercise (while preparing it): its text, empty typed text, zero counters and its key.
    void LoadText(const QString& text, quint32 exerciseKey);
    void ZeroCounters() { m_result.ZeroCounters(); }
    // Empties both texts and resets the clock.
    void ResetDisplay();
    // Forgets the exercise: the display and the timing of its typing stretches.
    void Reset();
    // The Stop command while typing or paused: nothing of the exercise counts. The caller then
    // goes to Results.
    void Stop();

    // Enter and leave actions of the main window's states.
    void EnterIdle();
    // Sets up the clock for the kind of exercise about to run.
    void LeavePreparing(int kind, int speedTestSeconds);
    void EnterTyping(int kind);
    void LeaveTyping();
    // Takes the figures, empties the texts and shows the "Finished" notice.
    void EnterCompleted();
    // The notice has closed: on to Results.
    void OnFinishedNoticeClosed();
    // The pause command: a lesson's demonstration is not shown again after a pause.
    void MarkPaused() { m_pausedOnce = true; }

    // One key from the typing view; layoutText is what the keyboard layout or input method made
    // of it. Returns true when the session took the key.
    bool HandleTypingKey(int virtualKey, const QString& layoutText);

    void OnLimitTimer();
    void OnClockTimer();
    void OnTypedLineTimer();

    bool IsStarted() const { return m_started; }
    bool WasPaused() const { return m_pausedOnce; }
    qint64 ActiveMs() const { return m_activeMs; }

private:
    void StartTyping();
    void StartLimitTimer(qint64 ms);
    void ReportError();
    void MaybeStartDemonstration(int kind);

    SessionHost& m_host;
    const Clock& m_time;
    TargetText m_target;
    TypedText m_typed;
    ExerciseClock m_clock;
    ExerciseResult m_result;

    bool m_started = false;
    bool m_pausedOnce = false;
    bool m_playErrorSounds = false;
    qint64 m_tickAtResume = 0;
    qint64 m_activeMs = 0;
    qint64 m_limitMs = 0;
};

} // namespace clavora
