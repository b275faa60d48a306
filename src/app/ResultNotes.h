#pragma once

#include "progress/LessonProgress.h"

#include <optional>
#include <QString>

namespace clavora {

struct ResultsSummary;

// The lines under the figures of the results summary that put a result in context: how it
// compares with the lesson's earlier results, and why the course moves past a lesson.
namespace ResultNotes {

// "+8 WPM on your latest, -2 WPM on your best", against the lesson's results before this one;
// empty when there were none.
QString Comparison(double netWpm, const std::optional<LessonFigures>& before);
// Why the course goes from current to next when it leaves lessons out; empty otherwise.
QString CourseMove(int current, int next);
// A stopped exercise: its title and "Stopped - not rated" instead of a table of zeros.
void MarkStopped(ResultsSummary& summary);

} // namespace ResultNotes

} // namespace clavora
