#pragma once

#include <QHash>
#include <QPixmap>
#include <QSizeF>

namespace clavora {

// The games' numbered pictures, decoded once per scale: the drawings at twice the size on
// high-DPI screens, the plain ones otherwise. A missing picture is an empty pixmap and draws
// nothing.
class GamePictures final
{
public:
    void SetDevicePixelRatio(qreal ratio);
    int Scale() const { return m_scale; }
    QPixmap Picture(int number) const;
    // The size the picture is drawn at, in scene pixels (the plain drawing's size).
    QSizeF LogicalSize(int number) const;

private:
    int m_scale = 1;
    mutable QHash<int, QPixmap> m_pictures;
    mutable QHash<int, QSizeF> m_sizes;
};

} // namespace clavora
