#include "gui/ProgressWindow.h"
#include "TestClock.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace clavora;

class TestProgressWindow final : public QObject
{
    Q_OBJECT

private slots:
    void window_showsOnlyAfterTheDelay_data()
    {
        QTest::addColumn<int>("elapsedMs");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<int>("shownValue");
        QTest::addRow("quick load: never shown") << ProgressWindow::ShowDelayMs - 1 << 3.0 / 7.0 << 429;
        QTest::addRow("slow load: shown")
            << ProgressWindow::ShowDelayMs << 1.0 << ProgressWindow::ProgressSteps;
        QTest::addRow("fraction past the end")
            << ProgressWindow::ShowDelayMs << 7.5 << ProgressWindow::ProgressSteps;
    }

    void window_showsOnlyAfterTheDelay()
    {
        QFETCH(int, elapsedMs);
        QFETCH(double, fraction);
        test::TestClock clock;
        ProgressWindow window(clock, u"Clavora"_s);
        window.SetStatus(u"Loading lessons..."_s);
        QVERIFY(!window.isVisible());
        clock.Advance(elapsedMs);
        window.SetFraction(fraction);
        QCOMPARE(window.isVisible(), elapsedMs >= ProgressWindow::ShowDelayMs);
        QVERIFY(window.isModal());
        QCOMPARE(window.StatusText(), u"Loading lessons..."_s);
        QTEST(window.ProgressValue(), "shownValue");
        window.Finish();
        QVERIFY(!window.isVisible());
    }

    void errors_areShownTogetherAtTheEnd()
    {
        test::TestClock clock;
        ProgressWindow window(clock, u"Clavora"_s);
        window.ReportError(u"Error loading lessons."_s);
        window.ReportError(u"Error loading speed tests."_s);
        QString shownTitle;
        QString shownText;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            shownTitle = box->windowTitle();
            shownText = box->text();
            box->accept();
        });
        window.Finish();
        QCOMPARE(shownTitle, u"Clavora"_s);
        QCOMPARE(shownText, u"Error loading lessons.\nError loading speed tests."_s);
    }

    void cancel_isOnlyOfferedWhenAsked()
    {
        test::TestClock clock;
        ProgressWindow fixed(clock, u"Clavora"_s);
        clock.Advance(ProgressWindow::ShowDelayMs);
        fixed.SetStatus(u"x"_s);
        QVERIFY(fixed.findChildren<QPushButton*>().isEmpty());
        QTest::keyClick(&fixed, Qt::Key_Escape);
        QVERIFY(!fixed.IsCancelled());
        QVERIFY(fixed.isVisible());

        ProgressWindow cancellable(clock, u"Clavora"_s, true);
        clock.Advance(ProgressWindow::ShowDelayMs);
        QVERIFY(!cancellable.IsCancelled());
        QVERIFY(cancellable.isVisible());
        auto* cancel = cancellable.findChild<QPushButton*>();
        QVERIFY(cancel);
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(cancellable.IsCancelled());
        fixed.Finish();
        cancellable.Finish();
    }
};

QTEST_MAIN(TestProgressWindow)
#include "tst_progresswindow.moc"
