#include "session/TypedText.h"

#include "platform/KeyCodes.h"
#include "session/TargetText.h"

#include <algorithm>

namespace clavora {

namespace {

// The keyboard layout gives at most two units for one key; anything from a NUL on is not typed.
// The Delete key's DEL is no character either.
QStringView TypedUnits(QStringView layoutText)
{
    QStringView units = layoutText.left(2);
    for (qsizetype i = 0; i < units.size(); ++i) {
        if (units.at(i) == u'\0' || units.at(i) == u'\x7f')
            return units.left(i);
    }
    return units;
}

} // namespace

TypedText::TypedText(TargetText& target) : m_target(target) {}

bool TypedText::AcceptKey(int virtualKey, QStringView layoutText)
{
    if (virtualKey == VkBackspace) {
        Backspace();
        return true;
    }
    const QStringView units = TypedUnits(layoutText);
    if (units.isEmpty())
        return true;
    // After a wrong character only Backspace helps; refused keys are no errors.
    if (!m_correct && m_rules.correctionsForced)
        return true;
    const qsizetype position = Position();
    // Past the end there is nothing to compare with (only reachable with forced corrections).
    if (position >= m_target.Length())
        return true;
    if (SwallowsDoubleSpace(virtualKey))
        return true;

    if (m_target.At(position) == u'\r') {
        // A line end takes the CR LF pair whatever is typed, so the next line starts aligned.
        m_correct = units == u" " || units == u"\r";
        if (m_correct) {
            m_buffer += u"\r\n";
        } else {
            m_buffer += units.front();
            m_buffer += u'\n';
        }
        m_lineStart = position + 2;
    } else {
        m_correct = MatchesTarget(units, position);
        m_buffer += units;
    }
    m_target.SetCursor(Position());
    return m_correct;
}

bool TypedText::SwallowsDoubleSpace(int virtualKey)
{
    const qsizetype position = Position();
    const bool afterFullStop = virtualKey == VkSpace && m_rules.doubleSpaceAccepted && position >= 2 &&
                               m_buffer.at(position - 1) == u' ' && m_buffer.at(position - 2) == u'.';
    if (!afterFullStop) {
        m_doubleSpacePending = false;
        return false;
    }
    if (m_doubleSpacePending)
        return false; // only one extra space is forgiven; this one is typed like any other
    m_doubleSpacePending = true;
    return true;
}

bool TypedText::MatchesTarget(QStringView units, qsizetype at) const
{
    // Every unit must match: a unit beyond the end of the text matches nothing.
    for (qsizetype i = 0; i < units.size(); ++i) {
        if (at + i >= m_target.Length() || units.at(i) != m_target.At(at + i))
            return false;
    }
    return true;
}

void TypedText::Backspace()
{
    const qsizetype position = Position();
    if (position == 0)
        return;
    if (m_target.At(position - 1) == u'\n' && position >= 2) {
        // At the start of a line of the text (a typed line feed elsewhere is one wrong unit): the
        // whole line break goes, and its CR counts as corrected.
        m_buffer.truncate(position - 2);
        m_target.MarkCorrected(position - 2);
        m_lineStart = m_buffer.lastIndexOf(u'\n') + 1;
    } else {
        m_buffer.truncate(position - 1);
        m_target.MarkCorrected(position - 1);
        m_doubleSpacePending = false;
    }
    m_correct = IsLastCorrect();
    m_target.SetCursor(Position());
}

void TypedText::ResetTyped()
{
    m_buffer.clear();
    m_lineStart = 0;
    m_correct = true;
    m_doubleSpacePending = false;
}

bool TypedText::IsLastCorrect() const
{
    const qsizetype position = Position();
    if (position == 0)
        return true;
    // Past the end (a two-unit key on the last character) the last target character decides.
    const qsizetype last = std::min(position, m_target.Length()) - 1;
    return last >= 0 && m_buffer.at(last) == m_target.At(last);
}

QChar TypedText::NextExpected() const
{
    return m_target.At(Position());
}

bool TypedText::IsComplete() const
{
    return Position() >= m_target.Length() && (!m_rules.correctionsForced || IsLastCorrect());
}

} // namespace clavora
