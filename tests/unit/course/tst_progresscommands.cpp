// The progress commands and the end of an exercise as the progress part sees it: today's report
// row, the goal dialog when the goal is beaten, high scores and the results page.
#include "app/ProgressController.h"
#include "app/ProgressView.h"
#include "CourseFixture.h"
#include "progress/ReportFolder.h"
#include "TestFiles.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;
using test::CourseFixture;

namespace {

constexpr int FastMs = 200; // about 60 words a minute with full accuracy

class FakeProgressView final : public ProgressView
{
public:
    void ShowResults(const ResultsPage& page) override { pages.append(page); }
    void RunReportsDialog(const ReportFolder& folder) override { reportFolders.append(folder.Path()); }
    std::optional<int> RunGoalDialog(const GoalDialogSetup& setup) override
    {
        goalDialogs.append(setup);
        return goalAnswer;
    }
    void ShowHighScores(const QList<HighScoreRow>& rows) override { highScores.append(rows); }

    QList<ResultsPage> pages;
    QStringList reportFolders;
    QList<GoalDialogSetup> goalDialogs;
    std::optional<int> goalAnswer;
    QList<QList<HighScoreRow>> highScores;
};

struct ProgressFixture
{
    ProgressFixture() { f.controller->Progress().AttachView(&view); }
    ~ProgressFixture() { f.controller->Progress().AttachView(nullptr); }
    CourseFixture f;
    FakeProgressView view;
};

} // namespace

class ProgressCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void finishedExercise_offersAGoalOnlyWhenBeaten_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("goal");
        QTest::addColumn<bool>("offered");
        QTest::addRow("skill test without goal") << 0 << 0 << true;
        QTest::addRow("lesson without goal") << 1 << 0 << false;
        QTest::addRow("lesson beats goal") << 1 << 20 << true;
        QTest::addRow("lesson below goal") << 1 << 150 << false;
    }

    void finishedExercise_offersAGoalOnlyWhenBeaten()
    {
        QFETCH(int, entry);
        QFETCH(int, goal);
        QFETCH(bool, offered);
        ProgressFixture p;
        p.f.SetEntry(entry);
        p.f.Profile().Set(Profile::GoalWPM, goal);
        p.view.goalAnswer = 77;
        p.f.RunCurrentEntry(FastMs);
        QCOMPARE(p.view.goalDialogs.size(), offered ? 1 : 0);
        QCOMPARE(p.f.Profile().Get(Profile::GoalWPM), offered ? 77 : goal);
        if (!offered)
            return;
        const int score = int(p.f.controller->Profile().Get(Profile::BestWPM));
        QVERIFY(score > 20);
        const GoalDialogSetup& setup = p.view.goalDialogs.front();
        QCOMPARE(setup.goal, int(score * 1.1));
        QCOMPARE(setup.firstLine.isEmpty(), entry == 0);
    }

    void finishedExercise_addsARowToTodaysReport()
    {
        ProgressFixture p;
        p.f.SetEntry(1);
        p.f.RunCurrentEntry(FastMs);
        p.f.SetEntry(2);
        p.f.RunCurrentEntry(FastMs);
        const ReportFolder folder(ReportFolder::GetReportFolder(p.f.Profile()));
        QCOMPARE(folder.List().size(), 1);
        const QList<QByteArray> lines =
            test::ReadFile(folder.FilePathOf(folder.List().front().name)).split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].startsWith("Type,Title,"));
        QVERIFY(lines[1].startsWith("Lesson,\"Home Row: Overview\","));
        QVERIFY(lines[2].startsWith("Lesson,\"Home Row: Basics 1\","));
    }

    void dialogCommands_waitWhileAnExerciseRuns()
    {
        ProgressFixture p;
        p.f.SetEntry(1);
        p.f.controller->OnCommand(Command::CourseStart);
        p.f.TypeExercise(FastMs, 0, 5);
        QVERIFY(p.f.controller->IsBusy());
        for (const int command : {int(Command::Reports), int(Command::MenuReports), int(Command::GoalWpm),
                                  int(Command::MenuGoalWpm), int(Command::HighScores)})
            p.f.controller->OnCommand(command);
        QVERIFY(p.view.reportFolders.isEmpty() && p.view.goalDialogs.isEmpty() &&
                p.view.highScores.isEmpty());
        // The results page may be looked at, but the user cannot change under the running exercise.
        p.f.controller->OnCommand(Command::TabResults);
        QCOMPARE(p.view.pages.size(), 1);
        QVERIFY(!p.view.pages.back().userChoiceEnabled);
        QVERIFY(p.f.Settings().CreateUser(u"Bo"_s, 2));
        p.f.Settings().SelectUser(CourseFixture::UserName);
        p.f.controller->Progress().OnUserChosen(u"Bo"_s);
        QCOMPARE(p.f.controller->UserName(), CourseFixture::UserName);
    }

    void menuGoal_storesOnlyAValidAnswer_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("stored");
        QTest::addRow("1") << 1 << 1;
        QTest::addRow("200") << 200 << 200;
        QTest::addRow("0") << 0 << 45;
        QTest::addRow("201") << 201 << 45;
        QTest::addRow("cancelled") << -1 << 45;
    }

    void menuGoal_storesOnlyAValidAnswer()
    {
        QFETCH(int, answer);
        ProgressFixture p;
        p.f.Profile().Set(Profile::GoalWPM, 45);
        p.view.goalAnswer = answer < 0 ? std::nullopt : std::optional<int>(answer);
        p.f.controller->OnCommand(Command::MenuGoalWpm);
        QCOMPARE(p.view.goalDialogs.size(), 1);
        QCOMPARE(p.view.goalDialogs.front().goal, 45);
        QTEST(p.f.Profile().Get(Profile::GoalWPM), "stored");
    }

    void userPanel_changesUserAndType()
    {
        ProgressFixture p;
        QVERIFY(p.f.Settings().CreateUser(u"Bo"_s, 2));
        p.f.controller->SelectUser(CourseFixture::UserName);
        p.f.controller->OnCommand(Command::TabResults);
        QCOMPARE(p.view.pages.back().users, (QStringList{CourseFixture::UserName, u"Bo"_s}));
        QCOMPARE(p.view.pages.back().summary.size(), 5);

        p.f.controller->Progress().OnUserChosen(u"bo"_s);
        QCOMPARE(p.f.controller->UserName(), u"Bo"_s);
        QCOMPARE(p.view.pages.back().userType, 2);
        p.f.controller->Progress().OnUserTypeChosen(u"Bo"_s, 7);
        QCOMPARE(p.f.controller->UserType(), 7);
        QCOMPARE(p.view.pages.back().userType, 7);
        p.f.controller->Progress().OnUserTypeChosen(u"Bo"_s, 8); // off the list: ignored
        QCOMPARE(p.f.controller->UserType(), 7);
        p.f.controller->Progress().OnUserChosen(u"Nobody"_s);
        QCOMPARE(p.f.controller->UserName(), u"Bo"_s);

        p.f.controller->OnCommand(Command::HighScores);
        QCOMPARE(p.view.highScores.size(), 1);
        QCOMPARE(p.view.highScores.front().size(), 2);
    }
};

QTEST_GUILESS_MAIN(ProgressCommandsTest)
#include "tst_progresscommands.moc"
