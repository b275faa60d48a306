#include "app/ResultNotes.h"

#include "app/CourseTable.h"
#include "app/ResultsSummary.h"

#include <cmath>

namespace clavora::ResultNotes {

namespace {

QString Difference(double now, double before)
{
    const long change = std::lround(now - before);
    if (change == 0)
        return QStringLiteral("the same as");
    return (change > 0 ? QStringLiteral("+") : QString()) + QString::number(change) +
           QStringLiteral(" WPM on");
}

} // namespace

QString Comparison(double netWpm, const std::optional<LessonFigures>& before)
{
    // A lesson never typed has no figures; one typed at no speed at all gives nothing to beat.
    if (!before || (before->latestNetWpm <= 0.0 && before->bestNetWpm <= 0.0))
        return {};
    return Difference(netWpm, before->latestNetWpm) + QStringLiteral(" your latest, ") +
           Difference(netWpm, before->bestNetWpm) + QStringLiteral(" your best");
}

QString CourseMove(int current, int next)
{
    const bool lessons = current >= CourseTable::FirstLessonEntry && next <= CourseTable::LastLessonEntry;
    if (!lessons || next <= current + 1)
        return {};
    return QStringLiteral("Your skill level lets you skip ahead to %1.").arg(CourseTable::TitleOf(next));
}

void MarkStopped(ResultsSummary& summary)
{
    summary.rows.clear();
    summary.notes = {QStringLiteral("Stopped - not rated")};
    summary.dimmed = true;
}

} // namespace clavora::ResultNotes
