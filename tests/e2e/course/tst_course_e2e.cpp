// The course in the real program: the skill test and two lessons typed through the X keyboard,
// then the stored results read back from the settings database.
#include "DesktopSession.h"
#include "RegistryReader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QTest>

using clavora::test::DesktopSession;

namespace {

const QString Program = QStringLiteral(CLAVORA_BINARY_DIR "/bin/clavora");
const QString MainTitle = QStringLiteral("Clavora by Oxley Software");
const QString NavigationTitle = QStringLiteral("Clavora Course Navigation");
constexpr int SkillTestMs = 30000;
constexpr int KeyDelayMs = 40;

using Values = clavora::test::RegistryValues;
Values ReadKeys(const QString& dataFolder, const QString& pathPrefix)
{
    return clavora::test::ReadRegistryKeys(dataFolder, pathPrefix);
}

QString ProfileValue(const QString& dataFolder, const QString& user, const QString& name)
{
    return ReadKeys(dataFolder, QStringLiteral("Users\\") + user)
        .value(QStringLiteral("Users\\") + user)
        .value(name);
}

// The text of a built-in exercise, one entry per line (the test presses Return between them).
QStringList ExerciseLines(int key)
{
    QFile file(QStringLiteral(CLAVORA_SOURCE_DIR "/resources/texts/%1.txt").arg(key));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
}

bool TypeLines(const DesktopSession& desktop, const QStringList& lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!desktop.TypeText(lines[i], KeyDelayMs))
            return false;
        if (i + 1 < lines.size() && !desktop.Keys({QStringLiteral("Return")}))
            return false;
    }
    return true;
}

// Types the skill test's text in short pieces until its half minute is over, so no key is left
// over to land in the dialog that follows.
bool TypeSkillTest(const DesktopSession& desktop)
{
    const QString text = ExerciseLines(999).join(u' ');
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
        QProcess* tutor = desktop.Start(Program);
        QVERIFY(desktop.AcceptStartupWizard());
        QVERIFY(!desktop.FocusWindow(MainTitle).isEmpty());
        const QString data = desktop.DataFolder();
        const QString user = clavora::test::ReadCurrentUser(data);
        QVERIFY(!user.isEmpty());

        // The skill test: F9 on the Lessons tab, half a minute of typing, then the course dialog.
        QVERIFY(desktop.Keys({QStringLiteral("F9")}));
        QTest::qWait(500);
        QVERIFY(TypeSkillTest(desktop));
        QVERIFY(!desktop.FocusWindow(NavigationTitle, 15000).isEmpty());
        QCOMPARE(ProfileValue(data, user, QStringLiteral("IsSkillTestTaken")), QStringLiteral("1"));

        // "Start Exercise" is the default button: the first lesson.
        QVERIFY(desktop.Keys({QStringLiteral("Return")}));
        QVERIFY(
            !desktop.FocusWindow(MainTitle + QStringLiteral(" - Lesson 1 - Home Row: Overview")).isEmpty());
        QCOMPARE(ProfileValue(data, user, QStringLiteral("CurrExerciseEntry")), QStringLiteral("1"));
        QVERIFY(TypeLines(desktop, ExerciseLines(1001)));
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
        QVERIFY(TypeLines(desktop, ExerciseLines(1000 + next)));
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
