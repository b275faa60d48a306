#include "gui/TahomaFont.h"

namespace clavora {

QFont TahomaFont(int pixelHeight)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace clavora
