#pragma once

#include "progress/Award.h"

#include <QDateTime>
#include <QString>

namespace clavora {

// The day-by-day CSV log of finished exercises: one file per local day in the report folder,
// UTF-8 without byte-order mark, every line ending with a comma before CR LF.
namespace ProgressReport {

// "Lesson,", "Speed Test," ... or "< unknown >," for kinds without a report name.
QString TypeCell(int exerciseKind);
// The first line of a new file.
QString HeaderLine();
// One row. Double quotes inside the title are doubled, so a spreadsheet still reads ten cells.
QString RowLine(const ResultFigures& figures, int exerciseKind, const QString& title,
                const QDateTime& localTime);
// "2020-06-01.csv"
QString FileNameOf(const QDate& localDate);

// Adds the row to the file of the local day of the given moment, with the header when the file is
// new. The whole text goes out in one write, so a crash never leaves half a row for the next row
// to be glued to. False when the folder or file cannot be written; the row is then lost.
bool AppendReportRow(const QString& folder, const ResultFigures& figures, int exerciseKind,
                     const QString& title, qint64 epochSeconds);

} // namespace ProgressReport

} // namespace clavora
