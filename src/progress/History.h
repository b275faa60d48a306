#pragma once

#include "progress/ResultRecord.h"

#include <QList>
#include <QString>

namespace clavora {

class ResultsStore;

// One stored result as the progress chart shows it.
struct HistoryPoint
{
    QString index; // the record's number in its folder
    QString title;
    QString date;
    QString wpmGross;
    QString wpmNet;
    QString errors;
    QString corrections;
    QString durationText; // "12.34 s"
    QString accuracyText; // "98.50%"; empty when the record counts no characters
    QString awardText;    // the award word, "... with Honors" when earned
    int score = -1;       // -1 for an exercise
    qint64 timestamp = 0;
    float value = 0.0f; // the score of a game, else the net speed
};

// The points of one results folder in time order, and the largest value (at least 1).
struct ResultHistory
{
    QList<HistoryPoint> points;
    double maximum = 1.0;
};

// Skipped steps and records with nothing to plot are left out; equal timestamps keep the
// records' stored order.
ResultHistory BuildHistory(const QList<ResultRecord>& records);
ResultHistory LoadHistory(const ResultsStore& store, int exerciseKind);

} // namespace clavora
