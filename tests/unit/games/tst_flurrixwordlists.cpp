// Reading the word lists: CSV fields, trimming, and files that are not word lists at all.
#include "games/FlurrixWordLists.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

void Write(const QTemporaryDir& folder, int length, const QByteArray& bytes)
{
    QFile file(QDir(folder.path()).filePath(FlurrixWordLists::FileName(length)));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
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
        QFETCH(QStringList, words);
        QCOMPARE(FlurrixWordLists::SplitLine(line), words);
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
};

QTEST_GUILESS_MAIN(TestFlurrixWordLists)
#include "tst_flurrixwordlists.moc"
