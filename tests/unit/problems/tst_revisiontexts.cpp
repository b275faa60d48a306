// Problem records as stored, and the revision texts made from them.
#include "ProblemTestFolder.h"
#include "progress/ProblemRecord.h"
#include "progress/ProblemStore.h"
#include "progress/RevisionTextGenerator.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace clavora;
using clavora::test::ProblemTestFolder;

namespace {

const QString Words = u"ProblemWords"_s;
const QString Chars = u"ProblemChars"_s;
constexpr qint64 Noon = 1709294400;

// A word list shaped like the tutor's: alphabetical, several words per initial letter.
QStringList SampleWordList()
{
    return {u"able"_s,   u"about"_s, u"acquire"_s, u"aqua"_s,  u"equal"_s, u"equip"_s,
            u"liquid"_s, u"quack"_s, u"quaint"_s,  u"quake"_s, u"qualm"_s, u"quart"_s,
            u"queen"_s,  u"query"_s, u"quest"_s,   u"quick"_s, u"quiet"_s, u"quilt"_s,
            u"quite"_s,  u"quote"_s, u"squad"_s,   u"squid"_s, u"zebra"_s, u"zoo"_s};
}

int Occurrences(const QStringList& words, const QString& word)
{
    return static_cast<int>(words.count(word));
}

} // namespace

class TestRevisionTexts final : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProblemTestFolder> m_folder;

