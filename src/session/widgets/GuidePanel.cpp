#include "session/widgets/GuidePanel.h"

#include <algorithm>
#include <QPainter>

namespace clavora {

namespace {

// How strongly the disabled shading greys out the picture.
constexpr int ShadingAlpha = 96;

} // namespace

GuidePanel::GuidePanel(QSize pictureSize, QList<int> pictureNumbers, QWidget* parent)
    : QWidget(parent), m_pictureSize(pictureSize), m_pictureNumbers(std::move(pictureNumbers))
{
    setFixedSize(m_pictureSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The pictures are decoded at the first paint, so building the window never waits for them.
}

void GuidePanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintGuide(painter);
}

void GuidePanel::PaintGuide(QPainter& painter)
{
    // A panel moved to a screen of another resolution gets the pictures drawn for it; rendered
    // into an image, the image's scale counts.
    const qreal ratio = std::max(painter.device()->devicePixelRatioF(), painter.deviceTransform().m11());
    m_pictures.Load(m_pictureNumbers, ratio, m_pictureSize.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(rect(), palette().color(QPalette::Button));

    const GuideScene scene = Scene(width(), isEnabled());
    for (const GuideDrawing& drawing : scene.Drawings()) {
        const QPixmap picture = m_pictures.Picture(drawing.picture);
        if (picture.isNull())
            continue;
        painter.setOpacity(drawing.alpha / 255.0);
        painter.drawPixmap(drawing.position, picture);
    }
    painter.setOpacity(1.0);

    const QRect frame = scene.PictureRect();
    if (scene.IsEnabled()) {
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
    } else {
        QColor shading = palette().color(QPalette::Disabled, QPalette::Text);
        shading.setAlpha(ShadingAlpha);
        painter.fillRect(frame, shading);
    }
}

} // namespace clavora
