// The end of an exercise as a whole: rating, storing, the user's skill, the course navigation
// dialog and where the course goes next, with the dialog answered by the test.
#include "app/CourseNavigation.h"
#include "app/ExerciseFinisher.h"
#include "audio/SoundEvents.h"
#include "CourseFixture.h"
#include "progress/LessonProgress.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;
using test::CourseFixture;

namespace {

constexpr int SlowMs = 400; // about 30 words a minute: Bronze, and no skipping ahead
constexpr int FastMs = 200; // about 60 words a minute: Gold

// The dialog's buttons by command; their labels are tst_coursenavigation's.
QList<int> Commands(const QList<CourseButton>& buttons)
{
    QList<int> commands;
    for (const CourseButton& button : buttons)
        commands.append(button.commandId);
    return commands;
}

constexpr int Start = 5000;
constexpr int Next = int(Command::CourseNext);
constexpr int Repeat = int(Command::CourseRepeat);

QString Row(const ExerciseFinishedContent& content, const QString& label)
{
    for (const SummaryRow& row : content.summary.rows) {
        if (row.label == label)
            return row.value;
    }
    return u"<absent>"_s;
}

} // namespace

class FinishExerciseTest : public QObject
{
    Q_OBJECT

private slots:
    void skillTest_setsTheUsersLevelAndLeadsToTheFirstLesson()
    {
        CourseFixture f;
        f.Profile().Set(Profile::TakeInitialSkillTest, true);
        f.SetEntry(0);
        f.RunCurrentEntry(FastMs);

        QCOMPARE(f.controller->State(), int(SessionState::Idle));
        QVERIFY(!f.Profile().Get(Profile::TakeInitialSkillTest));
        QVERIFY(f.Profile().Get(Profile::IsSkillTestTaken));
        QCOMPARE(f.Profile().Get(Profile::SkillTestWPM), 60);
        QVERIFY(qAbs(f.Profile().Get(Profile::SkillLevel) - 0.6) < 0.01);
        QCOMPARE(f.Profile().Get(Profile::LessonsCompleted), 1);
        QCOMPARE(f.Course().CurrentEntry(), 1);
        QCOMPARE(f.Profile().Get(Profile::CurrExerciseEntry), 1);
        QCOMPARE(f.Profile().Get(Profile::NextExercise), u"Home Row: Overview"_s);
        // The test is no lesson: nothing stored, no lesson counted towards a game.
        QCOMPARE(f.Results().ReadRecords(ExerciseKind::SkillTest).size(), 0);
        QCOMPARE(f.Course().GameBreakCountdown(), 4);

        QCOMPARE(f.view.finishedDialogs_.size(), size_t(1));
        QCOMPARE(Commands(f.LastDialog().buttons), (QList<int>{Start, Next}));
        QCOMPARE(f.LastDialog().summary.title, u"Initial Skill Test"_s);
        QVERIFY(ExerciseTips().contains(f.LastDialog().tip));
    }

