// Goal rules, high scores, the chart's series and axes, and the certificate's date texts.
#include "progress/CertificateRecord.h"
#include "progress/ChartAxes.h"
#include "progress/ChartSeries.h"
#include "progress/GoalRules.h"
#include "progress/HighScores.h"
#include "ResultsFixture.h"
#include "session/SessionTypes.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

class TestGoalAndScores final : public QObject
{
    Q_OBJECT

private slots:
    void goal_countsAsBeatenOnlyWithAGoalOrAfterTheSkillTest_data()
    {
        QTest::addColumn<double>("accuracy");
        QTest::addColumn<double>("netWpm");
        QTest::addColumn<int>("goal");
        QTest::addColumn<bool>("skillTest");
        QTest::addColumn<bool>("beaten");
        QTest::addRow("no goal, lesson at 50") << 95.0 << 50.0 << 0 << false << false;
        QTest::addRow("no goal, skill test at 50") << 95.0 << 50.0 << 0 << true << true;
        QTest::addRow("goal 40, lesson at 50") << 95.0 << 50.0 << 40 << false << true;
        QTest::addRow("goal met exactly") << 95.0 << 40.0 << 40 << false << false;
        QTest::addRow("accuracy exactly 84") << 84.0 << 50.0 << 40 << false << false;
        QTest::addRow("accuracy just above 84") << 84.01 << 50.0 << 40 << false << true;
        QTest::addRow("nan speed") << 95.0 << qQNaN() << 40 << false << false;
    }

    void goal_countsAsBeatenOnlyWithAGoalOrAfterTheSkillTest()
    {
        QFETCH(double, accuracy);
        QFETCH(double, netWpm);
        QFETCH(int, goal);
        QFETCH(bool, skillTest);
        QTEST(GoalRules::IsGoalBeaten(accuracy, netWpm, goal, skillTest), "beaten");
    }

    void goalDialog_suggestsTenPercentMore_data()
    {
        QTest::addColumn<bool>("reached");
        QTest::addColumn<bool>("skillTest");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("firstLine");
        QTest::addRow("skill test at 50") << true << true << 50 << 0 << 55 << QString();
        QTest::addRow("lesson beats 40")
            << true << false << 47 << 40 << 51 << u"Congratulations! You reached your goal of 40 WPM!"_s;
        QTest::addRow("suggestion capped")
            << true << false << 195 << 150 << 200 << u"Congratulations! You reached your goal of 150 WPM!"_s;
        QTest::addRow("menu without goal") << false << true << 0 << 0 << 30 << QString();
        QTest::addRow("menu with goal") << false << false << 0 << 45 << 45 << QString();
    }

    void goalDialog_suggestsTenPercentMore()
    {
        QFETCH(bool, reached);
        QFETCH(bool, skillTest);
        QFETCH(int, score);
        QFETCH(int, stored);
        const GoalDialogSetup setup = GoalRules::Setup(reached, skillTest, score, stored);
        QTEST(setup.goal, "field");
        QTEST(setup.firstLine, "firstLine");
        if (reached)
            QCOMPARE(setup.secondLine,
                     u"Your score was %1 WPM. Would you like to set a new goal?"_s.arg(score));
    }

    void highScores_rankBestFirstAndKeepTiesInStoredOrder()
    {
        test::ResultsFixture f;
        const QStringList users = {u"Bob"_s, u"Cleo"_s, u"Dan"_s, u"Eve"_s};
        for (const QString& user : users)
            QVERIFY(f.settings.CreateUser(user, 5));
        const auto best = [&](const QString& user, const QString& text) {
            f.settings.WriteText(SettingsStore::UserKey(user) + u"\\Results"_s, u"BestWPM"_s, text);
        };
        best(u"Alice"_s, u"   41.99"_s);
        best(u"Bob"_s, u"   55.50"_s);
        best(u"Cleo"_s, u"41.20"_s); // ties with Alice once truncated; Alice came first
        best(u"Dan"_s, u"garbage"_s);
        // Eve has no best speed at all.
        const QList<HighScoreRow> rows = HighScores::Load(f.settings);
        QStringList order;
        QList<int> speeds;
        for (const HighScoreRow& row : rows) {
            order.append(row.user);
            speeds.append(row.wpm);
        }
        QCOMPARE(order, (QStringList{u"Bob"_s, u"Alice"_s, u"Cleo"_s, u"Dan"_s, u"Eve"_s}));
        QCOMPARE(speeds, (QList<int>{55, 41, 41, 0, 0}));
    }

