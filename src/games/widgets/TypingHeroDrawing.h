#pragma once

#include "games/widgets/ScreenDrawing.h"
#include "games/widgets/TypingHeroPainter.h"

namespace clavora {

// The rhythm game's screen: the field while playing, the menu or game-over panel over the lanes.
class TypingHeroDrawing final : public ScreenDrawing
{
public:
    void Draw(QPainter& painter, ScenePainter& scene, GameScreen& screen, double timeMs) override;

private:
    TypingHeroPainter m_painter;
};

} // namespace clavora
