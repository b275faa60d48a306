#include "games/FlurrixScreen.h"

#include "games/ColourPulse.h"
#include "games/FlurrixField.h"
#include "games/SceneButton.h"
#include "games/SceneHost.h"
#include "platform/KeyCodes.h"
#include "platform/RandomGenerator.h"

namespace clavora {

namespace {

const TextFont TitleFont{QStringLiteral("Arial"), 60, 400};
const TextFont ButtonFont{QStringLiteral("Arial"), 40, 400};
const TextFont SmallFont{QStringLiteral("Arial"), 17, 400};
constexpr SceneColour ButtonLight{155, 255, 185};
constexpr SceneColour ButtonBase{55, 155, 85};
constexpr SceneColour MenuText{20, 40, 70};
constexpr int ButtonGap = 64;
constexpr int DecorationMargin = 20;

std::unique_ptr<SceneButton> PulsingButton(const QString& text, std::function<void()> action)
{
    auto button = std::make_unique<SceneButton>(text, ButtonFont, std::move(action));
    button->AddChild(std::make_unique<ColourPulse>(ButtonLight, ButtonBase));
    return button;
}

std::unique_ptr<SceneButton> PlainButton(const QString& text, std::function<void()> action)
{
    auto button = std::make_unique<SceneButton>(text, ButtonFont, std::move(action));
    button->SetColour(MenuText);
    return button;
}

} // namespace

const QString FlurrixScreen::HelpText =
    QStringLiteral("Type the words that fall from the top of the screen before they reach the bottom.\r\n"
                   "Hit the Spacebar to use a snowman bomb.\r\nSome words have bonus effects.\r\n"
                   "Use the Esc key to pause the game.\r\n\r\nGood luck!");

FlurrixScreen::FlurrixScreen(FlurrixEnvironment& environment)
{
    // Menu items in their order of creation; each new one goes to the head of the list.
    m_title = AddMenuItem(
        std::make_unique<TextLabel>(QStringLiteral("FLURRIX!"), TitleFont, TextAlign::Centre, MenuText));
    auto start = PulsingButton(QStringLiteral("Start"), [this] { SetState(GameState::Playing); });
    start->SetPausedText(QStringLiteral("Resume"));
    start->SetCaption(QStringLiteral("Press any key to"), SmallFont);
    m_start = AddMenuItem(std::move(start));
    m_end = AddMenuItem(PlainButton(QStringLiteral("End"), [this] { SetState(GameState::Menu); }));
    m_end->SetShownInStates({GameState::Paused});
    m_help = AddMenuItem(std::make_unique<TextLabel>(HelpText, SmallFont, TextAlign::Centre, MenuText));
    // The game-over panel takes the menu's place.
    for (const auto& item : MenuItems()) {
        if (item.get() != m_end)
            item->SetShownInStates({GameState::Paused, GameState::Menu});
    }

    m_field = AddGameChild(std::make_unique<FlurrixField>(environment));
    auto panel = std::make_unique<SceneNode>();
    panel->SetShownInStates({GameState::GameOver});
    m_gameOverTitle = panel->AddChild(
        std::make_unique<TextLabel>(QStringLiteral("Game Over"), TitleFont, TextAlign::Centre, MenuText));
    m_playAgain = panel->AddChild(
        PulsingButton(QStringLiteral("Play Again"), [this] { SetState(GameState::Playing); }));
    m_return =
        panel->AddChild(PlainButton(QStringLiteral("Return to menu"), [this] { SetState(GameState::Menu); }));
    m_gameOver = AddGameChild(std::move(panel));

    m_decorations[0].picture = SnowmanPicture;
}

void FlurrixScreen::Init(SceneHost& host)
{
    for (size_t i = 1; i < m_decorations.size(); ++i)
        m_decorations[i].picture = FirstTreePicture + host.Random().Next() % TreePictureCount;
    GameScreen::Init(host);
}

void FlurrixScreen::Update(SceneHost& host)
{
    PlaceDecorations(host);
    GameScreen::Update(host);
}

void FlurrixScreen::Layout(SceneHost& host, double left, double top, double width, double height)
{
    m_width = width;
    m_height = height;
    const double centre = left + width / 2;
    m_title->SetPosition(centre, top + height * 0.12);
    m_start->SetPosition(centre, top + height * 0.28);
    m_end->SetPosition(centre, m_start->Y() + ButtonGap);
    m_help->SetPosition(centre, top + height * 0.45);
    m_gameOverTitle->SetPosition(centre, top + height * 0.22);
    m_playAgain->SetPosition(centre, top + height * 0.38);
    m_return->SetPosition(centre, m_playAgain->Y() + ButtonGap);
    GameScreen::Layout(host, left, top, width, height);
}

bool FlurrixScreen::KeyDown(int code)
{
    switch (State()) {
    case GameState::Menu:
    case GameState::GameOver:
        if (code != VkEscape)
            SetState(GameState::Playing);
        return true;
    case GameState::Paused:
        // The key that resumes is also played: Space drops a bomb, Esc pauses again.
        SetState(GameState::Playing);
        return GameScreen::KeyDown(code);
    case GameState::Playing:
        break;
    }
    return GameScreen::KeyDown(code);
}

void FlurrixScreen::PlaceDecorations(SceneHost& host)
{
    if (m_width <= 0)
        return;
    const int span = std::max(1, static_cast<int>(m_width) - 2 * DecorationMargin);
    for (Decoration& decoration : m_decorations) {
        if (decoration.x < 0)
            decoration.x = DecorationMargin + host.Random().Next() % span;
    }
}

} // namespace clavora
