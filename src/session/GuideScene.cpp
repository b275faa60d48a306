#include "session/GuideScene.h"

#include <algorithm>
#include <cmath>

namespace clavora {

GuideScene::GuideScene(int panelWidth, QSize picture, bool enabled)
    : m_pictureRect((panelWidth - picture.width()) / 2, 0, picture.width(), picture.height()),
      m_enabled(enabled)
{
    // A keyboard, a key with its Shift and two hands, and the overlay.
    m_drawings.reserve(8);
}

int GuideScene::AlphaForOpacity(double opacity)
{
    const double p = std::clamp(std::isnan(opacity) ? 0.0 : opacity, 0.0, 1.0);
    return static_cast<int>((std::sqrt(p) + p) / 2.0 * 255.0);
}

void GuideScene::Draw(const GuidePlacement& placement, double opacity)
{
    Draw(placement, 0, 0, opacity);
}

void GuideScene::Draw(const GuidePlacement& placement, int dx, int dy, double opacity)
{
    m_drawings.append({placement.picture, QPoint(OffsetX() + placement.x + dx, placement.y + dy),
                       AlphaForOpacity(opacity)});
}

void GuideScene::Label(const GuidePlacement& highlight, int dx, const QString& text)
{
    if (!text.isEmpty())
        m_labels.append({highlight.picture, QPoint(OffsetX() + highlight.x + dx, highlight.y), text});
}

} // namespace clavora
