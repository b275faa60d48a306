#include "games/widgets/FontTextMeasurer.h"

#include <QFontMetricsF>

namespace clavora {

QFont FontTextMeasurer::FontOf(const TextFont& font)
{
    QFont result(font.face);
    result.setPixelSize(font.pixelHeight);
    result.setWeight(static_cast<QFont::Weight>(font.weight));
    return result;
}

QString FontTextMeasurer::DrawnText(const QString& text)
{
    QString drawn = text;
    drawn.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return drawn;
}

QSizeF FontTextMeasurer::TextSize(const TextFont& font, const QString& text) const
{
    return QFontMetricsF(FontOf(font)).size(0, DrawnText(text));
}

} // namespace clavora
