#include "progress/LessonProgress.h"
#include "ResultsFixture.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

constexpr int LessonKind = 2;
constexpr qint64 SavedAt = 1700000000;

ResultFigures LessonResult(quint32 key, double netWpm, double kph, double accuracy)
{
    return {60000, 200, 1, 0, key, kph / 300.0, netWpm, kph, accuracy};
}

QList<LessonListEntry> ThreeLessons()
{
    return {
        {u"999"_s, 1, u"Initial Skill Test"_s},
        {u"1001"_s, 2, u"Home Row: Overview"_s},
        {u"1002"_s, 3, u"Home Row: Basics 1"_s},
        {u"1003"_s, 4, u"Home Row: Basics 2"_s},
    };
}

// A lesson record holding just a key and an award, as the course-section check reads them.
ResultRecord AwardRecord(const QString& key, const QString& award)
{
    ResultRecord record;
    record.values[size_t(RecordValue::ExerciseKey)] = key;
    record.values[size_t(RecordValue::Award)] = award;
    return record;
}

} // namespace

class TestLessonProgress final : public QObject
{
    Q_OBJECT

private slots:
    void twoResultsOfOneLesson_showLatestBestAndHighestAward()
    {
        test::ResultsFixture f;
        // 70 WPM at 99 %: Platinum; then 48.5 WPM at 95 %: Silver.
        f.results.SaveExerciseResult(LessonResult(1002, 70.0, 21601.0, 99.0), LessonKind, SavedAt);
        f.results.SaveExerciseResult(LessonResult(1002, 48.5, 13201.0, 95.0), LessonKind, SavedAt);
        f.results.SaveExerciseResult(LessonResult(1001, 0.0, 0.0, 0.0), LessonKind, SavedAt);

        const QList<LessonProgressRow> rows = FillLessonProgress(ThreeLessons(), f.results);
        QCOMPARE(rows.size(), 3); // the skill test is not a lesson of the list
        QCOMPARE(rows[0].number, u"1"_s);
        QCOMPARE(rows[0].title, u"Home Row: Overview"_s);
        QCOMPARE(rows[0].keyText, u"1001"_s);
        // A result of 0 WPM with no award shows nothing.
        QVERIFY(rows[0].latestNetWpm.isEmpty());
        QVERIFY(rows[0].bestNetWpm.isEmpty());
        QVERIFY(rows[0].award.isEmpty());

        QCOMPARE(rows[1].number, u"2"_s);
        QCOMPARE(rows[1].latestNetWpm, u"48.50"_s);
        QCOMPARE(rows[1].bestNetWpm, u"70.00"_s);
        QCOMPARE(rows[1].award, u"Platinum"_s);

        QVERIFY(rows[2].latestNetWpm.isEmpty() && rows[2].bestNetWpm.isEmpty() && rows[2].award.isEmpty());
    }

    void skippedRecord_blanksOnlyTheLatestSpeed()
    {
        test::ResultsFixture f;
        f.results.SaveExerciseResult(LessonResult(1003, 35.25, 9001.0, 95.0), LessonKind, SavedAt);
        f.results.SaveSkipped(u"1003"_s, LessonKind);
        f.results.SaveSkipped(u"1002"_s, LessonKind);

        const QList<LessonProgressRow> rows = FillLessonProgress(ThreeLessons(), f.results);
        QVERIFY(rows[2].latestNetWpm.isEmpty()); // a skip has no speed
        QCOMPARE(rows[2].bestNetWpm, u"35.25"_s);
        QCOMPARE(rows[2].award, u"Bronze"_s);
        QVERIFY(rows[1].award.isEmpty()); // "Skipped" is below None
    }

    void oddRecords_readWithTheirDefaults()
    {
        test::ResultsFixture f;
        const QString record = f.Record(LessonKind, 1);
        f.settings.WriteText(record, u"ExerciseKey"_s, u"1001"_s);
        f.settings.WriteText(record, u"WPMNet"_s, u"not a number"_s);
        f.settings.WriteText(record, u"Award"_s, u"gold"_s);                 // words are exact
        f.settings.WriteText(f.Record(LessonKind, 2), u"WPMNet"_s, u"99"_s); // no key: lesson "0"
        const QList<LessonProgressRow> rows = FillLessonProgress(ThreeLessons(), f.results);
        QVERIFY(rows[0].latestNetWpm.isEmpty());
        QVERIFY(rows[0].award.isEmpty());
        QCOMPARE(FiguresOfLesson(u"0"_s, f.results.ReadRecords(LessonKind)).bestNetWpm, 99.0);
    }

    void firstIncompleteSection_data()
    {
        QTest::addColumn<QList<ResultRecord>>("records");
        QTest::addColumn<int>("expected");
        QList<ResultRecord> allSections;
        for (int section = 0; section < 7; ++section)
            allSections.append(AwardRecord(QString::number(1001 + 4 * section + section % 4), u"Bronze"_s));

        QTest::addRow("no records") << QList<ResultRecord>() << 1;
        QTest::addRow("home row done") << QList<ResultRecord>{AwardRecord(u"1004"_s, u"Gold"_s)} << 5;
        QTest::addRow("every section") << allSections << -1;
        QList<ResultRecord> withoutBottomRow = allSections;
        withoutBottomRow.removeAt(2);
        QTest::addRow("bottom row missing") << withoutBottomRow << 9;
        QList<ResultRecord> keypadMissing = allSections.mid(0, 6);
        QTest::addRow("keypad missing") << keypadMissing << 25;
        QList<ResultRecord> weak = {AwardRecord(u"1001"_s, u"None"_s), AwardRecord(u"1002"_s, u"Skipped"_s),
                                    AwardRecord(u"1003"_s, u"bronze"_s), AwardRecord(u"1004"_s, QString())};
        QTest::addRow("no award of Bronze or better") << weak << 1;
        // Keys that name no lesson must neither complete a section nor reach outside the course.
        QList<ResultRecord> strayKeys = {
            AwardRecord(u"999"_s, u"Diamond"_s),      AwardRecord(u"1000"_s, u"Gold"_s),
            AwardRecord(u"0"_s, u"Gold"_s),           AwardRecord(u"1029"_s, u"Gold"_s),
            AwardRecord(u"-2147483648"_s, u"Gold"_s), AwardRecord(u"junk"_s, u"Gold"_s),
            AwardRecord(u"99999999999"_s, u"Gold"_s)};
        QTest::addRow("stray keys") << strayKeys << 1;
        QList<ResultRecord> missingKey = {AwardRecord(QString(), u"Gold"_s)};
        missingKey[0].values[size_t(RecordValue::ExerciseKey)].reset();
        QTest::addRow("record without key") << missingKey << 1;
    }
    void firstIncompleteSection()
    {
        QFETCH(QList<ResultRecord>, records);
        QTEST(FirstIncompleteSection(records), "expected");
    }

    void firstIncompleteSection_readsTheStoredLessons()
    {
        test::ResultsFixture f;
        for (quint32 key = 1001; key <= 1028; key += 4)
            f.results.SaveExerciseResult(LessonResult(key, 40.0, 12000.0, 99.0), key >= 1025 ? 3 : 2,
                                         SavedAt);
        QCOMPARE(FirstIncompleteSection(ReadLessonRecords(f.results)), -1);
        QCOMPARE(FirstIncompleteSection(f.results), -1);
    }
};

QTEST_GUILESS_MAIN(TestLessonProgress)

#include "tst_lessonprogress.moc"
