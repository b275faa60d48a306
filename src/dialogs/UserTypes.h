#pragma once

#include <QStringList>

namespace clavora {

// The seven user types in their stored order (stored value = position + 1).
QStringList UserTypeNames();
inline constexpr int DefaultUserType = 5; // "Adult Beginner"

} // namespace clavora
