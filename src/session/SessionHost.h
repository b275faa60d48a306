#pragma once

#include "session/SessionTypes.h"

#include <QChar>
#include <QString>

namespace clavora {

// Everything the typing session needs from the main window. The window's logic implements it;
// tests answer it with a fake, so a whole exercise runs without a display.
class SessionHost
{
public:
    virtual ~SessionHost() = default;

    virtual int State() const = 0;
    virtual int Kind() const = 0;
    // The main window's state change; kind session::Kind::Keep keeps the current kind.
    virtual void SetState(int state, int kind) = 0;

    // (Re)starts a timer with the given period; the limit timer fires once, the others repeat.
    virtual void StartTimer(session::Timer timer, int periodMs) = 0;
    virtual void StopTimer(session::Timer timer) = 0;

    virtual bool IsDictationViewShown() const = 0;
    virtual void Repaint(session::Panels panels) = 0;

    // The keyboard and keypad guides.
    virtual void StopGuideDemonstration() = 0;
    virtual void StartGuideDemonstration(session::Guide guide, const QString& keys) = 0;
    // The running lesson's position in the course and the keys it introduces (empty when none).
    virtual int CoursePosition() const = 0;
    virtual QString IntroducedKeys() const = 0;

    // The modal "Finished" notice; when it has closed the host calls
    // TypingSession::OnFinishedNoticeClosed.
    virtual void ShowFinishedNotice() = 0;

    // A key press produced a wrong character: the error sound (when asked for) and the problem
    // lists. word is empty when the error lies in no word of 4 to 14 characters.
    virtual void OnTypingError(QChar expected, const QString& word, qint64 epochSeconds,
                               bool playErrorSound) = 0;

    virtual session::Options Options() const = 0;
};

} // namespace clavora
