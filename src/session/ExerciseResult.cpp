#include "session/ExerciseResult.h"

#include <algorithm>

namespace clavora {

namespace {
// Durations this short count as no time at all: the smallest normal single-precision value.
constexpr double ShortestDuration = 1.1754943508222875e-38;
constexpr double WordsPerCharacter = 0.2; // five characters count as a word
} // namespace

void ExerciseResult::ZeroCounters()
{
    durationMs = 0;
    characters = 0;
    corrections = 0;
    errors = 0;
}

double ExerciseResult::Minutes() const
{
    return durationMs * 0.001 * 0.016666666666666666;
}

double ExerciseResult::Hours() const
{
    return durationMs * 0.001 * 0.0002777777777777778;
}

double ExerciseResult::GrossWpm() const
{
    const double minutes = Minutes();
    if (!(minutes > ShortestDuration))
        return 0.0;
    return characters / minutes * WordsPerCharacter;
}

double ExerciseResult::NetWpm() const
{
    return std::max(0.0, GrossWpm() - errors);
}

double ExerciseResult::Kph() const
{
    const double hours = Hours();
    if (!(hours > ShortestDuration))
        return 0.0;
    return std::max(0.0, characters / hours);
}

double ExerciseResult::AccuracyPercent() const
{
    if (characters == 0)
        return 0.0;
    // In doubles: more errors than characters (wrong keys backspaced away) clip to 0, not wrap.
    const double right = static_cast<double>(characters) - static_cast<double>(errors);
    return std::max(0.0, right / characters * 100.0);
}

} // namespace clavora
