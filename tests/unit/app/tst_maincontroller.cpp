#include "app/ImportController.h"
#include "app/ImportView.h"
#include "app/MainController.h"
#include "content/ExerciseCatalogue.h"
#include "FakeMainView.h"
#include "settings/UserProfile.h"
#include "TestClock.h"
#include "TestFiles.h"
#include "TestRegistry.h"

#include <optional>
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
    std::optional<test::TestRegistry> m_reg;
    SettingsStore* m_settings = nullptr;
    test::TestClock m_clock;

    std::unique_ptr<MainController> Start(FakeMainView& view)
    {
        auto controller = std::make_unique<MainController>(*m_settings, m_clock, m_reg->Path());
        controller->Initialize(view);
        QCoreApplication::processEvents();
        return controller;
    }

private slots:
    void init() { m_settings = &m_reg.emplace().settings; }

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

    void exitWhileBusy_stopsFirst()
    {
        FakeMainView view;
        auto controller = Start(view);
        controller->SetState(SessionState::Typing, ExerciseKind::Lesson);
        controller->OnCommand(Command::Exit);
        QVERIFY(view.closeRequested_);
        QVERIFY(!controller->IsBusy());
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
            QVERIFY(test::WriteFile(m_reg->FilePath(name), "Words to type."));
        imports.files = {{ImportKind::SpeedTest, m_reg->FilePath(QStringLiteral("t.txt"))},
                         {ImportKind::Practice, m_reg->FilePath(QStringLiteral("p.txt"))}};
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
