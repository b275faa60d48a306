#include "app/CourseRules.h"

#include "app/CourseTable.h"
#include "progress/Award.h"
#include "session/ExerciseResult.h"

#include <algorithm>

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
    // Speed and accuracy come from the result's own figures; the skill formula is the award code's.
    ExerciseResult result;
    result.characters = characters;
    result.errors = errors;
    result.durationMs = durationMs;
    return ComputeSkillLevel(result.Kph(), result.AccuracyPercent());
}

} // namespace clavora::CourseRules
