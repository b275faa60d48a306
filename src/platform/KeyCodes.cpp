#include "platform/KeyCodes.h"

#include <Qt>

namespace clavora {

int VirtualKeyFromQtKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Backspace:
        return VkBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VkTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VkReturn;
    case Qt::Key_Shift:
        return VkShift;
    case Qt::Key_Control:
        return VkControl;
    case Qt::Key_Alt:
        return VkMenu;
    case Qt::Key_Escape:
        return VkEscape;
    case Qt::Key_Space:
        return VkSpace;
    default:
        break;
    }
    // Letters and digits keep their ASCII upper-case code, as virtual keys do.
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;
    return VkNone;
}

} // namespace clavora
