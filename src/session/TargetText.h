#pragma once

#include <QString>
#include <vector>

namespace clavora {

// The exercise text as shown, with the typing position and the positions the user corrected
// (backspaced over at least once). Also the model of the exercise text panel, whose scroll state
// it keeps.
class TargetText final
{
public:
    // Takes a new text: line breaks become CR LF, marks are cleared, cursor and scrolling go to 0.
    void LoadText(const QString& text);
    // Empties the text and forgets marks, cursor and scrolling.
    void ClearTarget();

    const QString& Text() const { return m_text; }
    qsizetype Length() const { return m_text.size(); }
    // The character at index, or a null character outside the text.
    QChar At(qsizetype index) const;

    bool IsMarked(qsizetype index) const;
    // Marks index as corrected; indices outside the text are ignored.
    void MarkCorrected(qsizetype index);
    // Positions corrected at least once, each counted once.
    qsizetype CorrectionCount() const;

    qsizetype Cursor() const { return m_cursor; }
    void SetCursor(qsizetype cursor) { m_cursor = cursor; }

    // Display state of the exercise text panel, which reads the text and moves the text up or down
    // as it paints; it is no part of the typing state, hence settable through a const reference.
    int ScrollLine() const { return m_scrollLine; }
    void SetScrollLine(int line) const { m_scrollLine = line; }

private:
    QString m_text;
    std::vector<unsigned char> m_marks;
    qsizetype m_cursor = 0;
    mutable int m_scrollLine = 0;
};

} // namespace clavora
