#pragma once

#include "games/TextLabel.h"

#include <functional>

namespace clavora {

// A label that reacts to the mouse: a press and release on it runs its action. A button may read
// differently while the screen is paused ("Start" becomes "Resume"), and may carry a small
// caption drawn just above it.
class SceneButton final : public TextLabel
{
public:
    SceneButton(const QString& text, const TextFont& font, std::function<void()> action,
                TextAlign align = TextAlign::Centre);

    void SetPausedText(const QString& text) { m_pausedText = text; }
    void SetCaption(const QString& caption, const TextFont& font);
    const QString& Caption() const { return m_caption; }
    const TextFont& CaptionFont() const { return m_captionFont; }

    bool WantsMouse() const override { return true; }
    void Click() override;
    void SetState(GameState state) override;

private:
    QString m_normalText;
    QString m_pausedText;
    QString m_caption;
    TextFont m_captionFont;
    std::function<void()> m_action;
};

} // namespace clavora
