#pragma once

#include "games/SceneTypes.h"
#include "games/ThirtySecondsRules.h"

#include <functional>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <utility>

namespace clavora {

class Clock;
class RandomGenerator;
class ThirtySecondsStore;

// A word on the race's wheel.
struct RaceWord
{
    QString text;
    QString typed;
    bool leadingSpaceSeen = false;
    bool missed = false;
    bool completed = false;
    double angle = 0.0;       // where it is drawn now, in radians on the wheel
    double targetAngle = 0.0; // where it glides to
};

// The race's sounds; the field decides when each applies.
class RaceSounds
{
public:
    virtual ~RaceSounds() = default;
    virtual void PlayErrorSound() = 0;
    virtual void PlayMissedWord() = 0;
    virtual void PlaySiren() = 0;
    virtual bool SirenPlaying() const = 0;
};

// How the last stored game ended, for the game-over panel.
struct RaceOutcome
{
    int score = 0;
    bool levelUp = false;
};

// The race against the clock: the queue of words on the wheel, the words already done, the clock,
// levels, bonuses and the score. Time comes from the clock in milliseconds, motion is per frame.
class ThirtySecondsField final
{
public:
    static constexpr int MaxTypedLength = 259;
    // How far from the centre of the wheel to the words, as a share of the field's size.
    static constexpr double WheelRadiusShare = 0.6;
    // Pixels along the wheel between two words.
    static constexpr double WordSpacing = 250.0;
    // Share of the remaining way a word glides each frame.
    static constexpr double GlideShare = 0.2;
    // Frames the "+N Seconds!" text stays after a level-up.
    static constexpr int BonusTextFrames = 120;

    ThirtySecondsField(const Clock& clock, RandomGenerator& random, ThirtySecondsStore& store,
                       RaceSounds& sounds);

    // Lists of words by length, the first for three letters.
    void SetWordLists(QList<QStringList> lists) { m_wordLists = std::move(lists); }
    void SetPlayErrorSounds(bool on) { m_playErrorSounds = on; }
    // Told the score of every stored game.
    void SetScoreHandOver(std::function<void(int score)> handOver) { m_handOver = std::move(handOver); }
    void Layout(double width, double height);

    GameState State() const { return m_state; }
    // Entering play from the menu or game over starts a new game; leaving play stops the clock.
    void SetState(GameState state);
    // A character typed while playing: starts the clock, then goes to the current word.
    void Character(QChar character);
    // One frame while playing.
    void Update();
    // Stores the game (the clock ran out, or "End" while paused) and makes the field ready for
    // the next one.
    RaceOutcome EndGame();
    // After the user confirmed: forget every stored game and start afresh.
    void ResetProgress();

    const QList<RaceWord>& Queue() const { return m_queue; }
    const QList<RaceWord>& Done() const { return m_done; }
    QPointF WheelPoint(double angle) const;
    double TimeLeft() const { return m_timeLeft; }
    bool ClockRunning() const { return m_clockRunning; }
    QString ClockText() const { return ThirtySecondsRules::ClockText(m_timeLeft); }
    bool ClockPulses() const { return m_timeLeft < ThirtySecondsRules::PulseBelowSeconds; }
    double ClockPulsePhase() const { return m_pulsePhase; }
    int Score() const { return m_score; }
    int Level() const { return m_level; }
    int CompletedThisLevel() const { return m_completedThisLevel; }
    int MissedThisLevel() const { return m_missedThisLevel; }
    // Queue position of the word that completes the level, or -1 while it is not queued yet.
    int LevelUpMarkerPosition() const;
    // "+25 Seconds!" for a while after a level-up, else empty.
    QString BonusText() const { return m_bonusFrames > 0 ? m_bonusText : QString(); }
    const RaceOutcome& LastOutcome() const { return m_outcome; }

private:
    void ResetField();
    void UpdateClock();
    void AddWord();
    void TypeIntoCurrentWord(QChar character);
    void FinishCurrentWord();
    void CompleteWord();
    void PlaceWords();
    double Step() const;

    const Clock& m_clock;
    RandomGenerator& m_random;
    ThirtySecondsStore& m_store;
    RaceSounds& m_sounds;
    std::function<void(int)> m_handOver;
    QList<QStringList> m_wordLists;
    bool m_playErrorSounds = false;

    double m_width = 0.0;
    double m_height = 0.0;
    GameState m_state = GameState::Menu;
    QList<RaceWord> m_queue;
    QList<RaceWord> m_done;
    int m_level = 1;
    int m_completedThisLevel = 0;
    int m_missedThisLevel = 0;
    int m_score = 0;
    double m_timeLeft = ThirtySecondsRules::StartSeconds;
    bool m_clockRunning = false;
    double m_lastClockUpdate = 0.0;
    double m_pulsePhase = 0.0;
    QString m_bonusText;
    int m_bonusFrames = 0;
    RaceOutcome m_outcome;
};

} // namespace clavora
