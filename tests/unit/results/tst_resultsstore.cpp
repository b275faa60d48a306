// The award scale, the results store and the history read back from it.
#include "progress/Award.h"
#include "progress/History.h"
#include "ResultsFixture.h"
#include "settings/UserProfile.h"

#include <array>
#include <limits>
#include <QDateTime>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

constexpr int LessonKind = 2;
constexpr qint64 SavedAt = 1700000000; // 2023-11-14 22:13:20 UTC

// The 60-second speed test: 300 characters, 3 errors, 2 corrections.
const ResultFigures SpeedTest{60000, 300, 3, 2, 1005, 60.0, 57.0, 18000.0, 99.0};

ResultFigures FiguresWith(double netWpm, double accuracy)
{
    ResultFigures figures = SpeedTest;
    figures.netWpm = netWpm;
    figures.accuracyPercent = accuracy;
    return figures;
}

// A record as "name=value" in the stored order.
QStringList RecordValues(const test::ResultsFixture& f, const QString& record)
{
    QStringList values;
    for (const QString& name : f.registry.ValueNames(record))
        values.append(name + u'=' + f.settings.ReadText(record, name));
    return values;
}

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

class TestResultsStore final : public QObject
{
    Q_OBJECT

private slots:
    void exerciseRecord_holdsEveryValueInOrder()
    {
        test::ResultsFixture f;
        f.settings.WriteResultsText(u"LastExercise"_s, u"Top Row: Overview"_s);
        QCOMPARE(f.results.SaveExerciseResult(SpeedTest, LessonKind, SavedAt), 1);

        const QString date = QDateTime::fromSecsSinceEpoch(SavedAt).date().toString(u"yyyy-MM-dd"_s);
        QCOMPARE(RecordValues(f, f.Record(LessonKind, 1)),
                 QStringList({u"Date="_s + date, u"Timestamp=1700000000"_s, u"Duration=60000"_s,
                              u"NumCharacters=300"_s, u"NumErrors=3"_s, u"NumCorrections=2"_s,
                              u"NumWordsTyped=60.000000"_s, u"ExerciseKey=1005"_s, u"WPMGross=60.000000"_s,
                              u"WPMNet=57.000000"_s, u"Title=Top Row: Overview"_s, u"Honors=0"_s,
                              u"Award=Gold"_s}));
    }

    void records_areNumberedPerFolder()
    {
        test::ResultsFixture f;
        QCOMPARE(f.results.NextIndex(LessonKind), 1);
        QCOMPARE(f.results.SaveExerciseResult(SpeedTest, 2, SavedAt), 1);
        QCOMPARE(f.results.SaveExerciseResult(SpeedTest, 3, SavedAt), 2); // keypad lessons share
        QCOMPARE(f.results.SaveSkipped(u"1007"_s, 2), 3);
        // Skill test, speed tests and custom speed tests share "Tests".
        QCOMPARE(f.results.SaveExerciseResult(SpeedTest, 1, SavedAt), 1);
        QCOMPARE(f.results.SaveExerciseResult(SpeedTest, 5, SavedAt), 2);
        QCOMPARE(f.results.SaveExerciseResult(SpeedTest, 6, SavedAt), 3);
        QCOMPARE(f.results.SaveExerciseResult(SpeedTest, 8, SavedAt), 4);
        QCOMPARE(f.results.NextIndex(LessonKind), 4);
        QCOMPARE(f.registry.SubkeyNames(f.Folder(LessonKind)), QStringList({u"1"_s, u"2"_s, u"3"_s}));
    }

    void newRecord_neverOverwritesATakenNumber()
    {
        test::ResultsFixture f;
        for (int i = 0; i < 3; ++i)
            f.results.SaveExerciseResult(FiguresWith(20.0 + i, 90.0), LessonKind, SavedAt);
        // Record 2 removed from outside: two records remain, but number 3 is taken.
        QVERIFY(f.registry.DeleteKey(f.Record(LessonKind, 2)));
        QCOMPARE(f.results.SaveExerciseResult(FiguresWith(40.0, 90.0), LessonKind, SavedAt), 4);
        QCOMPARE(f.Value(LessonKind, 3, u"WPMNet"_s), u"22.000000"_s);
        QCOMPARE(f.Value(LessonKind, 4, u"WPMNet"_s), u"40.000000"_s);
    }