    void lesson_isRatedStoredAndTheCourseMovesOn()
    {
        CourseFixture f;
        f.SetEntry(1);
        f.RunCurrentEntry(SlowMs);

        const QList<ResultRecord> records = f.Results().ReadRecords(ExerciseKind::Lesson);
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].Text(RecordValue::ExerciseKey), u"1001"_s);
        QCOMPARE(records[0].Text(RecordValue::Award), u"Bronze"_s);
        QCOMPARE(f.Profile().Get(Profile::LastLessonIndex), 1);
        QVERIFY(f.Profile().Get(Profile::CurrExerciseComplete));
        QCOMPARE(f.Profile().Get(Profile::LessonsCompleted), 1);
        QCOMPARE(f.Course().CurrentEntry(), 2);
        QCOMPARE(f.Course().GameBreakCountdown(), 3);

        const ExerciseFinishedContent& dialog = f.LastDialog();
        QCOMPARE(Commands(dialog.buttons), (QList<int>{Start, Next, Repeat}));
        QCOMPARE(Row(dialog, u"Award: "_s), u"Bronze - with honors"_s);
        QCOMPARE(Row(dialog, u"Errors: "_s), u"0"_s);
        QCOMPARE(Row(dialog, u"Lessons to game: "_s), u"3"_s);
    }

    void fastAccurateUser_skipsAhead()
    {
        CourseFixture f;
        f.SetEntry(5);
        f.RunCurrentEntry(FastMs);
        // Skill 0.1 averaged with about 0.6: not fast enough for a whole section, but the last
        // lesson alone was, so Basics 1 is left out.
        QCOMPARE(f.Course().CurrentEntry(), 7);
        QCOMPARE(f.Results().ReadRecords(ExerciseKind::Lesson).at(0).Text(RecordValue::Award), u"Gold"_s);
    }

    void stoppedLesson_offersRestartAndKeepsTheEntry()
    {
        CourseFixture f;
        f.SetEntry(5);
        f.controller->OnCommand(Command::CourseStart);
        f.TypeExercise(SlowMs, 0, 20);
        f.view.finishedDialogAnswer_ = [](const ExerciseFinishedContent&) {
            return int(Command::CourseRepeat);
        };
        f.controller->OnCommand(Command::Stop);

        QCOMPARE(f.Results().ReadRecords(ExerciseKind::Lesson).size(), 0);
        QCOMPARE(f.Course().CurrentEntry(), 5);
        QCOMPARE(f.Profile().Get(Profile::LastLessonIndex), 5);
        // A stopped exercise still counts towards the skill level, with nothing typed.
        QCOMPARE(f.Profile().Get(Profile::LessonsCompleted), 1);
        QCOMPARE(f.Profile().Get(Profile::LastSkillLevel), 0.0);
        QCOMPARE(f.Course().GameBreakCountdown(), 4);
        QCOMPARE(Commands(f.LastDialog().buttons), (QList<int>{Next, Repeat}));
        // Nothing was rated: no table of zeros, a note instead.
        QCOMPARE(f.LastDialog().summary.rows.size(), 0);
        QCOMPARE(f.LastDialog().summary.notes, QStringList{u"Stopped - not rated"_s});

        // "Restart" loads the same lesson again.
        QTRY_COMPARE(f.controller->State(), int(SessionState::Typing));
        QCOMPARE(f.Course().ExerciseKey(), u"1005"_s);
    }

    void stoppedSkillTest_isOfferedAgain()
    {
        CourseFixture f;
        f.SetEntry(0);
        f.controller->OnCommand(Command::CourseStart);
        f.TypeExercise(SlowMs, 0, 10);
        f.controller->OnCommand(Command::Stop);
        QVERIFY(f.Profile().Get(Profile::TakeInitialSkillTest));
        QVERIFY(!f.Profile().Get(Profile::IsSkillTestTaken));
        QCOMPARE(f.Course().CurrentEntry(), 0);
        QCOMPARE(f.Profile().Get(Profile::CurrExerciseEntry), 0);
        QCOMPARE(Commands(f.LastDialog().buttons).last(), Repeat);
        QVERIFY(!Commands(f.LastDialog().buttons).contains(Start));
    }

    void fourthLesson_offersTheGameBreak()
    {
        CourseFixture f;
        f.SetEntry(1);
        for (int lesson = 1; lesson <= 4; ++lesson) {
            if (lesson == 4)
                f.view.finishedDialogAnswer_ = [](const ExerciseFinishedContent&) {
                    return int(Command::FlurrixGameBreak);
                };
            f.RunCurrentEntry(SlowMs);
            const QString toGame = Row(f.LastDialog(), u"Lessons to game: "_s);
            QCOMPARE(toGame, lesson < 4 ? QString::number(4 - lesson) : u"<absent>"_s);
        }
        QCOMPARE(Commands(f.LastDialog().buttons),
                 (QList<int>{int(Command::FlurrixGameBreak), Start, Repeat}));
        QCOMPARE(f.Course().GameBreakCountdown(), 4);
        QTRY_COMPARE(f.view.view_, View::Games);
        QCOMPARE(f.Course().CurrentEntry(), 5);
    }

    void skipFromTheDialog_storesASkipAndStartsTheEntryAfter()
    {
        CourseFixture f;
        f.SetEntry(1);
        f.view.finishedDialogAnswer_ = [](const ExerciseFinishedContent&) {
            return int(Command::CourseNext);
        };
        f.RunCurrentEntry(SlowMs);
        QTRY_COMPARE(f.controller->State(), int(SessionState::Typing));
        QCOMPARE(f.Course().CurrentEntry(), 3);
        const QList<ResultRecord> records = f.Results().ReadRecords(ExerciseKind::Lesson);
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[1].Text(RecordValue::Award), u"Skipped"_s);
        QCOMPARE(records[1].Text(RecordValue::ExerciseKey), u"1002"_s);
    }

    void practicesAndSpeedTests_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("storedTests");
        QTest::addRow("random practice") << int(Tab::Practice) << int(ExerciseKind::Practice) << 0;
        QTest::addRow("random speed test") << int(Tab::Tests) << int(ExerciseKind::SpeedTestAlt) << 1;
    }

    void practicesAndSpeedTests()
    {
        QFETCH(int, tab);
        QFETCH(int, kind);
        QFETCH(int, storedTests);
        CourseFixture f;
        f.SetEntry(6);
        f.view.SelectTab(Tab(tab));
        f.controller->OnCommand(Command::Start);
        QCOMPARE(f.controller->Kind(), kind);
        f.TypeExercise(SlowMs, 2, 30);
        if (kind == ExerciseKind::Practice)
            f.controller->OnCommand(Command::Stop);
        else
            f.controller->Session().OnLimitTimer();

        QCOMPARE(f.controller->State(), int(SessionState::Idle));
        QCOMPARE(f.Results().ReadRecords(ExerciseKind::SpeedTestAlt).size(), storedTests);
        QCOMPARE(f.Results().ReadRecords(ExerciseKind::Lesson).size(), 0);
        QCOMPARE(f.Course().CurrentEntry(), 6);
        QCOMPARE(f.Course().GameBreakCountdown(), 4);
        // A speed test shows its figures without a way on through the course; a stopped
        // practice has nothing to show.
        QCOMPARE(f.view.finishedDialogs_.size(), size_t(storedTests));
        if (storedTests) {
            QVERIFY(f.LastDialog().buttons.isEmpty());
            QCOMPARE(Row(f.LastDialog(), u"Errors: "_s), u"2"_s);
            QCOMPARE(Row(f.LastDialog(), u"Corrections: "_s), u"2"_s);
        }
    }

    // Leaving the typing view during a speed test pauses it: the text, the typed characters and
    // the clock wait for the user's return, F9 does not resume it unseen, and Stop still works.
    void leavingTheTypingViewWhileBusy_pausesTheExercise_data()
    {
        QTest::addColumn<int>("leave");
        QTest::addColumn<bool>("stopThere");
        QTest::addRow("games tab, back") << int(Command::TabGames) << false;
        QTest::addRow("games menu, back") << int(Command::MenuFlurrix) << false;
        QTest::addRow("results tab, back") << int(Command::TabResults) << false;
        QTest::addRow("results tab, stop") << int(Command::TabResults) << true;
    }

    void leavingTheTypingViewWhileBusy_pausesTheExercise()
    {
        QFETCH(int, leave);
        QFETCH(bool, stopThere);
        CourseFixture f;
        f.view.SelectTab(Tab::Tests);
        f.controller->OnCommand(Command::Start);
        f.TypeExercise(SlowMs, 0, 10);
        const QString text = f.controller->Session().Target().Text();
        f.controller->OnCommand(leave);
        QCOMPARE(f.controller->State(), int(SessionState::Paused));
        f.controller->OnCommand(Command::Start);
        QCOMPARE(f.controller->State(), int(SessionState::Paused));
        if (stopThere) {
            f.controller->OnCommand(Command::Stop);
            QCOMPARE(f.controller->State(), int(SessionState::Idle));
            return;
        }
        f.controller->OnCommand(Command::TabTests);
        QCOMPARE(f.controller->Session().Target().Text(), text);
        f.controller->OnCommand(Command::PauseResume);
        QCOMPARE(f.controller->State(), int(SessionState::Typing));
        f.controller->Session().OnLimitTimer();
        const QList<ResultRecord> records = f.Results().ReadRecords(ExerciseKind::SpeedTestAlt);
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].Text(RecordValue::NumCharacters), u"10"_s);
    }
};

QTEST_GUILESS_MAIN(FinishExerciseTest)
#include "tst_finishexercise.moc"
