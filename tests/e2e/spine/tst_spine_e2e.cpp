#include "DesktopSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

using clavora::test::DesktopSession;

namespace {

const QString Program = QStringLiteral(CLAVORA_BINARY_DIR "/bin/clavora");
const QString MainTitle = QStringLiteral("Clavora by Oxley Software");

// Reads one value straight from the settings database, as any outside tool would.
QString ReadRegistry(const QString& dataFolder, const QString& keyPath, const QString& name)
{
    sqlite3* db = nullptr;
    const QByteArray file = (dataFolder + QStringLiteral("/registry.sqlite")).toUtf8();
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return QStringLiteral("<no database>");
    }
    sqlite3_stmt* stmt = nullptr;
    QString result = QStringLiteral("<missing>");
    sqlite3_prepare_v2(db,
                       "SELECT v.data FROM registry_values v JOIN registry_keys k ON k.id = v.key_id "
                       "WHERE k.path = ?1 AND v.name = ?2",
                       -1, &stmt, nullptr);
    const QByteArray key = keyPath.toUtf8();
    const QByteArray value = name.toUtf8();
    sqlite3_bind_text(stmt, 1, key.constData(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(stmt, 2, value.constData(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(stmt) == SQLITE_ROW)
        result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return result;
}

} // namespace

class SpineEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void firstStart_wizardAnswersLandInTheRegistry()
    {
        DesktopSession desktop;
        if (!desktop.IsReady())
            QSKIP("Xvfb and xdotool are needed");
        QProcess* tutor = desktop.Start(Program);
        QVERIFY(!desktop.FocusWindow(QStringLiteral("Getting Started")).isEmpty());
        // "Adult Beginner" is preselected: two up gives "Teen Beginner" (type 3).
        QVERIFY(desktop.Keys({QStringLiteral("Up"), QStringLiteral("Up"), QStringLiteral("Return")}));
        QTest::qWait(300);
        QVERIFY(desktop.Keys({QStringLiteral("Return")})); // Finish with the skill test checked
        QVERIFY(!desktop.FocusWindow(MainTitle).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("alt+F4")}));
        QVERIFY(tutor->waitForFinished(10000));
        QCOMPARE(tutor->exitCode(), 0);

        const QString data = desktop.DataFolder();
        const QString user = ReadRegistry(data, QStringLiteral("Settings"), QStringLiteral("CurrentUser"));
        QVERIFY(!user.startsWith(u'<'));
        const QString profile = QStringLiteral("Users\\") + user;
        QCOMPARE(ReadRegistry(data, profile, QStringLiteral("Type")), QStringLiteral("3"));
        QCOMPARE(ReadRegistry(data, profile, QStringLiteral("TakeInitialSkillTest")), QStringLiteral("1"));
        QCOMPARE(ReadRegistry(data, profile, QStringLiteral("IsSkillTestTaken")), QStringLiteral("0"));
        QCOMPARE(ReadRegistry(data, profile, QStringLiteral("CurrExerciseEntry")), QStringLiteral("0"));
        QCOMPARE(ReadRegistry(data, profile + QStringLiteral("\\Results"), QStringLiteral("NextExercise")),
                 QStringLiteral("Home Row: Overview"));
        QCOMPARE(ReadRegistry(data, QStringLiteral("Settings"), QStringLiteral("CLFirstRun")),
                 QStringLiteral("0"));

        // The second start shows no wizard.
        QProcess* again = desktop.Start(Program);
        QVERIFY(!desktop.FocusWindow(MainTitle).isEmpty());
        QVERIFY(desktop
                    .Xdotool({QStringLiteral("search"), QStringLiteral("--name"),
                              QStringLiteral("Getting Started")})
                    .isEmpty());
        again->terminate();
        QVERIFY(again->waitForFinished(10000));
    }

    void secondStart_handsOverAndExits()
    {
        DesktopSession desktop;
        if (!desktop.IsReady())
            QSKIP("Xvfb and xdotool are needed");
        QProcess* first = desktop.Start(Program);
        QVERIFY(!desktop.FocusWindow(QStringLiteral("Getting Started")).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("Escape")}));
        QVERIFY(!desktop.FocusWindow(MainTitle).isEmpty());

        QElapsedTimer timer;
        timer.start();
        QProcess* second = desktop.Start(Program);
        QVERIFY(second->waitForFinished(5000));
        QCOMPARE(second->exitCode(), 0);
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(first->state(), QProcess::Running);
        const QStringList windows = desktop
                                        .Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                  QStringLiteral("--name"), QStringLiteral("^") + MainTitle})
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
        tutor.start(Program, {QStringLiteral("--quit-after-load")});
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
