#include "progress/History.h"
#include "ResultsFixture.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

ResultRecord Record(std::initializer_list<std::pair<RecordValue, QString>> values)
{
    ResultRecord record;
    for (const auto& [value, text] : values)
        record.values[size_t(value)] = text;
    return record;
}

ResultRecord Exercise(const QString& timestamp, const QString& wpmNet)
{
    return Record({{RecordValue::Timestamp, timestamp}, {RecordValue::WPMNet, wpmNet}});
}

QStringList NetSpeeds(const ResultHistory& history)
{
    QStringList speeds;
    for (const HistoryPoint& point : history.points)
        speeds.append(point.wpmNet);
    return speeds;
}

} // namespace

class TestResultHistory final : public QObject
{
    Q_OBJECT

private slots:
    void storedExercise_becomesAPoint()
    {
        test::ResultsFixture f;
        f.settings.WriteResultsText(u"LastExercise"_s, u"Speed test"_s);
        f.results.SaveExerciseResult({61234, 400, 0, 5, 0, 78.38, 78.38, 23514.0, 100.0}, 6, 1700000000);
        f.results.SaveSkipped(u"307"_s, 6);

        const ResultHistory history = LoadHistory(f.results, 5);
        QCOMPARE(history.points.size(), 1); // the skip is no point
        const HistoryPoint& point = history.points[0];
        QCOMPARE(QStringList({point.title, point.date, point.wpmGross, point.wpmNet, point.errors,
                              point.corrections, point.durationText, point.accuracyText, point.awardText}),
                 QStringList({u"Speed test"_s, ResultsStore::LocalDateText(1700000000), u"78.380000"_s,
                              u"78.380000"_s, u"0"_s, u"5"_s, u"61.23 s"_s, u"100.00%"_s,
                              u"Platinum with Honors"_s}));
        QCOMPARE(point.score, -1);
        QCOMPARE(point.timestamp, 1700000000);
        QCOMPARE(point.value, 78.38f);
        QCOMPARE(history.maximum, double(78.38f));
    }

    void awardText_data()
    {
        QTest::addColumn<QString>("award");
        QTest::addColumn<std::optional<QString>>("honors");
        QTest::addColumn<QString>("expected");
        QTest::addRow("no honors value") << u"Gold"_s << std::optional<QString>() << u"Gold"_s;
        QTest::addRow("empty honors") << u"Gold"_s << std::optional<QString>(QString()) << u"Gold"_s;
        QTest::addRow("honors 0") << u"Gold"_s << std::optional<QString>(u"0"_s) << u"Gold"_s;
        QTest::addRow("honors 1") << u"Gold"_s << std::optional<QString>(u"1"_s) << u"Gold with Honors"_s;
        QTest::addRow("honors yes") << u"Bronze"_s << std::optional<QString>(u"yes"_s)
                                    << u"Bronze with Honors"_s;
        QTest::addRow("no award word") << QString() << std::optional<QString>(u"1"_s) << QString();
    }
    void awardText()
    {
        QFETCH(QString, award);
        QFETCH(std::optional<QString>, honors);
        QFETCH(QString, expected);
        ResultRecord record = Exercise(u"5"_s, u"20.0"_s);
        record.values[size_t(RecordValue::Award)] = award;
        record.values[size_t(RecordValue::Honors)] = honors;
        const ResultHistory history = BuildHistory({record});
        QCOMPARE(history.points.size(), 1);
        QCOMPARE(history.points[0].awardText, expected);
    }

    void accuracyText_data()
    {
        QTest::addColumn<std::optional<QString>>("characters");
        QTest::addColumn<QString>("errors");
        QTest::addColumn<QString>("expected");
        QTest::addRow("ordinary") << std::optional<QString>(u"200"_s) << u"3"_s << u"98.50%"_s;
        QTest::addRow("no errors value") << std::optional<QString>(u"8"_s) << QString() << u"100.00%"_s;
        QTest::addRow("more errors than characters")
            << std::optional<QString>(u"10"_s) << u"25"_s << u"0.00%"_s;
        QTest::addRow("no characters") << std::optional<QString>(u"0"_s) << u"0"_s << QString();
        QTest::addRow("characters absent") << std::optional<QString>() << u"2"_s << QString();
        QTest::addRow("characters garbage") << std::optional<QString>(u"x"_s) << u"2"_s << QString();
    }
    void accuracyText()
    {
        QFETCH(std::optional<QString>, characters);
        QFETCH(QString, errors);
        QFETCH(QString, expected);
        ResultRecord record = Exercise(u"5"_s, u"20.0"_s);
        record.values[size_t(RecordValue::NumCharacters)] = characters;
        record.values[size_t(RecordValue::NumErrors)] = errors;
        QCOMPARE(BuildHistory({record}).points.at(0).accuracyText, expected);
    }

    void pointsFollowTheTimestamps_equalOnesKeepTheirOrder()
    {
        const ResultHistory history = BuildHistory({
            Exercise(u"300"_s, u"30"_s),
            Exercise(u"100"_s, u"10"_s),
            Exercise(u"200"_s, u"21"_s),
            Exercise(u"200"_s, u"22"_s),
            Record({{RecordValue::WPMNet, u"1"_s}}), // no timestamp: 0, first
            Exercise(u"200"_s, u"23"_s),
        });
        QCOMPARE(NetSpeeds(history), QStringList({u"1"_s, u"10"_s, u"21"_s, u"22"_s, u"23"_s, u"30"_s}));
        QCOMPARE(history.maximum, 30.0);
    }

    void nothingToPlot_isLeftOut()
    {
        const ResultHistory history = BuildHistory({
            Exercise(u"1"_s, u"0.000000"_s),
            Exercise(u"2"_s, QString()),
            Record({{RecordValue::Award, u"Skipped"_s}, {RecordValue::WPMNet, u"50"_s}}),
            Record({{RecordValue::Score, u"0"_s}, {RecordValue::WPMNet, u"50"_s}}), // a game scoring 0
            Exercise(u"3"_s, u"0.4"_s),
        });
        QCOMPARE(history.points.size(), 1);
        QCOMPARE(history.points[0].value, 0.4f);
        QCOMPARE(history.maximum, 1.0); // never below 1, so a chart can always divide by it
    }

    void games_plotTheirScore()
    {
        test::ResultsFixture f;
        f.results.SaveGameScore(1500, 10, 1700000100);
        f.results.SaveGameScore(900, 10, 1700000000);
        f.results.SaveGameScore(-20, 10, 1700000200);
        const ResultHistory history = LoadHistory(f.results, 10);
        QCOMPARE(history.points.size(), 3);
        QCOMPARE(history.points[0].score, 900);
        QCOMPARE(history.points[1].score, 1500);
        QCOMPARE(history.points[2].value, -20.0f);
        QCOMPARE(history.maximum, 1500.0);
        QVERIFY(history.points[0].accuracyText.isEmpty());
    }

    void emptyFolder_givesAnEmptySeries()
    {
        test::ResultsFixture f;
        const ResultHistory history = LoadHistory(f.results, 11);
        QVERIFY(history.points.isEmpty());
        QCOMPARE(history.maximum, 1.0);
        QVERIFY(LoadHistory(f.results, 4).points.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestResultHistory)

#include "tst_resulthistory.moc"
