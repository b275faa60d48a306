#include "app/LessonSelection.h"

#include "content/ExerciseCatalogue.h"

namespace clavora::LessonSelection {

LessonSelectionList Build(const ExerciseCatalogue& catalogue, const ResultsStore& results, int currentEntry)
{
    QList<LessonListEntry> lessons;
    QHash<QString, const LessonEntry*> byKey;
    for (const LessonEntry& lesson : catalogue.Lessons()) {
        lessons.append({lesson.Key(), lesson.Ordinal(), lesson.Title()});
        byKey.insert(lesson.Key(), &lesson);
    }
    LessonSelectionList list;
    list.rows = FillLessonProgress(lessons, results);
    for (const LessonProgressRow& row : std::as_const(list.rows)) {
        const LessonEntry* lesson = byKey.value(row.keyText);
        list.descriptions.append(lesson ? lesson->Description() : QString());
        list.previews.append(lesson ? lesson->PreviewText() : QString());
    }
    // Course entry i is lesson row i - 1; the skill test and the closing entry have no row.
    const int row = currentEntry - 1;
    list.currentRow = row >= 0 && row < list.rows.size() ? row : -1;
    return list;
}

} // namespace clavora::LessonSelection
