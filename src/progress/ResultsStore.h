#pragma once

#include "progress/Award.h"
#include "progress/ResultRecord.h"

#include <functional>
#include <QList>
#include <QString>

namespace clavora {

class SettingsStore;

// The current user's stored results: one numbered subkey per finished exercise, skipped course
// step or finished game, in the results folder of the exercise kind. Records are only ever
// added. Every save runs in one transaction, so a record is either whole or absent, and never
// lands on a number that is already taken.
class ResultsStore final
{
public:
    explicit ResultsStore(SettingsStore& settings) : m_settings(settings) {}

    // The number the next record of this kind gets: the count of records plus one, or the next
    // free number above it when that one is taken; 0 for a kind without a results folder or
    // when there is no current user.
    int NextIndex(int exerciseKind) const;

    // Raises the best net speed and accuracy, then writes the record from "Date" to "Award".
    // Returns the record's number, or 0 when nothing was stored.
    int SaveExerciseResult(const ResultFigures& figures, int exerciseKind, qint64 epochSeconds);
    // A course step passed over: only "Award" ("Skipped") and "ExerciseKey". Returns the number or 0.
    int SaveSkipped(const QString& exerciseKeyText, int exerciseKind);
    // A finished game (kinds 10, 11, 12): "Date", "Timestamp" and "Score". Returns the number or 0.
    int SaveGameScore(int score, int exerciseKind, qint64 epochSeconds);
    // Marks an existing hero-game record as completed or not.
    bool SaveCompleted(bool completed, int recordIndex);

    // Every record of a kind's folder in enumeration order, read in one pass; the second form
    // reads only the values named, which is much faster for long histories.
    QList<ResultRecord> ReadRecords(int exerciseKind) const;
    QList<ResultRecord> ReadRecords(int exerciseKind, const QList<RecordValue>& values) const;
    // The same records one at a time; reading stops as soon as `visit` returns false.
    void VisitRecords(int exerciseKind, const QList<RecordValue>& values,
                      const std::function<bool(const ResultRecord&)>& visit) const;

    // "%.4d-%.2d-%.2d" of the local date at the given moment.
    static QString LocalDateText(qint64 epochSeconds);

private:
    bool HasResultsFolder(int exerciseKind) const;
    QString RecordKey(int exerciseKind, int recordIndex) const;
    void RaiseBestFigures(const ResultFigures& figures);

    SettingsStore& m_settings;
};

} // namespace clavora
