#pragma once

#include "app/SubsystemController.h"
#include "games/FlurrixEnvironment.h"
#include "games/TypingHeroField.h"

#include <functional>
#include <memory>

namespace clavora {

class FlurrixScreen;
class RaceSoundPlayers;
class ThirtySecondsField;
class ThirtySecondsScreen;
class ThirtySecondsStore;
class TypingHeroField;
class TypingHeroScreen;
class TypingHeroStore;
class GameScreen;
class GamesView;

// The game commands (the Games tab, the three games from menu and toolbar, the screen choice and
// the course's game break), the game screens the games view shows, and what the falling-words
// game needs from the rest of the program.
class GamesController final : public SubsystemController, public FlurrixEnvironment
{
public:
    static constexpr int ScreenCount = 3;
    // Posted when a game played as a course break has been lost.
    static constexpr int GameBreakEndedMessage = 36174;

    explicit GamesController(MainController& main);
    ~GamesController() override;

    bool HandleCommand(int commandId) override;

    // Which game screen the games view shows: 0 the falling-words game, 1 the race, 2 the rhythm
    // game.
    int GameScreen() const { return m_gameScreen; }
    // The model of a game screen; none for a game that is not built in.
    clavora::GameScreen* Screen(int index) const;
    FlurrixScreen& Flurrix() const { return *m_flurrix; }
    void AttachView(GamesView* view) { m_view = view; }
    // The main window has left the games view: a running game ends there (its result is stored).
    void OnGamesViewLeft();
    // The score of the game that ended last, handed over for the course's results summary.
    int LastGameKind() const { return m_lastGameKind; }
    int LastGameScore() const { return m_lastGameScore; }

    // FlurrixEnvironment
    QString WordListFolder() const override;
    double SkillLevel() const override;
    int HighestLessonKey() const override;
    int HighScore() const override;
    void PlayErrorSound() override;
    void GameEnded(int score) override;
    void GameBreakEnded() override;

private:
    void ShowGame(int screen);
    TypingHeroGame NextTypingHeroGame();
    void ReturnToCourse();
    bool AskResetRace();
    // Keeps a finished game's score for the main window.
    std::function<void(int)> HandOver(int kind);

    std::unique_ptr<FlurrixScreen> m_flurrix;
    std::unique_ptr<ThirtySecondsStore> m_raceStore;
    std::unique_ptr<RaceSoundPlayers> m_raceSounds;
    std::unique_ptr<ThirtySecondsField> m_raceField;
    std::unique_ptr<ThirtySecondsScreen> m_race;
    std::unique_ptr<TypingHeroStore> m_heroStore;
    std::unique_ptr<TypingHeroField> m_heroField;
    std::unique_ptr<TypingHeroScreen> m_hero;
    GamesView* m_view = nullptr;
    int m_gameScreen = 0;
    int m_lastGameKind = 0;
    int m_lastGameScore = 0;
};

} // namespace clavora
