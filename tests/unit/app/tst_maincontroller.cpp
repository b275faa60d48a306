#include "app/ImportController.h"
#include "app/ImportView.h"
#include "app/MainController.h"
#include "content/ExerciseCatalogue.h"
#include "FakeMainView.h"
#include "platform/RegistryStore.h"
#include "settings/SettingsStore.h"
#include "settings/UserProfile.h"
#include "TestClock.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace clavora;
using clavora::test::FakeMainView;

namespace {

// Imports the files a test names, as if the user pressed Import once for each.
class ScriptedImportView final : public ImportView
{
public:
    QList<std::pair<ImportKind, QString>> files;
    void RunImportDialog(const QString&, const ImportFile& import) override
    {
        for (const auto& [kind, path] : std::as_const(files))
            import(kind, path);
    }
};

} // namespace

class MainControllerTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    RegistryStore m_registry;
    std::unique_ptr<SettingsStore> m_settings;
    test::TestClock m_clock;

    std::unique_ptr<MainController> Start(FakeMainView& view)
    {
        auto controller = std::make_unique<MainController>(*m_settings, m_clock, m_dir.path());
        controller->Initialize(view);
        QCoreApplication::processEvents();
        return controller;
    }

private slots:
    void init()
    {
        static int run = 0;
        QVERIFY(m_registry.Open(m_dir.filePath(QStringLiteral("r%1.sqlite").arg(++run))) ==
                RegistryStore::OpenResult::Opened);
        m_settings = std::make_unique<SettingsStore>(m_registry);
    }

    void firstRun_happensExactlyOnce()
    {
        FakeMainView view;
        view.wizard_ = [] { return true; };
        auto first = Start(view);
        QCOMPARE(view.wizardRuns_, 1);
        const QString user = m_settings->CurrentUserName();
        QVERIFY(!user.isEmpty());
        UserProfile profile(*m_settings);
        QVERIFY(profile.Get(Profile::CorrectionsForced));
        QVERIFY(profile.Get(Profile::DisplayAnimations));
        QCOMPARE(m_settings->ReadText(QStringLiteral("Settings"), QStringLiteral("CLFirstRun")),
                 QStringLiteral("0"));
        first.reset();

        FakeMainView again;
        auto second = Start(again);
        QCOMPARE(again.wizardRuns_, 0);
        QCOMPARE(second->UserName(), user);
    }

    void firstRunMarkFromOutside_suppressesFirstRun()
    {
        m_settings->WriteText(QStringLiteral("Settings"), QStringLiteral("FirstRun"), QStringLiteral("0"));
        FakeMainView view;
        auto controller = Start(view);
        QCOMPARE(view.wizardRuns_, 0);
        QVERIFY(m_settings->CurrentUserName().isEmpty());
        QCOMPARE(controller->UserType(), 0);
    }

    void wizardWithSkillTest_startsCourseAtTheTest_data()
    {
        QTest::addColumn<bool>("finished");
        QTest::addColumn<bool>("takeTest");
        QTest::addColumn<int>("entry");
        QTest::addRow("finish with test") << true << true << 0;
        QTest::addRow("finish without test") << true << false << 1;
        QTest::addRow("cancel") << false << true << 1;
    }

    void wizardWithSkillTest_startsCourseAtTheTest()
    {
        QFETCH(bool, finished);
        QFETCH(bool, takeTest);
        QFETCH(int, entry);
        FakeMainView view;
        view.wizard_ = [this, finished, takeTest] {
            UserProfile profile(*m_settings);
            profile.Set(Profile::TakeInitialSkillTest, takeTest);
            return finished;
        };
        auto controller = Start(view);
        QCOMPARE(controller->CourseEntryIndex(), entry);
        UserProfile profile(*m_settings);
        QCOMPARE(profile.Get(Profile::CurrExerciseEntry), entry);
        QCOMPARE(profile.Get(Profile::LastExercise),
                 entry == 0 ? QStringLiteral("Initial Skill Test") : QString());
    }

    void start_whileRunningDoesNothing_whilePausedResumes()
    {
        FakeMainView view;
        auto controller = Start(view);
        controller->SetState(SessionState::Typing, ExerciseKind::Lesson);
        controller->OnCommand(Command::Start);
        QCOMPARE(controller->State(), int(SessionState::Typing));
        controller->OnCommand(Command::PauseResume);
        QCOMPARE(controller->State(), int(SessionState::Paused));
        QCOMPARE(view.pauseLabel_, QStringLiteral("Resume"));
        controller->OnCommand(Command::Start);
        QCOMPARE(controller->State(), int(SessionState::Typing));
        QCOMPARE(view.pauseLabel_, QStringLiteral("Pause"));
    }

    void dialogCommands_ignoredWhileBusy_data()
    {
        QTest::addColumn<int>("state");
        QTest::addRow("typing") << int(SessionState::Typing);
        QTest::addRow("paused") << int(SessionState::Paused);
    }

    void dialogCommands_ignoredWhileBusy()
    {
        QFETCH(int, state);
        FakeMainView view;
        auto controller = Start(view);
        controller->SetState(state, ExerciseKind::Lesson);
        view.answers_ = {true};
        for (const int id : {Command::ResetResults, Command::MenuResetResults, Command::ShowHideTimers,
                             Command::SelectLesson, Command::SelectPractice, Command::SelectSpeedTest})
            controller->OnCommand(id);
        QVERIFY(view.questions_.isEmpty());
        QVERIFY(!view.timersChecked_);
        QVERIFY(view.lessonLists_.empty());
        QCOMPARE(view.practiceSelections_, 0);
        QCOMPARE(view.speedTestSelections_, 0);
        controller->OnCommand(Command::ReadMe);
        QVERIFY(view.helpTopics_.isEmpty());
    }

    void resetResults_asksAndResetsOnlyWhenAccepted()
    {
        m_settings->WriteText(QStringLiteral("Settings"), QStringLiteral("FirstRun"), QStringLiteral("0"));
        QVERIFY(m_settings->CreateUser(QStringLiteral("Ann"), 4));
        UserProfile profile(*m_settings);
        profile.Set(Profile::GoalWPM, 30);
        FakeMainView view;
        auto controller = Start(view);
        view.answers_ = {false, true};
        controller->OnCommand(Command::ResetResults);
        QCOMPARE(profile.Get(Profile::GoalWPM), 30);
        controller->OnCommand(Command::MenuResetResults);
        QCOMPARE(profile.Get(Profile::GoalWPM), 0);
        QCOMPARE(profile.Get(Profile::Type), 4);
        QCOMPARE(view.questions_.size(), 2);
        QCOMPARE(view.questions_.first(),
                 QStringLiteral("Reset Results: Are you sure you want to reset all results?"));
    }

    void setState_ignoresSameStateAndOutOfRange()
    {
        FakeMainView view;
        auto controller = Start(view);
        controller->SetState(6, ExerciseKind::Lesson);
        QCOMPARE(controller->State(), int(SessionState::Idle));
        controller->SetState(SessionState::Idle, ExerciseKind::Lesson);
        QCOMPARE(controller->Kind(), int(ExerciseKind::None)); // same state: nothing stored
        controller->SetState(SessionState::Idle, ExerciseKind::Dictation);
        QCOMPARE(controller->Kind(), int(ExerciseKind::Dictation)); // dictation always passes
    }

    void showTimers_flipsAndPersists()
    {
        FakeMainView view;
        auto controller = Start(view);
        controller->OnCommand(Command::ShowHideTimers);
        QVERIFY(view.timersVisible_);
        QVERIFY(view.timersChecked_);
        QVERIFY(UserProfile(*m_settings).Get(Profile::ShowTimers));
        controller->OnCommand(Command::ShowHideTimers);
        QVERIFY(!view.timersVisible_);
    }

    void tabCommands_selectTabAndView_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("view");
        QTest::addRow("lessons") << int(Command::TabLessons) << 1 << int(View::Typing);
        QTest::addRow("practice") << int(Command::TabPractice) << 2 << int(View::Typing);
        QTest::addRow("games") << int(Command::TabGames) << 3 << int(View::Games);
        QTest::addRow("tests") << int(Command::TabTests) << 4 << int(View::Typing);
        QTest::addRow("results") << int(Command::TabResults) << 5 << int(View::Results);
    }

    void tabCommands_selectTabAndView()
    {
        QFETCH(int, command);
        FakeMainView fake;
        auto controller = Start(fake);
        controller->OnCommand(Command::TabResults);
        controller->OnCommand(command);
        QTEST(int(fake.tab_), "tab");
        QTEST(int(fake.view_), "view");
    }

    void exitWhileBusy_stopsFirst()
    {
        FakeMainView view;
        auto controller = Start(view);
        controller->SetState(SessionState::Typing, ExerciseKind::Lesson);
        controller->OnCommand(Command::Exit);
        QVERIFY(view.closeRequested_);
        QVERIFY(!controller->IsBusy());
    }

    void startupLoad_runsOnceAfterInitialize()
    {
        FakeMainView view;
        MainController controller(*m_settings, m_clock, m_dir.path());
        int finished = 0;
        connect(&controller, &MainController::StartupLoadFinished, this, [&finished] { ++finished; });
        controller.Initialize(view);
        QVERIFY(!controller.StartupLoadDone());
        QTRY_COMPARE(finished, 1);
        QCoreApplication::processEvents();
        QCOMPARE(finished, 1);
        QCOMPARE(int(view.tab_), int(Tab::Lessons));
    }

    void import_reloadsOnlyTheFirstImportedList_andDeletedPracticesLeaveIt()
    {
        m_settings->WriteFlag(SettingsStore::SettingsKey, QStringLiteral("FirstRun"), false);
        FakeMainView view;
        auto main = Start(view);
        ScriptedImportView imports;
        main->Import().Attach(imports);
        GlobalSettings settings(*m_settings);
        for (const QString& name : {QStringLiteral("t.txt"), QStringLiteral("p.txt")})
            QVERIFY(test::WriteFile(m_dir.filePath(name), "Words to type."));
        imports.files = {{ImportKind::SpeedTest, m_dir.filePath(QStringLiteral("t.txt"))},
                         {ImportKind::Practice, m_dir.filePath(QStringLiteral("p.txt"))}};
        main->OnCommand(Command::ImportCustom);
        QCOMPARE(main->Catalogue().CustomPractices().Count(), 1);
        QCOMPARE(main->Catalogue().CustomSpeedTests().Count(), 0);
        QVERIFY(!settings.Get(Profile::NewCustomPracticeImported));
        QVERIFY(settings.Get(Profile::NewCustomSpeedTestImported));

        imports.files.clear();
        main->OnCommand(Command::MenuImportCustomSpeedTest);
        QCOMPARE(main->Catalogue().CustomSpeedTests().Count(), 1);
        QVERIFY(!settings.Get(Profile::NewCustomSpeedTestImported));
        main->Import().DeleteCustomPractice(QStringLiteral("P.TXT"));
        QCOMPARE(main->Catalogue().CustomPractices().Count(), 0);
    }
};

QTEST_GUILESS_MAIN(MainControllerTest)
#include "tst_maincontroller.moc"
