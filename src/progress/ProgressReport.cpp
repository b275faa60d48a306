#include "progress/ProgressReport.h"

#include "session/SessionTypes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace clavora::ProgressReport {

QString TypeCell(int exerciseKind)
{
    switch (exerciseKind) {
    case session::Kind::SkillTest:
        return QStringLiteral("Skill Test,");
    case session::Kind::Lesson:
    case session::Kind::KeypadLesson:
        return QStringLiteral("Lesson,");
    case session::Kind::Practice:
        return QStringLiteral("Practice,");
    case session::Kind::SpeedTest:
    case session::Kind::SpeedTestAlt:
        return QStringLiteral("Speed Test,");
    case session::Kind::CustomPractice:
        return QStringLiteral("Custom Practice,");
    case session::Kind::CustomSpeedTest:
        return QStringLiteral("Custom Speed Test,");
    default:
        return QStringLiteral("< unknown >,");
    }
}

QString HeaderLine()
{
    return QStringLiteral("Type,Title,Date,Chars Typed,Words Typed,Duration,WPM/KPH Gross,WPM/KPH Net,"
                          "# Corrections Made,# Incorrect Words,\r\n");
}

QString RowLine(const ResultFigures& figures, int exerciseKind, const QString& title,
                const QDateTime& localTime)
{
    QString quotedTitle = title;
    quotedTitle.replace(u'"', QStringLiteral("\"\""));
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    QString row = TypeCell(exerciseKind);
    row += u'"' + quotedTitle + QStringLiteral("\",");
    row += QString::asprintf("%.4d-%.2d-%.2d %.2d:%.2d,", date.year(), date.month(), date.day(), time.hour(),
                             time.minute());
    row += QString::asprintf("%u,%.2f,%u,%.2f,%.2f,%u,%u,\r\n", figures.characters, figures.characters * 0.2,
                             figures.durationMs / 1000, figures.grossWpm, figures.netWpm, figures.corrections,
                             figures.errors);
    return row;
}

QString FileNameOf(const QDate& localDate)
{
    return QString::asprintf("%.4d-%.2d-%.2d.csv", localDate.year(), localDate.month(), localDate.day());
}

bool AppendReportRow(const QString& folder, const ResultFigures& figures, int exerciseKind,
                     const QString& title, qint64 epochSeconds)
{
    const QDateTime now = QDateTime::fromSecsSinceEpoch(epochSeconds).toLocalTime();
    if (!QDir().mkpath(folder))
        return false;
    QFile file(QDir(folder).filePath(FileNameOf(now.date())));
    const bool existed = file.exists();
    if (existed && !QFileInfo(file).isFile())
        return false;
    QString text = existed ? QString() : HeaderLine();
    text += RowLine(figures, exerciseKind, title, now);
    // Unbuffered and appending: the text leaves in one write call that lands at the file's end.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size();
}

} // namespace clavora::ProgressReport
