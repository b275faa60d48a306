// The game commands of the main window: which game screen each one shows, a game that is left
// running is stored, and the course's game break hands back to the course when it is lost.
#include "app/CourseTable.h"
#include "app/GamesController.h"
#include "CourseFixture.h"
#include "games/FlurrixField.h"
#include "games/FlurrixScreen.h"
#include "unit/games/GameFixture.h"

#include <QTest>

using namespace clavora;
using namespace clavora::test;
using namespace Qt::StringLiterals;

class TestGameCommands final : public QObject
{
    Q_OBJECT

private slots:
    void gameCommands_showTheirScreen_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("screen");
        const int table[][2] = {{3046, 0}, {3060, 0}, {3100, 0}, {3047, 1}, {3061, 1},
                                {3101, 1}, {3064, 2}, {3065, 2}, {3102, 2}};
        for (const auto& row : table)
            QTest::addRow("%d", row[0]) << row[0] << row[1];
    }
    void gameCommands_showTheirScreen()
    {
        QFETCH(int, command);
        QFETCH(int, screen);
        CourseFixture fixture;
        fixture.controller->OnCommand(command == 3100 ? 3102 : 3100); // start elsewhere
        fixture.controller->OnCommand(Command::TabLessons);
        fixture.controller->OnCommand(command);
        QCOMPARE(fixture.controller->GameScreen(), screen);
        QCOMPARE(fixture.view.tab_, Tab::Games);
        QCOMPARE(fixture.controller->CurrentView(), View::Games);
        fixture.controller->OnCommand(Command::TabGames); // the tab keeps the screen
        QCOMPARE(fixture.controller->GameScreen(), screen);
    }

    void leavingARunningGame_storesIt()
    {
        CourseFixture fixture;
        fixture.Settings().WriteText(SettingsStore::SettingsKey, u"InstallerPath"_s,
                                     QStringLiteral(CLAVORA_SOURCE_DIR "/data"));
        fixture.controller->OnCommand(Command::GameScreenFlurrix);
        FlurrixScreen& flurrix = fixture.controller->Games().Flurrix();
        TestSceneHost host;
        flurrix.Init(host);
        flurrix.Layout(host, 0, 0, 800, 600);
        flurrix.KeyDown('A');
        flurrix.Update(host);
        QCOMPARE(flurrix.State(), GameState::Playing);
        fixture.controller->OnCommand(Command::TabLessons);
        QCOMPARE(flurrix.State(), GameState::Menu);
        QCOMPARE(fixture.Results().ReadRecords(ExerciseKind::Flurrix).size(), 1);
    }

    void lostGameBreak_offersTheNextLesson()
    {
        CourseFixture fixture;
        fixture.SetEntry(5);
        fixture.controller->OnCommand(Command::FlurrixGameBreak);
        GamesController& games = fixture.controller->Games();
        QVERIFY(games.Flurrix().Field().BreakMode());
        QCOMPARE(fixture.controller->CurrentView(), View::Games);

        fixture.view.finishedDialogAnswer_ = [](const ExerciseFinishedContent&) { return 0; };
        games.GameEnded(340);
        games.GameBreakEnded();
        QTRY_COMPARE(fixture.view.finishedDialogs_.size(), size_t(1));
        const ExerciseFinishedContent& dialog = fixture.view.finishedDialogs_.front();
        QCOMPARE(dialog.summary.heading, u"Game Results"_s);
        QCOMPARE(dialog.summary.title, u"Flurrix"_s);
        QCOMPARE(dialog.summary.rows.at(0).value, u"340"_s);
        QCOMPARE(dialog.summary.rows.at(1).value, u"340"_s);
        QVERIFY(!dialog.buttons.isEmpty());
        QCOMPARE(dialog.buttons.front().commandId, int(Command::CourseStart));
        QCOMPARE(dialog.buttons.front().description, CourseTable::TitleOf(5));
        QCOMPARE(fixture.view.tab_, Tab::Lessons);
        QCOMPARE(fixture.controller->CurrentView(), View::Typing);
    }
};

QTEST_GUILESS_MAIN(TestGameCommands)
#include "tst_gamecommands.moc"
