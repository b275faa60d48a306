#pragma once

class QPainter;

namespace clavora {

class GameScreen;
class ScenePainter;

// How one game's screen is drawn: the host calls it on every paint with the screen's current
// model; the painter gives pictures, fonts and the drawing of plain labels and buttons.
class ScreenDrawing
{
public:
    virtual ~ScreenDrawing() = default;
    // timeMs is the host clock, for decorative animation.
    virtual void Draw(QPainter& painter, ScenePainter& scene, GameScreen& screen, double timeMs) = 0;
};

} // namespace clavora
