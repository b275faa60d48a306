#pragma once

#include <QString>
#include <QtGlobal>

namespace clavora {

// What twelve words in a row earn: seconds on the clock and points.
struct LevelBonus
{
    double seconds = 0.0;
    int points = 0;

    friend bool operator==(const LevelBonus&, const LevelBonus&) = default;
};

// The fixed tables of the race against the clock: points, bonuses, progress levels, which word
// list a word comes from and how the clock reads.
class ThirtySecondsRules final
{
public:
    static constexpr double StartSeconds = 30.0;
    static constexpr int WordsPerLevel = 12;
    static constexpr int QueueLength = 6;
    static constexpr int DoneLength = 6;
    // Word lists for the lengths 3 to 9.
    static constexpr int ShortestWord = 3;
    static constexpr int WordListCount = 7;
    // The clock pulses below this many seconds; the siren sounds between the two.
    static constexpr double PulseBelowSeconds = 7.0;
    static constexpr double SirenAboveSeconds = 1.0;

    // 1 to 9 from the points of every game played.
    static int ProgressLevel(qint64 totalPoints);
    // The level a new game starts at.
    static int StartLevel(qint64 totalPoints);
    // Points for a completed word at a level (its words are level + 2 letters long).
    static int WordPoints(int level);
    // The bonus for finishing a level with that much time left and that many words missed in it.
    static LevelBonus BonusFor(int level, double secondsLeft, int missedThisLevel);
    // The word list (0 for three letters) the next queued word comes from.
    static int WordListIndex(int level, int completedThisLevel);
    // "m:ss.hh", e.g. "1:10.50"; negative time reads "0:00.00".
    static QString ClockText(double seconds);
};

} // namespace clavora
