#pragma once

#include "games/GameScreen.h"

#include <array>

namespace clavora {

class FlurrixEnvironment;
class FlurrixField;
class SceneButton;
class TextLabel;

// The falling-words game's screen: its field, its start menu (title, Start/Resume, End, help)
// and its game-over panel, the winter scenery, and the keys that start, pause and resume.
class FlurrixScreen final : public GameScreen
{
public:
    static constexpr int SnowmanPicture = 385;
    static constexpr int BombPicture = 386;
    static constexpr int FirstTreePicture = 387;
    static constexpr int TreePictureCount = 4;
    static constexpr int DecorationCount = 10;
    // Decorations stand on the ground this far above the bottom edge.
    static constexpr int GroundLine = 100;
    static const QString HelpText;

    struct Decoration
    {
        int picture = 0;
        double x = -1; // placed on first use
    };

    explicit FlurrixScreen(FlurrixEnvironment& environment);

    FlurrixField& Field() const { return *m_field; }
    const std::array<Decoration, DecorationCount>& Decorations() const { return m_decorations; }
    const TextLabel& Title() const { return *m_title; }
    const SceneButton& StartButton() const { return *m_start; }
    const SceneButton& EndButton() const { return *m_end; }
    const TextLabel& Help() const { return *m_help; }
    const SceneNode& GameOverPanel() const { return *m_gameOver; }
    const TextLabel& GameOverTitle() const { return *m_gameOverTitle; }
    const SceneButton& PlayAgainButton() const { return *m_playAgain; }
    const SceneButton& ReturnButton() const { return *m_return; }
    double Width() const { return m_width; }
    double Height() const { return m_height; }

    void Init(SceneHost& host) override;
    void Update(SceneHost& host) override;
    void Layout(SceneHost& host, double left, double top, double width, double height) override;
    bool KeyDown(int code) override;

private:
    void PlaceDecorations(SceneHost& host);

    FlurrixField* m_field = nullptr;
    TextLabel* m_title = nullptr;
    SceneButton* m_start = nullptr;
    SceneButton* m_end = nullptr;
    TextLabel* m_help = nullptr;
    SceneNode* m_gameOver = nullptr;
    TextLabel* m_gameOverTitle = nullptr;
    SceneButton* m_playAgain = nullptr;
    SceneButton* m_return = nullptr;
    std::array<Decoration, DecorationCount> m_decorations;
    double m_width = 0;
    double m_height = 0;
};

} // namespace clavora
