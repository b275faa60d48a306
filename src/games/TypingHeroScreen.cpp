#include "games/TypingHeroScreen.h"

#include "games/SceneButton.h"
#include "games/TypingHeroField.h"

namespace clavora {

namespace {

const TextFont TitleFont{QStringLiteral("Helvetica"), 64, 700};
const TextFont ButtonFont{QStringLiteral("Helvetica"), 40, 700};
const TextFont LineFont{QStringLiteral("Helvetica"), 30, 400};
constexpr SceneColour Light{255, 255, 255};
constexpr SceneColour Gold{255, 215, 80};

// The field inside the scene: frames, characters and states go to it, and its own move to game
// over becomes the screen's.
class TypingHeroFieldNode final : public SceneNode
{
public:
    explicit TypingHeroFieldNode(TypingHeroField& field) : m_field(field) {}
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
    TypingHeroField& m_field;
};

std::unique_ptr<SceneButton> Button(const QString& text, std::function<void()> action, SceneColour colour)
{
    auto button = std::make_unique<SceneButton>(text, ButtonFont, std::move(action));
    button->SetColour(colour);
    return button;
}

} // namespace

TypingHeroScreen::TypingHeroScreen(TypingHeroField& field) : m_field(field)
{
    m_title = AddMenuItem(
        std::make_unique<TextLabel>(QStringLiteral("Vevuzi Viro"), TitleFont, TextAlign::Centre, Light));
    auto start = Button(
        QStringLiteral("Start"), [this] { SetState(GameState::Playing); }, Gold);
    start->SetPausedText(QStringLiteral("Resume"));
    m_start = AddMenuItem(std::move(start));
    m_end = AddMenuItem(Button(
        QStringLiteral("End"),
        [this] {
            m_field.EndGame();
            SetState(GameState::Menu);
        },
        Light));
    m_end->SetShownInStates({GameState::Paused});
    m_title->SetShownInStates({GameState::Paused, GameState::Menu});
    m_start->SetShownInStates({GameState::Paused, GameState::Menu});

    AddGameChild(std::make_unique<TypingHeroFieldNode>(field));
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
    m_field.Layout(width, height, m_keyboardHeight);
    const double centre = left + width / 2.0;
    const double middle = top + height / 2.0;
    m_title->SetPosition(centre, middle - height / 4.0);
    m_start->SetPosition(centre, middle - 0.05 * height);
    m_end->SetPosition(centre, middle + 0.05 * height);
    m_gameOverTitle->SetPosition(centre, top + 0.14 * height);
    for (size_t i = 0; i < m_figures.size(); ++i)
        m_figures[i]->SetPosition(centre, top + (0.30 + 0.06 * double(i)) * height);
    m_playAgain->SetPosition(centre, top + 0.58 * height);
    m_return->SetPosition(centre, top + 0.66 * height);
    GameScreen::Layout(host, left, top, width, height);
}

} // namespace clavora
