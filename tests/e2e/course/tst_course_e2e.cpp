// The course in the real program: the first-start wizard, the skill test and two lessons typed
// through the X keyboard, the stored results read back from the settings database, and a second
// start without the wizard.
#include "DesktopSession.h"

#include <QElapsedTimer>
#include <QTest>

using clavora::test::DesktopSession;

namespace {

const QString NavigationTitle = QStringLiteral("Clavora Course Navigation");
constexpr int SkillTestMs = 30000;
constexpr int KeyDelayMs = 40;

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
    void firstStart_skillTestAndTwoLessons_areStored()
    {
        DesktopSession desktop;
        if (!desktop.IsReady())
            QSKIP("Xvfb and xdotool are needed");
        QProcess* tutor = desktop.Start(DesktopSession::Program);
        // "Adult Beginner" is preselected: two up gives "Teen Beginner" (type 3).
        QVERIFY(desktop.PassWizard(2));
        QVERIFY(!desktop.FocusWindow(DesktopSession::MainTitle).isEmpty());
        const QString user = desktop.CurrentUser();
        QVERIFY(!user.isEmpty());
        const QString profile = QStringLiteral("Users\\") + user;
        const auto profileValue = [&](const QString& name) { return desktop.ReadValue(profile, name); };
        QCOMPARE(profileValue(QStringLiteral("Type")), QStringLiteral("3"));
        QCOMPARE(profileValue(QStringLiteral("TakeInitialSkillTest")), QStringLiteral("1"));
        QCOMPARE(profileValue(QStringLiteral("IsSkillTestTaken")), QStringLiteral("0"));
        QCOMPARE(profileValue(QStringLiteral("CurrExerciseEntry")), QStringLiteral("0"));
        QCOMPARE(desktop.ReadValue(profile + QStringLiteral("\\Results"), QStringLiteral("NextExercise")),
                 QStringLiteral("Home Row: Overview"));
        QCOMPARE(desktop.ReadValue(QStringLiteral("Settings"), QStringLiteral("CLFirstRun")),
                 QStringLiteral("0"));

        // The skill test: F9 on the Lessons tab, half a minute of typing, then the course dialog.
        QVERIFY(desktop.Keys({QStringLiteral("F9")}));
        QTest::qWait(500);
        QVERIFY(TypeSkillTest(desktop));
        QVERIFY(!desktop.FocusWindow(NavigationTitle, 15000).isEmpty());
        QCOMPARE(profileValue(QStringLiteral("IsSkillTestTaken")), QStringLiteral("1"));

        // "Start Exercise" is the default button: the first lesson, once the first goal offered
        // after the skill test has been left as it was.
        QVERIFY(desktop.Keys({QStringLiteral("Return")}));
        QVERIFY(!desktop.FocusWindow(QStringLiteral("Goal WPM")).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("Escape")}));
        QVERIFY(
            !desktop
                 .FocusWindow(DesktopSession::MainTitle + QStringLiteral(" - Lesson 1 - Home Row: Overview"))
                 .isEmpty());
        QCOMPARE(profileValue(QStringLiteral("CurrExerciseEntry")), QStringLiteral("1"));
        QVERIFY(desktop.TypeLines(DesktopSession::ExerciseLines(1001), KeyDelayMs));
        QVERIFY(!desktop.FocusWindow(NavigationTitle, 15000).isEmpty());

        // The next lesson depends on the speed shown so far; the dialog starts whichever it is.
        QVERIFY(desktop.Keys({QStringLiteral("Return")}));
        int next = 1;
        QTRY_VERIFY_WITH_TIMEOUT((next = profileValue(QStringLiteral("CurrExerciseEntry")).toInt()) != 1,
                                 5000);
        QVERIFY2(next >= 2 && next <= 5, qPrintable(QString::number(next)));
        const QString title =
            desktop.ReadValue(profile + QStringLiteral("\\Results"), QStringLiteral("LastExercise"));
        QVERIFY(!desktop
                     .FocusWindow(DesktopSession::MainTitle +
                                  QStringLiteral(" - Lesson %1 - %2").arg(next).arg(title))
                     .isEmpty());
        QVERIFY(desktop.TypeLines(DesktopSession::ExerciseLines(1000 + next), KeyDelayMs));
        QVERIFY(!desktop.FocusWindow(NavigationTitle, 15000).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("Escape")})); // "Stop": no command
        QVERIFY(!desktop.FocusWindow(DesktopSession::MainTitle).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("alt+F4")}));
        QVERIFY(tutor->waitForFinished(10000));

        const QString lessons = QStringLiteral("Users\\%1\\Results\\Lessons\\").arg(user);
        const DesktopSession::Values records = desktop.ReadKeys(lessons);
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
        QVERIFY(profileValue(QStringLiteral("SkillTestWPM")).toInt() > 5);
        QCOMPARE(profileValue(QStringLiteral("LessonsCompleted")), QStringLiteral("3"));
        QCOMPARE(profileValue(QStringLiteral("LastLessonIndex")), QString::number(next));

        // The second start shows no wizard.
        QProcess* again = desktop.Start(DesktopSession::Program);
        QVERIFY(!desktop.FocusWindow(DesktopSession::MainTitle).isEmpty());
        QVERIFY(desktop
                    .Xdotool({QStringLiteral("search"), QStringLiteral("--name"),
                              QStringLiteral("Getting Started")})
                    .isEmpty());
        again->terminate();
        QVERIFY(again->waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(CourseEndToEndTest)
#include "tst_course_e2e.moc"
