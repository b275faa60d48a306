#include "session/widgets/TargetPanel.h"

#include "session/PanelLayout.h"
#include "session/TargetText.h"
#include "session/TypedText.h"

#include <QPainter>

namespace clavora {

TargetPanel::TargetPanel(const TargetText& target, const TypedText& typed, QWidget* parent)
    : QWidget(parent), m_target(target), m_typed(typed), m_font(ExerciseFont::ForSize(0))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TargetPanel::SetFontSize(int storedFontSize)
{
    m_font = ExerciseFont::ForSize(storedFontSize);
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

void TargetPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setFont(m_font.font);

    const QString& text = m_target.Text();
    const qsizetype cursor = m_target.Cursor();
    const int cw = m_font.cellWidth;
    const int lh = m_font.lineHeight;
    const TargetLayout layout =
        LayOutTarget(text, cursor, TargetGeometry{width(), height(), cw, lh, m_target.ScrollLine()});

    for (const TargetLine& line : layout.lines) {
        if (line.y + lh <= 0 || line.y >= height())
            continue;
        const int baseline = line.y + m_font.ascent;
        // Characters of one colour are drawn together; control characters are not drawn.
        qsizetype runStart = line.first;
        QColor runColour;
        auto drawRun = [&](qsizetype runEnd) {
            if (runEnd > runStart) {
                painter.setPen(runColour);
                painter.drawText(QPoint(layout.left + int(runStart - line.first) * cw, baseline),
                                 text.mid(runStart, runEnd - runStart));
            }
        };
        for (qsizetype i = line.first; i < line.end; ++i) {
            const QChar c = text.at(i);
            const QColor colour = c.isPrint() ? ColourAt(i) : QColor();
            if (!c.isPrint() || colour != runColour) {
                drawRun(i);
                runStart = c.isPrint() ? i : i + 1;
                runColour = colour;
            }
        }
        drawRun(line.end);

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
