#pragma once

#include "progress/History.h"

#include <QList>
#include <QString>

namespace clavora {

class ResultsStore;

// One line of the progress chart: the results history of one folder.
struct ChartSeries
{
    QString name;
    int exerciseKind = 0;
    bool isGame = false; // plotted by score, not by net speed
    ResultHistory history;
};

// The five series in their fixed order: "Lessons", "Tests" and the three games. A folder that
// does not exist yet gives an empty series.
QList<ChartSeries> LoadChartSeries(const ResultsStore& store);

// The text shown for one point: nine "Name: value" lines for an exercise, date and score for a
// game.
QString PointTooltip(const HistoryPoint& point, bool isGame);

} // namespace clavora
