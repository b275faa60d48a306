#include "session/PanelLayout.h"

#include "session/WordSeparators.h"

#include <algorithm>

namespace clavora {

int TextFontPixelSize(int storedFontSize)
{
    return storedFontSize > 0 ? storedFontSize : DefaultTextFontSize;
}

namespace {

qsizetype WordLengthFrom(QStringView text, qsizetype index)
{
    qsizetype end = index;
    while (end < text.size() && !IsWordSeparator(text.at(end)))
        ++end;
    return end - index;
}

// Moves the text up by every line break at or before the typing position that lies in the band
// of the last three lines; without one, moves it back down a line once the position's line is
// more than a line above that band (after Backspace over line breaks).
void UpdateScrollLine(TargetLayout& layout, int linesToScroll, int positionLineY, int scrollBand, int lh)
{
    if (linesToScroll > 0)
        layout.scrollLine += linesToScroll;
    else if (layout.scrollLine > 0 && positionLineY < scrollBand - lh)
        layout.scrollLine -= 1;
}

} // namespace

TargetLayout LayOutTarget(QStringView text, qsizetype cursor, const TargetGeometry& geometry)
{
    const int cw = std::max(1, geometry.cellWidth);
    const int lh = std::max(1, geometry.lineHeight);
    const int height = geometry.height;
    const int scrollBand = height - 3 * lh;

    TargetLayout layout;
    layout.left = geometry.width / 2 - TargetLayout::BlockWidth / 2;
    layout.scrollLine = std::max(0, geometry.scrollLine);
    const int right = layout.left + TargetLayout::BlockWidth;

    int x = layout.left;
    int y = height / 2 - layout.scrollLine * lh;
    // The top of the line the typing position moves onto next: where scrolling is decided.
    int positionLineY = y;
    int linesToScroll = 0;
    TargetLine line{0, 0, y};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        x += cw;
        const bool wraps =
            c == u'\n' || (IsWordSeparator(c) && x + WordLengthFrom(text, i + 1) * cw >= right);
        if (!wraps)
            continue;
        line.end = i + 1;
        layout.lines.push_back(line);
        x = layout.left;
        y += lh;
        line = TargetLine{i + 1, i + 1, y};
        if (i <= cursor) {
            positionLineY = y;
            if (y >= scrollBand)
                ++linesToScroll;
        } else if (y >= height) {
            UpdateScrollLine(layout, linesToScroll, positionLineY, scrollBand, lh);
            return layout;
        }
    }
    line.end = text.size();
    layout.lines.push_back(line);
    UpdateScrollLine(layout, linesToScroll, positionLineY, scrollBand, lh);
    return layout;
}

bool IsSecondHalfAt(QStringView text, qsizetype index)
{
    return index > 0 && index < text.size() && text.at(index).isLowSurrogate() &&
           text.at(index - 1).isHighSurrogate();
}

bool IsDrawnAt(QStringView text, qsizetype index)
{
    if (index < 0 || index >= text.size())
        return false;
    const QChar unit = text.at(index);
    if (IsSecondHalfAt(text, index))
        return QChar::isPrint(QChar::surrogateToUcs4(text.at(index - 1), unit));
    if (unit.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate())
        return QChar::isPrint(QChar::surrogateToUcs4(unit, text.at(index + 1)));
    return unit.isPrint();
}

qsizetype TypedStripFirstIndex(qsizetype lineStart, qsizetype position, int stripWidth, int cellWidth)
{
    const int cw = std::max(1, cellWidth);
    const qsizetype available = std::max(0, stripWidth - 2 * TypedStripMargin);
    if ((position - lineStart) * cw < available)
        return lineStart;
    return std::max<qsizetype>(lineStart, position - available / cw);
}

} // namespace clavora
