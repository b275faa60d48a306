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

} // namespace

class TestProblemStore final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void missedCharacter_recordsItWithTimeAndReason();
    void sameCharacterThreeTimes_oneRecordWithErrorCountTwo();
    void characters_compareCaseSensitively();
    void character_onlyFirstUnitCounts_loneSurrogateRefused();
    void errorCount_damagedOrHugeValueStillCounts_data();
    void errorCount_damagedOrHugeValueStillCounts();

    void word_strippedOfSurroundingPunctuation_data();
    void word_strippedOfSurroundingPunctuation();
    void word_keptWholeUpToTheBufferLength_data();
    void word_keptWholeUpToTheBufferLength();
    void sameWordTwice_oneRecordWithNewerTime();
    void fiftyFirstWord_removesTheOldest();
    void trim_missingTimeCountsOldest_firstListedWinsAmongEquals();
    void trim_sparesWordsOfThisSecondButNotUnreadableRecords();

    void newRecord_takesFirstFreeNumber();
    void listing_isNumericWhateverTheNames();
    void writes_leaveNoTemporaryFiles();

    void badRecord_readFailsButIsNeverChangedOrDeleted_data();
    void badRecord_readFailsButIsNeverChangedOrDeleted();
    void readEntry_outOfRangeFails();
    void missingFolders_readAsEmpty();
    void unwritableFolder_failsWithoutLooping();

    void clear_reportsFailureWhenARecordStays();
    void clearCommand_asksUnlessConfirmed_data();
    void clearCommand_asksUnlessConfirmed();
    void clearCommand_failedDeletion_leavesTextsAlone();
};

void TestProblemStore::initTestCase()
{
    // Time stamps are local time: pin the zone so expected stamps are fixed.
    qputenv("TZ", "UTC");
}

void TestProblemStore::missedCharacter_recordsItWithTimeAndReason()
{
    ProblemTestFolder folder;
    const ProblemStore store(folder.Path());
    QVERIFY(store.AddProblemChar(u"e"_s, Noon));
    QVERIFY(store.AddProblemWord(u"there"_s, Noon));
    QCOMPARE(folder.Content(Chars, u"1.dat"_s),
             QByteArray("Char=e&DateTime=2024-03-01%2012%3A00%3A00&Reason=Wrong"));
    QCOMPARE(folder.Content(Words, u"1.dat"_s),
             QByteArray("Word=there&DateTime=2024-03-01%2012%3A00%3A00&Reason=Wrong"));
    QCOMPARE(store.CountProblemChars(), 1);
    QCOMPARE(store.CountProblemWords(), 1);
}

void TestProblemStore::sameCharacterThreeTimes_oneRecordWithErrorCountTwo()
{
    ProblemTestFolder folder;
    const ProblemStore store(folder.Path());
    for (int miss = 0; miss < 3; ++miss)
        QVERIFY(store.AddProblemChar(u"k"_s, Noon + miss * 60));
    QCOMPARE(store.CountProblemChars(), 1);
    const std::optional<ProblemRecord> record = store.ReadProblemEntry(ProblemList::Chars, 0);
    QVERIFY(record);
    QCOMPARE(record->Value(u"ErrorCount"_s), u"2"_s);
    QCOMPARE(record->Value(u"DateTime"_s), u"2024-03-01 12:00:00"_s); // the first miss
}

void TestProblemStore::characters_compareCaseSensitively()
{
    ProblemTestFolder folder;
    const ProblemStore store(folder.Path());
    QVERIFY(store.AddProblemChar(u"e"_s, Noon));
    QVERIFY(store.AddProblemChar(u"E"_s, Noon));
    QVERIFY(store.AddProblemChar(u"e"_s, Noon));
    QCOMPARE(store.CountProblemChars(), 2);
    QCOMPARE(store.ReadProblemEntry(ProblemList::Chars, 0)->Value(u"ErrorCount"_s), u"1"_s);
    QVERIFY(!store.ReadProblemEntry(ProblemList::Chars, 1)->Has(u"ErrorCount"_s));
}

