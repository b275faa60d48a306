#include "games/widgets/TypingHeroDrawing.h"

#include "games/TypingHeroField.h"
#include "games/TypingHeroScreen.h"
#include "games/widgets/ScenePainter.h"

#include <QPainter>

namespace clavora {

void TypingHeroDrawing::Draw(QPainter& painter, ScenePainter& scene, GameScreen& screen, double)
{
    auto& hero = static_cast<TypingHeroScreen&>(screen);
    const QSize size(int(hero.Width()), int(hero.Height()));
    if (size.isEmpty())
        return;
    painter.setRenderHint(QPainter::TextAntialiasing);
    m_painter.PaintBackdrop(painter, size);
    if (screen.State() == GameState::Playing) {
        m_painter.PaintField(painter, hero.Field());
        return;
    }
    scene.DrawOverlay(painter, screen, QRect(QPoint(), size), QColor(10, 6, 28, 150));
}

} // namespace clavora