    void kindsWithoutFolder_storeNothing_data()
    {
        QTest::addColumn<int>("kind");
        for (const int kind : {-1, 0, 4, 7, 9, 13, 14})
            QTest::addRow("kind %d", kind) << kind;
    }
    void kindsWithoutFolder_storeNothing()
    {
        QFETCH(int, kind);
        test::ResultsFixture f;
        const QString resultsKey = SettingsStore::UserKey(u"Alice"_s) + u"\\Results"_s;
        QCOMPARE(f.results.NextIndex(kind), 0);
        QCOMPARE(f.results.SaveExerciseResult(SpeedTest, kind, SavedAt), 0);
        QCOMPARE(f.results.SaveSkipped(u"4001"_s, kind), 0);
        QCOMPARE(f.results.SaveGameScore(10, kind, SavedAt), 0);
        QVERIFY(f.registry.SubkeyNames(resultsKey).isEmpty());
        QVERIFY(f.results.ReadRecords(kind).isEmpty());
        QCOMPARE(UserProfile(f.settings).Get(Profile::BestWPM), 0.0);
    }

    void withoutCurrentUser_nothingIsStored()
    {
        test::ResultsFixture f;
        f.settings.SelectUser(QString());
        QCOMPARE(f.results.SaveExerciseResult(SpeedTest, LessonKind, SavedAt), 0);
        QCOMPARE(f.results.SaveSkipped(u"1001"_s, LessonKind), 0);
        QVERIFY(!f.registry.KeyExists(u"Users\\Results"_s));
    }

    void bestFigures_onlyRise()
    {
        test::ResultsFixture f;
        UserProfile profile(f.settings);
        f.results.SaveExerciseResult(FiguresWith(57.0, 99.0), LessonKind, SavedAt);
        QCOMPARE(f.settings.ReadResultsText(u"BestWPM"_s), u"   57.00"_s);
        QCOMPARE(f.settings.ReadResultsText(u"BestAccuracy"_s), u"99.00"_s);
        f.results.SaveExerciseResult(FiguresWith(40.0, 99.5), 5, SavedAt);
        QCOMPARE(profile.Get(Profile::BestWPM), 57.0);
        QCOMPARE(profile.Get(Profile::BestAccuracy), 99.5);
        f.results.SaveExerciseResult(FiguresWith(63.25, 80.0), LessonKind, SavedAt);
        QCOMPARE(profile.Get(Profile::BestWPM), 63.25);
        QCOMPARE(profile.Get(Profile::BestAccuracy), 99.5);
    }

    void skippedStep_holdsOnlyAwardAndKey_data()
    {
        QTest::addColumn<QString>("keyText");
        QTest::addColumn<QString>("stored");
        QTest::addRow("lesson key") << u"1003"_s << u"1003"_s;
        QTest::addRow("leading zeros") << u"000"_s << u"0"_s;
        QTest::addRow("not a number") << u"abc"_s << u"0"_s;
        QTest::addRow("empty") << QString() << u"0"_s;
    }
    void skippedStep_holdsOnlyAwardAndKey()
    {
        QFETCH(QString, keyText);
        test::ResultsFixture f;
        QCOMPARE(f.results.SaveSkipped(keyText, LessonKind), 1);
        const QString record = f.Record(LessonKind, 1);
        QCOMPARE(f.registry.ValueNames(record), QStringList({u"Award"_s, u"ExerciseKey"_s}));
        QCOMPARE(f.Value(LessonKind, 1, u"Award"_s), u"Skipped"_s);
        QTEST(f.Value(LessonKind, 1, u"ExerciseKey"_s), "stored");
    }

    void gameScores_andCompletion()
    {
        test::ResultsFixture f;
        QCOMPARE(f.results.SaveGameScore(1200, 10, SavedAt), 1);
        QCOMPARE(f.results.SaveGameScore(-5, 11, SavedAt), 1);
        QCOMPARE(f.results.SaveGameScore(300, 12, SavedAt), 1);
        QCOMPARE(f.results.SaveGameScore(450, 12, SavedAt + 60), 2);
        QCOMPARE(f.registry.ValueNames(f.Record(10, 1)),
                 QStringList({u"Date"_s, u"Timestamp"_s, u"Score"_s}));
        QCOMPARE(f.Value(11, 1, u"Score"_s), u"-5"_s);
        QCOMPARE(f.Value(12, 2, u"Timestamp"_s), u"1700000060"_s);

        QVERIFY(f.results.SaveCompleted(true, 2));
        QVERIFY(f.results.SaveCompleted(false, 1));
        QCOMPARE(f.Value(12, 2, u"Completed"_s), u"1"_s);
        QCOMPARE(f.Value(12, 1, u"Completed"_s), u"0"_s);
        // A number no game was stored under gets no stray record.
        QVERIFY(!f.results.SaveCompleted(true, 3));
        QVERIFY(!f.results.SaveCompleted(true, 0));
        QVERIFY(!f.results.SaveCompleted(true, -1));
        QCOMPARE(f.registry.SubkeyNames(f.Folder(12)).size(), 2);
    }

