// Checks the shipped word content: the WordList behind the word generators, the nine word lists
// of the typing games and the text of the initial skill test.

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

const QString sourceDir = QStringLiteral(CLAVORA_SOURCE_DIR);

constexpr int wordListCount = 2284;
constexpr int skillTestWords = 994;
constexpr int maxParagraphChars = 1000;

const QString homeRow = QStringLiteral("asdfghjkl");
const QString homeAndTopRows = QStringLiteral("asdfghjklqwertyuiop");

QString gameListPath(int length)
{
    return sourceDir + QStringLiteral("/data/flurrix/%1letterwords.csv").arg(length);
}

// Returns the first layout fault of a content file, or an empty string when it has none:
// printable ASCII only, CR LF between lines, no break after the last line, no empty lines,
// no spaces at either end of a line.
QString layoutFault(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QStringLiteral("the file is empty");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        const bool printable = byte >= 0x20 && byte <= 0x7E;
        if (byte == '\r' && (i + 1 >= bytes.size() || bytes.at(i + 1) != '\n'))
            return QStringLiteral("CR without LF at offset %1").arg(i);
        if (byte == '\n' && (i == 0 || bytes.at(i - 1) != '\r'))
            return QStringLiteral("LF without CR at offset %1").arg(i);
        if (!printable && byte != '\r' && byte != '\n')
            return QStringLiteral("byte 0x%1 at offset %2 is not printable ASCII")
                .arg(byte, 2, 16, QLatin1Char('0'))
                .arg(i);
    }
    if (bytes.endsWith('\n'))
        return QStringLiteral("line break after the last line");
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).endsWith('\r') ? lines.at(i).chopped(1) : lines.at(i);
        if (line.isEmpty())
            return QStringLiteral("line %1 is empty").arg(i + 1);
        if (line.startsWith(' ') || line.endsWith(' '))
            return QStringLiteral("line %1 has a space at an end").arg(i + 1);
    }
    return {};
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList readLines(const QString& path)
{
    return QString::fromLatin1(readBytes(path)).split(QStringLiteral("\r\n"));
}

// The words of a game list, one per comma-separated field.
QStringList readGameWords(int length)
{
    QStringList words;
    for (const QString& line : readLines(gameListPath(length)))
        words += line.split(QLatin1Char(','));
    return words;
}

bool usesOnly(const QString& word, const QString& letters)
{
    for (const QChar c : word) {
        if (!letters.contains(c))
            return false;
    }
    return true;
}

} // namespace

class WordContentTest : public QObject
{
    Q_OBJECT

private slots:
    void layoutCheck_rejectsFaults_data();
    void layoutCheck_rejectsFaults();
    void contentFile_hasCleanLayout_data();
    void contentFile_hasCleanLayout();
    void wordList_runsFromAToZero();
    void wordList_isStrictlyAscendingByLowerCase();
    void wordList_isLowerCaseLettersWithThreeExceptions();
    void gameList_holdsEnoughWordsOfItsLength_data();
    void gameList_holdsEnoughWordsOfItsLength();
    void skillTest_isParagraphedProseOfFixedLength();
};

// The layout check guards every file below, so it must itself catch each fault.
void WordContentTest::layoutCheck_rejectsFaults_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("clean");
    QTest::addRow("two lines") << QByteArray("apple\r\nbanana") << true;
    QTest::addRow("one line") << QByteArray("apple") << true;
    QTest::addRow("empty file") << QByteArray() << false;
    QTest::addRow("bare LF") << QByteArray("apple\nbanana") << false;
    QTest::addRow("bare CR") << QByteArray("apple\rbanana") << false;
    QTest::addRow("LF CR") << QByteArray("apple\n\rbanana") << false;
    QTest::addRow("final break") << QByteArray("apple\r\nbanana\r\n") << false;
    QTest::addRow("blank line") << QByteArray("apple\r\n\r\nbanana") << false;
    QTest::addRow("trailing space") << QByteArray("apple \r\nbanana") << false;
    QTest::addRow("leading space") << QByteArray("apple\r\n banana") << false;
    QTest::addRow("tab") << QByteArray("apple\tpie") << false;
    QTest::addRow("UTF-8 letter") << QByteArray("caf\xc3\xa9") << false;
    QTest::addRow("NUL byte") << QByteArray("apple\0pie", 9) << false;
    QTest::addRow("DEL byte") << QByteArray("apple\x7f") << false;
}

void WordContentTest::layoutCheck_rejectsFaults()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, clean);
    QCOMPARE(layoutFault(bytes).isEmpty(), clean);
}

void WordContentTest::contentFile_hasCleanLayout_data()
{
    QTest::addColumn<QString>("path");
    QTest::addRow("word list") << sourceDir + QStringLiteral("/resources/texts/1.txt");
    QTest::addRow("skill test") << sourceDir + QStringLiteral("/resources/texts/999.txt");
    for (int length = 1; length <= 9; ++length)
        QTest::addRow("%d-letter words", length) << gameListPath(length);
}