private slots:
    void init() { m_folder = std::make_unique<ProblemTestFolder>(); }

    void emptyLists_giveTheBracketedTexts_data()
    {
        QTest::addColumn<RevisionKind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addRow("words") << RevisionKind::ProblemWords << u"[There are no problem words yet]"_s;
        QTest::addRow("characters") << RevisionKind::ProblemChars
                                    << u"[There are no problem characters yet]"_s;
    }

    void emptyLists_giveTheBracketedTexts()
    {
        QFETCH(RevisionKind, kind);
        const QStringList wordList = SampleWordList();
        RandomGenerator random(7);
        const RevisionText result = RevisionTextGenerator(m_folder->store, wordList, random).Generate(kind);
        QTEST(result.text, "text");
        QCOMPARE(result.status, RevisionStatus::Done);
        QCOMPARE(result.kind, kind);
        QCOMPARE(random.State(), 7u); // nothing drawn
    }

    void storedWords_shareFiftyPlacesEvenly_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QList<int>>("counts");
        QTest::addRow("one word") << QStringList{u"there"_s} << QList<int>{50};
        QTest::addRow("three words") << QStringList{u"alpha"_s, u"bravo"_s, u"charlie"_s}
                                     << QList<int>{17, 17, 16};
        QTest::addRow("seven words") << QStringList{u"w1"_s, u"w2"_s, u"w3"_s, u"w4"_s,
                                                    u"w5"_s, u"w6"_s, u"w7"_s}
                                     << QList<int>{8, 7, 7, 7, 7, 7, 7};
    }

    void storedWords_shareFiftyPlacesEvenly()
    {
        QFETCH(QStringList, stored);
        QFETCH(QList<int>, counts);
        for (int i = 0; i < stored.size(); ++i)
            QVERIFY(m_folder->store.AddProblemWord(stored[i], Noon + i));
        const QStringList wordList;
        RandomGenerator random(12345);
        const RevisionText result =
            RevisionTextGenerator(m_folder->store, wordList, random).GenerateProblemWordsText();
        QCOMPARE(result.status, RevisionStatus::Done);
        const QStringList words = result.text.split(u' ');
        QCOMPARE(words.size(), 50);
        for (int i = 0; i < stored.size(); ++i)
            QCOMPARE(Occurrences(words, stored[i]), counts[i]);
        if (stored.size() > 1)
            QVERIFY(words.mid(0, 17) != QStringList(17, stored.first())); // shuffled, not in blocks
    }

    void moreThanFiftyWords_onlyTheFirstFiftyAppear()
    {
        for (int i = 1; i <= 60; ++i)
            QVERIFY(m_folder->Plant(Words, u"%1.dat"_s.arg(i), "Word=w" + QByteArray::number(i)));
        const QStringList wordList;
        RandomGenerator random(5);
        const QStringList words = RevisionTextGenerator(m_folder->store, wordList, random)
                                      .GenerateProblemWordsText()
                                      .text.split(u' ');
        QCOMPARE(words.size(), 50);
        for (int i = 1; i <= 60; ++i)
            QCOMPARE(Occurrences(words, u"w%1"_s.arg(i)), i <= 50 ? 1 : 0);
    }

    void singleCharacterQ_onlyWordsWithQ_atMostSeventyFive()
    {
        QVERIFY(m_folder->store.AddProblemChar(u"q"_s, Noon));
        QStringList wordList;
        for (int i = 0; i < 400; ++i)
            wordList.append(QString(QChar(u'a' + i / 16)) + (i % 3 == 0 ? u"quiz%1"_s : u"word%1"_s).arg(i));
        RandomGenerator random(1);
        const RevisionText result =
            RevisionTextGenerator(m_folder->store, wordList, random).GenerateProblemCharsText();
        QCOMPARE(result.status, RevisionStatus::Done);
        const QStringList words = result.text.split(u' ');
        QVERIFY(words.size() <= 75);
        QVERIFY(words.size() > 20);
        qsizetype lastIndex = -1;
        for (const QString& word : words) {
            QVERIFY2(word.contains(u'q'), qPrintable(word));
            const qsizetype index = wordList.indexOf(word);
            QVERIFY(index > lastIndex); // in list order, each word once
            lastIndex = index;
        }
        QCOMPARE(random.State(), 1u); // the character text draws nothing
    }

    void problemChars_takeListOrderAndAtMostFivePerLetter_data()
    {
        QTest::addColumn<QStringList>("chars");
        QTest::addColumn<QStringList>("wordList");
        QTest::addColumn<QString>("text");
        // Five words of a, the rest of a skipped; five of b (b3 has neither letter), then c.
        QTest::addRow("runs of one letter end after five")
            << QStringList{u"x"_s, u"k"_s}
            << QStringList{u"ax1"_s, u"ax2"_s, u"ax3"_s, u"ak4"_s, u"ax5"_s, u"ax6"_s, u"ax7"_s, u"bx1"_s,
                           u"bk2"_s, u"b3"_s,  u"bx4"_s, u"bx5"_s, u"bx6"_s, u"bx7"_s, u"bx8"_s, u"cx1"_s}
            << u"ax1 ax2 ax3 ak4 ax5 bx1 bk2 bx4 bx5 bx6 cx1"_s;
        QTest::addRow("empty words in the list are harmless")
            << QStringList{u"a"_s} << QStringList{u"a1"_s, QString(), u"a2"_s,   u"a3"_s, u"a4"_s,
                                                  u"a5"_s, QString(), QString(), u"a6"_s}
            << u"a1 a2 a3 a4 a5 a6"_s;
    }

    void problemChars_takeListOrderAndAtMostFivePerLetter()
    {
        QFETCH(QStringList, chars);
        QFETCH(QStringList, wordList);
        for (const QString& character : chars)
            QVERIFY(m_folder->store.AddProblemChar(character, Noon));
        RandomGenerator random(1);
        const RevisionText result =
            RevisionTextGenerator(m_folder->store, wordList, random).GenerateProblemCharsText();
        QCOMPARE(result.status, RevisionStatus::Done);
        QTEST(result.text, "text");
    }

    void unreadableEntry_stopsWithPartialText_data()
    {
        QTest::addColumn<RevisionKind>("kind");
        QTest::addColumn<QByteArray>("damaged");
        QTest::addRow("word record, bad escape") << RevisionKind::ProblemWords << QByteArray("Word=%G1");
        QTest::addRow("word record, empty") << RevisionKind::ProblemWords << QByteArray();
        QTest::addRow("word record, no word") << RevisionKind::ProblemWords << QByteArray("Reason=Wrong");
        QTest::addRow("character record, lone percent") << RevisionKind::ProblemChars << QByteArray("Char=%");
        QTest::addRow("character record, not UTF-8") << RevisionKind::ProblemChars << QByteArray("Char=\x80");
    }

    void unreadableEntry_stopsWithPartialText()
    {
        QFETCH(RevisionKind, kind);
        QFETCH(QByteArray, damaged);
        const bool words = kind == RevisionKind::ProblemWords;
        const QString list = words ? Words : Chars;
        QVERIFY(m_folder->Plant(list, u"1.dat"_s, words ? "Word=alpha" : "Char=q"));
        QVERIFY(m_folder->Plant(list, u"2.dat"_s, damaged));
        const QStringList wordList = SampleWordList();
        RandomGenerator random(3);
        const RevisionText result = RevisionTextGenerator(m_folder->store, wordList, random).Generate(kind);
        QCOMPARE(result.status, RevisionStatus::EntryUnreadable);
        if (words) {
            QVERIFY(result.text.split(u' ').size() < 50);
            QVERIFY(result.text.isEmpty() ||
                    result.text.split(u' ').count(u"alpha"_s) == result.text.split(u' ').size());
        } else {
            QCOMPARE(result.text, QString()); // the first word has no q: the damaged record is reached
        }
        QCOMPARE(m_folder->Content(list, u"2.dat"_s), damaged);
    }

    void regenerate_reportsStatusAndFractionInCatalogueOrder()
    {
        QVERIFY(m_folder->store.AddProblemChar(u"q"_s, Noon));
        QVERIFY(m_folder->store.AddProblemWord(u"quick"_s, Noon));
        const QStringList wordList = SampleWordList();
        RandomGenerator random(3);
        QStringList statuses;
        QList<double> fractions;
        const RevisionProgress progress{nullptr, [&](const QString& status) { statuses.append(status); },
                                        [&](double fraction) { fractions.append(fraction); }};
        const QList<RevisionText> texts =
            RevisionTextGenerator(m_folder->store, wordList, random)
                .RegenerateRevisionTexts({RevisionKind::ProblemChars, RevisionKind::ProblemWords}, progress);
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts[0].kind, RevisionKind::ProblemChars);
        QCOMPARE(texts[1].kind, RevisionKind::ProblemWords);
        QCOMPARE(texts[0].status, RevisionStatus::Done);
        QCOMPARE(texts[1].status, RevisionStatus::Done);
        QCOMPARE(texts[1].text, QStringList(50, u"quick"_s).join(u' '));
        QCOMPARE(statuses,
                 (QStringList{u"Initializing Problem Characters"_s, u"Initializing Problem Words"_s}));
        QVERIFY(!fractions.isEmpty());
        QCOMPARE(fractions.last(), 1.0);
        for (const double fraction : fractions)
            QVERIFY(fraction >= 0.0 && fraction <= 1.0);
    }

    void encode_escapesEveryByteOutsideTheSafeSet_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("encoded");
        QTest::addRow("safe characters stay") << u"aZ09-_.!~"_s << QByteArray("Word=aZ09-_.!~");
        QTest::addRow("space and separators") << u"a b&c=d%"_s << QByteArray("Word=a%20b%26c%3Dd%25");
        QTest::addRow("brackets and quotes") << u"(\"x'*)"_s << QByteArray("Word=%28%22x%27%2A%29");
        QTest::addRow("two-byte UTF-8, upper-case hex") << u"café"_s << QByteArray("Word=caf%C3%A9");
        QTest::addRow("line feed") << u"\n"_s << QByteArray("Word=%0A");
        QTest::addRow("surrogate pair as four bytes") << u"\U0001F600"_s << QByteArray("Word=%F0%9F%98%80");
    }

    void encode_escapesEveryByteOutsideTheSafeSet()
    {
        QFETCH(QString, value);
        ProblemRecord record;
        record.SetValue(u"Word"_s, value);
        QTEST(record.Encode(), "encoded");
    }

    void decode_roundTripsAnyText_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addRow("empty value") << QString();
        QTest::addRow("percent signs") << u"%%41%"_s;
        QTest::addRow("every separator") << u" \t\n\v\f\r-;.,?/\\&="_s;
        QTest::addRow("nul character") << QString(QChar(0));
        QTest::addRow("non-Latin") << u"Ελληνικά日本語"_s;
    }

    void decode_roundTripsAnyText()
    {
        QFETCH(QString, value);
        ProblemRecord record;
        record.SetValue(u"Word"_s, value);
        record.SetValue(u"DateTime"_s, u"2024-03-01 12:00:05"_s);
        record.SetValue(u"Reason"_s, u"Wrong"_s);
        const std::optional<ProblemRecord> decoded = ProblemRecord::Decode(record.Encode());
        QVERIFY(decoded);
        QCOMPARE(*decoded, record);
        QCOMPARE(decoded->Value(u"Word"_s), value);
    }

    void decode_acceptsLowerCaseHexAndPlainBytes()
    {
        const std::optional<ProblemRecord> record =
            ProblemRecord::Decode("Word=caf%c3%a9 au+lait&Reason=Wrong");
        QVERIFY(record);
        QCOMPARE(record->Value(u"Word"_s), u"café au+lait"_s);
        QCOMPARE(record->Value(u"Reason"_s), u"Wrong"_s);
        QVERIFY(!record->Has(u"DateTime"_s));
        QCOMPARE(record->Value(u"DateTime"_s), QString());
    }

    void decode_refusesDamagedRecords_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("bad hex digit") << QByteArray("Word=%G1");
        QTest::addRow("lone percent") << QByteArray("Word=abc%");
        QTest::addRow("escape cut short") << QByteArray("Word=abc%4");
        QTest::addRow("truncated in a name") << QByteArray("Word=there&DateTi");
        QTest::addRow("missing name") << QByteArray("=there");
        QTest::addRow("trailing separator") << QByteArray("Word=there&");
        QTest::addRow("escaped byte not UTF-8") << QByteArray("Word=%FF");
        QTest::addRow("raw byte not UTF-8") << QByteArray("Word=caf\xe9");
        QTest::addRow("escaped surrogate half") << QByteArray("Word=%ED%A0%80");
        QTest::addRow("larger than any record")
            << QByteArray("Word=") + QByteArray(ProblemRecord::MaxEncodedSize, 'a');
    }

    void decode_refusesDamagedRecords()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!ProblemRecord::Decode(bytes));
    }

    void decode_firstOfTwoEqualNamesCounts()
    {
        const std::optional<ProblemRecord> record = ProblemRecord::Decode("Char=a&Char=b&ErrorCount=3");
        QVERIFY(record);
        QCOMPARE(record->Value(u"Char"_s), u"a"_s);
        ProblemRecord updated = *record;
        updated.SetValue(u"ErrorCount"_s, u"4"_s);
        QCOMPARE(updated.Encode(), QByteArray("Char=a&Char=b&ErrorCount=4"));
    }
};

QTEST_GUILESS_MAIN(TestRevisionTexts)
#include "tst_revisiontexts.moc"