    void lateTimestamps_andLargeCounters_keepTheirValue()
    {
        test::ResultsFixture f;
        ResultFigures figures = SpeedTest;
        figures.durationMs = 3000000000u;
        figures.exerciseKey = 4000000000u;
        const qint64 after2038 = 4102444800; // 2100-01-01
        f.results.SaveExerciseResult(figures, LessonKind, after2038);
        QCOMPARE(f.Value(LessonKind, 1, u"Timestamp"_s), u"4102444800"_s);
        QCOMPARE(f.Value(LessonKind, 1, u"Duration"_s), u"3000000000"_s);
        QCOMPARE(f.Value(LessonKind, 1, u"ExerciseKey"_s), u"4000000000"_s);
    }

    void save_joinsAnEnclosingTransaction()
    {
        test::ResultsFixture f;
        {
            RegistryStore::Transaction transaction(f.registry);
            QCOMPARE(f.results.SaveExerciseResult(SpeedTest, LessonKind, SavedAt), 1);
            // Left without commit: the record and the best figures go together.
        }
        QVERIFY(!f.registry.KeyExists(f.Record(LessonKind, 1)));
        QVERIFY(f.settings.ReadResultsText(u"BestWPM"_s).isEmpty());
    }

    void closedStore_reportsFailure()
    {
        test::ResultsFixture f;
        f.registry.Close();
        QCOMPARE(f.results.SaveExerciseResult(SpeedTest, LessonKind, SavedAt), 0);
        QCOMPARE(f.results.SaveSkipped(u"1001"_s, LessonKind), 0);
        QCOMPARE(f.results.SaveGameScore(5, 10, SavedAt), 0);
        QVERIFY(f.results.ReadRecords(LessonKind).isEmpty());
    }

    void readRecords_returnsStoredTextsInOrder()
    {
        test::ResultsFixture f;
        f.results.SaveExerciseResult(FiguresWith(31.5, 95.0), LessonKind, SavedAt);
        f.results.SaveSkipped(u"1002"_s, LessonKind);
        // Value names compare without regard to case, as they are written from outside.
        f.settings.WriteText(f.Record(LessonKind, 3), u"wpmnet"_s, u"12.5"_s);
        const QList<ResultRecord> records = f.results.ReadRecords(LessonKind);
        QCOMPARE(records.size(), 3);
        QCOMPARE(records[0].index, u"1"_s);
        QCOMPARE(records[0].Text(RecordValue::WPMNet), u"31.500000"_s);
        QVERIFY(!records[0].Has(RecordValue::Score));
        QCOMPARE(records[1].Text(RecordValue::Award), u"Skipped"_s);
        QVERIFY(!records[1].Has(RecordValue::WPMNet));
        QCOMPARE(records[1].Text(RecordValue::WPMNet, u"0.0"_s), u"0.0"_s);
        QCOMPARE(records[2].Text(RecordValue::WPMNet), u"12.5"_s);
    }

    void computeAward_followsTheScale_data()
    {
        QTest::addColumn<double>("kph");
        QTest::addColumn<double>("accuracy");
        QTest::addColumn<int>("expected");
        for (size_t a = 0; a < 6; ++a) {
            for (size_t s = 0; s < 6; ++s)
                QTest::addRow("A%zu S%zu", a, s) << KphOfLevel[s] << AccuracyOfLevel[a] << AwardTable[a][s];
        }
        // Each threshold must be exceeded.
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
    void computeAward_followsTheScale()
    {
        QFETCH(double, kph);
        QFETCH(double, accuracy);
        QTEST(static_cast<int>(ComputeAward(kph, accuracy)), "expected");
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
        const ResultFigures figures{60000, 1000, errors, 0, 0, kph / 300, kph / 300, kph, accuracy};
        QTEST(static_cast<int>(AwardOf(figures)), "award");
        QTEST(HasHonors(figures), "honors");
    }

    void words_roundTrip()
    {
        for (int level = -1; level <= 5; ++level)
            QCOMPARE(int(WordToAward(AwardToWord(AwardLevel(level)))), level);
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
        QTEST(ComputeSkillLevel(kph, accuracy), "expected");
    }

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
        ResultRecord record = Exercise(u"5"_s, u"20.0"_s);
        record.values[size_t(RecordValue::Award)] = award;
        record.values[size_t(RecordValue::Honors)] = honors;
        const ResultHistory history = BuildHistory({record});
        QCOMPARE(history.points.size(), 1);
        QTEST(history.points[0].awardText, "expected");
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
        ResultRecord record = Exercise(u"5"_s, u"20.0"_s);
        record.values[size_t(RecordValue::NumCharacters)] = characters;
        record.values[size_t(RecordValue::NumErrors)] = errors;
        QTEST(BuildHistory({record}).points.at(0).accuracyText, "expected");
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

QTEST_GUILESS_MAIN(TestResultsStore)

#include "tst_resultsstore.moc"
