#pragma once

#include <QString>

class QWidget;

namespace clavora {

// A warning balloon with a title, pointing at a control (a field whose input was refused).
void ShowBalloonTip(QWidget* control, const QString& title, const QString& text);

} // namespace clavora
