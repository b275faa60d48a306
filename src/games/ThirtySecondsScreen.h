#pragma once

#include "games/GameScreen.h"

#include <array>
#include <functional>

namespace clavora {

class SceneButton;
class TextLabel;
class ThirtySecondsField;
class ThirtySecondsStore;

// The race's screen: the field on its wheel, the menu (Start/Resume, End, the help, the progress
// level, total points and last score, Reset) and the game-over panel with the score and
// "Level Up!".
class ThirtySecondsScreen final : public GameScreen
{
public:
    static const QString Title;
    static const QString HelpText;

    ThirtySecondsScreen(ThirtySecondsField& field, const ThirtySecondsStore& store);

    // Where "3letterwords.csv" to "9letterwords.csv" are; read when the screen initialises.
    void SetWordListFolder(std::function<QString()> folder) { m_wordListFolder = std::move(folder); }
    // Asks the user before every stored game is forgotten; without it Reset does nothing.
    void SetResetQuestion(std::function<bool()> ask) { m_askReset = std::move(ask); }

    ThirtySecondsField& Field() const { return m_field; }
    double Width() const { return m_width; }
    double Height() const { return m_height; }
    // The menu's figures read afresh from the store (a game stored, another user).
    void RefreshFigures();
    // "Reset" in the menu: asks, then forgets the progress.
    void ResetProgress();

    void Init(SceneHost& host) override;
    void Layout(SceneHost& host, double left, double top, double width, double height) override;
    void SetState(GameState state) override;

private:
    ThirtySecondsField& m_field;
    const ThirtySecondsStore& m_store;
    std::function<QString()> m_wordListFolder;
    std::function<bool()> m_askReset;
    TextLabel* m_title = nullptr;
    SceneButton* m_start = nullptr;
    SceneButton* m_end = nullptr;
    TextLabel* m_help = nullptr;
    std::array<TextLabel*, 3> m_captions{};
    std::array<TextLabel*, 3> m_figures{};
    SceneButton* m_reset = nullptr;
    TextLabel* m_gameOverTitle = nullptr;
    TextLabel* m_score = nullptr;
    TextLabel* m_levelUp = nullptr;
    SceneButton* m_playAgain = nullptr;
    SceneButton* m_return = nullptr;
    double m_width = 0.0;
    double m_height = 0.0;
};

} // namespace clavora
