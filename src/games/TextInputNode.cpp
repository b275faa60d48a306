#include "games/TextInputNode.h"

namespace clavora {

bool TextInputNode::Character(QChar ch)
{
    if (m_text.size() < MaxLength)
        m_text.append(ch);
    return true;
}

void TextInputNode::Clear()
{
    m_text.clear();
    SceneNode::Clear();
}

} // namespace clavora
