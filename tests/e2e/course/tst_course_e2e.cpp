// The course in the real program: the skill test and two lessons typed through the X keyboard,
// then the stored results read back from the settings database.
#include "DesktopSession.h"

#include <QElapsedTimer>
#include <QHash>
#include <QTest>
#include <sqlite3.h>

using clavora::test::DesktopSession;

namespace {

const QString Program = QStringLiteral(CLAVORA_BINARY_DIR "/bin/clavora");
const QString MainTitle = QStringLiteral("Clavora by Oxley Software");
const QString NavigationTitle = QStringLiteral("Clavora Course Navigation");
constexpr int SkillTestMs = 30000;
constexpr int KeyDelayMs = 40;

// Every value of every key whose path starts with the prefix, by key path and value name.
using Values = QHash<QString, QHash<QString, QString>>;
Values ReadKeys(const QString& dataFolder, const QString& pathPrefix)
{
    Values values;
    sqlite3* db = nullptr;
    const QByteArray file = (dataFolder + QStringLiteral("/registry.sqlite")).toUtf8();
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db,
                           "SELECT k.path, v.name, v.data FROM registry_keys k "
                           "JOIN registry_values v ON v.key_id = k.id WHERE k.path LIKE ?1 || '%'",
                           -1, &stmt, nullptr);
        const QByteArray prefix = pathPrefix.toUtf8();
        sqlite3_bind_text(stmt, 1, prefix.constData(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const auto text = [stmt](int column) {
                return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)));
            };
            values[text(0)].insert(text(1), text(2));
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return values;
}

QString ProfileValue(const QString& dataFolder, const QString& user, const QString& name)
{
    return ReadKeys(dataFolder, QStringLiteral("Users\\") + user)
        .value(QStringLiteral("Users\\") + user)
        .value(name);
}

// Types the skill test's text in short pieces until its half minute is over, so no key is left
// over to land in the dialog that follows.
bool TypeSkillTest(const DesktopSession& desktop)
{
    const QString text = DesktopSession::ExerciseLines(999).join(u' ');
    QElapsedTimer clock;
    clock.start();
    // A space at a line end types the line break.
    for (qsizetype at = 0; at < text.size() && clock.elapsed() < SkillTestMs - 1500; at += 8) {
        if (!desktop.TypeText(text.mid(at, 8), KeyDelayMs))
            return false;
    }
    return true;
}

} // namespace

class CourseEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void skillTestAndTwoLessons_areStored()
    {
        DesktopSession desktop;
        if (!desktop.IsReady())
            QSKIP("Xvfb and xdotool are needed");
        QProcess* tutor = desktop.StartFirstRun(Program, true);
        QVERIFY(tutor);
        QVERIFY(!desktop.FocusWindow(MainTitle).isEmpty());
        const QString data = desktop.DataFolder();
        const QString user = ReadKeys(data, QStringLiteral("Settings"))
                                 .value(QStringLiteral("Settings"))
                                 .value(QStringLiteral("CurrentUser"));
        QVERIFY(!user.isEmpty());

        // The skill test: F9 on the Lessons tab, half a minute of typing, then the course dialog.
        QVERIFY(desktop.Keys({QStringLiteral("F9")}));
        QTest::qWait(500);
        QVERIFY(TypeSkillTest(desktop));
        QVERIFY(!desktop.FocusWindow(NavigationTitle, 15000).isEmpty());
        QCOMPARE(ProfileValue(data, user, QStringLiteral("IsSkillTestTaken")), QStringLiteral("1"));

        // "Start Exercise" is the default button: the first lesson, once the first goal offered
        // after the skill test has been left as it was.
        QVERIFY(desktop.Keys({QStringLiteral("Return")}));
        QVERIFY(!desktop.FocusWindow(QStringLiteral("Goal WPM")).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("Escape")}));
        QVERIFY(
            !desktop.FocusWindow(MainTitle + QStringLiteral(" - Lesson 1 - Home Row: Overview")).isEmpty());
        QCOMPARE(ProfileValue(data, user, QStringLiteral("CurrExerciseEntry")), QStringLiteral("1"));
        QVERIFY(desktop.TypeLines(DesktopSession::ExerciseLines(1001), KeyDelayMs));
        QVERIFY(!desktop.FocusWindow(NavigationTitle, 15000).isEmpty());

        // The next lesson depends on the speed shown so far; the dialog starts whichever it is.
        QVERIFY(desktop.Keys({QStringLiteral("Return")}));
        int next = 1;
        QTRY_VERIFY_WITH_TIMEOUT(
            (next = ProfileValue(data, user, QStringLiteral("CurrExerciseEntry")).toInt()) != 1, 5000);
        QVERIFY2(next >= 2 && next <= 5, qPrintable(QString::number(next)));
        const QString title = ReadKeys(data, QStringLiteral("Users\\") + user)
                                  .value(QStringLiteral("Users\\%1\\Results").arg(user))
                                  .value(QStringLiteral("LastExercise"));
        QVERIFY(!desktop.FocusWindow(MainTitle + QStringLiteral(" - Lesson %1 - %2").arg(next).arg(title))
                     .isEmpty());
        QVERIFY(desktop.TypeLines(DesktopSession::ExerciseLines(1000 + next), KeyDelayMs));
        QVERIFY(!desktop.FocusWindow(NavigationTitle, 15000).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("Escape")})); // "Stop": no command
        QVERIFY(!desktop.FocusWindow(MainTitle).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("alt+F4")}));
        QVERIFY(tutor->waitForFinished(10000));

        const QString lessons = QStringLiteral("Users\\%1\\Results\\Lessons\\").arg(user);
        const Values records = ReadKeys(data, lessons);
        QCOMPARE(records.size(), 2);
        const auto first = records.value(lessons + QStringLiteral("1"));
        const auto second = records.value(lessons + QStringLiteral("2"));
        QCOMPARE(first.value(QStringLiteral("ExerciseKey")), QStringLiteral("1001"));
        QCOMPARE(second.value(QStringLiteral("ExerciseKey")), QString::number(1000 + next));
        QCOMPARE(first.value(QStringLiteral("Title")), QStringLiteral("Home Row: Overview"));
        for (const auto& record : {first, second}) {
            QVERIFY(record.value(QStringLiteral("WPMNet")).toDouble() > 5.0);
            QVERIFY(!record.value(QStringLiteral("Award")).isEmpty());
            QVERIFY(record.value(QStringLiteral("Award")) != QStringLiteral("Skipped"));
        }
        QVERIFY(ProfileValue(data, user, QStringLiteral("SkillTestWPM")).toInt() > 5);
        QCOMPARE(ProfileValue(data, user, QStringLiteral("LessonsCompleted")), QStringLiteral("3"));
        QCOMPARE(ProfileValue(data, user, QStringLiteral("LastLessonIndex")), QString::number(next));
    }
};

QTEST_GUILESS_MAIN(CourseEndToEndTest)
#include "tst_course_e2e.moc"
