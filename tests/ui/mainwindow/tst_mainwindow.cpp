#include "app/CommandIds.h"
#include "app/MainController.h"
#include "app/widgets/MainWindow.h"
#include "app/widgets/TypingView.h"
#include "gui/HelpWindow.h"
#include "gui/TabbedToolbar.h"
#include "platform/RegistryStore.h"
#include "session/widgets/StartHintPanel.h"
#include "settings/SettingsStore.h"
#include "TestClock.h"
#include "TestDataFolder.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace clavora;
using namespace Qt::StringLiterals;

class MainWindowTest : public QObject
{
    Q_OBJECT

private:
    test::TestDataFolder m_data;
    RegistryStore m_registry;
    std::unique_ptr<SettingsStore> m_settings;
    test::TestClock m_clock;
    std::unique_ptr<MainController> m_controller;
    std::unique_ptr<MainWindow> m_window;

    QAction* FindAction(const QString& menuTitle, const QString& itemText) const
    {
        for (QAction* top : m_window->menuBar()->actions()) {
            if (top->text() != menuTitle || !top->menu())
                continue;
            for (QAction* action : top->menu()->actions()) {
                if (action->text().section(u'\t', 0, 0) == itemText)
                    return action;
            }
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_registry.Open(m_data.Path() + QStringLiteral("/registry.sqlite")) ==
                RegistryStore::OpenResult::Opened);
        m_settings = std::make_unique<SettingsStore>(m_registry);
        m_settings->WriteText(QStringLiteral("Settings"), QStringLiteral("FirstRun"), QStringLiteral("0"));
        m_settings->CreateUser(QStringLiteral("Tess"), 5);
        m_settings->WriteUserInt(QStringLiteral("CurrExerciseEntry"), 1);
        m_controller = std::make_unique<MainController>(*m_settings, m_clock, m_data.Path());
        m_window = std::make_unique<MainWindow>(*m_controller);
        m_window->Create();
        m_window->resize(1600, 1000);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTRY_VERIFY(m_controller->StartupLoadDone());
    }

    void menus_showAcceleratorTextsFromTheTable_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("shortcut");
        // The texts themselves are tst_commandstates' accelerator table; here they reach the menus.
        QTest::addRow("lessons menu") << u"Lessons"_s << u"Select Lesson..."_s << u"Ctrl+K"_s;
        QTest::addRow("no accelerator") << u"Lessons"_s << u"Start"_s << QString();
    }

    void menus_showAcceleratorTextsFromTheTable()
    {
        QFETCH(QString, menu);
        QFETCH(QString, item);
        QFETCH(QString, shortcut);
        QAction* action = FindAction(menu, item);
        QVERIFY(action);
        QCOMPARE(action->text().section(u'\t', 1), shortcut);
    }

    void toolbar_hasTabsButtonsAndTooltips()
    {
        TabbedToolbar* toolbar = m_window->Toolbar();
        QToolButton* start = toolbar->ButtonOf(1, Command::Start);
        QVERIFY(start);
        QCOMPARE(start->text(), QStringLiteral("Start"));
        QCOMPARE(start->toolTip(), QStringLiteral("Start exercise (F9)"));
        QVERIFY(!start->icon().isNull());
        QToolButton* goal = toolbar->ButtonOf(5, Command::GoalWpm);
        QVERIFY(goal);
        QCOMPARE(goal->toolTip(), QStringLiteral("Reset Goal WPM"));
        QCOMPARE(toolbar->ButtonOf(1, Command::PauseResume)->text(), QStringLiteral("Pause"));
    }

    void idleTypingView_tellsWhatStartBegins_data()
    {
        QTest::addColumn<int>("tabCommand");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("description");
        QTest::addRow("lessons") << int(Command::TabLessons)
                                 << "Press Start or F9 to begin: Home Row: Overview"
                                 << "This lesson introduces the home row.";
        QTest::addRow("practice") << int(Command::TabPractice)
                                  << "Press Start or F9 to begin: a practice text picked at random"
                                  << "To choose the text yourself, use Practice (Ctrl+P).";
        QTest::addRow("tests") << int(Command::TabTests)
                               << "Press Start or F9 to begin: a 1-minute speed test"
                               << "The text is picked at random; to choose one, use Tests (Ctrl+T).";
    }

    void idleTypingView_tellsWhatStartBegins()
    {
        QFETCH(int, tabCommand);
        QFETCH(QString, heading);
        QFETCH(QString, description);
        m_controller->OnCommand(tabCommand);
        const StartHintPanel* hint = m_window->StartHintArea();
        QCOMPARE(hint->Heading(), heading);
        QCOMPARE(hint->Description(), description);
        QVERIFY(hint->isVisible());
    }

    void startKey_loadsTheLessonAndPauseRelabels()
    {
        m_controller->OnCommand(Command::TabLessons);
        m_window->Typing()->setFocus();
        QTest::keyClick(m_window->Typing(), Qt::Key_F9);
        QTRY_COMPARE(m_controller->State(), int(SessionState::Typing));
        QVERIFY(!m_window->StartHintArea()->isVisible());
        QCOMPARE(m_window->windowTitle(),
                 QStringLiteral("Clavora by Oxley Software - Lesson 1 - Home Row: Overview"));
        QTest::keyClicks(m_window->Typing(), QStringLiteral("as"));
        QTest::keyClick(m_window->Typing(), Qt::Key_F10);
        QCOMPARE(m_controller->State(), int(SessionState::Paused));
        QCOMPARE(m_window->Toolbar()->ButtonOf(1, Command::PauseResume)->text(), QStringLiteral("Resume"));
        QVERIFY(!m_window->Toolbar()->IsButtonEnabled(1, Command::SelectLesson));
        // Stopping ends in the course dialog, which the test closes as soon as it shows.
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        closer.start(50);
        QTest::keyClick(m_window->Typing(), Qt::Key_F4);
        QTRY_COMPARE(m_controller->State(), int(SessionState::Idle));
        QVERIFY(m_window->Toolbar()->IsButtonEnabled(1, Command::SelectLesson));
    }

    void helpKey_opensTheBasicsPage()
    {
        m_controller->OnCommand(Command::Help);
        QVERIFY(m_window->Help());
        QCOMPARE(m_window->Help()->CurrentTopic(), QStringLiteral("basics"));
        QVERIFY(m_window->Help()->isVisible());
        m_window->Help()->close();
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
