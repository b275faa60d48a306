#pragma once

#include <QString>

namespace clavora::FlurrixRules {

// The words of one length the game may draw at a level.
struct LengthRange
{
    int shortest = 1;
    int longest = 1;
};

constexpr int LevelUpWordsMax = 5;
constexpr int StartHealth = 100;
constexpr int StartBombs = 3;
constexpr int LandingHealthLoss = 25;
constexpr int CompletionHealthGain = 2;
constexpr int BonusMultiplier = 10;
// A word lands when its top reaches this far above the field's bottom.
constexpr int LandingMargin = 25;
constexpr int MaxWordLength = 259;

// Points for completing a word of a length (0 past ten letters).
int PointsForLength(int length);
LengthRange LengthRangeForLevel(int level);
// Health lost for a key that matches no falling word.
int WrongKeyPenalty(int level);
// The letters a user may see, by the highest lesson with a result (0 when there is none).
int LetterSetForHighestLesson(int highestLessonKey);
QString LetterSet(int index);
// Seconds between new words before the random stretch, by level, wave and skill level.
double SpawnIntervalSeconds(int level, double wave, double skill);
// Pixels a word falls each frame.
int FallStep(double skill, double fieldHeight);

// The difficulty wave after a completed word: the new phase and wave for the level reached.
struct Wave
{
    double phase = 0.0;
    double value = 1.0;
};
Wave AdvanceWave(Wave wave, int level);

} // namespace clavora::FlurrixRules
