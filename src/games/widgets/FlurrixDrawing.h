#pragma once

#include "games/widgets/ScreenDrawing.h"

#include <QPixmap>
#include <QRectF>
#include <vector>

namespace clavora {

class FlurrixField;
class FlurrixScreen;

// Draws the falling-words screen: the winter scene (sky, snowbanks, ground, trees and snowman,
// gently falling snow), the words on their snowflakes with the matched part in gold, the health
// bar, bombs and score, the scores in the menu, the menu and the game-over panel.
class FlurrixDrawing final : public ScreenDrawing
{
public:
    void Draw(QPainter& painter, ScenePainter& scene, GameScreen& screen, double timeMs) override;

private:
    void DrawScenery(QPainter& painter, ScenePainter& scene, const FlurrixScreen& screen);
    void DrawSnow(QPainter& painter, const QSizeF& size, double timeMs) const;
    void DrawWords(QPainter& painter, ScenePainter& scene, const FlurrixField& field) const;
    void DrawStatusBar(QPainter& painter, ScenePainter& scene, const FlurrixField& field) const;
    void DrawScores(QPainter& painter, ScenePainter& scene, const FlurrixField& field) const;
    void DrawMenu(QPainter& painter, ScenePainter& scene, FlurrixScreen& screen) const;
    void DrawGameOver(QPainter& painter, ScenePainter& scene, FlurrixScreen& screen) const;
    static void DrawBackdrop(QPainter& painter, const QRectF& box);

    QPixmap m_scenery;
    std::vector<double> m_sceneryKey;
};

} // namespace clavora
