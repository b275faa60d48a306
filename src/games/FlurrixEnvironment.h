#pragma once

#include <QString>

namespace clavora {

// What the falling-words game needs from the program around it: the user's progress, the error
// sound, and where a finished game's score goes. The main window's games controller answers it;
// tests answer it with a fake.
class FlurrixEnvironment
{
public:
    virtual ~FlurrixEnvironment() = default;
    // The folder that holds "1letterwords.csv" to "9letterwords.csv".
    virtual QString WordListFolder() const = 0;
    // The user's skill level kept by the course (at least 0.1).
    virtual double SkillLevel() const = 0;
    // The largest lesson key among the user's lesson results; 0 when there is none.
    virtual int HighestLessonKey() const = 0;
    virtual int HighScore() const = 0;
    // A key that matched no word, when the user wants error sounds.
    virtual void PlayErrorSound() = 0;
    // A game has ended with this score: store it and tell the main window (once per game).
    virtual void GameEnded(int score) = 0;
    // A game played as a break in the course was lost; the course takes over again.
    virtual void GameBreakEnded() = 0;
};

} // namespace clavora
