// The falling-words game in the real program: opened from the Games tab, started and played
// through the X keyboard, left to run until the words have used up the health; the high score and
// the game's record are then read back from the settings database.
#include "DesktopSession.h"

#include <QTest>

using clavora::test::DesktopSession;

class FlurrixEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void gamePlayedToTheEnd_isStored()
    {
        DesktopSession desktop;
        if (!desktop.IsReady())
            QSKIP("Xvfb and xdotool are needed");
        QProcess* tutor = desktop.Start(DesktopSession::Program);
        QVERIFY(desktop.PassWizard());
        const QString window = desktop.FocusWindow(DesktopSession::MainTitle);
        QVERIFY(!window.isEmpty());
        const QString user = desktop.CurrentUser();
        QVERIFY(!user.isEmpty());

        QVERIFY(desktop.OpenGamesTab(window));
        QTest::qWait(1000);
        QVERIFY(desktop.Keys({QStringLiteral("space")})); // any key starts
        QTest::qWait(1500);
        // The first words are single home-row letters: one of these completes each of them.
        for (int round = 0; round < 2; ++round)
            QVERIFY(desktop.TypeText(QStringLiteral("asdfghjkl"), 120));

        const QString folder = QStringLiteral("Users\\%1\\Results\\Flurrix").arg(user);
        const QString record = folder + QStringLiteral("\\1");
        QTRY_VERIFY_WITH_TIMEOUT(desktop.ReadKeys(folder).contains(record), 180000);
        QTest::qWait(500);
        const auto values = desktop.ReadKeys(folder);
        const int score = values.value(record).value(QStringLiteral("Score")).toInt();
        QVERIFY2(score >= 10, qPrintable(QString::number(score)));
        QCOMPARE(values.value(folder).value(QStringLiteral("HighScore")).toInt(), score);
        QVERIFY(values.value(record).value(QStringLiteral("Timestamp")).toLongLong() > 1600000000);
        QVERIFY(!values.value(record).value(QStringLiteral("Date")).isEmpty());
        QCOMPARE(values.size(), 2); // the folder and one record: the game was stored once

        QVERIFY(desktop.Keys({QStringLiteral("alt+F4")}));
        QVERIFY(tutor->waitForFinished(10000));
        QCOMPARE(tutor->exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(FlurrixEndToEndTest)
#include "tst_flurrix_e2e.moc"
