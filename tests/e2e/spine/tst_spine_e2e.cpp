// The first start is part of the course run (tst_course_e2e); here a second start hands over.
#include "DesktopSession.h"

#include <QElapsedTimer>
#include <QTest>

using clavora::test::DesktopSession;

class SpineEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void secondStart_handsOverAndExits()
    {
        DesktopSession desktop;
        if (!desktop.IsReady())
            QSKIP("Xvfb and xdotool are needed");
        QProcess* first = desktop.Start(DesktopSession::Program);
        QVERIFY(!desktop.FocusWindow(QStringLiteral("Getting Started")).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("Escape")}));
        QVERIFY(!desktop.FocusWindow(DesktopSession::MainTitle).isEmpty());

        QElapsedTimer timer;
        timer.start();
        QProcess* second = desktop.Start(DesktopSession::Program);
        QVERIFY(second->waitForFinished(5000));
        QCOMPARE(second->exitCode(), 0);
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(first->state(), QProcess::Running);
        const QStringList windows =
            desktop
                .Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                          QStringLiteral("^") + DesktopSession::MainTitle})
                .split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(windows.size(), 1);
    }
};

QTEST_GUILESS_MAIN(SpineEndToEndTest)
#include "tst_spine_e2e.moc"
