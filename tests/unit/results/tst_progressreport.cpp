#include "progress/ProgressReport.h"
#include "progress/ReportFolder.h"
#include "session/SessionTypes.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

// A 59.9 s lesson: 300 characters, 2 errors, 3 corrections.
ResultFigures Lesson()
{
    return {59900, 300, 2, 3, 0, 60.1001, 58.1001, 0.0, 0.0};
}

qint64 LocalMoment(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, 30)).toSecsSinceEpoch();
}

// The cells of one CSV line as a spreadsheet reads them (RFC 4180 quoting).
QStringList SplitCsvLine(const QString& line)
{
    QStringList cells;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
            cell += u'"';
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (c == u',' && !quoted) {
            cells.append(cell);
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells.append(cell);
    return cells;
}

} // namespace

class TestProgressReport final : public QObject
{
    Q_OBJECT

private slots:
    void row_namesTheKindAndKeepsTheFormats_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typeCell");
        QTest::addRow("skill test") << 1 << u"Skill Test,"_s;
        QTest::addRow("keypad lesson") << 3 << u"Lesson,"_s;
        QTest::addRow("custom speed test") << 8 << u"Custom Speed Test,"_s;
        QTest::addRow("dictation") << 13 << u"< unknown >,"_s;
        QTest::addRow("nonsense") << -7 << u"< unknown >,"_s;
    }

    void row_namesTheKindAndKeepsTheFormats()
    {
        QFETCH(int, kind);
        QFETCH(QString, typeCell);
        const QDateTime at(QDate(2020, 6, 1), QTime(9, 5, 59));
        // 59.9 s is written as 59 whole seconds.
        QCOMPARE(ProgressReport::RowLine(Lesson(), kind, u"Home Row: Overview"_s, at),
                 typeCell + u"\"Home Row: Overview\",2020-06-01 09:05,300,60.00,59,60.10,58.10,3,2,\r\n"_s);
    }

    void firstRowOfTheDay_bringsTheHeader_laterRowsAppend()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"new/Reports"_s); // created on the way
        QVERIFY(ProgressReport::AppendReportRow(folder, Lesson(), 2, u"Ä title"_s,
                                                LocalMoment(2020, 6, 1, 9, 5)));
        QVERIFY(ProgressReport::AppendReportRow(folder, Lesson(), 5, u"Speed test"_s,
                                                LocalMoment(2020, 6, 1, 23, 59)));
        QVERIFY(ProgressReport::AppendReportRow(folder, Lesson(), 4, u"Next day"_s,
                                                LocalMoment(2020, 6, 2, 0, 1)));

        const QByteArray first = test::ReadFile(folder + u"/2020-06-01.csv"_s);
        QVERIFY(!first.startsWith("\xEF\xBB\xBF"));
        const QList<QByteArray> lines = first.split('\n');
        QCOMPARE(lines.size(), 4); // header, two rows, nothing after the last CR LF
        QCOMPARE(lines[0], "Type,Title,Date,Chars Typed,Words Typed,Duration,WPM/KPH Gross,WPM/KPH Net,"
                           "# Corrections Made,# Incorrect Words,\r");
        QVERIFY(lines[1].startsWith("Lesson,\"\xC3\x84 title\",2020-06-01 09:05,"));
        QVERIFY(lines[2].startsWith("Speed Test,\"Speed test\",2020-06-01 23:59,"));
        QVERIFY(lines[3].isEmpty());
        const QByteArray second = test::ReadFile(folder + u"/2020-06-02.csv"_s);
        QVERIFY(second.startsWith("Type,Title,"));
        QCOMPARE(second.count("\r\n"), 2);
    }

    void titleWithQuotesAndCommas_readsBackAsOneCell()
    {
        const QString title = u"He said \"stop, now\", then \"\" left"_s;
        const QString row =
            ProgressReport::RowLine(Lesson(), 2, title, QDateTime(QDate(2021, 1, 2), QTime(3, 4)));
        const QStringList cells = SplitCsvLine(row.chopped(2));
        QCOMPARE(cells.size(), 11); // ten cells and the empty one after the trailing comma
        QCOMPARE(cells[1], title);
        QCOMPARE(cells[2], u"2021-01-02 03:04"_s);
        QCOMPARE(cells[9], u"2"_s);
    }

    void unwritableReport_losesOnlyTheRow()
    {
        QTemporaryDir dir;
        // The folder is a file, and today's report name is taken by a folder.
        QVERIFY(test::WriteFile(dir.filePath(u"blocked"_s), "x"));
        QVERIFY(
            !ProgressReport::AppendReportRow(dir.filePath(u"blocked"_s), Lesson(), 2, u"t"_s, 1700000000));
        const qint64 now = 1700000000;
        const QString day =
            ProgressReport::FileNameOf(QDateTime::fromSecsSinceEpoch(now).toLocalTime().date());
        QVERIFY(QDir(dir.path()).mkpath(u"r/"_s + day));
        QVERIFY(!ProgressReport::AppendReportRow(dir.filePath(u"r"_s), Lesson(), 2, u"t"_s, now));
    }

    void rename_checksTheNewName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("check");
        const int valid = int(ReportFolder::NameCheck::Valid);
        const int invalid = int(ReportFolder::NameCheck::InvalidName);
        const int notCsv = int(ReportFolder::NameCheck::NotCsv);
        QTest::addRow("csv") << u"June week 1.csv"_s << valid;
        QTest::addRow("upper case csv") << u"June.CSV"_s << valid;
        QTest::addRow("txt") << u"June.txt"_s << notCsv;
        QTest::addRow("no extension") << u"June"_s << notCsv;
        QTest::addRow("leading space") << u" June.csv"_s << invalid;
        QTest::addRow("trailing space") << u"June.csv "_s << invalid;
        QTest::addRow("empty") << QString() << invalid;
        QTest::addRow("extension only") << u".csv"_s << invalid;
        QTest::addRow("slash") << u"../June.csv"_s << invalid;
        QTest::addRow("backslash") << u"a\\June.csv"_s << invalid;
        QTest::addRow("dots") << u"..csv"_s << invalid;
        QTest::addRow("newline") << u"Ju\nne.csv"_s << invalid;
    }

    void rename_checksTheNewName()
    {
        QFETCH(QString, name);
        QTEST(int(ReportFolder::CheckNewName(name)), "check");
    }

    void folderActions_stayOnRegularReportsOfTheFolder()
    {
        QTemporaryDir dir;
        const QString folderPath = dir.filePath(u"Reports"_s);
        QVERIFY(QDir().mkpath(folderPath + u"/dir.csv"_s));
        for (const QString& name :
             {u"2020-06-01.csv"_s, u"2020-06-02.CSV"_s, u"notes.txt"_s, u"../outside.csv"_s})
            QVERIFY(test::WriteFile(folderPath + u'/' + name, "x"));
        QVERIFY(QFile::link(dir.filePath(u"outside.csv"_s), folderPath + u"/link.csv"_s));
        const ReportFolder folder(folderPath);
        QStringList names;
        for (const ReportFileInfo& report : folder.List()) {
            names.append(report.name);
            QCOMPARE(report.date.size(), 10);
            QCOMPARE(report.time.size(), 8);
        }
        QCOMPARE(names, (QStringList{u"2020-06-01.csv"_s, u"2020-06-02.CSV"_s}));

        QVERIFY(!folder.Delete(u"dir.csv"_s));
        QVERIFY(!folder.Delete(u"link.csv"_s));
        QVERIFY(!folder.Delete(u"../outside.csv"_s));
        QVERIFY(QFile::exists(dir.filePath(u"outside.csv"_s)));
        QVERIFY(folder.FilePathOf(u"../outside.csv"_s).isEmpty());
        QVERIFY(!folder.Rename(u"2020-06-01.csv"_s, u"../moved.csv"_s));
        // A rename never replaces another report.
        QVERIFY(!folder.Rename(u"2020-06-01.csv"_s, u"2020-06-02.CSV"_s));
        QVERIFY(!folder.Rename(u"missing.csv"_s, u"new.csv"_s));
        QVERIFY(folder.Rename(u"2020-06-01.csv"_s, u"June.csv"_s));
        QVERIFY(folder.Delete(u"June.csv"_s));
        QCOMPARE(folder.List().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestProgressReport)
#include "tst_progressreport.moc"
