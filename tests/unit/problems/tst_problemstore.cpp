#include "ProblemTestFolder.h"
#include "progress/ProblemListCommands.h"
#include "progress/ProblemRules.h"
#include "progress/ProblemStore.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace clavora;
using clavora::test::ProblemTestFolder;

namespace {

const QString Words = u"ProblemWords"_s;
const QString Chars = u"ProblemChars"_s;
constexpr qint64 Noon = 1709294400; // 2024-03-01 12:00:00 UTC

QStringList StoredWords(const ProblemStore& store)
{
    QStringList words;
    for (const std::optional<ProblemRecord>& record : store.ReadProblemEntries(ProblemList::Words))
        words.append(record ? record->Value(u"Word"_s) : u"<unreadable>"_s);
    return words;
}

// The stored characters as "character:error count" words ("-" when no count is stored).
QString StoredChars(const ProblemStore& store)
{
    QStringList chars;
    for (const std::optional<ProblemRecord>& record : store.ReadProblemEntries(ProblemList::Chars)) {
        const QString count =
            record && record->Has(u"ErrorCount"_s) ? record->Value(u"ErrorCount"_s) : u"-"_s;
        chars.append(record ? record->Value(u"Char"_s) + u':' + count : u"<unreadable>"_s);
    }
    return chars.join(u' ');
}

} // namespace

class TestProblemStore final : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProblemTestFolder> m_folder;

