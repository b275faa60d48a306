#include "games/TypingHeroScreen.h"

#include "games/GameFieldNode.h"
#include "games/GameMenuStyle.h"
#include "games/TypingHeroField.h"
#include "games/TypingHeroRules.h"

namespace clavora {

using namespace GameMenuStyle;

TypingHeroScreen::TypingHeroScreen(TypingHeroField& field) : m_field(field)
{
    m_title = AddMenuItem(
        std::make_unique<TextLabel>(QStringLiteral("Vevuzi Viro"), TitleFont, TextAlign::Centre, Light));
    m_start = AddMenuItem(StartButton([this] { SetState(GameState::Playing); }));
    m_end = AddMenuItem(EndButton([this] {
        m_field.EndGame();
        SetState(GameState::Menu);
    }));
    m_title->SetShownInStates({GameState::Paused, GameState::Menu});
    m_start->SetShownInStates({GameState::Paused, GameState::Menu});

    AddGameChild(std::make_unique<GameFieldNode<TypingHeroField>>(field));
    auto panel = std::make_unique<SceneNode>();
    panel->SetShownInStates({GameState::GameOver});
    m_gameOverTitle = panel->AddChild(
        std::make_unique<TextLabel>(QStringLiteral("Game Over"), TitleFont, TextAlign::Centre, Light));
    for (TextLabel*& line : m_figures)
        line = panel->AddChild(std::make_unique<TextLabel>(QString(), LineFont, TextAlign::Centre, Light));
    m_playAgain = panel->AddChild(Button(
        QStringLiteral("Play Again"), [this] { SetState(GameState::Playing); }, Gold));
    m_return = panel->AddChild(Button(
        QStringLiteral("Return to Menu"), [this] { SetState(GameState::Menu); }, Light));
    AddGameChild(std::move(panel));
}

void TypingHeroScreen::Update(SceneHost& host)
{
    GameScreen::Update(host);
    if (State() != GameState::GameOver)
        return;
    const TypingHeroOutcome& outcome = m_field.LastOutcome();
    const std::array<QString, 4> lines{
        QString::asprintf("%.1f%% Complete", outcome.figures.completionPercentage),
        QString::asprintf("Score: %d", outcome.score),
        QString::asprintf("Longest Streak: %d", outcome.figures.longestStreak),
        QString::asprintf("Accuracy: %.1f%%", outcome.figures.accuracy),
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        if (m_figures[i]->Text() != lines[i])
            m_figures[i]->SetText(lines[i]);
    }
}

void TypingHeroScreen::Layout(SceneHost& host, double left, double top, double width, double height)
{
    m_width = width;
    m_height = height;
    m_field.Layout(width, height, TypingHeroRules::KeyboardRect(QSizeF(width, height)).height());
    const double centre = left + width / 2.0;
    const double middle = top + height / 2.0;
    m_title->SetPosition(centre, middle - height / 4.0);
    m_start->SetPosition(centre, middle - 0.05 * height);
    m_end->SetPosition(centre, middle + 0.05 * height);
    // The panel stays clear of the keyboard picture, which takes up to the lowest third.
    m_gameOverTitle->SetPosition(centre, top + 0.08 * height);
    for (size_t i = 0; i < m_figures.size(); ++i)
        m_figures[i]->SetPosition(centre, top + (0.22 + 0.055 * double(i)) * height);
    m_playAgain->SetPosition(centre, top + 0.46 * height);
    m_return->SetPosition(centre, top + 0.53 * height);
    GameScreen::Layout(host, left, top, width, height);
}

} // namespace clavora
