#pragma once

#include "session/GuideKeyTables.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

namespace clavora {

// One picture of a guide as it is painted: where in the panel and with which alpha (0..255).
struct GuideDrawing
{
    int picture = 0;
    QPoint position;
    int alpha = 255;

    friend bool operator==(const GuideDrawing&, const GuideDrawing&) = default;
};

// A key's legend, drawn over everything else on the key's highlight picture.
struct GuideLabel
{
    int picture = 0; // the highlight, whose size the legend is centred in
    QPoint position;
    QString text;
};

// What a guide panel shows at one paint: its pictures in painting order, and how the picture is
// finished (a frame while the panel is enabled, grey shading while it is disabled). Positions are
// in the panel's logical pixels; the guide picture is centred horizontally.
class GuideScene final
{
public:
    GuideScene(int panelWidth, QSize picture, bool enabled);

    // The alpha the guides composite a picture with at opacity p (0..1): (sqrt(p) + p) / 2 x 255.
    static int AlphaForOpacity(double opacity);

    // Adds a picture placed in the guide picture's own coordinates.
    void Draw(const GuidePlacement& placement, double opacity);
    // The same picture moved by (dx, dy), for pictures drawn off their table position.
    void Draw(const GuidePlacement& placement, int dx, int dy, double opacity);

    // The key's legend over its highlight, so the hands never hide it.
    void Label(const GuidePlacement& highlight, int dx, const QString& text);
    // The line under the picture, naming the finger to use.
    void SetCaption(const QString& caption) { m_caption = caption; }

    const QList<GuideDrawing>& Drawings() const { return m_drawings; }
    const QList<GuideLabel>& Labels() const { return m_labels; }
    const QString& Caption() const { return m_caption; }
    bool IsEnabled() const { return m_enabled; }
    // The guide picture's area in the panel, which the frame or the shading covers.
    QRect PictureRect() const { return m_pictureRect; }
    int OffsetX() const { return m_pictureRect.x(); }

private:
    QList<GuideDrawing> m_drawings;
    QList<GuideLabel> m_labels;
    QString m_caption;
    QRect m_pictureRect;
    bool m_enabled = false;
};

} // namespace clavora
