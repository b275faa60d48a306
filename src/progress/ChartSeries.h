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
// does not exist yet gives an empty series. Only what the chart plots is read; the rest of a
// record is read when its point is looked at (LoadPoint).
QList<ChartSeries> LoadChartSeries(const ResultsStore& store);
// One point with everything its tooltip shows.
HistoryPoint LoadPoint(const ResultsStore& store, int exerciseKind, const QString& index);

// The text shown for one point: nine "Name: value" lines for an exercise, date and score for a
// game.
QString PointTooltip(const HistoryPoint& point, bool isGame);

} // namespace clavora
