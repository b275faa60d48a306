#pragma once

#include "games/SceneTypes.h"

#include <QSizeF>

namespace clavora {

// Text sizes for the scene's rules (where a word fits, what a click hits), so the rules run in
// tests without a display. Lines are separated by "\r\n" or "\n".
class TextMeasurer
{
public:
    virtual ~TextMeasurer() = default;
    virtual QSizeF TextSize(const TextFont& font, const QString& text) const = 0;
};

} // namespace clavora
