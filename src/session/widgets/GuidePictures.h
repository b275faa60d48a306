#pragma once

#include <QHash>
#include <QList>
#include <QPixmap>

namespace clavora {

// The decoded pictures of one guide, at the resolution that suits the screen: the drawings at
// twice the size on high-DPI screens, so the guide stays sharp, and the plain ones otherwise.
// A picture that is missing or cannot be decoded stays empty and draws nothing.
class GuidePictures final
{
public:
    // Decodes every picture of the list for a device pixel ratio; a ratio already loaded keeps
    // what it has.
    void Load(const QList<int>& numbers, qreal devicePixelRatio);

    // The picture with that number; an empty pixmap when it is not there.
    QPixmap Picture(int number) const { return m_pictures.value(number); }
    bool IsLoaded() const { return m_scale > 0; }
    // 1 or 2: which drawings are loaded.
    int Scale() const { return m_scale; }

    // Which drawings suit a device pixel ratio.
    static int ScaleForRatio(qreal devicePixelRatio);

private:
    QHash<int, QPixmap> m_pictures;
    int m_scale = 0;
};

} // namespace clavora
