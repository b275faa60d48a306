#pragma once

#include "games/SceneNode.h"
#include "games/widgets/GamePictures.h"

#include <QColor>
#include <QFont>
#include <QHash>

class QPainter;

namespace clavora {

class GameScreen;
class TextLabel;
class SceneButton;

// The drawing shared by every game: labels, buttons (with their caption and a hover mark),
// input lines and picture nodes of a scene tree, pictures at the screen's scale, and fonts.
class ScenePainter final
{
public:
    GamePictures& Pictures() { return m_pictures; }
    const GamePictures& Pictures() const { return m_pictures; }
    QFont Font(const TextFont& font);
    static QColor ColourOf(SceneColour colour);

    // The shown nodes of a list and their children, in list order.
    void DrawNodes(QPainter& painter, const SceneNode::Children& nodes, const SceneNode* hovered);
    void DrawLabel(QPainter& painter, const TextLabel& label);
    void DrawButton(QPainter& painter, const SceneButton& button, bool hovered);
    // Outside play: the screen's panels and menu items over its field, dimmed by the veil.
    void DrawOverlay(QPainter& painter, GameScreen& screen, const QRectF& area, QColor veil);
    void DrawPicture(QPainter& painter, int number, QPointF topLeft);
    void DrawPictureCentred(QPainter& painter, int number, QPointF centre);

private:
    void DrawNode(QPainter& painter, const SceneNode& node, const SceneNode* hovered);

    GamePictures m_pictures;
    QHash<QString, QFont> m_fonts;
};

} // namespace clavora
