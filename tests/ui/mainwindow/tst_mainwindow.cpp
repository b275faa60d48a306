#include "app/CommandIds.h"
#include "app/MainController.h"
#include "app/widgets/MainWindow.h"
#include "app/widgets/TypingView.h"
#include "gui/HelpWindow.h"
#include "gui/TabbedToolbar.h"
#include "session/TypingSession.h"
#include "session/widgets/StartHintPanel.h"
#include "TestClock.h"
#include "TestRegistry.h"

#include <optional>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace clavora;
using namespace Qt::StringLiterals;

class MainWindowTest : public QObject
{
    Q_OBJECT

private:
    std::optional<test::TestRegistry> m_reg;
    SettingsStore* m_settings = nullptr;
    test::TestClock m_clock;
    std::unique_ptr<MainController> m_controller;
    std::unique_ptr<MainWindow> m_window;

    // A menu entry's label without its access key mark.
    static QString Label(const QAction* action) { return action->text().section(u'\t', 0, 0).remove(u'&'); }

    // The letter after "&" in a label, lower case; null when it has none.
    static QChar AccessKey(const QAction* action)
    {
        const QString text = action->text();
        const qsizetype at = text.indexOf(u'&');
        return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
    }

    static void CheckAccessKeys(const QList<QAction*>& actions, const QString& reserved)
    {
        QString used;
        for (const QAction* action : actions) {
            if (action->isSeparator())
                continue;
            const QChar key = AccessKey(action);
            QVERIFY2(!key.isNull(), qPrintable(action->text()));
            QVERIFY2(!used.contains(key) && !reserved.contains(key), qPrintable(action->text()));
            used += key;
            if (action->menu())
                CheckAccessKeys(action->menu()->actions(), {});
        }
    }

