#include "app/StartHint.h"

#include "app/CourseTable.h"
#include "content/ExerciseCatalogue.h"

namespace clavora {

namespace {

StartHint Begins(const QString& exercise, const QString& description)
{
    return {QStringLiteral("Press Start or F9 to begin: ") + exercise, description};
}

StartHint LessonHint(int courseEntry, const ExerciseCatalogue& catalogue)
{
    if (courseEntry == CourseTable::SkillTestEntry) {
        return Begins(CourseTable::TitleOf(courseEntry),
                      QStringLiteral("Type for 30 seconds, as well as you can, so the course starts "
                                     "at the right lesson for you."));
    }
    if (courseEntry < CourseTable::FirstLessonEntry || courseEntry > CourseTable::LastLessonEntry) {
        return {QStringLiteral("You have reached the end of the course"),
                QStringLiteral("Choose any lesson again with Lessons (Ctrl+K), or try a practice text "
                               "or a game.")};
    }
    const CourseEntry& entry = CourseTable::At(courseEntry);
    const auto* lesson = catalogue.Lessons().Find(entry.Key());
    return Begins(entry.Title(), lesson ? lesson->Description() + u'.' : QString());
}

QString SpeedTestLength(int seconds)
{
    if (seconds <= 0)
        seconds = 60;
    if (seconds % 60 == 0)
        return QStringLiteral("%1-minute").arg(seconds / 60);
    return QStringLiteral("%1-second").arg(seconds);
}

} // namespace

StartHint StartHint::For(Tab tab, int courseEntry, const ExerciseCatalogue& catalogue, int speedTestSeconds)
{
    switch (tab) {
    case Tab::Lessons:
        return LessonHint(courseEntry, catalogue);
    case Tab::Practice:
        return Begins(QStringLiteral("a practice text picked at random"),
                      QStringLiteral("To choose the text yourself, use Practice (Ctrl+P)."));
    case Tab::Tests:
        return Begins(QStringLiteral("a %1 speed test").arg(SpeedTestLength(speedTestSeconds)),
                      QStringLiteral("The text is picked at random; to choose one, use Tests (Ctrl+T)."));
    default:
        return {};
    }
}

} // namespace clavora
