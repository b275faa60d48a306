#pragma once

#include <functional>
#include <QList>
#include <QString>

namespace clavora {

// The course's decisions, free of storage and windows: where the course goes next.
namespace CourseRules {

struct NextEntryInputs
{
    int current = 0;
    bool repeatFlag = false;
    float skillLevel = 0.1f;     // at least 0.1
    float lastSkillLevel = 0.0f; // as stored, read in single precision
    // Asked only at the last lesson.
    std::function<int()> firstIncompleteSection;
};

// The course entry that follows the current one; a fast, accurate user skips ahead.
int NextCourseEntry(const NextEntryInputs& in);

// The skill shown by one finished exercise: speed (up to 30000 characters per hour) times
// accuracy, each as a fraction of its best.
double SkillLevelOf(quint32 characters, quint32 errors, quint32 durationMs);

} // namespace CourseRules

} // namespace clavora
