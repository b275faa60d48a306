#pragma once

#include "games/GameScreen.h"

#include <array>

namespace clavora {

class SceneButton;
class TextLabel;
class TypingHeroField;

// The rhythm game's screen: the play field, the menu (title, Start/Resume, End) and the
// game-over panel with the game's figures.
class TypingHeroScreen final : public GameScreen
{
public:
    explicit TypingHeroScreen(TypingHeroField& field);

    TypingHeroField& Field() const { return m_field; }
    double Width() const { return m_width; }
    double Height() const { return m_height; }

    void Update(SceneHost& host) override;
    void Layout(SceneHost& host, double left, double top, double width, double height) override;

private:
    TypingHeroField& m_field;
    TextLabel* m_title = nullptr;
    SceneButton* m_start = nullptr;
    SceneButton* m_end = nullptr;
    TextLabel* m_gameOverTitle = nullptr;
    std::array<TextLabel*, 4> m_figures{};
    SceneButton* m_playAgain = nullptr;
    SceneButton* m_return = nullptr;
    double m_width = 0.0;
    double m_height = 0.0;
};

} // namespace clavora
