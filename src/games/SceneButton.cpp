#include "games/SceneButton.h"

namespace clavora {

SceneButton::SceneButton(const QString& text, const TextFont& font, std::function<void()> action,
                         TextAlign align)
    : TextLabel(text, font, align), m_normalText(text), m_action(std::move(action))
{}

void SceneButton::SetCaption(const QString& caption, const TextFont& font)
{
    m_caption = caption;
    m_captionFont = font;
}

void SceneButton::Click()
{
    if (m_action)
        m_action();
}

void SceneButton::SetState(GameState state)
{
    TextLabel::SetState(state);
    if (!m_pausedText.isEmpty())
        SetText(state == GameState::Paused ? m_pausedText : m_normalText);
}

} // namespace clavora
