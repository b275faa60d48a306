#include "session/widgets/TargetPanel.h"

#include "session/PanelLayout.h"
#include "session/TargetText.h"
#include "session/TypedText.h"

#include <QGlyphRun>
#include <QPainter>

namespace clavora {

TargetPanel::TargetPanel(const TargetText& target, const TypedText& typed, QWidget* parent)
    : QWidget(parent), m_target(target), m_typed(typed), m_font(ExerciseFont::ForSize(0)),
      m_rawFont(QRawFont::fromFont(m_font.font))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TargetPanel::SetFontSize(int storedFontSize)
{
    m_font = ExerciseFont::ForSize(storedFontSize);
    m_rawFont = QRawFont::fromFont(m_font.font);
    update();
}

QColor TargetPanel::ColourAt(qsizetype index) const
{
    const QString& typed = m_typed.Buffer();
    if (index >= typed.size())
        return PanelColors::Text;
    if (typed.at(index) != m_target.At(index))
        return PanelColors::Wrong;
    return m_target.IsMarked(index) ? PanelColors::Corrected : PanelColors::Text;
}

void TargetPanel::PaintLine(QPainter& painter, const TargetLine& line, int left) const
{
    const QString& text = m_target.Text();
    const int cw = m_font.cellWidth;
    const int baseline = line.y + m_font.ascent;
    // Glyphs go straight onto the cell grid, without laying the text out again; a line with a
    // character the font lacks is drawn as text, so fallback fonts can supply it.
    const QList<quint32> glyphs =
        m_rawFont.glyphIndexesForString(text.mid(line.first, line.end - line.first));
    bool drawGlyphs = glyphs.size() == line.end - line.first;
    for (qsizetype i = line.first; i < line.end && drawGlyphs; ++i)
        drawGlyphs = !IsDrawnAt(text, i) || glyphs.at(i - line.first) != 0;

    auto drawRun = [&](qsizetype first, qsizetype end, const QColor& colour) {
        if (end <= first)
            return;
        painter.setPen(colour);
        const int x = left + int(first - line.first) * cw;
        if (!drawGlyphs) {
            // One character at a time: a fallback glyph of another width must not shift the rest.
            for (qsizetype i = first; i < end; ++i) {
                const qsizetype units = text.at(i).isHighSurrogate() && i + 1 < end ? 2 : 1;
                painter.drawText(QPoint(left + int(i - line.first) * cw, baseline), text.mid(i, units));
                i += units - 1;
            }
            return;
        }
        QList<QPointF> positions;
        positions.reserve(end - first);
        for (qsizetype i = first; i < end; ++i)
            positions.append(QPointF(x + int(i - first) * cw, baseline));
        QGlyphRun run;
        run.setRawFont(m_rawFont);
        run.setGlyphIndexes(glyphs.mid(first - line.first, end - first));
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(0, 0), run);
    };

    // Characters of one colour are drawn together; control characters are not drawn. The second
    // half of a surrogate pair stays in the run of the first, so the pair is drawn whole.
    qsizetype runStart = line.first;
    QColor runColour;
    for (qsizetype i = line.first; i < line.end; ++i) {
        if (IsSecondHalfAt(text, i) && runStart < i)
            continue;
        const bool printable = IsDrawnAt(text, i);
        const QColor colour = printable ? ColourAt(i) : QColor();
        if (!printable || colour != runColour) {
            drawRun(runStart, i, runColour);
            runStart = printable ? i : i + 1;
            runColour = colour;
        }
    }
    drawRun(runStart, line.end, runColour);
}

void TargetPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setFont(m_font.font);

    const qsizetype cursor = m_target.Cursor();
    const int cw = m_font.cellWidth;
    const int lh = m_font.lineHeight;
    const TargetLayout layout = LayOutTarget(
        m_target.Text(), cursor, TargetGeometry{width(), height(), cw, lh, m_target.ScrollLine()});

    for (const TargetLine& line : layout.lines) {
        if (line.y + lh <= 0 || line.y >= height())
            continue;
        PaintLine(painter, line, layout.left);
        if (cursor >= line.first && cursor < line.end) {
            const QRect cell(layout.left + int(cursor - line.first) * cw, line.y, cw, lh);
            painter.setPen(QPen(PanelColors::Text, 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
        }
    }

    if (layout.scrollLine != m_target.ScrollLine()) {
        // Scrolling is decided while painting; show its result straight away.
        m_target.SetScrollLine(layout.scrollLine);
        update();
    }
    FinishTextPanel(painter, *this);
}

} // namespace clavora
