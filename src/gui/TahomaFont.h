#pragma once

#include <QFont>
#include <QString>

namespace clavora {

// The fixed "Tahoma" face of normal weight at a pixel height (fontconfig maps it on Linux).
QFont TahomaFont(int pixelHeight);

} // namespace clavora
