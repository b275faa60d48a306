#include "progress/LessonProgress.h"

#include "progress/ResultsStore.h"
#include "settings/ValueFormat.h"

#include <algorithm>
#include <array>
#include <QHash>

namespace clavora {

namespace {

constexpr int LessonsKind = 2;
const QString SkillTestKey = QStringLiteral("999");

constexpr int FirstLessonKey = 1001;
constexpr int LessonsPerSection = 4;
constexpr int SectionCount = 7;

// Adds one record of the lesson to its figures; records must come in enumeration order.
void Accumulate(LessonFigures& figures, const ResultRecord& record)
{
    // A skip has no speed: it blanks the latest speed, and "Skipped" never beats the best award.
    const AwardLevel award = WordToAward(record.Text(RecordValue::Award, QStringLiteral("None")));
    const double netWpm = ValueFormat::ParseReal(record.Text(RecordValue::WPMNet, QStringLiteral("0.0")));
    figures.latestNetWpm = netWpm;
    figures.bestNetWpm = std::max(figures.bestNetWpm, netWpm);
    figures.bestAward = std::max(figures.bestAward, award);
}

QString SpeedText(double netWpm)
{
    return netWpm > 0.0 ? QString::asprintf("%.2f", netWpm) : QString();
}

QString RecordKeyText(const ResultRecord& record)
{
    return record.Text(RecordValue::ExerciseKey, QStringLiteral("0"));
}

} // namespace

LessonFigures FiguresOfLesson(const QString& keyText, const QList<ResultRecord>& lessonRecords)
{
    LessonFigures figures;
    for (const ResultRecord& record : lessonRecords) {
        if (RecordKeyText(record) == keyText)
            Accumulate(figures, record);
    }
    return figures;
}

QList<LessonProgressRow> FillLessonProgress(const QList<LessonListEntry>& lessons,
                                            const QList<ResultRecord>& lessonRecords)
{
    // One pass over the records, however many lessons the list has.
    QHash<QString, LessonFigures> figuresByKey;
    for (const ResultRecord& record : lessonRecords)
        Accumulate(figuresByKey[RecordKeyText(record)], record);

    QList<LessonProgressRow> rows;
    rows.reserve(lessons.size());
    for (const LessonListEntry& lesson : lessons) {
        if (lesson.keyText == SkillTestKey)
            continue;
        const LessonFigures figures = figuresByKey.value(lesson.keyText);
        LessonProgressRow row;
        row.number = lesson.ordinal >= 1 ? QString::number(lesson.ordinal - 1) : QString();
        row.title = lesson.title;
        row.latestNetWpm = SpeedText(figures.latestNetWpm);
        row.bestNetWpm = SpeedText(figures.bestNetWpm);
        row.award = figures.bestAward > AwardLevel::None ? AwardToWord(figures.bestAward) : QString();
        row.keyText = lesson.keyText;
        rows.append(row);
    }
    return rows;
}

QList<ResultRecord> ReadLessonRecords(const ResultsStore& store)
{
    return store.ReadRecords(LessonsKind,
                             {RecordValue::ExerciseKey, RecordValue::WPMNet, RecordValue::Award});
}

QList<LessonProgressRow> FillLessonProgress(const QList<LessonListEntry>& lessons, const ResultsStore& store)
{
    return FillLessonProgress(lessons, ReadLessonRecords(store));
}

int FirstIncompleteSection(const QList<ResultRecord>& lessonRecords)
{
    std::array<bool, SectionCount> completed{};
    int completedCount = 0;
    for (const ResultRecord& record : lessonRecords) {
        if (WordToAward(record.Text(RecordValue::Award, QStringLiteral("None"))) < AwardLevel::Bronze)
            continue;
        const int key = ValueFormat::ParseInt(RecordKeyText(record), 0);
        // Only lesson keys name a section; any other number would fall outside the course.
        if (key < FirstLessonKey || key >= FirstLessonKey + SectionCount * LessonsPerSection)
            continue;
        const int section = (key - FirstLessonKey) / LessonsPerSection;
        if (!completed[size_t(section)]) {
            completed[size_t(section)] = true;
            if (++completedCount == SectionCount)
                return -1;
        }
    }
    const auto firstOpen = std::find(completed.begin(), completed.end(), false);
    return LessonsPerSection * int(firstOpen - completed.begin()) + 1;
}

int FirstIncompleteSection(const ResultsStore& store)
{
    return FirstIncompleteSection(
        store.ReadRecords(LessonsKind, {RecordValue::ExerciseKey, RecordValue::Award}));
}

} // namespace clavora
