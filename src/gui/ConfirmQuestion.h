#pragma once

#include <QString>

class QWidget;

namespace clavora {

// Asks before something is lost: a question with an accepting and a cancelling button, where
// Return and Esc both cancel. True when the accepting button was chosen.
bool ConfirmQuestion(QWidget* parent, const QString& title, const QString& text, const QString& acceptText,
                     const QString& cancelText);

} // namespace clavora
