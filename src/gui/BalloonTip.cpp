#include "gui/BalloonTip.h"

#include <QToolTip>
#include <QWidget>

namespace clavora {

void ShowBalloonTip(QWidget* control, const QString& title, const QString& text)
{
    const QString html = QStringLiteral("<b>%1</b><br>%2").arg(title.toHtmlEscaped(), text.toHtmlEscaped());
    // Long enough to read, short enough not to linger over the next thing the user does.
    QToolTip::showText(control->mapToGlobal(QPoint(0, control->height())), html, control, QRect(), 6000);
}

} // namespace clavora
