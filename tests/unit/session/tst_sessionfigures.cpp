#include "session/ExerciseClock.h"
#include "session/ExerciseResult.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

class SessionFiguresTest : public QObject
{
    Q_OBJECT

private slots:
    void figures_data()
    {
        QTest::addColumn<quint32>("durationMs");
        QTest::addColumn<quint32>("characters");
        QTest::addColumn<quint32>("errors");
        QTest::addColumn<double>("gross");
        QTest::addColumn<double>("net");
        QTest::addColumn<double>("kph");
        QTest::addColumn<double>("accuracy");

        QTest::addRow("one-minute speed test") << 60000u << 300u << 3u << 60.0 << 57.0 << 18000.0 << 99.0;
        QTest::addRow("nothing typed") << 60000u << 0u << 0u << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::addRow("stopped: all zero") << 0u << 0u << 0u << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::addRow("no time: no speed") << 0u << 100u << 0u << 0.0 << 0.0 << 0.0 << 100.0;
        QTest::addRow("net clipped at zero") << 60000u << 50u << 20u << 10.0 << 0.0 << 3000.0 << 60.0;
        QTest::addRow("more errors than characters") << 60000u << 5u << 10u << 1.0 << 0.0 << 300.0 << 0.0;
        QTest::addRow("half a minute") << 30000u << 150u << 0u << 60.0 << 60.0 << 18000.0 << 100.0;
    }

    void figures()
    {
        ExerciseResult result;
        QFETCH(quint32, durationMs);
        QFETCH(quint32, characters);
        QFETCH(quint32, errors);
        result.durationMs = durationMs;
        result.characters = characters;
        result.errors = errors;
        QFETCH(double, gross);
        QFETCH(double, net);
        QFETCH(double, kph);
        QFETCH(double, accuracy);
        // qFuzzyCompare cannot take 0.0 against 0.0 with tolerance, so compare with an offset.
        QCOMPARE(result.GrossWpm() + 1.0, gross + 1.0);
        QCOMPARE(result.NetWpm() + 1.0, net + 1.0);
        QCOMPARE(result.Kph() + 1.0, kph + 1.0);
        QCOMPARE(result.AccuracyPercent() + 1.0, accuracy + 1.0);
    }

    void clockText_byFormat_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("ms");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");

        QTest::addRow("hours") << 0 << 3725 << 0 << " 1:02:05" << 120;
        QTest::addRow("hours, start") << 0 << 0 << 0 << " 0:00:00" << 120;
        QTest::addRow("minutes") << 1 << 125 << 0 << "02:05" << 95;
        QTest::addRow("minutes past an hour wrap") << 1 << 3725 << 0 << "02:05" << 95;
        QTest::addRow("seconds alone") << 2 << 75 << 0 << ":75" << 70;
        QTest::addRow("milliseconds") << 3 << 9 << 42 << ".042" << 70;
        QTest::addRow("seconds and ms") << 4 << 5 << 7 << ":05.007" << 95;
        QTest::addRow("minutes and ms") << 5 << 125 << 7 << "02:05.007" << 120;
        QTest::addRow("all fields") << 6 << 3725 << 7 << "01:02:05.007" << 145;
        QTest::addRow("countdown past zero") << 1 << -5 << 0 << "00:-5" << 95;
    }

    void clockText_byFormat()
    {
        QFETCH(int, format);
        QFETCH(int, seconds);
        QFETCH(int, ms);
        ExerciseClock clock;
        clock.SetUpCountdown(seconds);
        clock.SetFormat(static_cast<ExerciseClock::Format>(format));
        clock.SetMilliseconds(ms);
        QTEST(clock.Text(), "text");
        QTEST(clock.TextWidth(), "width");
    }

    void countdown_resumesFromRemainingTime()
    {
        ExerciseClock clock;
        clock.SetUpCountdown(60);
        clock.StartClock(1000);
        QCOMPARE(clock.CountdownTotal(), 60);
        clock.TickClock(1020);
        QCOMPARE(clock.Text(), u"00:40"_s);
        clock.StopClock(1025);
        QCOMPARE(clock.ShownSeconds(), 35);
        clock.StartClock(2000);
        QCOMPARE(clock.CountdownTotal(), 35);
        clock.TickClock(2036);
        QCOMPARE(clock.ShownSeconds(), -1);
    }
};

QTEST_GUILESS_MAIN(SessionFiguresTest)
#include "tst_sessionfigures.moc"
