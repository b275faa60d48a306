#include "app/CommandIds.h"
#include "app/MainController.h"
#include "app/widgets/MainWindow.h"
#include "app/widgets/TypingView.h"
#include "gui/HelpWindow.h"
#include "gui/TabbedToolbar.h"
#include "platform/RegistryStore.h"
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
        QTest::addRow("lessons menu") << "Lessons"
                                      << "Select Lesson..."
                                      << "Ctrl+K";
        QTest::addRow("practice menu") << "Practice"
                                       << "Select Practice Text..."
                                       << "Ctrl+P";
        QTest::addRow("users menu") << "Users"
                                    << "Reset Results..."
                                    << "Ctrl+Shift+R";
        QTest::addRow("tools menu") << "Tools"
                                    << "Options..."
                                    << "Ctrl+O";
        QTest::addRow("no accelerator") << "Lessons"
                                        << "Start"
                                        << "";
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

    void firstMenu_repeatsCommandsWithTheSameShortcuts()
    {
        QAction* clavora = m_window->menuBar()->actions().value(0);
        QVERIFY(clavora && clavora->menu());
        QCOMPARE(clavora->text(), QStringLiteral("Clavora"));
        QAction* lessons = nullptr;
        for (QAction* action : clavora->menu()->actions()) {
            if (action->text() == QStringLiteral("Lessons"))
                lessons = action;
        }
        QVERIFY(lessons && lessons->menu());
        bool found = false;
        for (QAction* action : lessons->menu()->actions())
            found = found || action->text() == QStringLiteral("Select Lesson...\tCtrl+K");
        QVERIFY(found);
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

    void startKey_loadsTheLessonAndPauseRelabels()
    {
        m_controller->OnCommand(Command::TabLessons);
        m_window->Typing()->setFocus();
        QTest::keyClick(m_window->Typing(), Qt::Key_F9);
        QTRY_COMPARE(m_controller->State(), int(SessionState::Typing));
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