    void chartSeries_readEveryFolderByKind()
    {
        test::ResultsFixture f;
        const ResultFigures figures{60000, 200, 0, 0, 0, 40.0, 40.0, 0.0, 100.0};
        QVERIFY(f.results.SaveExerciseResult(figures, session::Kind::KeypadLesson, 1000) > 0);
        QVERIFY(f.results.SaveExerciseResult(figures, session::Kind::SpeedTestAlt, 2000) > 0);
        QVERIFY(f.results.SaveGameScore(700, session::Kind::ThirtySeconds, 3000) > 0);
        QVERIFY(f.results.SaveGameScore(0, session::Kind::TypingHero, 3000) > 0); // nothing to plot
        const QList<ChartSeries> series = LoadChartSeries(f.results);
        QCOMPARE(series.size(), 5);
        QList<qsizetype> counts;
        for (const ChartSeries& each : series)
            counts.append(each.history.points.size());
        QCOMPARE(counts, (QList<qsizetype>{1, 1, 0, 1, 0}));
        QCOMPARE(series[3].name, u"Duzedi Zezarur uz Ider"_s);
        QVERIFY(series[3].isGame && !series[0].isGame);
        QCOMPARE(series[3].history.maximum, 700.0);
        // The chart reads only what it plots; a point's tooltip reads the whole record.
        QVERIFY(series[0].history.points[0].awardText.isEmpty());
        const HistoryPoint lesson =
            LoadPoint(f.results, session::Kind::KeypadLesson, series[0].history.points[0].index);
        QCOMPARE(lesson.durationText, u"60.00 s"_s);
        QCOMPARE(lesson.accuracyText, u"100.00%"_s);
        for (const QString& bad : {u"9"_s, u"..\\1"_s, QString()})
            QCOMPARE(LoadPoint(f.results, session::Kind::KeypadLesson, bad).value, 0.0f);
    }

    void axes_areRoundAndReadable_data()
    {
        QTest::addColumn<double>("largest");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("step");
        QTest::addRow("speed") << 47.3 << 50.0 << 10.0;
        QTest::addRow("score") << 12345.0 << 14000.0 << 2000.0;
        QTest::addRow("nothing") << 0.0 << 1.0 << 0.2;
        QTest::addRow("nan") << qQNaN() << 1.0 << 0.2;
    }

    void axes_areRoundAndReadable()
    {
        QFETCH(double, largest);
        const ValueAxis axis = ChartAxes::ValueAxisFor(largest, 7);
        QTEST(axis.maximum, "maximum");
        QTEST(axis.step, "step");
    }

    void timeTicks_fallOnDaysAndNameTheYearOnce()
    {
        const qint64 from = QDateTime(QDate(2023, 12, 29), QTime(15, 0)).toSecsSinceEpoch();
        const qint64 to = QDateTime(QDate(2024, 1, 4), QTime(9, 0)).toSecsSinceEpoch();
        QStringList labels;
        for (const TimeTick& tick : ChartAxes::TimeTicks(from, to, 8))
            labels.append(tick.label);
        QCOMPARE(labels, (QStringList{u"30 Dec 2023"_s, u"31 Dec"_s, u"1 Jan 2024"_s, u"2 Jan"_s, u"3 Jan"_s,
                                      u"4 Jan"_s}));
        QVERIFY(ChartAxes::TimeTicks(to, from, 8).isEmpty());
        QVERIFY(ChartAxes::TimeTicks(0, std::numeric_limits<qint32>::max(), 6).size() <= 6);
    }

    void dateTexts_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        const struct
        {
            int day;
            const char16_t* text;
        } days[] = {{1, u" 1st"},  {2, u" 2nd"},  {3, u" 3rd"},  {4, u" 4th"},  {11, u"11th"}, {12, u"12th"},
                    {13, u"13th"}, {21, u"21st"}, {22, u"22nd"}, {23, u"23rd"}, {31, u"31st"}};
        for (const auto& [day, text] : days)
            QTest::addRow("day %d", day)
                << QDate(2024, 1, day) << QString::fromUtf16(text) << u"January"_s << u"24"_s;
        QTest::addRow("December 2020") << QDate(2020, 12, 30) << u"30th"_s << u"December"_s << u"20"_s;
        QTest::addRow("2000") << QDate(2000, 2, 29) << u"29th"_s << u"February"_s << u"00"_s;
        QTest::addRow("2009") << QDate(2009, 9, 9) << u" 9th"_s << u"September"_s << u"09"_s;
        // Two digits beyond the century too.
        QTest::addRow("2105") << QDate(2105, 5, 5) << u" 5th"_s << u"May"_s << u"05"_s;
    }
    void dateTexts()
    {
        QFETCH(QDate, date);
        const CertificateRecord record = CertificateRecord::For(u"Ann"_s, false, date);
        QTEST(record.DayText(), "day");
        QTEST(record.MonthText(), "month");
        QTEST(record.YearText(), "year");
    }

    void record_invalidDateGivesNoMonthAndNoCrash()
    {
        const CertificateRecord record = CertificateRecord::For(u"Ann"_s, false, QDate());
        QVERIFY(record.MonthText().isEmpty());
        QCOMPARE(record.DayText().size(), 4);
    }
};

QTEST_GUILESS_MAIN(TestGoalAndScores)
#include "tst_goalandscores.moc"
