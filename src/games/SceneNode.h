#pragma once

#include "games/SceneTypes.h"

#include <initializer_list>
#include <memory>
#include <QSizeF>
#include <vector>

namespace clavora {

class SceneHost;

// The base of every scene object: a position, a state shared with the screen, an optional
// numbered picture and a list of children, newest first. A child marked dead is removed and
// destroyed by its parent's update. Nodes hold no drawing code: the games' painters read them.
class SceneNode
{
public:
    using Children = std::vector<std::unique_ptr<SceneNode>>;

    SceneNode() = default;
    virtual ~SceneNode() = default;
    Q_DISABLE_COPY_MOVE(SceneNode)

    // Puts the child at the head of the list and returns it.
    template <typename Node> Node* AddChild(std::unique_ptr<Node> child)
    {
        Node* added = child.get();
        child->m_parent = this;
        m_children.insert(m_children.begin(), std::move(child));
        return added;
    }
    const Children& ChildNodes() const { return m_children; }
    SceneNode* Parent() const { return m_parent; }

    double X() const { return m_x; }
    double Y() const { return m_y; }
    void SetPosition(double x, double y)
    {
        m_x = x;
        m_y = y;
    }
    int Picture() const { return m_picture; }
    void SetPicture(int number) { m_picture = number; }
    bool IsInitialised() const { return m_initialised; }
    bool IsDead() const { return m_dead; }
    void MarkDead() { m_dead = true; }
    GameState State() const { return m_state; }

    // A node limited to some states is drawn and hit only in them (by default in every state).
    void SetShownInStates(std::initializer_list<GameState> states);
    bool IsShown() const;

    virtual void Init(SceneHost& host);
    virtual void Update(SceneHost& host);
    virtual void Clear();
    virtual void Layout(SceneHost& host, double left, double top, double width, double height);
    virtual bool WantsMouse() const { return false; }
    // The shown node under the point that wants the mouse, the deepest first; none by default.
    virtual SceneNode* HitTest(double x, double y);
    // A press and release on the same node.
    virtual void Click() {}
    virtual bool KeyDown(int code);
    virtual bool Character(QChar ch);
    virtual void SetState(GameState state);
    // The measured size for hit-testing; the box starts at Left(), Y().
    virtual QSizeF Size() const { return {}; }
    virtual double Left() const { return m_x; }

protected:
    static void InitAll(const Children& nodes, SceneHost& host);
    static void UpdateAll(Children& nodes, SceneHost& host);
    static SceneNode* HitTestAll(const Children& nodes, double x, double y);
    Children& MutableChildren() { return m_children; }

private:
    Children m_children;
    SceneNode* m_parent = nullptr;
    double m_x = 0.0;
    double m_y = 0.0;
    int m_picture = 0;
    bool m_initialised = false;
    bool m_dead = false;
    GameState m_state = GameState::Menu;
    unsigned m_shownStates = 0; // bit per state; 0 means every state
};

} // namespace clavora
