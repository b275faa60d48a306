#include "games/widgets/ThirtySecondsDrawing.h"

#include "games/ThirtySecondsScreen.h"
#include "games/widgets/ScenePainter.h"

#include <QPainter>

namespace clavora {

void ThirtySecondsDrawing::Draw(QPainter& painter, ScenePainter& scene, GameScreen& screen, double)
{
    auto& race = static_cast<ThirtySecondsScreen&>(screen);
    const QSize size(int(race.Width()), int(race.Height()));
    if (size.isEmpty())
        return;
    painter.setRenderHint(QPainter::TextAntialiasing);
    m_painter.PaintBackdrop(painter, size);
    if (screen.State() == GameState::Playing)
        m_painter.PaintField(painter, race.Field());
    else
        scene.DrawOverlay(painter, screen, QRect(QPoint(), size), QColor(14, 10, 40, 120));
}

} // namespace clavora
