// The falling-words game's tables: points, word lengths, penalties, letter sets and the wave.
#include "games/FlurrixRules.h"

#include <cmath>
#include <numbers>
#include <QTest>

using namespace clavora;
using namespace clavora::FlurrixRules;
using namespace Qt::StringLiterals;

class TestFlurrixRules final : public QObject
{
    Q_OBJECT

private slots:
    void points_byLength_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("points");
        // The ends of the table and lengths off it; the rows between are the table itself.
        const int table[][2] = {{0, 0}, {1, 10}, {2, 25}, {10, 1200}, {11, 0}, {-3, 0}, {259, 0}};
        for (const auto& row : table)
            QTest::addRow("%d letters", row[0]) << row[0] << row[1];
    }
    void points_byLength()
    {
        QFETCH(int, length);
        QTEST(PointsForLength(length), "points");
    }

    void lengthRange_byLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("shortest");
        QTest::addColumn<int>("longest");
        const int table[][3] = {{1, 1, 1},  {2, 1, 1},  {3, 1, 3},  {6, 1, 3},  {7, 1, 4},  {10, 1, 4},
                                {11, 3, 5}, {15, 3, 5}, {16, 3, 6}, {20, 3, 6}, {21, 4, 7}, {25, 4, 7},
                                {26, 4, 8}, {30, 4, 8}, {31, 6, 9}, {500, 6, 9}};
        for (const auto& row : table)
            QTest::addRow("level %d", row[0]) << row[0] << row[1] << row[2];
    }
    void lengthRange_byLevel()
    {
        QFETCH(int, level);
        const LengthRange range = LengthRangeForLevel(level);
        QTEST(range.shortest, "shortest");
        QTEST(range.longest, "longest");
    }

    void wrongKeyPenalty_byLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("penalty");
        const int table[][2] = {{1, 0}, {5, 0}, {6, 3}, {7, 3}, {29, 14}, {30, 15}, {99, 15}};
        for (const auto& row : table)
            QTest::addRow("level %d", row[0]) << row[0] << row[1];
    }
    void wrongKeyPenalty_byLevel()
    {
        QFETCH(int, level);
        QTEST(WrongKeyPenalty(level), "penalty");
    }

    void letterSet_byHighestLesson_data()
    {
        QTest::addColumn<int>("highestLesson");
        QTest::addColumn<QString>("letters");
        QTest::addRow("no lesson") << 0 << u"asdfghjkl;"_s;
        QTest::addRow("home row") << 1004 << u"asdfghjkl;"_s;
        QTest::addRow("first top-row lesson") << 1005 << u"asdfghjkl;qwertyuiop"_s;
        QTest::addRow("last top-row lesson") << 1008 << u"asdfghjkl;qwertyuiop"_s;
        QTest::addRow("first bottom-row lesson") << 1009 << u"asdfghjkl;qwertyuiopzxcvbnm"_s;
        QTest::addRow("keypad") << 1028 << u"asdfghjkl;qwertyuiopzxcvbnm"_s;
    }
    void letterSet_byHighestLesson()
    {
        QFETCH(int, highestLesson);
        QTEST(LetterSet(LetterSetForHighestLesson(highestLesson)), "letters");
    }

    // One completed word moves the wave by a step that depends on the level reached.
    void wave_stepsByLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("amplitude");
        constexpr double Pi = std::numbers::pi;
        QTest::addRow("level 1") << 1 << Pi / 10 << 1.0;
        QTest::addRow("level 10") << 10 << Pi / 10 << 10.0;
        QTest::addRow("level 11") << 11 << Pi / 30 << 9.0;
        QTest::addRow("level 15") << 15 << Pi / 30 << 13.0;
        QTest::addRow("level 16") << 16 << Pi / 32 << 10.0;
        QTest::addRow("level 40") << 40 << Pi / 80 << 10.0;
    }
    void wave_stepsByLevel()
    {
        QFETCH(int, level);
        QFETCH(double, step);
        QFETCH(double, amplitude);
        const double start = 3 * std::numbers::pi / 2;
        const Wave wave = AdvanceWave({start, 1.0}, level);
        QVERIFY(qFuzzyCompare(wave.phase, start + step));
        QVERIFY(qFuzzyCompare(wave.value + 100, std::sin(start + step) * amplitude + 100));
    }

    void wave_phaseWrapsPastTwoPi()
    {
        const Wave wave = AdvanceWave({2 * std::numbers::pi - 0.01, 0.0}, 1);
        QVERIFY(wave.phase > 0 && wave.phase < std::numbers::pi / 10);
    }

    void spawnInterval_andFallStep_neverStopTheGame_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("wave");
        QTest::addColumn<double>("skill");
        QTest::addRow("new user") << 1 << 1.0 << 0.0;
        QTest::addRow("top of level 12") << 12 << 12.0 << 1.0;
        QTest::addRow("high level, low wave") << 40 << -10.0 << 1.0;
        QTest::addRow("high level, high wave") << 14 << 12.0 << 1.0;
    }
    void spawnInterval_andFallStep_neverStopTheGame()
    {
        QFETCH(int, level);
        QFETCH(double, wave);
        QFETCH(double, skill);
        QVERIFY(SpawnIntervalSeconds(level, wave, skill) > 0.5);
        QVERIFY(FallStep(skill, 200) >= 1);
    }
};

QTEST_GUILESS_MAIN(TestFlurrixRules)
#include "tst_flurrixrules.moc"
