#pragma once

#include "progress/Award.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace clavora {

// One line of figures in the results summary: its label and its value, and where the value
// starts (the lower rows sit a little further right).
struct SummaryRow
{
    QString label;
    QString value;
    int valueX = 145;
};

// The panel that shows the figures of the exercise or game that has just ended, as texts; the
// dialog only draws them.
struct ResultsSummary
{
    QString heading;    // "Exercise Results" or "Game Results"
    QString titleLabel; // "Exercise title: " or "Game title: "
    QString title;
    QList<SummaryRow> rows;
    // Lines under the rows (the rows keep their places): comparisons, why the course moves on.
    QStringList notes;
    // Nothing was rated: the notes are shown subdued.
    bool dimmed = false;
};

namespace ResultsSummaries {

// The exercise layout: duration, speeds, errors, corrections, accuracy, award, and the lessons
// until the next game when that count is not 0.
ResultsSummary OfExercise(const ResultFigures& figures, const QString& title, int lessonsToGame);

// The game layouts: Flurrix (kind 10) shows the high score, the other game the total points.
ResultsSummary OfGame(int gameKind, quint32 score, int bestOrTotal, int lessonsToGame);

} // namespace ResultsSummaries

} // namespace clavora
