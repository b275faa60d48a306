#pragma once

namespace clavora {

// Virtual-key numbers the typing logic speaks in (they are also what stored tables use).
enum VirtualKey : int
{
    VkNone = 0,
    VkBackspace = 8,
    VkTab = 9,
    VkReturn = 13,
    VkShift = 16,
    VkControl = 17,
    VkMenu = 18,
    VkEscape = 27,
    VkSpace = 32,
};

// Maps a Qt::Key value to the virtual-key number used by the logic; keys the logic has no number
// for give VkNone. The one place where toolkit key codes are translated.
int VirtualKeyFromQtKey(int qtKey);

} // namespace clavora