void WordContentTest::contentFile_hasCleanLayout()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const QString fault = layoutFault(readBytes(path));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void WordContentTest::wordList_runsFromAToZero()
{
    const QStringList words = readLines(sourceDir + QStringLiteral("/resources/texts/1.txt"));
    QCOMPARE(words.size(), wordListCount);
    QCOMPARE(words.first(), QStringLiteral("a"));
    QCOMPARE(words.last(), QStringLiteral("zero"));
}

// Byte order of the lower-cased words, so "Christmas" and "I" sit among the c and i words.
void WordContentTest::wordList_isStrictlyAscendingByLowerCase()
{
    const QStringList words = readLines(sourceDir + QStringLiteral("/resources/texts/1.txt"));
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QByteArray before = words.at(i - 1).toLower().toLatin1();
        const QByteArray after = words.at(i).toLower().toLatin1();
        QVERIFY2(before < after, qPrintable(words.at(i - 1) + QStringLiteral(" / ") + words.at(i)));
    }
}

void WordContentTest::wordList_isLowerCaseLettersWithThreeExceptions()
{
    const QStringList words = readLines(sourceDir + QStringLiteral("/resources/texts/1.txt"));
    const QSet<QString> exceptions = {QStringLiteral("Christmas"), QStringLiteral("I"),
                                      QStringLiteral("old-fashioned")};
    const QRegularExpression lowerCaseWord(QStringLiteral("^[a-z]+$"));
    QSet<QString> exceptionsSeen;
    for (const QString& word : words) {
        if (exceptions.contains(word))
            exceptionsSeen.insert(word);
        else
            QVERIFY2(lowerCaseWord.match(word).hasMatch(), qPrintable(word));
    }
    QCOMPARE(exceptionsSeen, exceptions);
}

void WordContentTest::gameList_holdsEnoughWordsOfItsLength_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("minimumWords");
    QTest::addColumn<int>("minimumHomeRowWords");
    QTest::addColumn<int>("minimumHomeAndTopRowWords");
    // A general dictionary lists only seven two-letter words of the home-row letters and few of six or more,
    // so those lists hold every such word rather than a fixed share.
    QTest::addRow("1 letter") << 1 << 26 << 9 << 19;
    QTest::addRow("2 letters") << 2 << 60 << 7 << 40;
    QTest::addRow("3 letters") << 3 << 300 << 15 << 40;
    QTest::addRow("4 letters") << 4 << 300 << 15 << 40;
    QTest::addRow("5 letters") << 5 << 300 << 15 << 40;
    QTest::addRow("6 letters") << 6 << 300 << 4 << 40;
    QTest::addRow("7 letters") << 7 << 300 << 1 << 40;
    QTest::addRow("8 letters") << 8 << 300 << 0 << 40;
    QTest::addRow("9 letters") << 9 << 300 << 0 << 40;
}

void WordContentTest::gameList_holdsEnoughWordsOfItsLength()
{
    QFETCH(int, length);
    QFETCH(int, minimumWords);
    QFETCH(int, minimumHomeRowWords);
    QFETCH(int, minimumHomeAndTopRowWords);

    // Letters only, so no field needs quoting and trimming leaves every word as written.
    const QRegularExpression wordOfLength(QStringLiteral("^[a-z]{%1}$").arg(length));
    QSet<QString> distinct;
    int homeRowWords = 0;
    int homeAndTopRowWords = 0;
    for (const QString& word : readGameWords(length)) {
        QVERIFY2(wordOfLength.match(word).hasMatch(), qPrintable(QStringLiteral("'%1'").arg(word)));
        QVERIFY2(!distinct.contains(word), qPrintable(word + QStringLiteral(" appears twice")));
        distinct.insert(word);
        homeRowWords += usesOnly(word, homeRow) ? 1 : 0;
        homeAndTopRowWords += usesOnly(word, homeAndTopRows) ? 1 : 0;
    }
    QVERIFY2(distinct.size() >= minimumWords, qPrintable(QString::number(distinct.size())));
    QVERIFY2(homeRowWords >= minimumHomeRowWords, qPrintable(QString::number(homeRowWords)));
    QVERIFY2(homeAndTopRowWords >= minimumHomeAndTopRowWords,
             qPrintable(QString::number(homeAndTopRowWords)));
    if (length == 1)
        QCOMPARE(distinct.size(), 26);
}

void WordContentTest::skillTest_isParagraphedProseOfFixedLength()
{
    const QStringList paragraphs = readLines(sourceDir + QStringLiteral("/resources/texts/999.txt"));
    QVERIFY(paragraphs.size() > 1);
    qsizetype words = 0;
    for (const QString& paragraph : paragraphs) {
        QVERIFY2(paragraph.size() <= maxParagraphChars, qPrintable(paragraph.left(40)));
        QVERIFY2(!paragraph.contains(QStringLiteral("  ")), qPrintable(paragraph.left(40)));
        words += paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts).size();
    }
    QCOMPARE(words, qsizetype(skillTestWords));
}

QTEST_GUILESS_MAIN(WordContentTest)
#include "tst_words.moc"
