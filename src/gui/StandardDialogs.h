#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace clavora {

// The message-box question with the caller's own button texts: true when the first (accepting)
// button was chosen; Return presses it.
bool AskWithButtons(QWidget* parent, const QString& title, const QString& text, const QString& acceptText,
                    const QString& cancelText);

// The fixed "Tahoma" face of normal weight at a pixel height (fontconfig maps it on Linux).
QFont TahomaFont(int pixelHeight);

} // namespace clavora
