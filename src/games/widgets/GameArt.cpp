#include "games/widgets/GameArt.h"

#include "platform/ResourceStore.h"

#include <algorithm>
#include <cmath>
#include <QPainter>
#include <QPainterPath>

namespace clavora::GameArt {

QFont Font(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(1, pixelSize));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QColor Pulse(QColor base, QColor towards, double phase)
{
    const double s = std::sin(phase);
    const auto channel = [s](int b, int a) { return std::clamp(int(b + (a - b) * s), 0, 255); };
    return QColor(channel(base.red(), towards.red()), channel(base.green(), towards.green()),
                  channel(base.blue(), towards.blue()));
}

void CentredText(QPainter& painter, QPointF centre, const QString& text, const QFont& font, QColor colour,
                 QColor halo)
{
    const QFontMetricsF metrics(font);
    const QPointF baseline(centre.x() - metrics.horizontalAdvance(text) / 2.0,
                           centre.y() + (metrics.ascent() - metrics.descent()) / 2.0);
    painter.setFont(font);
    if (halo.alpha() > 0) {
        painter.setPen(halo);
        for (const QPointF offset : {QPointF(-2, 0), QPointF(2, 0), QPointF(0, -2), QPointF(0, 2)})
            painter.drawText(baseline + offset, text);
    }
    painter.setPen(colour);
    painter.drawText(baseline, text);
}

QImage ScaledPicture(int number, QSize size)
{
    if (size.isEmpty())
        return {};
    ResourceStore::EnsureRegistered();
    QImage picture(QStringLiteral(":/res/") + QString::number(number));
    // The drawing at twice the size stays sharp when the picture is shown enlarged.
    if (!picture.isNull() && (size.width() > picture.width() || size.height() > picture.height())) {
        const QImage large(QStringLiteral(":/res2x/") + QString::number(number));
        if (!large.isNull())
            picture = large;
    }
    if (picture.isNull())
        return {};
    return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace clavora::GameArt
