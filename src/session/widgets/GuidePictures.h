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
    // Chooses the pictures of the list for a device pixel ratio; a ratio already loaded keeps
    // what it has. Guides draw no picture above their top, so rows past visibleHeight (logical
    // pixels) are never seen and are left out of the painting copies.
    void Load(const QList<int>& numbers, qreal devicePixelRatio, int visibleHeight);

    // The picture with that number, ready to paint; an empty pixmap when it is not there. A
    // picture is decoded on its first use: an idle guide shows only its keyboard, most hands are
    // needed late or never, and one small picture decodes well within a key press.
    QPixmap Picture(int number) const;
    bool IsLoaded() const { return m_scale > 0; }
    // 1 or 2: which drawings are loaded.
    int Scale() const { return m_scale; }

    // Which drawings suit a device pixel ratio.
    static int ScaleForRatio(qreal devicePixelRatio);

private:
    struct Entry
    {
        QPixmap ready;
        bool decoded = false; // tried once, whether or not the picture was there
    };

    mutable QHash<int, Entry> m_pictures;
    int m_scale = 0;
    int m_visibleHeight = 0;
};

} // namespace clavora
