#pragma once

#include <QString>

class QWidget;

namespace clavora {

// A warning at a control, with a title, as a tooltip-style popup just below it.
void ShowBalloonTip(QWidget* control, const QString& title, const QString& text);

} // namespace clavora
