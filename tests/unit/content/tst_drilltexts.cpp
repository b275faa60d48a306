#include "content/DrillTextGenerator.h"
#include "content/PracticeEntry.h"
#include "content/WordList.h"
#include "platform/ResourceStore.h"
#include "services/XmlDocument.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace clavora;

namespace {

QStringList BuiltInWords()
{
    return SplitWordList(ResourceStore::Text(1).value_or(QString()));
}

// A practice of the given body type whose text is generated (no resource needed).
std::unique_ptr<PracticeEntry> DrillPractice(const QString& bodyType)
{
    XmlDocument document;
    document.ParseFromText(u"<practice><id>9000</id><category>Drills</category><title>t</title><bodytype>"_s +
                           bodyType + u"</bodytype></practice>"_s);
    auto practice = std::make_unique<PracticeEntry>();
    if (!practice->ParseFrom(*document.RootElement(), 1, EntrySources{}))
        return nullptr;
    return practice;
}

} // namespace

class TestDrillTexts final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_words = BuiltInWords();
        QVERIFY(!m_words.isEmpty());
    }

    void characterDrills_haveFiftyGroupsOfTheirCharacters_data()
    {
        QTest::addColumn<QString>("bodyType");
        QTest::addColumn<QString>("groupPattern");
        QTest::addColumn<quint32>("seed");
        const QList<quint32> seeds = {1, 12345, 4000000000u};
        for (quint32 seed : seeds) {
            QTest::addRow("lower letters, seed %u", seed)
                << u"RandomLettersLower"_s << u"[a-z]{2,6}"_s << seed;
            QTest::addRow("mixed letters, seed %u", seed)
                << u"RandomLettersMixed"_s << u"[a-zA-Z]{2,6}"_s << seed;
            QTest::addRow("numbers, seed %u", seed) << u"RandomNumbers"_s << u"[0-9]{2,6}"_s << seed;
            QTest::addRow("letters and numbers, seed %u", seed)
                << u"RandomCharacters"_s << u"[a-zA-Z0-9]{2,6}"_s << seed;
        }
    }
    void characterDrills_haveFiftyGroupsOfTheirCharacters()
    {
        QFETCH(QString, bodyType);
        QFETCH(QString, groupPattern);
        QFETCH(quint32, seed);
        auto practice = DrillPractice(bodyType);
        QVERIFY(practice);
        RandomGenerator random(seed);
        QVERIFY(practice->GenerateText(m_words, random));
        const QStringList groups = practice->Text().split(u' ');
        QCOMPARE(groups.size(), DrillTextGenerator::GroupCount);
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(groupPattern));
        for (const QString& group : groups)
            QVERIFY2(pattern.match(group).hasMatch(), qPrintable(group));
        QCOMPARE(practice->PreviewText(), practice->Text() + u"\r\n"_s);
    }

    void lowerWords_areFiftyListWordsBetweenSingleSpaces()
    {
        for (quint32 seed : {1u, 99u, 31337u}) {
            RandomGenerator random(seed);
            const QString text = DrillTextGenerator(random).GenerateWords(m_words, false);
            const QStringList words = text.split(u' ');
            QCOMPARE(words.size(), DrillTextGenerator::WordCount);
            for (const QString& word : words)
                QVERIFY2(m_words.contains(word), qPrintable(word));
            QVERIFY(!text.contains(u'\n'));
        }
    }

    void mixedWords_areSentencesWithParagraphs()
    {
        const QRegularExpression sentenceStart(u"[.?!](?: |\n\n\t)(\\S)"_s);
        for (quint32 seed = 1; seed <= 40; ++seed) {
            RandomGenerator random(seed);
            const QString text = DrillTextGenerator(random).GenerateWords(m_words, true);
            QVERIFY(text.startsWith(u'\t'));
            QVERIFY(text.at(1).isUpper());
            QVERIFY(text.endsWith(u'.'));
            // Every sentence begins with a capital; paragraphs begin with a TAB.
            for (auto match = sentenceStart.globalMatch(text); match.hasNext();)
                QVERIFY2(match.next().captured(1).at(0).isUpper(), qPrintable(text));
            QVERIFY(!text.contains(u"\n\t\n"_s));
            const QString plain =
                QString(text).replace(QRegularExpression(u"[.,:;?!\t\n]| -"_s), u" "_s).simplified();
            QCOMPARE(plain.split(u' ').size(), DrillTextGenerator::WordCount);
        }
    }

    // Outputs worked out by hand from the generator's rules and its random sequence, so a change
    // in the order or number of draws shows here.
    void fixedSeed_givesKnownText_data()
    {
        QTest::addColumn<QString>("bodyType");
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<QString>("expected");
        QTest::addRow("lower letters")
            << u"RandomLettersLower"_s << 1u
            << u"qhm ynfxi vcgb fqu ffzstj egx nvsm yycp ie mnm avs nkcfts pfdoex ceupa "
               "ype fb lvvp mewnr mu loawx mnbck zvtdn jhijw kfuxr mmqoe yno gqcdu ija "
               "zvcp jfgba vz nrdps ejhi oznwqj dvhclv lgu moxlcm og nef oob pyne uezhl "
               "ggkd jn vgips zaulch qk woi bd ns"_s;
        QTest::addRow("lower words")
            << u"RandomWordsLower"_s << 1u
            << u"able novel collar spell outside less forty tomorrow stay shall chicken "
               "teach rot meaning exciting admire bed garden camel change would itself "
               "born accent achieve grab mosquito offend patient pedal channel pumpkin jog "
               "fox art peel slipper sorry metal example thirst scarecrow wasp unit music "
               "buy kite dear tell correct"_s;
        QTest::addRow("mixed words")
            << u"RandomWordsMixed"_s << 42u
            << u"\tAccess. Live - wrap; rooster spread closet? Ultimate.\n\n\tWalk tulip "
               "watch bean toddler? Share: building: my soil, after: chapter - smooth.\n\n"
               "\tOwn. Toe. Surgeon; milk - uniform, scarecrow, rest born. Kettle be agree "
               "saw awake, hamburger - right throat tin? Spend - beg girl; army - help "
               "those, courage, ahead unfair: both check, jazz: bark tart."_s;
    }
    void fixedSeed_givesKnownText()
    {
        QFETCH(QString, bodyType);
        QFETCH(quint32, seed);
        auto practice = DrillPractice(bodyType);
        QVERIFY(practice);
        RandomGenerator random(seed);
        QVERIFY(practice->GenerateText(m_words, random));
        QTEST(practice->Text(), "expected");
    }

    void wordDrills_withoutWordList_failWithoutText()
    {
        for (const QString& bodyType : {u"RandomWordsLower"_s, u"RandomWordsMixed"_s}) {
            auto practice = DrillPractice(bodyType);
            QVERIFY(practice);
            QVERIFY(!practice->GenerateText({}, m_random));
            QVERIFY(practice->Text().isEmpty());
        }
    }

    void resourceAndRevisionPractices_keepTheirText_data()
    {
        QTest::addColumn<QString>("bodyType");
        QTest::newRow("problem words") << u"ReviseProblemWords"_s;
        QTest::newRow("problem characters") << u"ReviseProblemChars"_s;
    }
    void resourceAndRevisionPractices_keepTheirText()
    {
        QFETCH(QString, bodyType);
        auto practice = DrillPractice(bodyType);
        QVERIFY(practice);
        const quint32 before = m_random.State();
        QVERIFY(practice->GenerateText(m_words, m_random));
        QVERIFY(practice->Text().isEmpty());
        QCOMPARE(m_random.State(), before);
        practice->SetText(u"fox\r\njam"_s);
        QCOMPARE(practice->PreviewText(), u"fox\r\njam\r\n"_s);
    }

private:
    QStringList m_words;
    RandomGenerator m_random{3};
};

QTEST_GUILESS_MAIN(TestDrillTexts)
#include "tst_drilltexts.moc"
