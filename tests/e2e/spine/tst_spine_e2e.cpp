// The first start is part of the course run (tst_course_e2e); here a second start hands over.
#include "DesktopSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using clavora::test::DesktopSession;

class SpineEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void secondStart_handsOverAndExits()
    {
        DesktopSession desktop;
        if (!desktop.IsReady())
            QSKIP("Xvfb and xdotool are needed");
        QProcess* first = desktop.Start(DesktopSession::Program);
        QVERIFY(!desktop.FocusWindow(QStringLiteral("Getting Started")).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("Escape")}));
        QVERIFY(!desktop.FocusWindow(DesktopSession::MainTitle).isEmpty());

        QElapsedTimer timer;
        timer.start();
        QProcess* second = desktop.Start(DesktopSession::Program);
        QVERIFY(second->waitForFinished(5000));
        QCOMPARE(second->exitCode(), 0);
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(first->state(), QProcess::Running);
        const QStringList windows =
            desktop
                .Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                          QStringLiteral("^") + DesktopSession::MainTitle})
                .split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(windows.size(), 1);
    }

    // A settings file that cannot be opened, on a first start: with --quit-after-load nothing
    // waits for a person; the problem goes to standard error and the exit code says so.
    void quitAfterLoad_reportsProblemsWithoutWaiting()
    {
        QTemporaryDir data;
        const QString folder = data.path() + QStringLiteral("/Oxley Software/Clavora");
        QVERIFY(QDir().mkpath(folder));
        sqlite3* db = nullptr;
        QCOMPARE(
            sqlite3_open(QFile::encodeName(folder + QStringLiteral("/registry.sqlite")).constData(), &db),
            SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "CREATE TABLE t(x); PRAGMA user_version=99", nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(db);

        QProcess tutor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), data.path() + QStringLiteral("/cache"));
        tutor.setProcessEnvironment(environment);
        tutor.start(DesktopSession::Program, {QStringLiteral("--quit-after-load")});
        const bool finished = tutor.waitForFinished(60000);
        if (!finished) {
            tutor.kill();
            tutor.waitForFinished();
        }
        QVERIFY(finished);
        QCOMPARE_NE(tutor.exitCode(), 0);
        QVERIFY(tutor.readAllStandardError().contains("settings file could not be opened"));
    }
};

QTEST_GUILESS_MAIN(SpineEndToEndTest)
#include "tst_spine_e2e.moc"
