#pragma once

#include "games/FallingWord.h"
#include "games/FlurrixRules.h"
#include "games/FlurrixWordLists.h"
#include "games/SceneNode.h"
#include "games/TextInputNode.h"

#include <QHash>
#include <QString>

namespace clavora {

class FlurrixEnvironment;

// The play field of the falling-words game and its rules: words spawn and fall, typed text
// completes them, landings and wrong keys cost health, levels and the difficulty wave rise, bombs
// clear the screen. Its state is the game's state; entering the menu or game over stores the
// game's result once.
class FlurrixField final : public SceneNode
{
public:
    using Words = std::vector<std::unique_ptr<FallingWord>>;

    // Spawn attempts in one go before a level counts as having no word to draw.
    static constexpr int MaxSpawnAttempts = 100000;

    explicit FlurrixField(FlurrixEnvironment& environment);

    void Init(SceneHost& host) override;
    void Update(SceneHost& host) override;
    void Layout(SceneHost& host, double left, double top, double width, double height) override;
    bool KeyDown(int code) override;
    bool Character(QChar ch) override;
    void SetState(GameState state) override;

    // The course's game break: a lost game goes back to the menu and hands over to the course.
    void SetBreakMode(bool on) { m_breakMode = on; }
    bool BreakMode() const { return m_breakMode; }

    const Words& FallingWords() const { return m_words; }
    const QString& TypedText() const { return m_input.Text(); }
    int Level() const { return m_level; }
    int WordsThisLevel() const { return m_wordsThisLevel; }
    int Health() const { return m_health; }
    double ShownHealth() const { return m_shownHealth; }
    int Bombs() const { return m_bombs; }
    int Score() const { return m_score; }
    int HighScore() const { return m_highScore; }
    double Wave() const { return m_wave.value; }
    int LetterSetIndex() const { return m_letterSet; }
    double FieldWidth() const { return m_width; }
    double FieldHeight() const { return m_height; }
    // Why the last game ended early (no word could be drawn), or empty.
    const QString& Notice() const { return m_notice; }
    FlurrixWordLists& WordLists() { return m_lists; }

    // Drops a snowman bomb: every word is cleared and scores its points.
    void DropBomb();
    // Starts a new game's values (also used when a game break ends).
    void ResetGame();
    // Puts a word at the head of the field as a spawn does (measured, not yet placed).
    FallingWord* InsertWord(const QString& text, int kind, int picture = FallingWord::SnowflakePicture);

    // Test hooks: set the level or health as a long game would have.
    void SetLevel(int level) { m_level = level; }
    void SetHealth(int health) { m_health = health; }
    void SetBombs(int bombs) { m_bombs = bombs; }

private:
    bool Spawn();
    bool TrySpawn();
    bool CanDrawAnyWord() const;
    bool IsInLetterSet(const QString& word) const;
    void CompleteWord(FallingWord* word, double now);
    void ClearScreen();
    void RemoveWord(const FallingWord* word);
    void SpawnAfterCompletion(double now);
    void PlaceNewWords();
    void EndGame(GameState state);
    void EndForLackOfWords();
    double Uniform();
    int Rand();

    FlurrixEnvironment& m_environment;
    SceneHost* m_host = nullptr;
    FlurrixWordLists m_lists;
    Words m_words; // newest first
    TextInputNode m_input;
    int m_letterSet = 0;
    int m_level = 1;
    int m_wordsThisLevel = 0;
    int m_health = FlurrixRules::StartHealth;
    double m_shownHealth = FlurrixRules::StartHealth;
    int m_bombs = FlurrixRules::StartBombs;
    int m_score = 0;
    int m_highScore = 0;
    FlurrixRules::Wave m_wave;
    // The clock counts from the program's start: "never" lets the first game's first word come at once.
    double m_lastSpawnTime = -1e12;
    double m_pauseStart = 0.0;
    double m_pausedTime = 0.0;
    GameState m_previousState = GameState::Menu;
    bool m_resultSaved = true;
    bool m_breakMode = false;
    bool m_outOfWords = false;
    int m_spawnedThisGame = 0;
    double m_skill = 0.1;
    double m_width = 0.0;
    double m_height = 0.0;
    QString m_notice;
    mutable QHash<quint32, bool> m_drawable; // by length range and letter set
};

} // namespace clavora
