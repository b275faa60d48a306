#pragma once

#include <QStringView>
#include <vector>

namespace clavora {

// Layout rules of the exercise text panel and the typed-line strip, kept free of painting so they
// can be checked without a display. All measures are pixels.

inline constexpr int DefaultTextFontSize = 20;
// The pixel height of the exercise text font: a stored 0 (or nonsense) gives the default.
int TextFontPixelSize(int storedFontSize);

struct TargetGeometry
{
    int width = 0; // the panel's client area
    int height = 0;
    int cellWidth = 1; // every character advances by this much (the font is monospaced)
    int lineHeight = 1;
    int scrollLine = 0; // text lines moved up out of view
};

// One laid-out line: characters [first, end) drawn from the left margin, one cell each.
struct TargetLine
{
    qsizetype first = 0;
    qsizetype end = 0;
    int y = 0;
};

struct TargetLayout
{
    static constexpr int BlockWidth = 714; // the text block, centred in the panel

    int left = 0;
    std::vector<TargetLine> lines; // up to the first line below the panel after the cursor
    int scrollLine = 0;            // the scroll line the next paint should use
};

// Wraps the exercise text at separators within the centred block (a line feed always breaks),
// starting at the vertical middle moved up by the scroll line. Scrolling keeps the typing
// position above the last three lines of the panel: the text moves up once the position reaches
// that band and back down when Backspace has taken the position well above it.
TargetLayout LayOutTarget(QStringView text, qsizetype cursor, const TargetGeometry& geometry);

// Whether the unit at `index` is part of a character that is drawn: control characters (CR,
// LF, tab) are not. Both halves of a surrogate pair are judged by the character they make
// together; a lone half is not drawn.
bool IsDrawnAt(QStringView text, qsizetype index);
// Whether the unit at `index` is the second half of a surrogate pair (drawn with the first).
bool IsSecondHalfAt(QStringView text, qsizetype index);

inline constexpr int TypedStripMargin = 15;
// The first typed index the typed-line strip shows: the current line from its start, or its last
// characters when it does not fit into the strip's width less its margins.
qsizetype TypedStripFirstIndex(qsizetype lineStart, qsizetype position, int stripWidth, int cellWidth);

} // namespace clavora
