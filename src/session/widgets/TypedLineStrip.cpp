#include "session/widgets/TypedLineStrip.h"

#include "session/PanelLayout.h"
#include "session/TargetText.h"
#include "session/TypedText.h"

#include <QPainter>

namespace clavora {

namespace {
constexpr int TopMargin = 2;
} // namespace

TypedLineStrip::TypedLineStrip(const TargetText& target, const TypedText& typed, QWidget* parent)
    : QWidget(parent), m_target(target), m_typed(typed), m_font(ExerciseFont::ForSize(0))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TypedLineStrip::SetFontSize(int storedFontSize)
{
    m_font = ExerciseFont::ForSize(storedFontSize);
    update();
}

void TypedLineStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setFont(m_font.font);

    const QString& typed = m_typed.Buffer();
    const int cw = m_font.cellWidth;
    int x = TypedStripMargin;
    const int y = TopMargin;
    for (qsizetype j = TypedStripFirstIndex(m_typed.LineStart(), m_typed.Position(), width(), cw);
         j < typed.size() && x < width(); ++j) {
        const QChar c = typed.at(j);
        if (c == u'\r' || c == u'\n')
            continue;
        if (c == m_target.At(j)) {
            painter.setPen(PanelColors::Text);
        } else {
            painter.fillRect(QRect(x, y, cw, m_font.lineHeight), PanelColors::Wrong);
            painter.setPen(PanelColors::WrongText);
        }
        // A surrogate pair is drawn whole from its first half; each half keeps its own cell.
        if (IsDrawnAt(typed, j) && !IsSecondHalfAt(typed, j))
            painter.drawText(QPoint(x, y + m_font.ascent), typed.mid(j, c.isHighSurrogate() ? 2 : 1));
        x += cw;
    }
    FinishTextPanel(painter, *this);
}

} // namespace clavora
