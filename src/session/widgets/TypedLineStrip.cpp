#include "session/widgets/TypedLineStrip.h"

#include "session/PanelLayout.h"
#include "session/TargetText.h"
#include "session/TypedText.h"

#include <algorithm>
#include <QPainter>

namespace clavora {

namespace {
constexpr int TopMargin = 2;
constexpr int HintGap = 8;
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

void TypedLineStrip::PaintBackspaceHint(QPainter& painter, int afterX)
{
    QFont hintFont = font();
    hintFont.setBold(true);
    painter.setFont(hintFont);
    const QString hint = QStringLiteral("\u2190 Backspace");
    const QFontMetrics metrics(hintFont);
    const QSize plate(metrics.horizontalAdvance(hint) + 10, std::min(height() - 4, metrics.height() + 4));
    // Beside the wrong character, or at the right end when the line has filled the strip.
    const int left = std::min(afterX + HintGap, width() - plate.width() - 2);
    const QRect box(QPoint(left, (height() - plate.height()) / 2), plate);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(PanelColors::Wrong, 1));
    painter.setBrush(PanelColors::HintPlate);
    painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    painter.setPen(PanelColors::HintText);
    painter.drawText(box, Qt::AlignCenter, hint);
    painter.setRenderHint(QPainter::Antialiasing, false);
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
    if (m_typed.IsBlockedKeyRefused())
        PaintBackspaceHint(painter, x);
    FinishTextPanel(painter, *this);
}

} // namespace clavora
