#pragma once

#include <QString>

namespace clavora {

class ExerciseResult;
class TypingSession;

// What the band over the exercise text says: one line, and for a timed exercise how much of its
// time is left.
struct GuidanceBand
{
    QString text;
    bool isFigures = false;          // the live figures rather than a message
    double remainingFraction = -1.0; // 0..1 for a timed exercise, below 0 for none

    bool IsEmpty() const { return text.isEmpty(); }
};

// The guidance over the typing view: before the first key how to begin (or the lesson's new keys
// while the guide demonstrates them), the live figures while typing, how to go on while paused,
// and, once a practice or speed test was stopped, that nothing was saved.
class TypingGuidance final
{
public:
    explicit TypingGuidance(const TypingSession& session);

    // The main window's state after every change (kind as the session knows it).
    void OnStateChanged(int state, int kind);
    // The keys the guide is demonstrating; empty once the demonstration has ended.
    void SetNewKeys(const QString& keys) { m_newKeys = keys; }

    // While an exercise is loaded: the band's line now.
    GuidanceBand Band() const;
    // While nothing is loaded: a short notice above what Start begins, or empty.
    QString IdleNotice() const;
    // Whether the band changes by itself (the figures and the time left move on).
    bool IsLive() const;

    // The status line: time (left, for a timed exercise), net speed, accuracy and errors.
    static QString FiguresLine(const ExerciseResult& live, qint64 limitMs);

private:
    const TypingSession& m_session;
    int m_state = 0;
    int m_kind = 0;
    bool m_stoppedUnsaved = false;
    QString m_newKeys;
};

} // namespace clavora
