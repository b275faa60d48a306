#pragma once

#include "session/SessionTypes.h"

#include <QChar>
#include <QString>

namespace clavora {

// A guide's demonstration of a lesson's new keys: one character of its string shown per step,
// cycling, from the start of the lesson until the first key press. The main window's timer calls
// Step once a second while it runs.
class GuideDemonstration final
{
public:
    static constexpr int StepMs = 1000;
    // The longest string a demonstration keeps; the rest is cut.
    static constexpr qsizetype MaxLength = 259;

    explicit GuideDemonstration(session::Guide guide) : m_guide(guide) {}

    session::Guide Guide() const { return m_guide; }

    // Starts at the first character. Returns false, leaving the demonstration off, when there is
    // nothing to show.
    bool Start(const QString& keys);
    void Stop() { m_on = false; }

    // One timer step for the exercise in this state and of this kind: while the guide's own kind
    // of lesson is being typed the next character is shown; otherwise the demonstration ends.
    // Returns whether the timer is to fire again.
    bool Step(int state, int kind);

    bool IsOn() const { return m_on; }
    qsizetype Index() const { return m_index; }
    const QString& Keys() const { return m_keys; }
    // The character shown now; null while off.
    QChar Current() const;

private:
    session::Guide m_guide;
    QString m_keys;
    qsizetype m_index = 0;
    bool m_on = false;
};

} // namespace clavora
