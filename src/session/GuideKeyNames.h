#pragma once

#include <QString>

namespace clavora {

// The words the guides put beside their pictures: a key's legend as printed on a US keyboard and
// the finger that presses it, for the keys of GuideKeyTables.
namespace GuideKeyNames {

// "A", "5", "Shift", "Space", "Backspace", "Enter"; empty for a key outside the table.
QString LegendOf(int key);
// "left little finger", "right index finger", "thumb"; empty outside the table.
QString FingerOf(int key);
// The right-hand finger for a keypad key; empty outside the table.
QString KeypadFingerOf(int key);

} // namespace GuideKeyNames

} // namespace clavora
