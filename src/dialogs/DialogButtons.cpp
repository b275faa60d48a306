#include "dialogs/DialogButtons.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QPushButton>

namespace clavora {

void TidyDialogButtons(QDialogButtonBox* buttons)
{
    for (QAbstractButton* button : buttons->buttons())
        button->setIcon(QIcon());
    if (QAbstractButton* help = buttons->button(QDialogButtonBox::Help))
        help->setShortcut(QKeySequence::HelpContents);
}

} // namespace clavora
