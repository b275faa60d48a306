#include "games/ThirtySecondsRules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace clavora {

int ThirtySecondsRules::ProgressLevel(qint64 totalPoints)
{
    static constexpr std::array<qint64, 8> Thresholds{364000, 182000, 96000, 48000, 24000, 12000, 6000, 3000};
    for (size_t i = 0; i < Thresholds.size(); ++i) {
        if (totalPoints > Thresholds[i])
            return 9 - static_cast<int>(i);
    }
    return 1;
}

int ThirtySecondsRules::StartLevel(qint64 totalPoints)
{
    if (totalPoints > 182000)
        return 4;
    if (totalPoints > 12000)
        return 2;
    return 1;
}

int ThirtySecondsRules::WordPoints(int level)
{
    static constexpr std::array<std::pair<int, int>, 5> PointsByLength{
        {{4, 100}, {5, 150}, {6, 250}, {7, 400}, {8, 600}}};
    const int length = level + 2;
    if (length < 4)
        return 50;
    for (const auto& [wordLength, points] : PointsByLength) {
        if (length == wordLength)
            return points;
    }
    return 800;
}

LevelBonus ThirtySecondsRules::BonusFor(int level, double secondsLeft, int missedThisLevel)
{
    LevelBonus bonus{10.0, level * 500};
    for (const bool earned : {secondsLeft > 10.0, secondsLeft > 20.0, missedThisLevel == 0}) {
        if (earned) {
            bonus.seconds += 5.0;
            bonus.points += level * 250;
        }
    }
    return bonus;
}

int ThirtySecondsRules::WordListIndex(int level, int completedThisLevel)
{
    int index = std::clamp(level, 1, WordListCount) - 1;
    // Once the queue reaches past the level's last word, the words after it are one letter longer.
    if (level < WordListCount - 1 && WordsPerLevel - completedThisLevel + 1 <= QueueLength)
        ++index;
    return index;
}

QString ThirtySecondsRules::ClockText(double seconds)
{
    // Counting in hundredths first keeps 9.999 from reading "0:010.00" and 59.999 from "0:60.00".
    const qint64 hundredths = seconds > 0.0 ? std::llround(seconds * 100.0) : 0;
    const qint64 minutes = hundredths / 6000;
    const qint64 rest = hundredths % 6000;
    return QString::asprintf("%lld:%02lld.%02lld", minutes, rest / 100, rest % 100);
}

} // namespace clavora
