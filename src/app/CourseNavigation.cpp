#include "app/CourseNavigation.h"

#include "app/CommandIds.h"
#include "app/CourseTable.h"
#include "platform/RandomGenerator.h"

namespace clavora {

namespace {

const QString FlurrixTitle = QStringLiteral("Flurrix");

QString Skip(const QString& what)
{
    return QStringLiteral("Skip %1").arg(what);
}

QString ContinueOnTo(int entry)
{
    return QStringLiteral("Continue on to %1").arg(CourseTable::TitleOf(entry));
}

} // namespace

bool OffersGameBreak(const ExerciseFinishedInputs& in)
{
    return in.gameBreakCountdown == 0;
}

std::optional<QList<CourseButton>> ExerciseFinishedButtons(const ExerciseFinishedInputs& in)
{
    if (in.repeatFlag && !in.buttonsEnabled)
        return std::nullopt;
    QList<CourseButton> buttons;
    if (!in.buttonsEnabled)
        return buttons;

    const int n = in.nextEntry;
    const int last = in.lastLessonIndex;
    const bool repeatAllowed = !in.repeatSuppressed;
    const bool skillTestLike = in.resultKind == ExerciseKind::SkillTest || in.currentEntry < 1;
    const bool gameBreak = OffersGameBreak(in);

    const bool leaveOutStart = n > CourseTable::LastLessonEntry ||
                               (n == last && repeatAllowed && !skillTestLike) ||
                               (skillTestLike && in.repeatFlag);
    if (!leaveOutStart) {
        CourseButton start;
        start.label =
            in.currentEntry < 1 ? QStringLiteral("Start Exercise") : QStringLiteral("Start Next Exercise");
        start.description = gameBreak ? FlurrixTitle : CourseTable::TitleOf(n);
        start.commandId = gameBreak ? Command::FlurrixGameBreak : Command::CourseStart;
        buttons.append(start);
    }

    if (n + 1 <= CourseTable::LastLessonEntry) {
        CourseButton skip;
        if (gameBreak) {
            skip.label = Skip(FlurrixTitle);
            skip.description = ContinueOnTo(n);
            skip.commandId = Command::CourseStart;
        } else {
            skip.label = Skip(CourseTable::TitleOf(in.repeatFlag ? last : n));
            skip.description = ContinueOnTo(n + 1);
            skip.commandId = Command::CourseNext;
        }
        buttons.append(skip);
    }

    const bool leaveOutRepeat = (skillTestLike && !in.repeatFlag) || in.repeatSuppressed;
    if (!leaveOutRepeat) {
        CourseButton repeat;
        repeat.label =
            in.repeatFlag ? QStringLiteral("Restart This Exercise") : QStringLiteral("Repeat This Exercise");
        repeat.description = CourseTable::TitleOf(last);
        repeat.commandId = Command::CourseRepeat;
        buttons.append(repeat);
    }
    return buttons;
}

const QStringList& ExerciseTips()
{
    static const QStringList tips = {
        QStringLiteral("Remember to sit up straight."),
        QStringLiteral("Try not to bang the keys."),
        QStringLiteral("Try not to look at the keyboard."),
        QStringLiteral("Go for accuracy, not speed."),
        QStringLiteral("Hands should be above the keyboard, fingers curved."),
        QStringLiteral("Try to relax and not tense up."),
    };
    return tips;
}

QString ChooseTip(RandomGenerator& random)
{
    const QStringList& tips = ExerciseTips();
    return tips.at(random.Next() % int(tips.size()));
}

} // namespace clavora
