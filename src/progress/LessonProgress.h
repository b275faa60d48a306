#pragma once

#include "progress/Award.h"
#include "progress/ResultRecord.h"

#include <QList>
#include <QString>

namespace clavora {

class ResultsStore;

// A lesson of the catalogue as the lesson list shows it.
struct LessonListEntry
{
    QString keyText;
    int ordinal = 0;
    QString title;
};

// What the stored results say about one lesson.
struct LessonFigures
{
    double latestNetWpm = 0.0; // of the newest record
    double bestNetWpm = 0.0;
    AwardLevel bestAward = AwardLevel::None; // a skip never counts
};

// One row of the lesson selection list, as texts; empty cells have nothing to show.
struct LessonProgressRow
{
    QString number; // the lesson's ordinal minus 1
    QString title;
    QString latestNetWpm;
    QString bestNetWpm;
    QString award;
    QString keyText;
};

// The "Lessons" records with the values the lesson list and the course-section check read
// (key, net speed, award), in one pass: read them once and hand them to both.
QList<ResultRecord> ReadLessonRecords(const ResultsStore& store);

// The rows of the lesson list, one per lesson in the order given (the skill test left out), from
// the lesson records read once.
QList<LessonProgressRow> FillLessonProgress(const QList<LessonListEntry>& lessons,
                                            const QList<ResultRecord>& lessonRecords);
QList<LessonProgressRow> FillLessonProgress(const QList<LessonListEntry>& lessons, const ResultsStore& store);

// The figures of one lesson, by its key text.
LessonFigures FiguresOfLesson(const QString& keyText, const QList<ResultRecord>& lessonRecords);

// The course entry of the first lesson (1, 5, 9 ... 25) of the first of the seven sections in
// which no lesson has earned Bronze or better, or -1 when every section has such a lesson.
int FirstIncompleteSection(const QList<ResultRecord>& lessonRecords);
// The same, reading only the two values it needs from the stored lessons.
int FirstIncompleteSection(const ResultsStore& store);

} // namespace clavora
