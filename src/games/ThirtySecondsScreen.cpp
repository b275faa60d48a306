#include "games/ThirtySecondsScreen.h"

#include "games/FlurrixWordLists.h"
#include "games/GameFieldNode.h"
#include "games/GameMenuStyle.h"
#include "games/SceneHost.h"
#include "games/ThirtySecondsField.h"
#include "games/ThirtySecondsStore.h"

namespace clavora {

using namespace GameMenuStyle;

namespace {

const TextFont SmallFont{QStringLiteral("Helvetica"), 24, 400};
const TextFont ScoreFont{QStringLiteral("Helvetica"), 80, 700};
const TextFont ResetFont{QStringLiteral("Helvetica"), 26, 700};
constexpr SceneColour Lavender{205, 195, 255};
// The menu's three figures stand this share of the width apart.
constexpr double FigureSpacing = 0.22;

} // namespace

const QString ThirtySecondsScreen::Title = QStringLiteral("Duzedi Zezarur uz Ider");
const QString ThirtySecondsScreen::HelpText =
    QStringLiteral("Type words as fast as you can.\r\nPress Esc to pause the game.");

ThirtySecondsScreen::ThirtySecondsScreen(ThirtySecondsField& field, const ThirtySecondsStore& store)
    : m_field(field), m_store(store)
{
    m_title = AddMenuItem(std::make_unique<TextLabel>(Title, TitleFont, TextAlign::Centre, Light));
    m_start = AddMenuItem(StartButton([this] { SetState(GameState::Playing); }));
    m_end = AddMenuItem(EndButton([this] {
        m_field.EndGame();
        SetState(GameState::Menu);
    }));
    m_help = AddMenuItem(std::make_unique<TextLabel>(HelpText, SmallFont, TextAlign::Centre, Lavender));
    const std::array<QString, 3> captions{QStringLiteral("Level"), QStringLiteral("To Next Level"),
                                          QStringLiteral("Last Score")};
    for (size_t i = 0; i < captions.size(); ++i) {
        m_captions[i] =
            AddMenuItem(std::make_unique<TextLabel>(captions[i], SmallFont, TextAlign::Centre, Lavender));
        m_figures[i] =
            AddMenuItem(std::make_unique<TextLabel>(QString(), ButtonFont, TextAlign::Centre, Gold));
    }
    m_reset = AddMenuItem(Button(
        QStringLiteral("Reset"), [this] { ResetProgress(); }, Light, ResetFont));
    for (const auto& item : MenuItems()) {
        if (item.get() != m_end)
            item->SetShownInStates({GameState::Paused, GameState::Menu});
    }

    AddGameChild(std::make_unique<GameFieldNode<ThirtySecondsField>>(field));
    auto panel = std::make_unique<SceneNode>();
    panel->SetShownInStates({GameState::GameOver});
    m_gameOverTitle = panel->AddChild(
        std::make_unique<TextLabel>(QStringLiteral("Game Over!"), TitleFont, TextAlign::Centre, Light));
    m_levelUp = panel->AddChild(std::make_unique<TextLabel>(QString(), ButtonFont, TextAlign::Centre, Gold));
    m_score = panel->AddChild(std::make_unique<TextLabel>(QString(), ScoreFont, TextAlign::Centre, Light));
    m_playAgain = panel->AddChild(StartButton([this] { SetState(GameState::Playing); }));
    m_return = panel->AddChild(Button(
        QStringLiteral("Return to Menu"), [this] { SetState(GameState::Menu); }, Light));
    AddGameChild(std::move(panel));
}

void ThirtySecondsScreen::Init(SceneHost& host)
{
    if (m_wordListFolder) {
        FlurrixWordLists words;
        words.Load(m_wordListFolder(), [&host] { return host.IsClosing(); });
        QList<QStringList> lists;
        for (int length = ThirtySecondsRules::ShortestWord;
             length < ThirtySecondsRules::ShortestWord + ThirtySecondsRules::WordListCount; ++length)
            lists.append(words.ListOfLength(length));
        m_field.SetWordLists(std::move(lists));
    }
    GameScreen::Init(host);
}

void ThirtySecondsScreen::RefreshFigures()
{
    m_figures[0]->SetText(QString::number(m_store.ProgressLevel()));
    m_figures[1]->SetText(QString::number(m_store.TotalPoints()));
    m_figures[2]->SetText(QString::number(m_store.LastScore()));
}

void ThirtySecondsScreen::ResetProgress()
{
    if (!m_askReset || !m_askReset())
        return;
    m_field.ResetProgress();
    RefreshFigures();
}

void ThirtySecondsScreen::SetState(GameState state)
{
    GameScreen::SetState(state);
    m_title->SetText(state == GameState::Paused ? QStringLiteral("Game Paused") : Title);
    if (state == GameState::GameOver) {
        const RaceOutcome& outcome = m_field.LastOutcome();
        m_score->SetText(QString::number(outcome.score));
        m_levelUp->SetText(outcome.levelUp ? QStringLiteral("Level Up!") : QString());
    }
    if (state == GameState::GameOver || state == GameState::Menu)
        RefreshFigures();
}

void ThirtySecondsScreen::Layout(SceneHost& host, double left, double top, double width, double height)
{
    m_width = width;
    m_height = height;
    m_field.Layout(width, height);
    const double centre = left + width / 2.0;
    const auto at = [top, height](double share) { return top + share * height; };
    m_title->SetPosition(centre, at(0.06));
    m_start->SetPosition(centre, at(0.55));
    m_end->SetPosition(centre, at(0.625));
    m_help->SetPosition(centre, at(0.70));
    for (size_t i = 0; i < m_captions.size(); ++i) {
        const double x = centre + (double(i) - 1.0) * FigureSpacing * width;
        m_captions[i]->SetPosition(x, at(0.79));
        m_figures[i]->SetPosition(x, at(0.83));
    }
    m_reset->SetPosition(centre, at(0.92));
    // Both lines stay above the stopwatch of the backdrop, in which the score stands.
    m_gameOverTitle->SetPosition(centre, at(0.03));
    m_levelUp->SetPosition(centre, at(0.12));
    m_score->SetPosition(centre, at(0.285));
    m_playAgain->SetPosition(centre, at(0.55));
    m_return->SetPosition(centre, at(0.63));
    GameScreen::Layout(host, left, top, width, height);
}

} // namespace clavora
