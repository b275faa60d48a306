// The falling-words game's files and records: word lists (CSV fields, trimming, files that are
// not word lists at all), and the high score and game records, which go in together or not at all.
#include "games/FlurrixScores.h"
#include "games/FlurrixWordLists.h"
#include "session/SessionTypes.h"
#include "TestFiles.h"
#include "unit/results/ResultsFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace clavora;
using namespace clavora::test;
using namespace Qt::StringLiterals;

namespace {

void Write(const QTemporaryDir& folder, int length, const QByteArray& bytes)
{
    QVERIFY(WriteFile(folder.filePath(FlurrixWordLists::FileName(length)), bytes));
}

} // namespace

class TestFlurrixWordLists final : public QObject
{
    Q_OBJECT

private slots:
    void splitLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");
        QTest::addRow("plain") << u"ask,sad,lad"_s << QStringList{u"ask"_s, u"sad"_s, u"lad"_s};
        QTest::addRow("trimmed") << u" ask\t,\u0001sad\r"_s << QStringList{u"ask"_s, u"sad"_s};
        QTest::addRow("empty fields") << u",,ask,, ,"_s << QStringList{u"ask"_s};
        QTest::addRow("quoted comma") << u"\"a,b\",c"_s << QStringList{u"a,b"_s, u"c"_s};
        QTest::addRow("doubled quote") << u"\"say \"\"hi\"\"\""_s << QStringList{u"say \"hi\""_s};
        QTest::addRow("unclosed quote") << u"\"ask,sad"_s << QStringList{u"ask,sad"_s};
        QTest::addRow("case kept") << u"Ask,ASK"_s << QStringList{u"Ask"_s, u"ASK"_s};
        QTest::addRow("nothing") << QString() << QStringList();
    }
    void splitLine()
    {
        QFETCH(QString, line);
        QTEST(FlurrixWordLists::SplitLine(line), "words");
    }

    void load_readsEachLengthsFile_andSurvivesBadFiles()
    {
        QTemporaryDir folder;
        Write(folder, 1, "a,s\r\nd\r\n");
        Write(folder, 2, QByteArray("as\0ad", 5) + QByteArray(1000, '\x01')); // not text
        Write(folder, 3,
              "\xef\xbb\xbf"
              "caf\xc3\xa9,sad");                           // UTF-8 with its mark
        Write(folder, 4, QByteArray(3 * 1024 * 1024, 'x')); // one enormous line
        QByteArray many;
        for (int i = 0; i < 1000000; ++i)
            many += "dash,";
        Write(folder, 5, many);
        FlurrixWordLists lists;
        QVERIFY(lists.Load(folder.path()));
        QCOMPARE(lists.ListOfLength(1), (QStringList{u"a"_s, u"s"_s, u"d"_s}));
        QVERIFY(lists.ListOfLength(2).isEmpty());
        QCOMPARE(lists.ListOfLength(3), (QStringList{u"café"_s, u"sad"_s}));
        QCOMPARE(lists.ListOfLength(4).size(), 1);
        QCOMPARE(lists.ListOfLength(5).size(), FlurrixWordLists::MaxWordsPerList);
        QVERIFY(lists.ListOfLength(6).isEmpty()); // missing file
        QVERIFY(lists.ListOfLength(0).isEmpty());
        QVERIFY(lists.ListOfLength(10).isEmpty());
    }

    void load_stopsWhenTheHostCloses()
    {
        QTemporaryDir folder;
        for (int length = 1; length <= 9; ++length)
            Write(folder, length, "ask\nsad\n");
        FlurrixWordLists lists;
        int asked = 0;
        QVERIFY(!lists.Load(folder.path(), [&asked] { return ++asked > 3; }));
        QCOMPARE(lists.ListOfLength(1).size(), 2);
        QVERIFY(lists.ListOfLength(2).isEmpty());
    }

    void shippedLists_holdHomeRowWordsForTheFirstLevels()
    {
        FlurrixWordLists lists;
        QVERIFY(lists.Load(QStringLiteral(CLAVORA_SOURCE_DIR "/data/flurrix")));
        for (int length = 1; length <= FlurrixWordLists::ListCount; ++length)
            QVERIFY2(lists.ListOfLength(length).size() > 1, qPrintable(FlurrixWordLists::FileName(length)));
    }

    void store_keepsTheBestScore_andAddsARecordPerGame()
    {
        ResultsFixture fixture;
        FlurrixScores scores(fixture.settings);
        QCOMPARE(scores.HighScore(), 0);
        QCOMPARE(scores.Store(1250, 1700000000), 1);
        QCOMPARE(scores.Store(0, 1700000100), 2);
        QCOMPARE(scores.HighScore(), 1250);
        const int kind = session::Kind::Flurrix;
        QCOMPARE(fixture.Value(kind, 1, u"Score"_s), u"1250"_s);
        QCOMPARE(fixture.Value(kind, 2, u"Score"_s), u"0"_s);
        QCOMPARE(fixture.Value(kind, 2, u"Timestamp"_s), u"1700000100"_s);
        QVERIFY(!fixture.Value(kind, 2, u"Date"_s).isEmpty());
    }

    void store_withoutAUser_writesNothing()
    {
        ResultsFixture fixture;
        QVERIFY(fixture.settings.WriteText(SettingsStore::SettingsKey, u"CurrentUser"_s, QString()));
        FlurrixScores scores(fixture.settings);
        QCOMPARE(scores.Store(500, 1700000000), 0);
        QCOMPARE(scores.HighScore(), 0);
        QVERIFY(
            fixture.settings.ReadText(fixture.Folder(session::Kind::Flurrix), FlurrixScores::HighScoreValue)
                .isEmpty());
    }

    void highestLesson_isTheLargestKeyStored()
    {
        ResultsFixture fixture;
        FlurrixScores scores(fixture.settings);
        QCOMPARE(scores.HighestLessonKey(), 0);
        for (const char* key : {"1003", "1009", "1005"})
            QVERIFY(fixture.results.SaveSkipped(QString::fromLatin1(key), session::Kind::Lesson) > 0);
        QCOMPARE(scores.HighestLessonKey(), 1009);
    }
};

QTEST_GUILESS_MAIN(TestFlurrixWordLists)
#include "tst_flurrixwordlists.moc"
