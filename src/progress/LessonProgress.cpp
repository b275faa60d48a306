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

QString RecordKeyText(const ResultRecord& record)
{
    return record.Text(RecordValue::ExerciseKey, QStringLiteral("0"));
}

// The seven course sections, each marked by a lesson record of Bronze or better.
class SectionMarks final
{
public:
    void Mark(const ResultRecord& record)
    {
        if (WordToAward(record.Text(RecordValue::Award, QStringLiteral("None"))) < AwardLevel::Bronze)
            return;
        const int key = ValueFormat::ParseInt(RecordKeyText(record), 0);
        // Only lesson keys name a section; any other number would fall outside the course.
        if (key < FirstLessonKey || key >= FirstLessonKey + SectionCount * LessonsPerSection)
            return;
        const int section = (key - FirstLessonKey) / LessonsPerSection;
        if (!m_completed[size_t(section)]) {
            m_completed[size_t(section)] = true;
            ++m_completedCount;
        }
    }

    bool AllMarked() const { return m_completedCount == SectionCount; }

    int FirstIncompleteSection() const
    {
        if (AllMarked())
            return -1;
        const auto firstOpen = std::find(m_completed.begin(), m_completed.end(), false);
        return LessonsPerSection * int(firstOpen - m_completed.begin()) + 1;
    }

private:
    std::array<bool, SectionCount> m_completed{};
    int m_completedCount = 0;
};

QString SpeedText(double netWpm)
{
    return netWpm > 0.0 ? QString::asprintf("%.2f", netWpm) : QString();
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
    SectionMarks marks;
    for (const ResultRecord& record : lessonRecords) {
        marks.Mark(record);
        if (marks.AllMarked())
            break;
    }
    return marks.FirstIncompleteSection();
}

int FirstIncompleteSection(const ResultsStore& store)
{
    // Reading stops once every section is marked: a long history is rarely read to its end.
    SectionMarks marks;
    store.VisitRecords(LessonsKind, {RecordValue::ExerciseKey, RecordValue::Award},
                       [&marks](const ResultRecord& record) {
                           marks.Mark(record);
                           return !marks.AllMarked();
                       });
    return marks.FirstIncompleteSection();
}

} // namespace clavora
