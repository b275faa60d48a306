#include "app/CourseRules.h"

#include "app/CourseTable.h"

#include <algorithm>
#include <limits>

namespace clavora::CourseRules {

int NextCourseEntry(const NextEntryInputs& in)
{
    const int i = in.current;
    if (in.repeatFlag)
        return i;
    if (i == CourseTable::SkillTestEntry)
        return CourseTable::FirstLessonEntry;
    if (i == CourseTable::LastLessonEntry && in.firstIncompleteSection) {
        const int incomplete = in.firstIncompleteSection();
        if (incomplete != -1)
            return incomplete;
    }
    const float s = std::max(in.skillLevel, 0.1f);
    const int p = (i - 1) % 4;
    if (s > 0.8f)
        return std::min(i - p + 4, CourseTable::LastLessonEntry);
    // 0.6 is compared in double precision with the single-precision value read back.
    if (s > 0.7f || double(in.lastSkillLevel) > 0.6)
        return p <= 2 ? i + 2 : i + 1;
    return i + 1;
}

double SkillLevelOf(quint32 characters, quint32 errors, quint32 durationMs)
{
    const double hours = double(durationMs) * 0.001 / 3600.0;
    const double charactersPerHour =
        hours > double(std::numeric_limits<float>::denorm_min()) ? double(characters) / hours : 0.0;
    const double accuracy =
        characters == 0 ? 0.0
                        : std::max(0.0, (double(characters) - double(errors)) / double(characters) * 100.0);
    const double speedFactor =
        charactersPerHour / 30000.0 > 0.0 ? std::min(charactersPerHour / 30000.0, 1.0) : 0.0;
    const double accuracyFactor = accuracy / 100.0 > 0.0 ? std::min(accuracy / 100.0, 1.0) : 0.0;
    return speedFactor * accuracyFactor;
}

} // namespace clavora::CourseRules
