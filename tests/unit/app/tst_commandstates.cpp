// The command states of menus and buttons, and where the course goes next.
#include "app/CommandIds.h"
#include "app/CommandStateRules.h"
#include "app/CommandTables.h"
#include "app/CourseRules.h"
#include "app/CourseTable.h"
#include "app/ResultNotes.h"
#include "settings/ValueFormat.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

class CommandStatesTest : public QObject
{
    Q_OBJECT

private slots:
    void dialogItems_offWhileBusy_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("enabled");
        QTest::addRow("idle") << int(SessionState::Idle) << true;
        QTest::addRow("paused") << int(SessionState::Paused) << false;
        QTest::addRow("typing") << int(SessionState::Typing) << false;
        QTest::addRow("preparing") << int(SessionState::Preparing) << true;
    }

    void dialogItems_offWhileBusy()
    {
        QFETCH(int, state);
        CommandStateInputs in;
        in.sessionState = state;
        const CommandStates states = ComputeCommandStates(in);
        for (int id : {Command::SelectLesson, Command::MenuOptions, Command::ResetResults, Command::AddUser,
                       Command::MenuSelectPractice, Command::MenuGamesOther})
            QTEST(states.MenuEnabled(id), "enabled");
    }

    void tabButtons_followStateAndTab_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("enabled");
        const int lessons = int(Tab::Lessons);
        const int practice = int(Tab::Practice);
        const int tests = int(Tab::Tests);
        QTest::addRow("lessons idle: select") << lessons << 0 << int(Command::SelectLesson) << true;
        QTest::addRow("lessons typing: select") << lessons << 3 << int(Command::SelectLesson) << false;
        QTest::addRow("lessons typing: stop") << lessons << 3 << int(Command::Stop) << true;
        QTest::addRow("lessons paused: read me") << lessons << 1 << int(Command::ReadMe) << false;
        QTest::addRow("practice idle: practice") << practice << 0 << int(Command::SelectPractice) << true;
        QTest::addRow("practice typing: pause") << practice << 3 << int(Command::PauseResume) << true;
        QTest::addRow("tests paused: tests") << tests << 1 << int(Command::SelectSpeedTest) << false;
        QTest::addRow("tests paused: stop") << tests << 1 << int(Command::Stop) << true;
    }

    void tabButtons_followStateAndTab()
    {
        QFETCH(int, tab);
        QFETCH(int, state);
        QFETCH(int, command);
        CommandStateInputs in;
        in.selectedTab = static_cast<Tab>(tab);
        in.sessionState = state;
        const CommandStates states = ComputeCommandStates(in);
        QCOMPARE(states.buttonsTab, static_cast<Tab>(tab));
        QVERIFY(states.buttons.contains(command));
        QTEST(states.ButtonEnabled(command), "enabled");
    }

    void pauseResumeStopItems_onlyForSelectedTab_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("state");
        QTest::addColumn<QList<int>>("enabledItems");
        QTest::addRow("lessons typing") << int(Tab::Lessons) << 3
                                        << QList<int>{Command::LessonsPause, Command::MenuLessonsPause,
                                                      Command::LessonsStop, Command::MenuLessonsStop};
        QTest::addRow("lessons paused") << int(Tab::Lessons) << 1
                                        << QList<int>{Command::LessonsResume, Command::MenuLessonsResume,
                                                      Command::LessonsStop, Command::MenuLessonsStop};
        QTest::addRow("tests typing") << int(Tab::Tests) << 3
                                      << QList<int>{Command::TestsPause, Command::MenuTestsPause,
                                                    Command::TestsStop, Command::MenuTestsStop};
        QTest::addRow("games typing: none") << int(Tab::Games) << 3 << QList<int>{};
        QTest::addRow("practice idle: none") << int(Tab::Practice) << 0 << QList<int>{};
    }

    void pauseResumeStopItems_onlyForSelectedTab()
    {
        QFETCH(int, tab);
        QFETCH(int, state);
        QFETCH(QList<int>, enabledItems);
        CommandStateInputs in;
        in.selectedTab = static_cast<Tab>(tab);
        in.sessionState = state;
        const CommandStates states = ComputeCommandStates(in);
        const QList<int> all = {3015, 3018, 3021, 3016, 3019, 3022, 3017, 3020, 3032,
                                3053, 3036, 3037, 3038, 3043, 3044, 3045, 3051, 3052};
        for (int id : all)
            QCOMPARE(states.MenuEnabled(id), enabledItems.contains(id));
    }

    void courseFinished_disablesLessonStart()
    {
        CommandStateInputs in;
        in.courseFinished = true;
        const CommandStates states = ComputeCommandStates(in);
        QVERIFY(!states.ButtonEnabled(Command::Start));
        QVERIFY(!states.MenuEnabled(Command::MenuLessonsStart));
    }

    void certificate_needsOfferAndIdle()
    {
        CommandStateInputs in;
        QVERIFY(!ComputeCommandStates(in).MenuEnabled(Command::CompletionCertificate));
        in.awardCertOffered = true;
        QVERIFY(ComputeCommandStates(in).MenuEnabled(Command::CompletionCertificate));
        in.sessionState = SessionState::Typing;
        QVERIFY(!ComputeCommandStates(in).MenuEnabled(Command::CompletionCertificate));
    }

    void typingAreas_enabledOnlyWhileRunning()
    {
        CommandStateInputs in;
        in.sessionState = SessionState::Typing;
        QVERIFY(ComputeCommandStates(in).typingAreasEnabled);
        in.sessionState = SessionState::Paused;
        QVERIFY(!ComputeCommandStates(in).typingAreasEnabled);
    }

    void acceleratorTexts_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("text");
        QTest::addRow("select lesson") << int(Command::SelectLesson) << u"Ctrl+K"_s;
        QTest::addRow("reset results, first menu") << int(Command::MenuResetResults) << u"Ctrl+Shift+R"_s;
        QTest::addRow("import") << int(Command::MenuImportCustomSpeedTest) << u"Ctrl+Shift+I"_s;
        QTest::addRow("dictation") << int(Command::MenuSelectDictation) << u"Alt+S"_s;
        QTest::addRow("pause") << int(Command::PauseResume) << u"F10"_s;
        QTest::addRow("no accelerator") << int(Command::MenuLessonsStart) << QString();
    }

    void acceleratorTexts()
    {
        QFETCH(int, command);
        QTEST(CommandTables::AcceleratorText(command), "text");
    }

    void menuTable_isBalancedAndEveryItemUnique()
    {
        int depth = 0;
        QList<int> seen;
        for (const auto& row : CommandTables::MenuBar()) {
            if (row.kind == CommandTables::MenuRowKind::PopupBegin)
                ++depth;
            else if (row.kind == CommandTables::MenuRowKind::PopupEnd)
                QVERIFY(--depth >= 0);
            else if (row.kind == CommandTables::MenuRowKind::Item) {
                QVERIFY2(!seen.contains(row.commandId), qPrintable(QString::number(row.commandId)));
                seen.append(row.commandId);
            }
        }
        QCOMPARE(depth, 0);
    }

    void nextEntry_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<float>("skill");
        QTest::addColumn<QString>("lastStored");
        QTest::addColumn<int>("incomplete");
        QTest::addColumn<int>("next");
        QTest::addRow("skill test goes to the first lesson") << 0 << false << 0.95f << u"0.9"_s << -1 << 1;
        QTest::addRow("repeat stays") << 6 << true << 0.95f << u"0.9"_s << -1 << 6;
        QTest::addRow("fast user jumps a section") << 6 << false << 0.85f << u"0"_s << -1 << 9;
        QTest::addRow("fast user at 26 stops at 28") << 26 << false << 0.85f << u"0"_s << -1 << 28;
        QTest::addRow("good user leaves out Basics") << 7 << false << 0.75f << u"0"_s << -1 << 9;
        QTest::addRow("good user at Revision") << 8 << false << 0.75f << u"0"_s << -1 << 9;
        QTest::addRow("last level 0.6 stored reads above 0.6")
            << 5 << false << 0.5f << u"0.600000000000000"_s << -1 << 7;
        QTest::addRow("last level 0.59") << 5 << false << 0.5f << u"0.590000000000000"_s << -1 << 6;
        QTest::addRow("slow user one by one") << 10 << false << 0.1f << u"0.1"_s << -1 << 11;
        QTest::addRow("last lesson back to incomplete section") << 28 << false << 0.9f << u"0"_s << 9 << 9;
        QTest::addRow("last lesson all complete") << 28 << false << 0.9f << u"0"_s << -1 << 28;
        QTest::addRow("last lesson slow user ends course") << 28 << false << 0.1f << u"0"_s << -1 << 29;
        QTest::addRow("skill floor is 0.1") << 3 << false << 0.0f << u"0"_s << -1 << 4;
    }

    void nextEntry()
    {
        QFETCH(int, current);
        QFETCH(bool, repeat);
        QFETCH(float, skill);
        QFETCH(QString, lastStored);
        QFETCH(int, incomplete);
        CourseRules::NextEntryInputs in;
        in.current = current;
        in.repeatFlag = repeat;
        in.skillLevel = skill;
        in.lastSkillLevel = float(ValueFormat::ParseReal(lastStored));
        in.firstIncompleteSection = [incomplete] { return incomplete; };
        QTEST(CourseRules::NextCourseEntry(in), "next");
    }

    void resultNotes_data()
    {
        QTest::addColumn<double>("netWpm");
        QTest::addColumn<double>("latest");
        QTest::addColumn<double>("best");
        QTest::addColumn<QString>("comparison");
        QTest::addRow("never typed") << 20.0 << 0.0 << 0.0 << "";
        QTest::addRow("faster and slower")
            << 30.4 << 22.0 << 33.0 << "+8 WPM on your latest, -3 WPM on your best";
        QTest::addRow("rounds to the same")
            << 25.2 << 25.0 << 25.4 << "the same as your latest, the same as your best";
    }

    void resultNotes()
    {
        QFETCH(double, netWpm);
        QFETCH(double, latest);
        QFETCH(double, best);
        QTEST(ResultNotes::Comparison(netWpm, LessonFigures{latest, best, AwardLevel::None}), "comparison");
        QCOMPARE(ResultNotes::Comparison(netWpm, std::nullopt), QString());
    }

    void courseMove_explainsOnlySkips()
    {
        QCOMPARE(ResultNotes::CourseMove(5, 6), QString());
        QCOMPARE(ResultNotes::CourseMove(CourseTable::SkillTestEntry, CourseTable::FirstLessonEntry),
                 QString());
        QCOMPARE(ResultNotes::CourseMove(28, 25), QString()); // back to an incomplete section
        QCOMPARE(ResultNotes::CourseMove(5, 7),
                 QStringLiteral("Your skill level lets you skip ahead to %1.").arg(CourseTable::TitleOf(7)));
    }
};

QTEST_GUILESS_MAIN(CommandStatesTest)
#include "tst_commandstates.moc"
