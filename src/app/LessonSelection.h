#pragma once

#include "progress/LessonProgress.h"

#include <QList>
#include <QString>

namespace clavora {

class ExerciseCatalogue;
class ResultsStore;

// What the lesson selection dialog shows: one row per lesson with the user's figures, the texts
// shown beside the list for the chosen row, and the row of the current course entry.
struct LessonSelectionList
{
    QList<LessonProgressRow> rows;
    QStringList descriptions; // one per row
    QStringList previews;     // one per row
    int currentRow = -1;      // -1: none
};

namespace LessonSelection {

// Every lesson of the catalogue but the skill test, in catalogue order, with the user's latest
// and best net speed and best award; the current course entry's row selected.
LessonSelectionList Build(const ExerciseCatalogue& catalogue, const ResultsStore& results, int currentEntry);

} // namespace LessonSelection

} // namespace clavora
