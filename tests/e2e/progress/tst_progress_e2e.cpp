// A lesson typed through the X keyboard in the real program lands in today's CSV report.
#include "DesktopSession.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTest>

using clavora::test::DesktopSession;

class ProgressEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void finishedLesson_isInTodaysReport()
    {
        DesktopSession desktop;
        if (!desktop.IsReady())
            QSKIP("Xvfb and xdotool are needed");
        // No skill test: the course begins with the first lesson.
        QProcess* tutor = desktop.Start(DesktopSession::Program);
        QVERIFY(desktop.PassWizard(0, false));
        QVERIFY(!desktop.FocusWindow(DesktopSession::MainTitle).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("F9")}));
        QVERIFY(
            !desktop.FocusWindow(DesktopSession::MainTitle + QStringLiteral(" - Lesson 1 - Home Row: Overview")).isEmpty());
        const QStringList lines = DesktopSession::ExerciseLines(1001);
        QVERIFY(!lines.isEmpty());
        QVERIFY(desktop.TypeLines(lines, 40));
        QVERIFY(!desktop.FocusWindow(QStringLiteral("Clavora Course Navigation"), 15000).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("Escape")}));
        QVERIFY(!desktop.FocusWindow(DesktopSession::MainTitle).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("alt+F4")}));
        QVERIFY(tutor->waitForFinished(10000));

        const QDate today = QDate::currentDate();
        QFile report(desktop.DataFolder() + QStringLiteral("/Reports/") + today.toString(u"yyyy-MM-dd") +
                     QStringLiteral(".csv"));
        QVERIFY2(report.open(QIODevice::ReadOnly), qPrintable(report.fileName()));
        const QList<QByteArray> rows = report.readAll().split('\n');
        QCOMPARE(rows.size(), 3);
        QVERIFY(rows[0].startsWith("Type,Title,Date,"));
        const QList<QByteArray> cells = rows[1].split(',');
        QCOMPARE(cells.size(), 11);
        QCOMPARE(cells[0], "Lesson");
        QCOMPARE(cells[1], "\"Home Row: Overview\"");
        QVERIFY(cells[2].startsWith(today.toString(u"yyyy-MM-dd").toUtf8()));
        QVERIFY(cells[3].toInt() > 20);     // characters typed
        QVERIFY(cells[7].toDouble() > 5.0); // net speed
        QCOMPARE(cells[10], "\r");
    }
};

QTEST_GUILESS_MAIN(ProgressEndToEndTest)
#include "tst_progress_e2e.moc"
