#pragma once

#include "games/TextMeasurer.h"

#include <QFont>
#include <QHash>

namespace clavora {

// Measures scene text with the fonts the games are drawn with.
class FontTextMeasurer final : public TextMeasurer
{
public:
    QSizeF TextSize(const TextFont& font, const QString& text) const override;

    // The toolkit font for a scene font (Arial resolves to its metric-compatible face).
    static QFont FontOf(const TextFont& font);
    // Scene texts separate lines with "\r\n"; the toolkit wants "\n".
    static QString DrawnText(const QString& text);
};

} // namespace clavora
