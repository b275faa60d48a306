#include "games/FlurrixRules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace clavora::FlurrixRules {

int PointsForLength(int length)
{
    static constexpr std::array Points = {10, 25, 50, 100, 150, 250, 400, 600, 800, 1200};
    if (length < 1 || length > static_cast<int>(Points.size()))
        return 0;
    return Points[static_cast<size_t>(length - 1)];
}

LengthRange LengthRangeForLevel(int level)
{
    LengthRange range;
    if (level <= 2)
        range.longest = 1;
    else if (level <= 6)
        range.longest = 3;
    else if (level <= 10)
        range.longest = 4;
    else if (level <= 15)
        range.longest = 5;
    else if (level <= 20)
        range.longest = 6;
    else if (level <= 25)
        range.longest = 7;
    else if (level <= 30)
        range.longest = 8;
    else
        range.longest = 9;

    if (level <= 10)
        range.shortest = 1;
    else if (level <= 20)
        range.shortest = 3;
    else if (level <= 30)
        range.shortest = 4;
    else
        range.shortest = 6;
    return range;
}

int WrongKeyPenalty(int level)
{
    if (level <= 5)
        return 0;
    if (level < 30)
        return level / 2;
    return 15;
}

int LetterSetForHighestLesson(int highestLessonKey)
{
    if (highestLessonKey < 1005)
        return 0;
    if (highestLessonKey < 1009)
        return 1;
    return 2;
}

QString LetterSet(int index)
{
    static const std::array Sets = {QStringLiteral("asdfghjkl;"), QStringLiteral("asdfghjkl;qwertyuiop"),
                                    QStringLiteral("asdfghjkl;qwertyuiopzxcvbnm")};
    return Sets[static_cast<size_t>(std::clamp(index, 0, 2))];
}

double SpawnIntervalSeconds(int level, double wave, double skill)
{
    const double x = level <= 12 ? level + wave : std::abs(wave + 13.0);
    return (1.75 - 0.04 * x) / std::max(skill, 0.3);
}

int FallStep(double skill, double fieldHeight)
{
    return std::max(1, static_cast<int>(std::floor(std::max(skill, 0.1) * fieldHeight * 0.0025)));
}

Wave AdvanceWave(Wave wave, int level)
{
    constexpr double Pi = std::numbers::pi;
    if (level <= 10) {
        wave.phase += Pi / 10;
        wave.value = std::sin(wave.phase) * level;
    } else if (level <= 15) {
        wave.phase += Pi / 30;
        wave.value = std::sin(wave.phase) * (level - 2);
    } else {
        wave.phase += Pi / (2.0 * level);
        wave.value = std::sin(wave.phase) * 10;
    }
    while (wave.phase > 2 * Pi)
        wave.phase -= 2 * Pi;
    return wave;
}

} // namespace clavora::FlurrixRules