void TestProblemStore::character_onlyFirstUnitCounts_loneSurrogateRefused()
{
    ProblemTestFolder folder;
    const ProblemStore store(folder.Path());
    QVERIFY(!store.AddProblemChar(QString(), Noon));
    QVERIFY(!store.AddProblemChar(u"\U0001F600"_s.first(1), Noon));
    QVERIFY(store.AddProblemChar(u"xy"_s, Noon));
    QVERIFY(store.AddProblemChar(u"\n"_s, Noon));
    QCOMPARE(store.CountProblemChars(), 2);
    QCOMPARE(store.ReadProblemEntry(ProblemList::Chars, 0)->Value(u"Char"_s), u"x"_s);
    QCOMPARE(store.ReadProblemEntry(ProblemList::Chars, 1)->Value(u"Char"_s), u"\n"_s);
}

void TestProblemStore::errorCount_damagedOrHugeValueStillCounts_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("expected");
    QTest::addRow("not a number") << QByteArray("Char=q&ErrorCount=abc") << u"1"_s;
    QTest::addRow("negative") << QByteArray("Char=q&ErrorCount=-7") << u"1"_s;
    QTest::addRow("past int") << QByteArray("Char=q&ErrorCount=99999999999") << u"1"_s;
    QTest::addRow("at the largest int") << QByteArray("Char=q&ErrorCount=2147483647") << u"2147483647"_s;
    QTest::addRow("ordinary") << QByteArray("Char=q&ErrorCount=41") << u"42"_s;
}

void TestProblemStore::errorCount_damagedOrHugeValueStillCounts()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, expected);
    ProblemTestFolder folder;
    QVERIFY(folder.Plant(Chars, u"1.dat"_s, stored));
    const ProblemStore store(folder.Path());
    QVERIFY(store.AddProblemChar(u"q"_s, Noon));
    QCOMPARE(store.CountProblemChars(), 1);
    QCOMPARE(store.ReadProblemEntry(ProblemList::Chars, 0)->Value(u"ErrorCount"_s), expected);
}

void TestProblemStore::word_strippedOfSurroundingPunctuation_data()
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
}

void TestProblemStore::word_strippedOfSurroundingPunctuation()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    ProblemTestFolder folder;
    const ProblemStore store(folder.Path());
    QCOMPARE(store.AddProblemWord(typed, Noon), !stored.isEmpty());
    QCOMPARE(StoredWords(store), stored.isEmpty() ? QStringList() : QStringList{stored});
}

void TestProblemStore::word_keptWholeUpToTheBufferLength_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addRow("14 characters") << u"characteristic"_s << u"characteristic"_s;
    QTest::addRow("15 characters") << u"characteristics"_s << u"characteristics"_s;
    QTest::addRow("259 characters") << QString(259, u'w') << QString(259, u'w');
    QTest::addRow("300 characters cut to 259") << QString(300, u'w') << QString(259, u'w');
    QTest::addRow("separator characters inside") << u"a&b=c%d e"_s << u"a&b=c%d e"_s;
}

void TestProblemStore::word_keptWholeUpToTheBufferLength()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    ProblemTestFolder folder;
    const ProblemStore store(folder.Path());
    QVERIFY(store.AddProblemWord(typed, Noon));
    QCOMPARE(StoredWords(store), QStringList{stored});
}

void TestProblemStore::sameWordTwice_oneRecordWithNewerTime()
{
    ProblemTestFolder folder;
    const ProblemStore store(folder.Path());
    QVERIFY(store.AddProblemWord(u"there"_s, Noon));
    QVERIFY(store.AddProblemWord(u"There"_s, Noon + 1));
    QVERIFY(store.AddProblemWord(u"(there)"_s, Noon + 3600));
    QCOMPARE(StoredWords(store), (QStringList{u"there"_s, u"There"_s}));
    const std::optional<ProblemRecord> record = store.ReadProblemEntry(ProblemList::Words, 0);
    QCOMPARE(record->Value(u"DateTime"_s), u"2024-03-01 13:00:00"_s);
}

