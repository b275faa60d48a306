#pragma once

#include "session/GuideDemonstration.h"
#include "session/GuideScene.h"
#include "session/widgets/GuidePictures.h"

#include <QWidget>

namespace clavora {

// A guide panel paints what its guide logic shows: the pictures of the scene blended in order,
// then the key legends over them, a black frame while enabled or grey shading while disabled, and
// under the picture a caption naming the finger. It is as wide as the guide picture; pictures are decoded
// when the panel is built and again only for a screen of another resolution.
class GuidePanel : public QWidget
{
    Q_OBJECT

public:
    // The line under the picture that names the finger to use.
    static constexpr int CaptionHeight = 18;

    QSize sizeHint() const override { return m_pictureSize + QSize(0, CaptionHeight); }
    const GuidePictures& Pictures() const { return m_pictures; }
    // The guide's demonstration of a lesson's new keys.
    virtual GuideDemonstration& Demonstration() = 0;

    // Paints the panel; the panel's paint event, and anyone drawing it elsewhere, call this.
    void PaintGuide(QPainter& painter);

protected:
    GuidePanel(QSize pictureSize, QList<int> pictureNumbers, QWidget* parent);

    // What the guide shows now in a panel of this width and enabled state.
    virtual GuideScene Scene(int panelWidth, bool enabled) const = 0;

    void paintEvent(QPaintEvent* event) override;

private:
    void PaintLabels(QPainter& painter, const GuideScene& scene) const;
    void PaintCaption(QPainter& painter, const GuideScene& scene) const;

    QSize m_pictureSize;
    QList<int> m_pictureNumbers;
    GuidePictures m_pictures;
};

} // namespace clavora
