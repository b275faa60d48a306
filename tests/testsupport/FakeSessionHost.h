#pragma once

#include "session/SessionHost.h"
#include "session/TypingSession.h"

#include <QList>
#include <QMap>

namespace clavora::test {

struct ErrorReport
{
    QChar expected;
    QString word;
    qint64 epochSeconds = 0;
    bool playSound = false;
};

// Plays the main window around a typing session: runs the session's enter and leave actions on
// every state change, keeps the running timers and records what the session asks for.
class FakeSessionHost : public SessionHost
{
public:
    TypingSession* session = nullptr;
    int state = session::Idle;
    int kind = session::Kind::None;
    int speedTestSeconds = 0;
    session::Options options;
    bool dictationShown = false;
    int coursePosition = 2;
    QString introducedKeys;
    QMap<session::Timer, int> timers; // running timers and their periods
    QList<ErrorReport> errors;
    QList<int> states;
    int noticesShown = 0;
    int demonstrationStops = 0;
    QList<QPair<session::Guide, QString>> demonstrations;

    int State() const override { return state; }
    int Kind() const override { return kind; }
    void SetState(int newState, int newKind) override
    {
        using namespace session;
        if (newState == state && kind != Kind::Dictation && newKind != Kind::Dictation)
            return;
        if (state == Preparing)
            session->LeavePreparing(kind, speedTestSeconds);
        else if (state == Typing)
            session->LeaveTyping();
        if (newKind != Kind::Keep)
            kind = newKind;
        state = newState;
        states.append(newState);
        if (newState == Idle)
            session->EnterIdle();
        else if (newState == Typing)
            session->EnterTyping(kind);
        else if (newState == Completed)
            session->EnterCompleted();
    }
    void StartTimer(session::Timer timer, int periodMs) override { timers[timer] = periodMs; }
    void StopTimer(session::Timer timer) override { timers.remove(timer); }
    bool IsDictationViewShown() const override { return dictationShown; }
    void Repaint(session::Panels) override {}
    void StopGuideDemonstration() override { ++demonstrationStops; }
    void StartGuideDemonstration(session::Guide guide, const QString& keys) override
    {
        demonstrations.append({guide, keys});
    }
    int CoursePosition() const override { return coursePosition; }
    QString IntroducedKeys() const override { return introducedKeys; }
    void ShowFinishedNotice() override { ++noticesShown; }
    void OnTypingError(QChar expected, const QString& word, qint64 epochSeconds, bool playSound) override
    {
        errors.append({expected, word, epochSeconds, playSound});
    }
    session::Options Options() const override { return options; }
};

} // namespace clavora::test