void TestProblemStore::fiftyFirstWord_removesTheOldest()
{
    ProblemTestFolder folder;
    const ProblemStore store(folder.Path());
    // The oldest word is written last, so it is not simply the first file.
    for (int i = 1; i <= 49; ++i)
        QVERIFY(store.AddProblemWord(u"word%1"_s.arg(i), Noon + i));
    QVERIFY(store.AddProblemWord(u"ancient"_s, Noon - 86400));
    QCOMPARE(store.CountProblemWords(), 50);
    QVERIFY(store.AddProblemWord(u"newest"_s, Noon + 100));
    QCOMPARE(store.CountProblemWords(), 50);
    const QStringList words = StoredWords(store);
    QVERIFY(!words.contains(u"ancient"_s));
    QCOMPARE(words.last(), u"newest"_s);
    // The next one removes the oldest of the rest.
    QVERIFY(store.AddProblemWord(u"later"_s, Noon + 200));
    QCOMPARE(store.CountProblemWords(), 50);
    QVERIFY(!StoredWords(store).contains(u"word1"_s));
    QVERIFY(StoredWords(store).contains(u"word2"_s));
}

void TestProblemStore::trim_missingTimeCountsOldest_firstListedWinsAmongEquals()
{
    ProblemTestFolder folder;
    const ProblemStore store(folder.Path());
    for (int i = 1; i <= 50; ++i)
        QVERIFY(folder.Plant(Words, u"%1.dat"_s.arg(i),
                             "Word=w" + QByteArray::number(i) + "&DateTime=2024-01-01%2000%3A00%3A00"));
    QVERIFY(folder.Plant(Words, u"30.dat"_s, "Word=undated&Reason=Wrong"));
    QVERIFY(folder.Plant(Words, u"40.dat"_s, "Word=garbled&DateTime=yesterday"));
    QVERIFY(store.AddProblemWord(u"first"_s, Noon));
    QVERIFY(!StoredWords(store).contains(u"undated"_s));
    QVERIFY(store.AddProblemWord(u"second"_s, Noon));
    QVERIFY(!StoredWords(store).contains(u"garbled"_s));
    QVERIFY(store.AddProblemWord(u"third"_s, Noon));
    QVERIFY(!StoredWords(store).contains(u"w1"_s));
    QVERIFY(StoredWords(store).contains(u"w2"_s));
    QCOMPARE(store.CountProblemWords(), 50);
}

void TestProblemStore::trim_sparesWordsOfThisSecondButNotUnreadableRecords()
{
    ProblemTestFolder folder;
    const ProblemStore store(folder.Path());
    for (int i = 1; i <= 49; ++i)
        QVERIFY(store.AddProblemWord(u"word%1"_s.arg(i), Noon));
    QVERIFY(folder.Plant(Words, u"50.dat"_s, "Word=%G1"));
    // The unreadable record has no readable time: it is the oldest and goes first.
    QVERIFY(store.AddProblemWord(u"alpha"_s, Noon));
    QCOMPARE(store.CountProblemWords(), 50);
    QVERIFY(!StoredWords(store).contains(u"<unreadable>"_s));
    // None of the rest is older than this second.
    QVERIFY(store.AddProblemWord(u"bravo"_s, Noon));
    QCOMPARE(store.CountProblemWords(), 51);
}

