#pragma once

#include "games/SceneTypes.h"
#include "games/TypingHeroRules.h"
#include "session/GuideKeyTables.h"

#include <functional>
#include <QList>
#include <QString>
#include <utility>

namespace clavora {

class Clock;
class TypingHeroStore;

// A letter falling down its lane.
struct FallingLetter
{
    QChar character;
    int lane = -1;
    double y = 0.0;
    bool hit = false;
    bool missed = false;
    double pulsePhase = 0.0; // the square's colour pulse once hit
};

// What a new game plays: the practice's title and text, the length of the practice text as the
// catalogue keeps it (0 when not loaded), and the player's skill level.
struct TypingHeroGame
{
    QString title;
    QString text;
    qsizetype practiceLength = 0;
    double skillLevel = 0.1;
};

// How the last game ended, for the game-over panel.
struct TypingHeroOutcome
{
    int score = 0;
    bool completed = false;
    TypingHeroFigures figures;
};

// The rhythm game's play field: releases the letters of a text down the finger lanes, grades each
// press by the letter's distance from the hit line, keeps the score, the streaks and the energy
// meter, and ends the game when the text is done or the meter is empty.
class TypingHeroField final
{
public:
    // Pixels a letter falls per frame for each pixel of field height.
    static constexpr double SpeedPerHeight = 0.0029296875;
    // A letter this far past the hit line is missed and can no longer be pressed.
    static constexpr double PastLineAllowance = 25.0;
    static constexpr double HitLineAboveKeyboard = 100.0;
    static constexpr int GradeDisplayFrames = 80;
    static constexpr int GradeHiddenAt = 8;
    // The meter moves in twentieths, so twenty misses empty a full meter exactly.
    static constexpr int MeterSteps = 20;
    static constexpr double PulseStep = 0.010471975511965976;

    TypingHeroField(const Clock& clock, TypingHeroStore& store);

    // Asked for the text and skill level at the start of every game.
    void SetGameSource(std::function<TypingHeroGame()> source) { m_source = std::move(source); }
    // Told the score of every stored game.
    void SetScoreHandOver(std::function<void(int score)> handOver) { m_handOver = std::move(handOver); }
    void Layout(double width, double height, double keyboardHeight);

    GameState State() const { return m_state; }
    // Entering play from the menu or game over starts a new game.
    void SetState(GameState state);
    void Character(QChar character);
    // One frame: releases and moves letters while playing; stores a game that has just ended.
    void Update();
    // Stores the game when it scored (game over, or "End" while paused) and clears the field.
    TypingHeroOutcome EndGame();

    const QList<FallingLetter>& Letters() const { return m_letters; }
    double LetterX(const FallingLetter& letter) const { return TypingHeroRules::LaneX(letter.lane, m_width); }
    double LetterSize() const { return TypingHeroRules::LaneWidth(m_width); }
    double HitLine() const { return m_hitLine; }
    double Meter() const { return double(m_meterSteps) / MeterSteps; }
    double ShownMeter() const { return m_shownMeter; }
    int Score() const { return m_score; }
    int LastGrade() const { return m_lastGrade; }
    // Frames left to show the last grade; it is shown while above GradeHiddenAt.
    int GradeDisplay() const { return m_gradeDisplay; }
    const QList<int>& Judgements() const { return m_judgements; }
    const QString& Title() const { return m_game.title; }
    const QString& Text() const { return m_text; }
    qsizetype CurrentIndex() const { return m_currentIndex; }
    // The key of the next character to type, and its Shift key, from the keyboard guide's table.
    GuideKeyAndShift HighlightedKeys() const;
    const TypingHeroOutcome& LastOutcome() const { return m_outcome; }

private:
    void StartGame();
    void ClearPlay();
    void Release(double now);
    void MoveLetters();
    void Judge(int grade);
    void AdvanceCurrent();
    void EndPlay(bool completed);

    const Clock& m_clock;
    TypingHeroStore& m_store;
    std::function<TypingHeroGame()> m_source;
    std::function<void(int)> m_handOver;

    double m_width = 0.0;
    double m_height = 0.0;
    double m_hitLine = 0.0;
    GameState m_state = GameState::Menu;
    bool m_unsaved = false;
    bool m_completed = false;
    TypingHeroGame m_game;
    QString m_text;
    qsizetype m_releaseIndex = 0;
    qsizetype m_currentIndex = 0;
    double m_lastRelease = 0.0;
    QList<FallingLetter> m_letters; // oldest first
    int m_meterSteps = MeterSteps;
    double m_shownMeter = 1.0;
    QList<int> m_judgements; // newest first
    int m_score = 0;
    int m_lastGrade = 0;
    int m_gradeDisplay = 0;
    TypingHeroOutcome m_outcome;
};

} // namespace clavora
