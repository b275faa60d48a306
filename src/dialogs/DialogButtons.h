#pragma once

class QDialogButtonBox;

namespace clavora {

// Gives a dialog's standard buttons the tutor's look and keys: no icons (the toolkit's fallback
// pictures do not match the toolbar's), and F1 on the Help button.
void TidyDialogButtons(QDialogButtonBox* buttons);

} // namespace clavora
