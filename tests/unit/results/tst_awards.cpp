#include "progress/Award.h"

#include <array>
#include <limits>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

// Speeds and accuracies that reach exactly the level of their position (0..5).
constexpr std::array<double, 6> KphOfLevel = {0.0, 9000.5, 13200.5, 17400.5, 21600.5, 25800.5};
constexpr std::array<double, 6> AccuracyOfLevel = {50.0, 70.5, 76.5, 82.5, 88.5, 94.5};

// The award scale by accuracy level (rows) and speed level (columns).
constexpr int N = 0, B = 1, S = 2, G = 3, P = 4, D = 5;
constexpr std::array<std::array<int, 6>, 6> AwardTable = {{
    {N, N, N, N, N, N},
    {N, N, N, N, N, B},
    {N, N, N, B, B, S},
    {N, N, B, B, S, G},
    {N, N, B, S, G, P},
    {N, B, S, G, P, D},
}};

} // namespace

class TestAwards final : public QObject
{
    Q_OBJECT

private slots:
    void computeAward_followsTheScale_data()
    {
        QTest::addColumn<double>("kph");
        QTest::addColumn<double>("accuracy");
        QTest::addColumn<int>("expected");
        for (size_t a = 0; a < 6; ++a) {
            for (size_t s = 0; s < 6; ++s)
                QTest::addRow("A%zu S%zu", a, s) << KphOfLevel[s] << AccuracyOfLevel[a] << AwardTable[a][s];
        }
    }
    void computeAward_followsTheScale()
    {
        QFETCH(double, kph);
        QFETCH(double, accuracy);
        QFETCH(int, expected);
        QCOMPARE(static_cast<int>(ComputeAward(kph, accuracy)), expected);
    }

    void computeAward_thresholdsMustBeExceeded_data()
    {
        QTest::addColumn<double>("kph");
        QTest::addColumn<double>("accuracy");
        QTest::addColumn<int>("expected");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::addRow("both exactly on the top thresholds") << 25800.0 << 94.0 << G;
        QTest::addRow("both just above the top thresholds") << 25800.1 << 94.01 << D;
        QTest::addRow("lowest thresholds exactly") << 9000.0 << 70.0 << N;
        QTest::addRow("fastest with barely passing accuracy") << 25800.1 << 70.01 << B;
        QTest::addRow("slowest passing speed, perfect accuracy") << 9000.01 << 100.0 << B;
        QTest::addRow("accuracy on 88 with top speed") << 30000.0 << 88.0 << G;
        QTest::addRow("speed NaN") << nan << 100.0 << N;
        QTest::addRow("accuracy NaN") << 30000.0 << nan << N;
        QTest::addRow("negative figures") << -1.0 << -50.0 << N;
        QTest::addRow("infinite speed") << inf << 100.0 << D;
    }
    void computeAward_thresholdsMustBeExceeded()
    {
        QFETCH(double, kph);
        QFETCH(double, accuracy);
        QFETCH(int, expected);
        QCOMPARE(static_cast<int>(ComputeAward(kph, accuracy)), expected);
    }

    void awardOf_andHonors_data()
    {
        QTest::addColumn<double>("kph");
        QTest::addColumn<double>("accuracy");
        QTest::addColumn<quint32>("errors");
        QTest::addColumn<int>("award");
        QTest::addColumn<bool>("honors");
        QTest::addRow("slow but flawless") << 9180.0 << 100.0 << 0u << B << true;
        QTest::addRow("one error costs the honors") << 60000.0 << 99.9 << 1u << D << false;
        QTest::addRow("flawless without an award") << 6000.0 << 100.0 << 0u << N << false;
        QTest::addRow("nothing typed") << 0.0 << 0.0 << 0u << N << false;
    }
    void awardOf_andHonors()
    {
        QFETCH(double, kph);
        QFETCH(double, accuracy);
        QFETCH(quint32, errors);
        QFETCH(int, award);
        QFETCH(bool, honors);
        const ResultFigures figures{60000, 1000, errors, 0, 0, kph / 300, kph / 300, kph, accuracy};
        QCOMPARE(static_cast<int>(AwardOf(figures)), award);
        QCOMPARE(HasHonors(figures), honors);
    }

    void words_roundTrip_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("word");
        QTest::addRow("skipped") << -1 << u"Skipped"_s;
        QTest::addRow("none") << 0 << u"None"_s;
        QTest::addRow("bronze") << 1 << u"Bronze"_s;
        QTest::addRow("silver") << 2 << u"Silver"_s;
        QTest::addRow("gold") << 3 << u"Gold"_s;
        QTest::addRow("platinum") << 4 << u"Platinum"_s;
        QTest::addRow("diamond") << 5 << u"Diamond"_s;
    }
    void words_roundTrip()
    {
        QFETCH(int, level);
        QFETCH(QString, word);
        QCOMPARE(AwardToWord(static_cast<AwardLevel>(level)), word);
        QCOMPARE(static_cast<int>(WordToAward(word)), level);
    }

    void words_offTheScale()
    {
        for (const int level : {-2, 6, 100, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
            QVERIFY2(AwardToWord(static_cast<AwardLevel>(level)).isEmpty(),
                     qPrintable(QString::number(level)));
        for (const QString& word : {QString(), u"gold"_s, u" Gold"_s, u"Gold with Honors"_s, u"3"_s})
            QVERIFY2(WordToAward(word) == AwardLevel::None, qPrintable(word));
    }

    void skillLevel_data()
    {
        QTest::addColumn<double>("kph");
        QTest::addColumn<double>("accuracy");
        QTest::addColumn<double>("expected");
        QTest::addRow("half speed, half accuracy") << 15000.0 << 50.0 << 0.25;
        QTest::addRow("beyond full is capped") << 60000.0 << 150.0 << 1.0;
        QTest::addRow("negative speed") << -5.0 << 90.0 << 0.0;
        QTest::addRow("no accuracy") << 30000.0 << 0.0 << 0.0;
        QTest::addRow("NaN speed") << std::numeric_limits<double>::quiet_NaN() << 90.0 << 0.0;
    }
    void skillLevel()
    {
        QFETCH(double, kph);
        QFETCH(double, accuracy);
        QFETCH(double, expected);
        QCOMPARE(ComputeSkillLevel(kph, accuracy), expected);
    }
};

QTEST_GUILESS_MAIN(TestAwards)

#include "tst_awards.moc"
