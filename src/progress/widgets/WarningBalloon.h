#pragma once

#include <QString>

class QWidget;

namespace clavora {

// A warning with a title, shown as a balloon below a control for a few seconds.
void ShowWarningBalloon(QWidget* control, const QString& title, const QString& text);

} // namespace clavora
