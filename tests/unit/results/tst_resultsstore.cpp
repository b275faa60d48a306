#include "ResultsFixture.h"
#include "settings/UserProfile.h"

#include <QDateTime>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

constexpr int LessonKind = 2;
constexpr qint64 SavedAt = 1700000000; // 2023-11-14 22:13:20 UTC

// The 60-second speed test: 300 characters, 3 errors, 2 corrections.
ResultFigures SpeedTestFigures()
{
    ResultFigures figures;
    figures.durationMs = 60000;
    figures.characters = 300;
    figures.errors = 3;
    figures.corrections = 2;
    figures.exerciseKey = 1005;
    figures.grossWpm = 60.0;
    figures.netWpm = 57.0;
    figures.kph = 18000.0;
    figures.accuracyPercent = 99.0;
    return figures;
}

ResultFigures FiguresWith(double netWpm, double accuracy)
{
    ResultFigures figures = SpeedTestFigures();
    figures.netWpm = netWpm;
    figures.accuracyPercent = accuracy;
    return figures;
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
        QCOMPARE(f.results.SaveExerciseResult(SpeedTestFigures(), LessonKind, SavedAt), 1);

        const QString record = f.Record(LessonKind, 1);
        QCOMPARE(f.registry.ValueNames(record),
                 QStringList({u"Date"_s, u"Timestamp"_s, u"Duration"_s, u"NumCharacters"_s, u"NumErrors"_s,
                              u"NumCorrections"_s, u"NumWordsTyped"_s, u"ExerciseKey"_s, u"WPMGross"_s,
                              u"WPMNet"_s, u"Title"_s, u"Honors"_s, u"Award"_s}));
        const auto value = [&](const char16_t* name) {
            return f.settings.ReadText(record, QString::fromUtf16(name));
        };
        QCOMPARE(value(u"Date"), QDateTime::fromSecsSinceEpoch(SavedAt).date().toString(u"yyyy-MM-dd"_s));
        QCOMPARE(value(u"Timestamp"), u"1700000000"_s);
        QCOMPARE(value(u"Duration"), u"60000"_s);
        QCOMPARE(value(u"NumCharacters"), u"300"_s);
        QCOMPARE(value(u"NumErrors"), u"3"_s);
        QCOMPARE(value(u"NumCorrections"), u"2"_s);
        QCOMPARE(value(u"NumWordsTyped"), u"60.000000"_s);
        QCOMPARE(value(u"ExerciseKey"), u"1005"_s);
        QCOMPARE(value(u"WPMGross"), u"60.000000"_s);
        QCOMPARE(value(u"WPMNet"), u"57.000000"_s);
        QCOMPARE(value(u"Title"), u"Top Row: Overview"_s);
        QCOMPARE(value(u"Honors"), u"0"_s);
        QCOMPARE(value(u"Award"), u"Gold"_s);
    }

    void flawlessRecord_hasHonors()
    {
        test::ResultsFixture f;
        ResultFigures figures = SpeedTestFigures();
        figures.errors = 0;
        figures.accuracyPercent = 100.0;
        f.results.SaveExerciseResult(figures, LessonKind, SavedAt);
        QCOMPARE(f.Value(LessonKind, 1, u"Honors"_s), u"1"_s);
    }

    void records_areNumberedPerFolder()
    {
        test::ResultsFixture f;
        QCOMPARE(f.results.NextIndex(LessonKind), 1);
        QCOMPARE(f.results.SaveExerciseResult(SpeedTestFigures(), 2, SavedAt), 1);
        QCOMPARE(f.results.SaveExerciseResult(SpeedTestFigures(), 3, SavedAt), 2); // keypad lessons share
        QCOMPARE(f.results.SaveSkipped(u"1007"_s, 2), 3);
        // Skill test, speed tests and custom speed tests share "Tests".
        QCOMPARE(f.results.SaveExerciseResult(SpeedTestFigures(), 1, SavedAt), 1);
        QCOMPARE(f.results.SaveExerciseResult(SpeedTestFigures(), 5, SavedAt), 2);
        QCOMPARE(f.results.SaveExerciseResult(SpeedTestFigures(), 6, SavedAt), 3);
        QCOMPARE(f.results.SaveExerciseResult(SpeedTestFigures(), 8, SavedAt), 4);
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
        QCOMPARE(f.results.SaveExerciseResult(SpeedTestFigures(), kind, SavedAt), 0);
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
        QCOMPARE(f.results.SaveExerciseResult(SpeedTestFigures(), LessonKind, SavedAt), 0);
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
        QFETCH(QString, stored);
        test::ResultsFixture f;
        QCOMPARE(f.results.SaveSkipped(keyText, LessonKind), 1);
        const QString record = f.Record(LessonKind, 1);
        QCOMPARE(f.registry.ValueNames(record), QStringList({u"Award"_s, u"ExerciseKey"_s}));
        QCOMPARE(f.Value(LessonKind, 1, u"Award"_s), u"Skipped"_s);
        QCOMPARE(f.Value(LessonKind, 1, u"ExerciseKey"_s), stored);
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
        ResultFigures figures = SpeedTestFigures();
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
            QCOMPARE(f.results.SaveExerciseResult(SpeedTestFigures(), LessonKind, SavedAt), 1);
            // Left without commit: the record and the best figures go together.
        }
        QVERIFY(!f.registry.KeyExists(f.Record(LessonKind, 1)));
        QVERIFY(f.settings.ReadResultsText(u"BestWPM"_s).isEmpty());
    }

    void closedStore_reportsFailure()
    {
        test::ResultsFixture f;
        f.registry.Close();
        QCOMPARE(f.results.SaveExerciseResult(SpeedTestFigures(), LessonKind, SavedAt), 0);
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
};

QTEST_GUILESS_MAIN(TestResultsStore)

#include "tst_resultsstore.moc"
