#include "games/SceneNode.h"

#include <algorithm>

namespace clavora {

namespace {

unsigned BitOf(GameState state)
{
    return 1u << static_cast<unsigned>(state);
}

} // namespace

void SceneNode::SetShownInStates(std::initializer_list<GameState> states)
{
    m_shownStates = 0;
    for (const GameState state : states)
        m_shownStates |= BitOf(state);
}

bool SceneNode::IsShown() const
{
    return m_shownStates == 0 || (m_shownStates & BitOf(m_state)) != 0;
}

void SceneNode::Init(SceneHost& host)
{
    InitAll(m_children, host);
    m_initialised = true;
}

void SceneNode::Update(SceneHost& host)
{
    UpdateAll(m_children, host);
}

void SceneNode::Clear()
{
    for (const auto& child : m_children)
        child->Clear();
}

void SceneNode::Layout(SceneHost& host, double left, double top, double width, double height)
{
    for (const auto& child : m_children)
        child->Layout(host, left, top, width, height);
}

SceneNode* SceneNode::HitTest(double x, double y)
{
    if (!IsShown())
        return nullptr;
    if (SceneNode* child = HitTestAll(m_children, x, y))
        return child;
    const QSizeF size = Size();
    if (WantsMouse() && x >= Left() && x < Left() + size.width() && y >= m_y && y < m_y + size.height())
        return this;
    return nullptr;
}

bool SceneNode::KeyDown(int code)
{
    for (const auto& child : m_children)
        child->KeyDown(code);
    return true;
}

bool SceneNode::Character(QChar ch)
{
    bool all = true;
    for (const auto& child : m_children)
        all = child->Character(ch) && all;
    return all;
}

void SceneNode::SetState(GameState state)
{
    m_state = state;
    for (const auto& child : m_children)
        child->SetState(state);
}

void SceneNode::InitAll(const Children& nodes, SceneHost& host)
{
    for (const auto& node : nodes) {
        if (!node->IsInitialised())
            node->Init(host);
    }
}

void SceneNode::UpdateAll(Children& nodes, SceneHost& host)
{
    // Indexed, so a list that grows while its nodes update stays valid.
    for (size_t i = 0; i < nodes.size(); ++i)
        nodes[i]->Update(host);
    std::erase_if(nodes, [](const std::unique_ptr<SceneNode>& node) { return node->IsDead(); });
}

SceneNode* SceneNode::HitTestAll(const Children& nodes, double x, double y)
{
    for (const auto& node : nodes) {
        if (SceneNode* hit = node->HitTest(x, y))
            return hit;
    }
    return nullptr;
}

} // namespace clavora
