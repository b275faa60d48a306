#pragma once

#include <QImage>
#include <QWidget>

namespace clavora::test {

// Renders a widget into an image at a device pixel ratio; magenta shows where nothing was painted.
inline QImage Paint(QWidget& widget, qreal ratio = 1.0)
{
    QImage image(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}

// How many pixels inside an area (logical pixels, whatever the image's ratio) pass a test.
template <typename PixelTest>
int CountPixels(const QImage& image, const QRect& logical, PixelTest test)
{
    const qreal ratio = image.devicePixelRatio();
    const QRect area = QRect(logical.topLeft() * ratio, logical.size() * ratio) & image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

} // namespace clavora::test