    // Shortcuts only reach the active window; a closed message box may have left none active.
    void ActivateMainWindow()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_window->Typing()->setFocus();
    }

    // F4, closing the course dialog as soon as it shows; back to Idle.
    void StopClosingTheCourseDialog()
    {
        ActivateMainWindow();
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        closer.start(50);
        QTest::keyClick(m_window->Typing(), Qt::Key_F4);
        QTRY_COMPARE(m_controller->State(), int(SessionState::Idle));
    }

    QAction* FindAction(const QString& menuTitle, const QString& itemText) const
    {
        for (QAction* top : m_window->menuBar()->actions()) {
            if (Label(top) != menuTitle || !top->menu())
                continue;
            for (QAction* action : top->menu()->actions()) {
                if (Label(action) == itemText)
                    return action;
            }
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        m_settings = &m_reg.emplace(QStringLiteral("Tess")).settings;
        m_settings->WriteText(QStringLiteral("Settings"), QStringLiteral("FirstRun"), QStringLiteral("0"));
        m_settings->WriteUserInt(QStringLiteral("CurrExerciseEntry"), 1);
        m_controller = std::make_unique<MainController>(*m_settings, m_clock, m_reg->Path());
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
        QAction* action = FindAction(menu, item);
        QVERIFY(action);
        QTEST(action->text().section(u'\t', 1), "shortcut");
    }

    void menus_haveAccessKeysApartFromAltAccelerators()
    {
        // Alt+S and Alt+C belong to the dictation commands.
        CheckAccessKeys(m_window->menuBar()->actions(), QStringLiteral("sc"));
    }

    void tabKeys_chooseTabsAsAClickWould_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("tab");
        QTest::addRow("ctrl+2") << QKeyCombination(Qt::CTRL, Qt::Key_2) << 1 << 2;
        QTest::addRow("ctrl+5") << QKeyCombination(Qt::CTRL, Qt::Key_5) << 1 << 5;
        QTest::addRow("ctrl+tab") << QKeyCombination(Qt::CTRL, Qt::Key_Tab) << 4 << 5;
        QTest::addRow("ctrl+tab wraps") << QKeyCombination(Qt::CTRL, Qt::Key_Tab) << 5 << 1;
        QTest::addRow("ctrl+shift+tab") << QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Backtab) << 1 << 5;
    }

    void tabKeys_chooseTabsAsAClickWould()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(int, from);
        QFETCH(int, tab);
        m_window->Toolbar()->SetCurrentTab(from);
        m_window->activateWindow();
        m_window->Typing()->setFocus();
        QTest::keyClick(m_window->Typing(), key.key(), key.keyboardModifiers());
        QCOMPARE(m_window->Toolbar()->CurrentTab(), tab);
        QCOMPARE(int(m_controller->SelectedTab()), tab);
        m_controller->OnCommand(Command::TabLessons);
    }

    void toolbar_iconsDraw()
    {
        // Icons are read at their first paint; asked for a picture they must give one.
        QToolButton* start = m_window->Toolbar()->ButtonOf(1, Command::Start);
        QVERIFY(start && !start->icon().pixmap(32, 32).isNull());
    }

    void idleTypingView_tellsWhatStartBegins_data()
    {
        QTest::addColumn<int>("tabCommand");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("description");
        QTest::addRow("lessons") << int(Command::TabLessons)
                                 << "Press Start or F9 to begin: Home Row: Overview"
                                 << "This lesson introduces the home row.";
        QTest::addRow("tests") << int(Command::TabTests)
                               << "Press Start or F9 to begin: a 1-minute speed test"
                               << "The text is picked at random; to choose one, use Tests (Ctrl+T).";
    }

    void idleTypingView_tellsWhatStartBegins()
    {
        QFETCH(int, tabCommand);
        m_controller->OnCommand(tabCommand);
        const StartHintPanel* hint = m_window->StartHintArea();
        QTEST(hint->Heading(), "heading");
        QTEST(hint->Description(), "description");
        QVERIFY(hint->isVisible());
    }

    void confirmations_returnAloneCancels_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("title");
        QTest::addRow("reset results") << int(Command::ResetResults) << "Reset Results";
        QTest::addRow("clear problem words") << int(Command::ClearProblemWords) << "Clear Problem Words";
        QTest::addRow("clear problem characters")
            << int(Command::ClearProblemChars) << "Clear Problem Characters";
    }

    void confirmations_returnAloneCancels()
    {
        QFETCH(int, command);
        m_settings->WriteUserInt(QStringLiteral("CurrExerciseEntry"), 7);
        QString shownTitle;
        QString defaultText;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownTitle = box->windowTitle();
            defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
            QTest::keyClick(box, Qt::Key_Return);
        });
        m_controller->OnCommand(command);
        QTEST(shownTitle, "title");
        QCOMPARE(defaultText, QStringLiteral("Cancel"));
        QCOMPARE(m_settings->ReadUserInt(QStringLiteral("CurrExerciseEntry"), 0), 7);
    }

    // The band over the text: how to begin, then the session's own figures, then how to resume.
    void band_guidesAndShowsLiveFigures()
    {
        m_settings->WriteUserInt(QStringLiteral("DisplayAnimations"), 1);
        m_settings->WriteUserInt(QStringLiteral("CorrectionsForced"), 1);
        m_controller->OnCommand(Command::TabLessons);
        ActivateMainWindow();
        QTest::keyClick(m_window->Typing(), Qt::Key_F9);
        QTRY_COMPARE(m_controller->State(), int(SessionState::Typing));
        QCOMPARE(m_window->windowTitle(), u"Clavora by Oxley Software - Lesson 1 - Home Row: Overview"_s);
        const StartHintPanel* band = m_window->StartHintArea();
        QVERIFY(band->isVisible() && band->height() == StartHintPanel::BandHeight);
        QVERIFY2(band->Band().text.startsWith(QStringLiteral("New keys: a s d f")),
                 qPrintable(band->Band().text));

        const QString text = m_controller->Session().Target().Text();
        QTest::keyClick(m_window->Typing(), text.at(0).toLatin1());
        QCOMPARE(band->Band().text, QStringLiteral("0:00   |   0 WPM   |   100% accuracy   |   0 errors"));
        m_clock.Advance(12000);
        QTest::keyClicks(m_window->Typing(), text.mid(1, 4));
        QTest::keyClick(m_window->Typing(), text.at(5) == u'x' ? 'y' : 'x');
        // 6 characters in 12 s: 6 WPM gross, less 1 error; 5 of 6 right.
        QCOMPARE(band->Band().text, QStringLiteral("0:12   |   5 WPM   |   83% accuracy   |   1 error"));
        QVERIFY(band->Band().isFigures);
        QCOMPARE(band->Band().remainingFraction, -1.0);

        QTest::keyClick(m_window->Typing(), Qt::Key_F10);
        QCOMPARE(band->Band().text, QStringLiteral("Paused - F10 to resume"));
        StopClosingTheCourseDialog();
        QVERIFY(!band->IsBand());
        QCOMPARE(band->Notice(), QString()); // a lesson says so in its results instead

        // A stopped practice has no results to show; the idle view says nothing was saved.
        m_controller->OnCommand(Command::TabPractice);
        ActivateMainWindow();
        QTest::keyClick(m_window->Typing(), Qt::Key_F9);
        QTRY_COMPARE(m_controller->State(), int(SessionState::Typing));
        StopClosingTheCourseDialog();
        QCOMPARE(band->Notice(), QStringLiteral("Stopped - no result saved"));
        m_controller->OnCommand(Command::TabLessons);
    }

    void helpKey_opensTheBasicsPage()
    {
        m_controller->OnCommand(Command::Help);
        QVERIFY(m_window->Help());
        QCOMPARE(m_window->Help()->CurrentTopic(), QStringLiteral("basics"));
        QVERIFY(m_window->Help()->isVisible());
        // Esc from the page, which has the focus within the help window.
        QTest::keyClick(m_window->Help()->focusWidget(), Qt::Key_Escape);
        QVERIFY(!m_window->Help()->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
