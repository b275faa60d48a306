#include "gui/BalloonTip.h"

#include <QToolTip>
#include <QWidget>

namespace clavora {

void ShowBalloonTip(QWidget* control, const QString& title, const QString& text)
{
    QToolTip::showText(control->mapToGlobal(QPoint(0, control->height())),
                       QStringLiteral("<b>") + title.toHtmlEscaped() + QStringLiteral("</b><br>") +
                           text.toHtmlEscaped(),
                       control);
}

} // namespace clavora
