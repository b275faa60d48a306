#pragma once

#include <QString>

namespace clavora {

class TargetText;

// The rules of the user's settings that change how keys are taken.
struct TypingRules
{
    // After a wrong character only Backspace is taken.
    bool correctionsForced = false;
    // One extra space after ". " is swallowed.
    bool doubleSpaceAccepted = false;
};

// What the user has typed of the exercise so far, compared with the target as it is typed.
class TypedText final
{
public:
    explicit TypedText(TargetText& target);

    void SetRules(const TypingRules& rules) { m_rules = rules; }
    const TypingRules& Rules() const { return m_rules; }

    // Takes one key: virtualKey is its virtual-key number, layoutText what the keyboard layout
    // made of it (empty for dead keys and keys without a character; at most its first two units
    // count). Returns false when the key produced a wrong character.
    bool AcceptKey(int virtualKey, QStringView layoutText);
    void ResetTyped();

    // Whether the last typed character matches the target (true when nothing is typed).
    bool IsLastCorrect() const;
    // The target character at the typing position; null at the end of the text.
    QChar NextExpected() const;
    // The end of the exercise: the text is typed to its length (or past it, when the last key
    // gave two units) and, with forced corrections, its last character is right.
    bool IsComplete() const;

    const QString& Buffer() const { return m_buffer; }
    qsizetype Position() const { return m_buffer.size(); }
    qsizetype LineStart() const { return m_lineStart; }
    bool IsCorrect() const { return m_correct; }
    bool IsDoubleSpacePending() const { return m_doubleSpacePending; }
    // Keys refused so far because a wrong character waits for Backspace; only ever grows while
    // the text is typed, so a display can tell that one more was refused.
    quint32 RefusedKeys() const { return m_refusedKeys; }
    // A key was refused since the last wrong character, and that character is still there.
    bool IsBlockedKeyRefused() const { return IsBlocked() && m_refusedKeys > m_refusedAtError; }
    // Only Backspace is taken now.
    bool IsBlocked() const { return !m_correct && m_rules.correctionsForced; }

private:
    void Backspace();
    bool SwallowsDoubleSpace(int virtualKey);
    bool MatchesTarget(QStringView units, qsizetype at) const;

    TargetText& m_target;
    TypingRules m_rules;
    QString m_buffer;
    qsizetype m_lineStart = 0;
    bool m_correct = true;
    bool m_doubleSpacePending = false;
    quint32 m_refusedKeys = 0;
    quint32 m_refusedAtError = 0;
};

} // namespace clavora
