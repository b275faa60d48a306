#include "session/widgets/ExerciseFont.h"

#include "session/PanelLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace clavora {

ExerciseFont ExerciseFont::ForSize(int storedFontSize)
{
    ExerciseFont result;
    result.font = QFont(QStringLiteral("Courier New"));
    result.font.setStyleHint(QFont::TypeWriter);
    result.font.setFixedPitch(true);
    result.font.setWeight(QFont::Normal);
    result.font.setPixelSize(TextFontPixelSize(storedFontSize));

    const QFontMetrics metrics(result.font);
    result.cellWidth = std::max(1, metrics.horizontalAdvance(QLatin1Char('A')));
    // Runs of characters are drawn at once: spacing pulls a fractional advance onto the cell grid.
    const qreal advance = QFontMetricsF(result.font).horizontalAdvance(QLatin1Char('A'));
    if (!qFuzzyCompare(advance, static_cast<qreal>(result.cellWidth)))
        result.font.setLetterSpacing(QFont::AbsoluteSpacing, result.cellWidth - advance);
    result.lineHeight = std::max(1, metrics.height());
    result.ascent = metrics.ascent();
    return result;
}

void FinishTextPanel(QPainter& painter, const QWidget& panel)
{
    const QRect area = panel.rect();
    if (!panel.isEnabled()) {
        QColor shade = panel.palette().color(QPalette::Disabled, QPalette::Text);
        shade.setAlpha(96);
        painter.fillRect(area, shade);
        return;
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

} // namespace clavora
