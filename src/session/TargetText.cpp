#include "session/TargetText.h"

#include <algorithm>

namespace clavora {

namespace {

// A lone CR or LF would be a line end no key can type (Enter gives CR, and the line-end rule
// expects CR LF), so every line break becomes the CR LF pair.
QString WithCrLfLineBreaks(const QString& text)
{
    bool needsWork = false;
    for (qsizetype i = 0; i < text.size() && !needsWork; ++i) {
        if (text.at(i) == u'\r')
            needsWork = i + 1 >= text.size() || text.at(i + 1) != u'\n';
        else if (text.at(i) == u'\n')
            needsWork = i == 0 || text.at(i - 1) != u'\r';
    }
    if (!needsWork)
        return text;

    QString result;
    result.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            result += u"\r\n";
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else if (c == u'\n') {
            result += u"\r\n";
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace

void TargetText::LoadText(const QString& text)
{
    m_text = WithCrLfLineBreaks(text);
    m_marks.assign(static_cast<size_t>(m_text.size()), 0);
    m_cursor = 0;
    m_scrollLine = 0;
}

void TargetText::ClearTarget()
{
    m_text.clear();
    m_marks.clear();
    m_marks.shrink_to_fit();
    m_cursor = 0;
    m_scrollLine = 0;
}

QChar TargetText::At(qsizetype index) const
{
    if (index < 0 || index >= m_text.size())
        return {};
    return m_text.at(index);
}

bool TargetText::IsMarked(qsizetype index) const
{
    return index >= 0 && index < static_cast<qsizetype>(m_marks.size()) &&
           m_marks[static_cast<size_t>(index)];
}

void TargetText::MarkCorrected(qsizetype index)
{
    if (index >= 0 && index < static_cast<qsizetype>(m_marks.size()))
        m_marks[static_cast<size_t>(index)] = 1;
}

qsizetype TargetText::CorrectionCount() const
{
    return std::count(m_marks.begin(), m_marks.end(), 1);
}

} // namespace clavora
