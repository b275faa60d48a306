#pragma once

#include "games/SceneNode.h"

#include <optional>
#include <QPointF>

namespace clavora {

// One game: its play objects (the game children: field and panels) and its menu items, and the
// state machine shared with them (paused, playing, menu, game over). The screen routes keys and
// characters by state and turns mouse presses and releases into clicks.
class GameScreen : public SceneNode
{
public:
    template <typename Node> Node* AddGameChild(std::unique_ptr<Node> child)
    {
        return Adopt(m_gameChildren, std::move(child));
    }
    template <typename Node> Node* AddMenuItem(std::unique_ptr<Node> child)
    {
        return Adopt(m_menuItems, std::move(child));
    }
    const Children& GameChildren() const { return m_gameChildren; }
    const Children& MenuItems() const { return m_menuItems; }
    int PauseKey() const { return m_pauseKey; }
    // The node the mouse is over now, for the drawing of a hover.
    SceneNode* Hovered();

    void Init(SceneHost& host) override;
    void Update(SceneHost& host) override;
    void Clear() override;
    void Layout(SceneHost& host, double left, double top, double width, double height) override;
    SceneNode* HitTest(double x, double y) override;
    bool KeyDown(int code) override;
    bool Character(QChar ch) override;
    void SetState(GameState state) override;

    void MouseMove(double x, double y);
    void MouseDown(double x, double y);
    void MouseUp(double x, double y);

private:
    template <typename Node> Node* Adopt(Children& list, std::unique_ptr<Node> child)
    {
        Node* added = child.get();
        list.insert(list.begin(), std::move(child));
        return added;
    }

    Children m_gameChildren;
    Children m_menuItems;
    int m_pauseKey = 0;
    // Positions, not nodes: a node may die between the press and the release.
    std::optional<QPointF> m_mouse;
    std::optional<QPointF> m_pressedAt;
};

} // namespace clavora