private slots:
    void initTestCase()
    {
        // Time stamps are local time: pin the zone so expected stamps are fixed.
        qputenv("TZ", "UTC");
    }

    void init() { m_folder = std::make_unique<ProblemTestFolder>(); }

    void missedCharacter_recordsItWithTimeAndReason()
    {
        QVERIFY(m_folder->store.AddProblemChar(u"e"_s, Noon));
        QVERIFY(m_folder->store.AddProblemWord(u"there"_s, Noon));
        QVERIFY(m_folder->store.AddProblemChar(u"e"_s, Noon + 60)); // the time of the first miss stays
        QCOMPARE(m_folder->Content(Chars, u"1.dat"_s),
                 QByteArray("Char=e&DateTime=2024-03-01%2012%3A00%3A00&Reason=Wrong&ErrorCount=1"));
        QCOMPARE(m_folder->Content(Words, u"1.dat"_s),
                 QByteArray("Word=there&DateTime=2024-03-01%2012%3A00%3A00&Reason=Wrong"));
    }

    void missedCharacters_countPerCharacter_data()
    {
        QTest::addColumn<QByteArray>("planted"); // an existing 1.dat, or none
        QTest::addColumn<QStringList>("misses");
        QTest::addColumn<int>("added");
        QTest::addColumn<QString>("stored");
        QTest::addRow("same character three times: one record, counted twice more")
            << QByteArray() << QStringList{u"k"_s, u"k"_s, u"k"_s} << 3 << u"k:2"_s;
        QTest::addRow("case counts") << QByteArray() << QStringList{u"e"_s, u"E"_s, u"e"_s} << 3
                                     << u"e:1 E:-"_s;
        QTest::addRow("only the first unit; empty and lone surrogate refused")
            << QByteArray() << QStringList{QString(), u"\U0001F600"_s.first(1), u"xy"_s, u"\n"_s} << 2
            << u"x:- \n:-"_s;
        QTest::addRow("count not a number")
            << QByteArray("Char=q&ErrorCount=abc") << QStringList{u"q"_s} << 1 << u"q:1"_s;
        QTest::addRow("count negative")
            << QByteArray("Char=q&ErrorCount=-7") << QStringList{u"q"_s} << 1 << u"q:1"_s;
        QTest::addRow("count past int")
            << QByteArray("Char=q&ErrorCount=99999999999") << QStringList{u"q"_s} << 1 << u"q:1"_s;
        QTest::addRow("count at the largest int")
            << QByteArray("Char=q&ErrorCount=2147483647") << QStringList{u"q"_s} << 1 << u"q:2147483647"_s;
        QTest::addRow("count ordinary")
            << QByteArray("Char=q&ErrorCount=41") << QStringList{u"q"_s} << 1 << u"q:42"_s;
    }

    void missedCharacters_countPerCharacter()
    {
        QFETCH(QByteArray, planted);
        QFETCH(QStringList, misses);
        if (!planted.isEmpty())
            QVERIFY(m_folder->Plant(Chars, u"1.dat"_s, planted));
        int added = 0;
        for (qsizetype i = 0; i < misses.size(); ++i)
            added += m_folder->store.AddProblemChar(misses.at(i), Noon + i * 60) ? 1 : 0;
        QTEST(added, "added");
        QTEST(StoredChars(m_folder->store), "stored");
    }

    void word_storedAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // empty: nothing is recorded
        QTest::addRow("brackets around") << u"(hello)"_s << u"hello"_s;
        QTest::addRow("quotes and stops") << u"\"'Hello!'\""_s << u"Hello"_s;
        QTest::addRow("braces and slashes") << u"{[\\/x/\\]}"_s << u"x"_s;
        QTest::addRow("inner punctuation stays") << u"don't"_s << u"don't"_s;
        QTest::addRow("colon and semicolon are not stripped") << u":word;"_s << u":word;"_s;
        QTest::addRow("only punctuation") << u"(--)"_s << QString();
        QTest::addRow("empty") << QString() << QString();
        QTest::addRow("15 characters") << u"characteristics"_s << u"characteristics"_s;
        QTest::addRow("259 characters") << QString(259, u'w') << QString(259, u'w');
        QTest::addRow("300 characters cut to 259") << QString(300, u'w') << QString(259, u'w');
        QTest::addRow("separator characters inside") << u"a&b=c%d e"_s << u"a&b=c%d e"_s;
    }

    void word_storedAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(m_folder->store.AddProblemWord(typed, Noon), !stored.isEmpty());
        QCOMPARE(StoredWords(m_folder->store), stored.isEmpty() ? QStringList() : QStringList{stored});
    }

    void sameWordTwice_oneRecordWithNewerTime()
    {
        QVERIFY(m_folder->store.AddProblemWord(u"there"_s, Noon));
        QVERIFY(m_folder->store.AddProblemWord(u"There"_s, Noon + 1));
        QVERIFY(m_folder->store.AddProblemWord(u"(there)"_s, Noon + 3600));
        QCOMPARE(StoredWords(m_folder->store), (QStringList{u"there"_s, u"There"_s}));
        const std::optional<ProblemRecord> record = m_folder->store.ReadProblemEntry(ProblemList::Words, 0);
        QCOMPARE(record->Value(u"DateTime"_s), u"2024-03-01 13:00:00"_s);
    }

    void fiftyFirstWord_removesTheOldest()
    {
        // The oldest word is written last, so it is not simply the first file.
        for (int i = 1; i <= 49; ++i)
            QVERIFY(m_folder->store.AddProblemWord(u"word%1"_s.arg(i), Noon + i));
        QVERIFY(m_folder->store.AddProblemWord(u"ancient"_s, Noon - 86400));
        QCOMPARE(m_folder->store.CountProblemWords(), 50);
        QVERIFY(m_folder->store.AddProblemWord(u"newest"_s, Noon + 100));
        QCOMPARE(m_folder->store.CountProblemWords(), 50);
        const QStringList words = StoredWords(m_folder->store);
        QVERIFY(!words.contains(u"ancient"_s));
        QCOMPARE(words.last(), u"newest"_s);
        // The next one removes the oldest of the rest.
        QVERIFY(m_folder->store.AddProblemWord(u"later"_s, Noon + 200));
        QCOMPARE(m_folder->store.CountProblemWords(), 50);
        QVERIFY(!StoredWords(m_folder->store).contains(u"word1"_s));
        QVERIFY(StoredWords(m_folder->store).contains(u"word2"_s));
    }

    void trim_missingTimeCountsOldest_firstListedWinsAmongEquals()
    {
        for (int i = 1; i <= 50; ++i)
            QVERIFY(
                m_folder->Plant(Words, u"%1.dat"_s.arg(i),
                                "Word=w" + QByteArray::number(i) + "&DateTime=2024-01-01%2000%3A00%3A00"));
        QVERIFY(m_folder->Plant(Words, u"30.dat"_s, "Word=undated&Reason=Wrong"));
        QVERIFY(m_folder->Plant(Words, u"40.dat"_s, "Word=garbled&DateTime=yesterday"));
        QVERIFY(m_folder->store.AddProblemWord(u"first"_s, Noon));
        QVERIFY(!StoredWords(m_folder->store).contains(u"undated"_s));
        QVERIFY(m_folder->store.AddProblemWord(u"second"_s, Noon));
        QVERIFY(!StoredWords(m_folder->store).contains(u"garbled"_s));
        QVERIFY(m_folder->store.AddProblemWord(u"third"_s, Noon));
        QVERIFY(!StoredWords(m_folder->store).contains(u"w1"_s));
        QVERIFY(StoredWords(m_folder->store).contains(u"w2"_s));
        QCOMPARE(m_folder->store.CountProblemWords(), 50);
    }

    void trim_sparesWordsOfThisSecondButNotUnreadableRecords()
    {
        for (int i = 1; i <= 49; ++i)
            QVERIFY(m_folder->store.AddProblemWord(u"word%1"_s.arg(i), Noon));
        QVERIFY(m_folder->Plant(Words, u"50.dat"_s, "Word=%G1"));
        // The unreadable record has no readable time: it is the oldest and goes first.
        QVERIFY(m_folder->store.AddProblemWord(u"alpha"_s, Noon));
        QCOMPARE(m_folder->store.CountProblemWords(), 50);
        QVERIFY(!StoredWords(m_folder->store).contains(u"<unreadable>"_s));
        // None of the rest is older than this second.
        QVERIFY(m_folder->store.AddProblemWord(u"bravo"_s, Noon));
        QCOMPARE(m_folder->store.CountProblemWords(), 51);
    }

    void newRecord_takesFirstFreeNumber()
    {
        QVERIFY(m_folder->PlantDirectory(Chars, u"1.dat"_s));
        QVERIFY(m_folder->Plant(Chars, u"3.dat"_s, "Char=z"));
        QVERIFY(m_folder->store.AddProblemChar(u"a"_s, Noon));
        QVERIFY(m_folder->store.AddProblemChar(u"b"_s, Noon));
        QCOMPARE(m_folder->Content(Chars, u"2.dat"_s).left(6), QByteArray("Char=a"));
        QCOMPARE(m_folder->Content(Chars, u"4.dat"_s).left(6), QByteArray("Char=b"));
        QVERIFY(QFile::remove(m_folder->ListPath(Chars) + u"/2.dat"_s));
        QVERIFY(m_folder->store.AddProblemChar(u"c"_s, Noon));
        QCOMPARE(m_folder->Content(Chars, u"2.dat"_s).left(6), QByteArray("Char=c"));
    }

    void listing_isNumericWhateverTheNames()
    {
        for (const QString& name :
             {u"10.dat"_s, u"9.dat"_s, u"note.dat"_s, u"2.dat"_s, u"100.dat"_s, u"1.dat"_s})
            QVERIFY(m_folder->Plant(Words, name, "Word=" + QFile::encodeName(name).chopped(4)));
        QVERIFY(m_folder->Plant(Words, u"5.txt"_s, "Word=ignored"));
        QCOMPARE(StoredWords(m_folder->store),
                 (QStringList{u"1"_s, u"2"_s, u"9"_s, u"10"_s, u"100"_s, u"note"_s}));
    }

    void writes_leaveNoTemporaryFiles()
    {
        QVERIFY(m_folder->store.AddProblemChar(u"a"_s, Noon));
        QVERIFY(m_folder->store.AddProblemChar(u"a"_s, Noon));
        QVERIFY(m_folder->store.AddProblemWord(u"again"_s, Noon));
        QVERIFY(m_folder->store.AddProblemWord(u"again"_s, Noon + 1));
        QCOMPARE(m_folder->Names(Chars), QStringList{u"1.dat"_s});
        QCOMPARE(m_folder->Names(Words), QStringList{u"1.dat"_s});
    }

    void badRecord_readFailsButIsNeverChangedOrDeleted_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("truncated in an escape") << QByteArray("Char=q&DateTime=2024-03-01%2");
        QTest::addRow("not UTF-8") << QByteArray("Char=\xff\xfe");
        QTest::addRow("bad escape") << QByteArray("Char=%G1");
        QTest::addRow("lone percent") << QByteArray("Char=%");
        QTest::addRow("no character") << QByteArray("DateTime=2024-03-01%2012%3A00%3A00&Reason=Wrong");
        QTest::addRow("empty character") << QByteArray("Char=&Reason=Wrong");
        QTest::addRow("10 MB") << QByteArray("Char=q&Reason=") + QByteArray(10 * 1024 * 1024, 'W');
    }

    void badRecord_readFailsButIsNeverChangedOrDeleted()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(m_folder->Plant(Chars, u"1.dat"_s, bytes));
        QVERIFY(m_folder->Plant(Words, u"1.dat"_s, QByteArray(bytes).replace("Char", "Word")));
        QVERIFY(!m_folder->store.ReadProblemEntry(ProblemList::Chars, 0));
        QVERIFY(!m_folder->store.ReadProblemEntry(ProblemList::Words, 0));
        QVERIFY(m_folder->store.AddProblemChar(u"q"_s, Noon));
        QVERIFY(m_folder->store.AddProblemWord(u"q"_s, Noon));
        QCOMPARE(m_folder->store.CountProblemChars(), 2);
        QCOMPARE(m_folder->store.CountProblemWords(), 2);
        QCOMPARE(m_folder->Content(Chars, u"1.dat"_s), bytes);
        QVERIFY(m_folder->store.ReadProblemEntry(ProblemList::Chars, 1));
    }

    void missingOrBlockedFolders_andOutOfRangeReads_fail()
    {
        ProblemTestFolder folder;
        const ProblemStore missing(folder.Path() + u"/not/there"_s);
        QCOMPARE(missing.CountProblemWords(), 0);
        QVERIFY(missing.ReadProblemEntries(ProblemList::Chars).isEmpty());
        QVERIFY(missing.ClearProblemWords());
        QVERIFY(missing.AddProblemChar(u"a"_s, Noon)); // creates the folders on the way
        QCOMPARE(missing.CountProblemChars(), 1);
        QVERIFY(missing.ReadProblemEntry(ProblemList::Chars, 0));
        QVERIFY(!missing.ReadProblemEntry(ProblemList::Chars, 1));
        QVERIFY(!missing.ReadProblemEntry(ProblemList::Chars, -1));

        // A file where the folder belongs: the write fails without looping; the other list works.
        QVERIFY(m_folder->Plant(QString(), u"ProblemChars"_s, "a file where the folder belongs"));
        QVERIFY(!m_folder->store.AddProblemChar(u"a"_s, Noon));
        QCOMPARE(m_folder->store.CountProblemChars(), 0);
        QVERIFY(m_folder->store.AddProblemWord(u"alpha"_s, Noon));
    }

    void clear_reportsFailureWhenARecordStays()
    {
        QVERIFY(m_folder->PlantDirectory(Words, u"2.dat"_s));
        QVERIFY(m_folder->store.AddProblemWord(u"alpha"_s, Noon));
        QVERIFY(!m_folder->store.ClearProblemWords());
        QCOMPARE(m_folder->store.CountProblemWords(), 1); // the directory is not ours to remove
    }

    void clearCommand_asksUnlessConfirmed_data()
    {
        QTest::addColumn<bool>("words");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("cleared");
        QTest::addRow("words, user clears") << true << false << true << 1 << true;
        QTest::addRow("words, user cancels") << true << false << false << 1 << false;
        QTest::addRow("words, already confirmed") << true << true << false << 0 << true;
        QTest::addRow("characters, user clears") << false << false << true << 1 << true;
        QTest::addRow("characters, user cancels") << false << false << false << 1 << false;
        QTest::addRow("characters, already confirmed") << false << true << false << 0 << true;
    }

    void clearCommand_asksUnlessConfirmed()
    {
        QFETCH(bool, words);
        QFETCH(bool, confirmed);
        QFETCH(bool, answer);
        QFETCH(int, questions);
        QFETCH(bool, cleared);
        QVERIFY(m_folder->store.AddProblemWord(u"alpha"_s, Noon));
        QVERIFY(m_folder->store.AddProblemChar(u"a"_s, Noon));
        QList<ClearProblemsQuestion> asked;
        int regenerated = 0;
        const ProblemListCommands commands(
            m_folder->store,
            [&](const ClearProblemsQuestion& question) {
                asked.append(question);
                return answer;
            },
            [&] { ++regenerated; });
        const bool result = words ? commands.ClearProblemWordsCommand(confirmed)
                                  : commands.ClearProblemCharsCommand(confirmed);
        QCOMPARE(result, cleared);
        QCOMPARE(asked.size(), questions);
        if (questions > 0)
            QCOMPARE(asked.first().caption, words ? u"Clear Problem Words"_s : u"Clear Problem Characters"_s);
        QCOMPARE(regenerated, cleared ? 1 : 0);
        QCOMPARE(m_folder->store.Count(words ? ProblemList::Words : ProblemList::Chars), cleared ? 0 : 1);
        QCOMPARE(m_folder->store.Count(words ? ProblemList::Chars : ProblemList::Words), 1);
    }

    void clearCommand_failedDeletion_leavesTextsAlone()
    {
        QVERIFY(m_folder->PlantDirectory(Chars, u"1.dat"_s));
        int regenerated = 0;
        const ProblemListCommands commands(m_folder->store, nullptr, [&] { ++regenerated; });
        QVERIFY(!commands.ClearProblemCharsCommand(true));
        QVERIFY(!commands.ClearProblemCharsCommand(false)); // nobody to ask: nothing happens
        QCOMPARE(regenerated, 0);
    }
};

QTEST_GUILESS_MAIN(TestProblemStore)
#include "tst_problemstore.moc"
