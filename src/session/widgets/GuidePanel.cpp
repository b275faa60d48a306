#include "session/widgets/GuidePanel.h"

#include <algorithm>
#include <QPainter>

namespace clavora {

namespace {

// How strongly the disabled shading greys out the picture.
constexpr int ShadingAlpha = 96;
constexpr int LegendPixelSize = 12;
const QColor LegendInk{20, 20, 20};
const QColor LegendPlate{255, 255, 255, 225};

} // namespace

GuidePanel::GuidePanel(QSize pictureSize, QList<int> pictureNumbers, QWidget* parent)
    : QWidget(parent), m_pictureSize(pictureSize), m_pictureNumbers(std::move(pictureNumbers))
{
    setFixedSize(sizeHint());
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
    // Hands reach below the keyboard picture; the caption strip under it stays clear.
    painter.setClipRect(scene.PictureRect());
    for (const GuideDrawing& drawing : scene.Drawings()) {
        const QPixmap picture = m_pictures.Picture(drawing.picture);
        if (picture.isNull())
            continue;
        painter.setOpacity(drawing.alpha / 255.0);
        painter.drawPixmap(drawing.position, picture);
    }
    painter.setOpacity(1.0);
    PaintLabels(painter, scene);
    painter.setClipping(false);

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
    PaintCaption(painter, scene);
}

void GuidePanel::PaintLabels(QPainter& painter, const GuideScene& scene) const
{
    if (scene.Labels().isEmpty())
        return;
    QFont legendFont = font();
    legendFont.setPixelSize(LegendPixelSize);
    legendFont.setBold(true);
    painter.setFont(legendFont);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(legendFont);
    for (const GuideLabel& label : scene.Labels()) {
        const QSize key = m_pictures.Picture(label.picture).deviceIndependentSize().toSize();
        const QRect keyRect(label.position, key.isEmpty() ? QSize(30, 30) : key);
        // A small plate in the key's middle: readable whatever hand lies over it.
        const QSize plate(metrics.horizontalAdvance(label.text) + 8, metrics.height() + 2);
        QRect box(QPoint(0, 0), plate);
        box.moveCenter(keyRect.center());
        box.moveRight(std::min(box.right(), scene.PictureRect().right() - 2));
        painter.setPen(QPen(LegendInk, 1));
        painter.setBrush(LegendPlate);
        painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        painter.drawText(box, Qt::AlignCenter, label.text);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void GuidePanel::PaintCaption(QPainter& painter, const GuideScene& scene) const
{
    if (scene.Caption().isEmpty())
        return;
    const QRect strip(0, m_pictureSize.height(), width(), height() - m_pictureSize.height());
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(strip, Qt::AlignCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(scene.Caption(), Qt::ElideRight, strip.width()));
}

} // namespace clavora
