#pragma once

#include "games/widgets/ScreenDrawing.h"
#include "games/widgets/ThirtySecondsPainter.h"

namespace clavora {

// The race's screen: the wheel and clock while playing, the menu or game-over panel over the
// backdrop otherwise (a paused game keeps its words hidden).
class ThirtySecondsDrawing final : public ScreenDrawing
{
public:
    void Draw(QPainter& painter, ScenePainter& scene, GameScreen& screen, double timeMs) override;

private:
    ThirtySecondsPainter m_painter;
};

} // namespace clavora