void TestProblemStore::newRecord_takesFirstFreeNumber()
{
    ProblemTestFolder folder;
    QVERIFY(folder.PlantDirectory(Chars, u"1.dat"_s));
    QVERIFY(folder.Plant(Chars, u"3.dat"_s, "Char=z"));
    const ProblemStore store(folder.Path());
    QVERIFY(store.AddProblemChar(u"a"_s, Noon));
    QVERIFY(store.AddProblemChar(u"b"_s, Noon));
    QCOMPARE(folder.Content(Chars, u"2.dat"_s).left(6), QByteArray("Char=a"));
    QCOMPARE(folder.Content(Chars, u"4.dat"_s).left(6), QByteArray("Char=b"));
    QVERIFY(QFile::remove(folder.ListPath(Chars) + u"/2.dat"_s));
    QVERIFY(store.AddProblemChar(u"c"_s, Noon));
    QCOMPARE(folder.Content(Chars, u"2.dat"_s).left(6), QByteArray("Char=c"));
}

void TestProblemStore::listing_isNumericWhateverTheNames()
{
    ProblemTestFolder folder;
    for (const QString& name : {u"10.dat"_s, u"9.dat"_s, u"note.dat"_s, u"2.dat"_s, u"100.dat"_s, u"1.dat"_s})
        QVERIFY(folder.Plant(Words, name, "Word=" + QFile::encodeName(name).chopped(4)));
    QVERIFY(folder.Plant(Words, u"5.txt"_s, "Word=ignored"));
    const ProblemStore store(folder.Path());
    QCOMPARE(StoredWords(store), (QStringList{u"1"_s, u"2"_s, u"9"_s, u"10"_s, u"100"_s, u"note"_s}));
}

void TestProblemStore::writes_leaveNoTemporaryFiles()
{
    ProblemTestFolder folder;
    const ProblemStore store(folder.Path());
    QVERIFY(store.AddProblemChar(u"a"_s, Noon));
    QVERIFY(store.AddProblemChar(u"a"_s, Noon));
    QVERIFY(store.AddProblemWord(u"again"_s, Noon));
    QVERIFY(store.AddProblemWord(u"again"_s, Noon + 1));
    QCOMPARE(folder.Names(Chars), QStringList{u"1.dat"_s});
    QCOMPARE(folder.Names(Words), QStringList{u"1.dat"_s});
}

void TestProblemStore::badRecord_readFailsButIsNeverChangedOrDeleted_data()
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

void TestProblemStore::badRecord_readFailsButIsNeverChangedOrDeleted()
{
    QFETCH(QByteArray, bytes);
    ProblemTestFolder folder;
    QVERIFY(folder.Plant(Chars, u"1.dat"_s, bytes));
    QVERIFY(folder.Plant(Words, u"1.dat"_s, QByteArray(bytes).replace("Char", "Word")));
    const ProblemStore store(folder.Path());
    QVERIFY(!store.ReadProblemEntry(ProblemList::Chars, 0));
    QVERIFY(!store.ReadProblemEntry(ProblemList::Words, 0));
    QVERIFY(store.AddProblemChar(u"q"_s, Noon));
    QVERIFY(store.AddProblemWord(u"q"_s, Noon));
    QCOMPARE(store.CountProblemChars(), 2);
    QCOMPARE(store.CountProblemWords(), 2);
    QCOMPARE(folder.Content(Chars, u"1.dat"_s), bytes);
    QVERIFY(store.ReadProblemEntry(ProblemList::Chars, 1));
}

void TestProblemStore::readEntry_outOfRangeFails()
{
    ProblemTestFolder folder;
    const ProblemStore store(folder.Path());
    QVERIFY(store.AddProblemWord(u"only"_s, Noon));
    QVERIFY(store.ReadProblemEntry(ProblemList::Words, 0));
    QVERIFY(!store.ReadProblemEntry(ProblemList::Words, 1));
    QVERIFY(!store.ReadProblemEntry(ProblemList::Words, -1));
}

