#include "progress/widgets/WarningBalloon.h"

#include <QToolTip>
#include <QWidget>

namespace clavora {

void ShowWarningBalloon(QWidget* control, const QString& title, const QString& text)
{
    const QString html = QStringLiteral("<b>%1</b><br>%2").arg(title.toHtmlEscaped(), text.toHtmlEscaped());
    const QPoint below = control->mapToGlobal(QPoint(control->width() / 4, control->height()));
    QToolTip::showText(below, html, control, QRect(), 6000);
}

} // namespace clavora
