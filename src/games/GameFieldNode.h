#pragma once

#include "games/SceneNode.h"

namespace clavora {

// A game's field inside its screen: frames, characters and states go to it, and its own move to
// game over becomes the screen's.
template <typename Field> class GameFieldNode final : public SceneNode
{
public:
    explicit GameFieldNode(Field& field) : m_field(field) {}

    void Update(SceneHost&) override
    {
        m_field.Update();
        if (m_field.State() != State())
            SceneNode::SetState(m_field.State());
    }
    bool Character(QChar ch) override
    {
        m_field.Character(ch);
        return true;
    }
    void SetState(GameState state) override
    {
        m_field.SetState(state);
        SceneNode::SetState(state);
    }

private:
    Field& m_field;
};

} // namespace clavora