void TestProblemStore::missingFolders_readAsEmpty()
{
    ProblemTestFolder folder;
    const ProblemStore store(folder.Path() + u"/not/there"_s);
    QCOMPARE(store.CountProblemWords(), 0);
    QCOMPARE(store.CountProblemChars(), 0);
    QVERIFY(store.ReadProblemEntries(ProblemList::Chars).isEmpty());
    QVERIFY(store.ClearProblemWords());
    QVERIFY(store.AddProblemChar(u"a"_s, Noon)); // creates the folders on the way
    QCOMPARE(store.CountProblemChars(), 1);
}

void TestProblemStore::unwritableFolder_failsWithoutLooping()
{
    ProblemTestFolder folder;
    QVERIFY(folder.Plant(QString(), u"ProblemChars"_s, "a file where the folder belongs"));
    const ProblemStore store(folder.Path());
    QVERIFY(!store.AddProblemChar(u"a"_s, Noon));
    QCOMPARE(store.CountProblemChars(), 0);
    QVERIFY(store.AddProblemWord(u"alpha"_s, Noon));
}

void TestProblemStore::clear_reportsFailureWhenARecordStays()
{
    ProblemTestFolder folder;
    QVERIFY(folder.PlantDirectory(Words, u"2.dat"_s));
    const ProblemStore store(folder.Path());
    QVERIFY(store.AddProblemWord(u"alpha"_s, Noon));
    QVERIFY(!store.ClearProblemWords());
    QCOMPARE(store.CountProblemWords(), 1); // the directory is not ours to remove
}

void TestProblemStore::clearCommand_asksUnlessConfirmed_data()
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

void TestProblemStore::clearCommand_asksUnlessConfirmed()
{
    QFETCH(bool, words);
    QFETCH(bool, confirmed);
    QFETCH(bool, answer);
    QFETCH(int, questions);
    QFETCH(bool, cleared);
    ProblemTestFolder folder;
    const ProblemStore store(folder.Path());
    QVERIFY(store.AddProblemWord(u"alpha"_s, Noon));
    QVERIFY(store.AddProblemChar(u"a"_s, Noon));
    QList<ClearProblemsQuestion> asked;
    int regenerated = 0;
    const ProblemListCommands commands(
        store,
        [&](const ClearProblemsQuestion& question) {
            asked.append(question);
            return answer;
        },
        [&] { ++regenerated; });
    const bool result =
        words ? commands.ClearProblemWordsCommand(confirmed) : commands.ClearProblemCharsCommand(confirmed);
    QCOMPARE(result, cleared);
    QCOMPARE(asked.size(), questions);
    if (questions > 0) {
        const ClearProblemsQuestion& question = asked.first();
        QCOMPARE(question.text, words ? u"Do you really want to clear all problem words?"_s
                                      : u"Do you really want to clear all problem characters?"_s);
        QCOMPARE(question.caption, words ? u"Clear Problem Words"_s : u"Clear Problem Characters"_s);
        QCOMPARE(question.clearButton, u"Clear"_s);
        QCOMPARE(question.cancelButton, u"Cancel"_s);
    }
    QCOMPARE(regenerated, cleared ? 1 : 0);
    QCOMPARE(store.Count(words ? ProblemList::Words : ProblemList::Chars), cleared ? 0 : 1);
    QCOMPARE(store.Count(words ? ProblemList::Chars : ProblemList::Words), 1);
}

void TestProblemStore::clearCommand_failedDeletion_leavesTextsAlone()
{
    ProblemTestFolder folder;
    QVERIFY(folder.PlantDirectory(Chars, u"1.dat"_s));
    const ProblemStore store(folder.Path());
    int regenerated = 0;
    const ProblemListCommands commands(store, nullptr, [&] { ++regenerated; });
    QVERIFY(!commands.ClearProblemCharsCommand(true));
    QVERIFY(!commands.ClearProblemCharsCommand(false)); // nobody to ask: nothing happens
    QCOMPARE(regenerated, 0);
}

QTEST_GUILESS_MAIN(TestProblemStore)
#include "tst_problemstore.moc"
