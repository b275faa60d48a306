#include "games/GameScreen.h"

#include "platform/KeyCodes.h"

namespace clavora {

void GameScreen::Init(SceneHost& host)
{
    InitAll(m_gameChildren, host);
    InitAll(m_menuItems, host);
    SceneNode::Init(host);
    SetState(GameState::Menu);
    m_pauseKey = VkEscape;
}

void GameScreen::Update(SceneHost& host)
{
    for (size_t i = 0; i < m_gameChildren.size(); ++i) {
        SceneNode& child = *m_gameChildren[i];
        child.Update(host);
        // A field that ends its game turns the whole screen to game over.
        if (child.State() != State())
            SetState(child.State());
    }
    std::erase_if(m_gameChildren, [](const std::unique_ptr<SceneNode>& node) { return node->IsDead(); });
    UpdateAll(m_menuItems, host);
}

void GameScreen::Clear()
{
    for (const Children* list : {&m_gameChildren, &m_menuItems}) {
        for (const auto& node : *list)
            node->Clear();
    }
}

void GameScreen::Layout(SceneHost& host, double left, double top, double width, double height)
{
    for (const Children* list : {&m_gameChildren, &m_menuItems}) {
        for (const auto& node : *list)
            node->Layout(host, left, top, width, height);
    }
}

SceneNode* GameScreen::HitTest(double x, double y)
{
    if (SceneNode* hit = HitTestAll(m_gameChildren, x, y))
        return hit;
    return State() == GameState::Playing ? nullptr : HitTestAll(m_menuItems, x, y);
}

bool GameScreen::KeyDown(int code)
{
    if (code == m_pauseKey && State() == GameState::Playing)
        SetState(GameState::Paused);
    if (State() == GameState::Playing) {
        for (const auto& child : m_gameChildren)
            child->KeyDown(code);
    } else if (State() == GameState::Paused || State() == GameState::Menu) {
        for (const auto& item : m_menuItems)
            item->KeyDown(code);
    }
    return true;
}

bool GameScreen::Character(QChar ch)
{
    bool all = true;
    if (State() == GameState::Playing) {
        for (const auto& child : m_gameChildren)
            all = child->Character(ch) && all;
    } else if (State() == GameState::Paused || State() == GameState::Menu) {
        for (const auto& item : m_menuItems)
            all = item->Character(ch) && all;
    }
    return all;
}

void GameScreen::SetState(GameState state)
{
    SceneNode::SetState(state);
    for (const Children* list : {&m_gameChildren, &m_menuItems}) {
        for (const auto& node : *list)
            node->SetState(state);
    }
}

SceneNode* GameScreen::Hovered()
{
    return m_mouse ? HitTest(m_mouse->x(), m_mouse->y()) : nullptr;
}

void GameScreen::MouseMove(double x, double y)
{
    m_mouse = QPointF(x, y);
}

void GameScreen::MouseDown(double x, double y)
{
    m_mouse = m_pressedAt = QPointF(x, y);
}

void GameScreen::MouseUp(double x, double y)
{
    m_mouse = QPointF(x, y);
    if (!m_pressedAt)
        return;
    SceneNode* pressed = HitTest(m_pressedAt->x(), m_pressedAt->y());
    m_pressedAt.reset();
    SceneNode* released = HitTest(x, y);
    if (released && released == pressed)
        released->Click();
}

} // namespace clavora
