// Checks the practice catalogue (every writer's entries), the speed-test catalogue, the manifests they
// are assembled from, and the texts they name: drills, professional writing and speed tests.

#include <algorithm>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString sourceDir = QStringLiteral(CLAVORA_SOURCE_DIR);

constexpr int practiceMinWords = 80;
constexpr int practiceMaxWords = 300;
constexpr int speedTestMinWords = 500;

struct Span
{
    int first;
    int last;
};

struct CategorySpans
{
    const char* category;
    QList<Span> spans;
};

// The order in which the practice list presents its entries.
const QList<CategorySpans> practiceOrder = {
    {"Prose", {{4112, 4120}, {4039, 4040}, {4069, 4088}, {4089, 4110}}},
    {"Poetry", {{4121, 4123}, {4049, 4068}, {4111, 4111}}},
    {"Drills", {{4000, 4012}, {9000, 9005}}},
    {"Revision", {{4013, 4014}}},
    {"Professional", {{4015, 4038}, {4041, 4048}}},
};

struct PracticePlace
{
    QString category;
    int id;
};

QList<PracticePlace> expectedPractices()
{
    QList<PracticePlace> places;
    for (const CategorySpans& group : practiceOrder) {
        for (const Span& span : group.spans) {
            for (int id = span.first; id <= span.last; ++id)
                places.append({QString::fromLatin1(group.category), id});
        }
    }
    return places;
}

// Titles and body types that the program and the other catalogues rely on.
const QMap<int, QString> fixedTitles = {
    {4000, QStringLiteral("Keyboard home keys: Practice 1")},
    {4001, QStringLiteral("Keyboard home keys: Practice 2")},
    {4002, QStringLiteral("Neighbor keys: Practice 1")},
    {4003, QStringLiteral("Neighbor keys: Practice 2")},
    {4004, QStringLiteral("Capitals: Practice 1")},
    {4005, QStringLiteral("Capitals: Practice 2")},
    {4006, QStringLiteral("Number keys: Practice 1")},
    {4007, QStringLiteral("Number keys: Practice 2")},
    {4008, QStringLiteral("Punctuation and Symbols: Practice 1")},
    {4009, QStringLiteral("Punctuation and Symbols: Practice 2")},
    {4010, QStringLiteral("Numeric keypad: Practice 1")},
    {4011, QStringLiteral("Numeric keypad: Practice 2")},
    {4012, QStringLiteral("Emoticons")},
    {4013, QStringLiteral("Problem characters")},
    {4014, QStringLiteral("Problem words")},
    {9000, QStringLiteral("Random words, all lower-case, no punctuation")},
    {9001, QStringLiteral("Random words, mixed case, punctuation")},
    {9002, QStringLiteral("Random letters, all lower-case")},
    {9003, QStringLiteral("Random letters, mixed case")},
    {9004, QStringLiteral("Random numbers")},
    {9005, QStringLiteral("Random letters and numbers")},
};

const QMap<int, QString> generatedBodyTypes = {
    {4013, QStringLiteral("ReviseProblemChars")}, {4014, QStringLiteral("ReviseProblemWords")},
    {9000, QStringLiteral("RandomWordsLower")},   {9001, QStringLiteral("RandomWordsMixed")},
    {9002, QStringLiteral("RandomLettersLower")}, {9003, QStringLiteral("RandomLettersMixed")},
    {9004, QStringLiteral("RandomNumbers")},      {9005, QStringLiteral("RandomCharacters")},
};

const QStringList professionalPrefixes = {QStringLiteral("Email: "), QStringLiteral("Letter: "),
                                          QStringLiteral("Report: "), QStringLiteral("Transcription: ")};

const QMap<int, QString> speedTestTitles = {
    {300, QStringLiteral("Home keys: Speed test")},      {301, QStringLiteral("Neighbor keys: Speed test")},
    {302, QStringLiteral("Capitals: Speed test")},       {303, QStringLiteral("Punctuation: Speed test")},
    {304, QStringLiteral("Number Keys: Speed test")},    {305, QStringLiteral("Symbols: Speed test")},
    {306, QStringLiteral("Numeric keypad: Speed test")},
};
constexpr int firstBorrowedSpeedTest = 307;
constexpr int lastSpeedTest = 318;
constexpr int firstLendingPractice = 4112;

const QStringList practiceFields = {QStringLiteral("id"), QStringLiteral("category"), QStringLiteral("title"),
                                    QStringLiteral("bodytype"), QStringLiteral("usertype")};
const QStringList speedTestFields = {QStringLiteral("key"), QStringLiteral("title"),
                                     QStringLiteral("bodytype")};

QString textPath(int key)
{
    return sourceDir + QStringLiteral("/resources/texts/%1.txt").arg(key);
}

QString cataloguePath(int key)
{
    return sourceDir + QStringLiteral("/resources/catalogues/%1.xml").arg(key);
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Returns the first layout fault of a shipped file, or an empty string: printable ASCII only, CR LF
// between lines, none after the last, no empty line, no blank at a line's end; and, unless the file
// is indented XML, none at its start either (the typist would have to type it).
QString layoutFault(const QByteArray& bytes, bool indented)
{
    if (bytes.isEmpty())
        return QStringLiteral("the file is empty");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        const bool crLf = byte == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n';
        const bool lfAfterCr = byte == '\n' && i > 0 && bytes.at(i - 1) == '\r';
        if ((byte < 0x20 || byte > 0x7E) && !crLf && !lfAfterCr)
            return QStringLiteral("byte 0x%1 at offset %2 is neither printable ASCII nor part of CR LF")
                .arg(byte, 2, 16, QLatin1Char('0'))
                .arg(i);
    }
    if (bytes.endsWith('\n'))
        return QStringLiteral("line break after the last line");
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        line.chop(line.endsWith('\r') ? 1 : 0);
        if (line.isEmpty())
            return QStringLiteral("line %1 is empty").arg(i + 1);
        if (line.endsWith(' ') || (!indented && line.startsWith(' ')))
            return QStringLiteral("line %1 has a blank at an end").arg(i + 1);
    }
    return {};
}

// Drills are counted by their groups, so words are runs of anything but white space.
int wordCount(const QByteArray& bytes)
{
    int count = 0;
    bool inWord = false;
    for (const char c : bytes) {
        const bool space = c == ' ' || c == '\r' || c == '\n' || c == '\t';
        count += (!space && !inWord) ? 1 : 0;
        inWord = !space;
    }
    return count;
}

struct CatalogueEntry
{
    QString elementName;
    QMap<QString, QString> fields;
    QStringList faults; // repeated children, empty or padded texts
};

struct Catalogue
{
    QString error;
    QString rootName;
    QList<CatalogueEntry> entries;
};

Catalogue readCatalogue(const QByteArray& bytes)
{
    Catalogue catalogue;
    QXmlStreamReader xml(bytes);
    if (xml.readNextStartElement()) {
        catalogue.rootName = xml.name().toString();
        while (xml.readNextStartElement()) {
            CatalogueEntry entry;
            entry.elementName = xml.name().toString();
            while (xml.readNextStartElement()) {
                const QString name = xml.name().toString();
                const QString text = xml.readElementText();
                if (entry.fields.contains(name))
                    entry.faults.append(QStringLiteral("<%1> given twice").arg(name));
                if (text.isEmpty() || text.trimmed() != text)
                    entry.faults.append(QStringLiteral("<%1> is empty or padded").arg(name));
                entry.fields.insert(name, text);
            }
            catalogue.entries.append(entry);
        }
    }
    if (xml.hasError()) {
        catalogue.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    }
    return catalogue;
}

Catalogue readCatalogueFile(int key)
{
    return readCatalogue(readBytes(cataloguePath(key)));
}

// Every fault of one catalogue entry's shape: its element name, unknown children, bad texts.
QStringList shapeFaults(const CatalogueEntry& entry, const QString& elementName, const QStringList& allowed)
{
    QStringList faults = entry.faults;
    if (entry.elementName != elementName)
        faults.append(QStringLiteral("element <%1> where <%2> belongs").arg(entry.elementName, elementName));
    for (auto it = entry.fields.cbegin(); it != entry.fields.cend(); ++it) {
        if (!allowed.contains(it.key()))
            faults.append(QStringLiteral("unknown child <%1>").arg(it.key()));
    }
    return faults;
}

QMap<int, CatalogueEntry> practicesById(const Catalogue& catalogue)
{
    QMap<int, CatalogueEntry> byId;
    for (const CatalogueEntry& entry : catalogue.entries)
        byId.insert(entry.fields.value(QStringLiteral("id")).toInt(), entry);
    return byId;
}

struct ManifestRow
{
    QString file;
    int lineNumber;
    QStringList cells;
};

// The rows of every practices-*.tsv, header excluded; a file with a wrong header gives one row
// that names the fault in place of its cells.
QList<ManifestRow> readManifests()
{
    const QString header = QStringLiteral("id\tcategory\ttitle\tbodytype\tusertype");
    const QDir folder(sourceDir + QStringLiteral("/tools/content"));
    QList<ManifestRow> rows;
    for (const QString& name :
         folder.entryList({QStringLiteral("practices-*.tsv")}, QDir::Files, QDir::Name)) {
        const QString text = QString::fromUtf8(readBytes(folder.filePath(name)));
        const QStringList lines = text.split(QLatin1Char('\n'));
        if (lines.isEmpty() || lines.first().trimmed() != header) {
            rows.append({name, 1, {QStringLiteral("bad header")}});
            continue;
        }
        for (qsizetype i = 1; i < lines.size(); ++i) {
            QString line = lines.at(i);
            line.chop(line.endsWith(QLatin1Char('\r')) ? 1 : 0);
            if (!line.trimmed().isEmpty())
                rows.append({name, int(i + 1), line.split(QLatin1Char('\t'))});
        }
    }
    return rows;
}

bool usesOnly(const QByteArray& bytes, const QByteArray& allowed)
{
    for (const char c : bytes) {
        if (c != '\r' && c != '\n' && !allowed.contains(c))
            return false;
    }
    return true;
}

} // namespace

class PracticeContentTest : public QObject
{
    Q_OBJECT

private slots:
    void layoutCheck_rejectsFaults_data();
    void layoutCheck_rejectsFaults();
    void wordCount_countsGroups_data();
    void wordCount_countsGroups();
    void catalogueReader_reportsFaults_data();
    void catalogueReader_reportsFaults();
    void catalogueFile_isWellFormedWithCleanLayout_data();
    void catalogueFile_isWellFormedWithCleanLayout();
    void practiceCatalogue_holdsEachPracticeInItsPlace_data();
    void practiceCatalogue_holdsEachPracticeInItsPlace();
    void practiceCatalogue_hasCategoryAndUserTypeCounts();
    void practiceCatalogue_titlesAreUnique();
    void manifestRow_matchesCatalogue_data();
    void manifestRow_matchesCatalogue();
    void practiceText_isCleanAndOfPracticeLength_data();
    void practiceText_isCleanAndOfPracticeLength();
    void speedTestCatalogue_listsKeysAndTitlesInOrder();
    void speedTestText_isCleanAndLongEnough_data();
    void speedTestText_isCleanAndLongEnough();
    void restrictedText_usesOnlyItsKeys_data();
    void restrictedText_usesOnlyItsKeys();
};

// The layout check guards every text below, so it must itself catch each fault.
void PracticeContentTest::layoutCheck_rejectsFaults_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("indented");
    QTest::addColumn<bool>("clean");
    QTest::addRow("two lines") << QByteArray("Dear Sir,\r\nThank you.") << false << true;
    QTest::addRow("indented XML") << QByteArray("<a>\r\n  <b>1</b>\r\n</a>") << true << true;
    QTest::addRow("indented text") << QByteArray("Dear Sir,\r\n  Thank you.") << false << false;
    QTest::addRow("empty file") << QByteArray() << false << false;
    QTest::addRow("bare LF") << QByteArray("one\ntwo") << false << false;
    QTest::addRow("bare CR") << QByteArray("one\rtwo") << false << false;
    QTest::addRow("LF CR") << QByteArray("one\n\rtwo") << false << false;
    QTest::addRow("final break") << QByteArray("one\r\ntwo\r\n") << false << false;
    QTest::addRow("empty line") << QByteArray("one\r\n\r\ntwo") << false << false;
    QTest::addRow("trailing space") << QByteArray("one \r\ntwo") << false << false;
    QTest::addRow("trailing space in XML") << QByteArray("<a> \r\n</a>") << true << false;
    QTest::addRow("tab") << QByteArray("one\ttwo") << false << false;
    QTest::addRow("curly quote") << QByteArray("it\xe2\x80\x99s") << false << false;
    QTest::addRow("NUL byte") << QByteArray("one\0two", 7) << false << false;
    QTest::addRow("DEL byte") << QByteArray("one\x7f") << false << false;
}

void PracticeContentTest::layoutCheck_rejectsFaults()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, indented);
    QFETCH(bool, clean);
    QCOMPARE(layoutFault(bytes, indented).isEmpty(), clean);
}

void PracticeContentTest::wordCount_countsGroups_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("words");
    QTest::addRow("nothing") << QByteArray() << 0;
    QTest::addRow("one word") << QByteArray("memo") << 1;
    QTest::addRow("drill groups") << QByteArray("asdf jkl; :-) <3") << 4;
    QTest::addRow("keypad lines") << QByteArray("456\r\n7.5*2\r\n-3") << 3;
    QTest::addRow("runs of blanks") << QByteArray("  a  \r\n\r\n b ") << 2;
}

void PracticeContentTest::wordCount_countsGroups()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, words);
    QCOMPARE(wordCount(bytes), words);
}

void PracticeContentTest::catalogueReader_reportsFaults_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("wellFormed");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("entryFaults");
    QTest::addRow("sound") << QByteArray("<p><e><id>1</id><title>A &amp; B</title></e></p>") << true << 1
                           << 0;
    QTest::addRow("declaration") << QByteArray(
                                        "<?xml version=\"1.0\"?>\r\n<p>\r\n  <e><id>1</id></e>\r\n</p>")
                                 << true << 1 << 0;
    QTest::addRow("bare ampersand") << QByteArray("<p><e><title>A & B</title></e></p>") << false << 1 << 1;
    QTest::addRow("unclosed entry") << QByteArray("<p><e><id>1</id></p>") << false << 1 << 0;
    QTest::addRow("truncated") << QByteArray("<p><e><id>1</id>") << false << 1 << 0;
    QTest::addRow("not XML") << QByteArray("id,title\r\n1,A") << false << 0 << 0;
    QTest::addRow("empty child") << QByteArray("<p><e><id></id></e></p>") << true << 1 << 1;
    QTest::addRow("padded child") << QByteArray("<p><e><id> 1</id></e></p>") << true << 1 << 1;
    QTest::addRow("repeated child") << QByteArray("<p><e><id>1</id><id>2</id></e></p>") << true << 1 << 1;
    QTest::addRow("nested child") << QByteArray("<p><e><id><b>1</b></id></e></p>") << false << 1 << 1;
}

void PracticeContentTest::catalogueReader_reportsFaults()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, wellFormed);
    QFETCH(int, entries);
    QFETCH(int, entryFaults);
    const Catalogue catalogue = readCatalogue(bytes);
    QCOMPARE(catalogue.error.isEmpty(), wellFormed);
    QCOMPARE(catalogue.entries.size(), entries);
    if (entries > 0)
        QCOMPARE(catalogue.entries.first().faults.size(), entryFaults);
}

void PracticeContentTest::catalogueFile_isWellFormedWithCleanLayout_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("rootName");
    QTest::addColumn<QString>("entryName");
    QTest::addColumn<QStringList>("allowedChildren");
    QTest::addRow("practices") << 3000 << QStringLiteral("practices") << QStringLiteral("practice")
                               << practiceFields;
    QTest::addRow("speed tests") << 5000 << QStringLiteral("speedtests") << QStringLiteral("speedtest")
                                 << speedTestFields;
}

void PracticeContentTest::catalogueFile_isWellFormedWithCleanLayout()
{
    QFETCH(int, key);
    QFETCH(QString, rootName);
    QFETCH(QString, entryName);
    QFETCH(QStringList, allowedChildren);
    const QByteArray bytes = readBytes(cataloguePath(key));
    const QString fault = layoutFault(bytes, true);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    const Catalogue catalogue = readCatalogue(bytes);
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
    QCOMPARE(catalogue.rootName, rootName);
    for (const CatalogueEntry& entry : catalogue.entries) {
        const QStringList faults = shapeFaults(entry, entryName, allowedChildren);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }
}

// One row per place in the list: the entry there has the right id, category, body type and title
// rule, and a user type exactly where the reader's level matters (prose and poetry).
void PracticeContentTest::practiceCatalogue_holdsEachPracticeInItsPlace_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("id");
    const QList<PracticePlace> places = expectedPractices();
    for (qsizetype i = 0; i < places.size(); ++i)
        QTest::addRow("%d", places.at(i).id) << int(i) << places.at(i).category << places.at(i).id;
}

void PracticeContentTest::practiceCatalogue_holdsEachPracticeInItsPlace()
{
    QFETCH(int, position);
    QFETCH(QString, category);
    QFETCH(int, id);
    const Catalogue catalogue = readCatalogueFile(3000);
    QVERIFY2(position < catalogue.entries.size(), "the catalogue ends before this place");
    const QMap<QString, QString> fields = catalogue.entries.at(position).fields;
    QCOMPARE(fields.value(QStringLiteral("id")), QString::number(id));
    QCOMPARE(fields.value(QStringLiteral("category")), category);
    QCOMPARE(fields.value(QStringLiteral("bodytype")),
             generatedBodyTypes.value(id, QStringLiteral("Resource")));

    const QString title = fields.value(QStringLiteral("title"));
    QVERIFY(!title.isEmpty());
    if (fixedTitles.contains(id))
        QCOMPARE(title, fixedTitles.value(id));
    const bool prefixed = std::any_of(professionalPrefixes.cbegin(), professionalPrefixes.cend(),
                                      [&title](const QString& prefix) { return title.startsWith(prefix); });
    if (id >= 4015 && id <= 4038)
        QVERIFY2(prefixed, qPrintable(title));
    if (id >= 4041 && id <= 4048)
        QVERIFY2(!prefixed, qPrintable(title));

    const bool needsUserType = category == QStringLiteral("Prose") || category == QStringLiteral("Poetry");
    QCOMPARE(fields.contains(QStringLiteral("usertype")), needsUserType);
    if (needsUserType) {
        bool isNumber = false;
        const int userType = fields.value(QStringLiteral("usertype")).toInt(&isNumber);
        QVERIFY(isNumber && userType >= 1 && userType <= 7);
    }
}

void PracticeContentTest::practiceCatalogue_hasCategoryAndUserTypeCounts()
{
    const Catalogue catalogue = readCatalogueFile(3000);
    QMap<QString, int> categories;
    QMap<QString, int> userTypes;
    for (const CatalogueEntry& entry : catalogue.entries) {
        ++categories[entry.fields.value(QStringLiteral("category"))];
        if (entry.fields.contains(QStringLiteral("usertype")))
            ++userTypes[entry.fields.value(QStringLiteral("usertype"))];
    }
    QCOMPARE(catalogue.entries.size(), 130);
    const QMap<QString, int> expectedCategories = {
        {QStringLiteral("Prose"), 53},   {QStringLiteral("Poetry"), 24},       {QStringLiteral("Drills"), 19},
        {QStringLiteral("Revision"), 2}, {QStringLiteral("Professional"), 32},
    };
    QCOMPARE(categories, expectedCategories);
    const QMap<QString, int> expectedUserTypes = {
        {QStringLiteral("1"), 17}, {QStringLiteral("2"), 8},  {QStringLiteral("3"), 18},
        {QStringLiteral("4"), 4},  {QStringLiteral("5"), 14}, {QStringLiteral("6"), 7},
        {QStringLiteral("7"), 9},
    };
    QCOMPARE(userTypes, expectedUserTypes);
}

// Two practices of one title could not be told apart in the practice list.
void PracticeContentTest::practiceCatalogue_titlesAreUnique()
{
    QSet<QString> titles;
    for (const CatalogueEntry& entry : readCatalogueFile(3000).entries) {
        const QString title = entry.fields.value(QStringLiteral("title"));
        QVERIFY2(!titles.contains(title), qPrintable(title));
        titles.insert(title);
    }
}

// The catalogue is assembled from the manifests; a manifest edited without re-assembling shows here.
void PracticeContentTest::manifestRow_matchesCatalogue_data()
{
    QTest::addColumn<QStringList>("cells");
    for (const ManifestRow& row : readManifests())
        QTest::addRow("%s:%d", qPrintable(row.file), row.lineNumber) << row.cells;
}

void PracticeContentTest::manifestRow_matchesCatalogue()
{
    QFETCH(QStringList, cells);
    QCOMPARE(cells.size(), practiceFields.size());
    const QMap<int, CatalogueEntry> catalogue = practicesById(readCatalogueFile(3000));
    const int id = cells.first().toInt();
    QVERIFY2(catalogue.contains(id), qPrintable(cells.first()));
    const QMap<QString, QString> fields = catalogue.value(id).fields;
    for (qsizetype i = 1; i < practiceFields.size(); ++i)
        QCOMPARE(fields.value(practiceFields.at(i)), cells.at(i).trimmed());
}

void PracticeContentTest::practiceText_isCleanAndOfPracticeLength_data()
{
    QTest::addColumn<int>("id");
    for (const PracticePlace& place : expectedPractices()) {
        if (!generatedBodyTypes.contains(place.id))
            QTest::addRow("%d", place.id) << place.id;
    }
}

void PracticeContentTest::practiceText_isCleanAndOfPracticeLength()
{
    QFETCH(int, id);
    QVERIFY2(QFile::exists(textPath(id)), qPrintable(textPath(id)));
    const QByteArray bytes = readBytes(textPath(id));
    const QString fault = layoutFault(bytes, false);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    const int words = wordCount(bytes);
    QVERIFY2(words >= practiceMinWords && words <= practiceMaxWords, qPrintable(QString::number(words)));
}

void PracticeContentTest::speedTestCatalogue_listsKeysAndTitlesInOrder()
{
    const Catalogue catalogue = readCatalogueFile(5000);
    const QMap<int, CatalogueEntry> practices = practicesById(readCatalogueFile(3000));
    QCOMPARE(catalogue.entries.size(), lastSpeedTest - 300 + 1);
    for (int key = 300; key <= lastSpeedTest; ++key) {
        const QMap<QString, QString> fields = catalogue.entries.at(key - 300).fields;
        QCOMPARE(fields.value(QStringLiteral("key")), QString::number(key));
        const QString expectedTitle =
            key < firstBorrowedSpeedTest
                ? speedTestTitles.value(key)
                : practices.value(firstLendingPractice + key - firstBorrowedSpeedTest)
                      .fields.value(QStringLiteral("title"));
        QVERIFY(!expectedTitle.isEmpty());
        QCOMPARE(fields.value(QStringLiteral("title")), expectedTitle);
        QCOMPARE(fields.value(QStringLiteral("bodytype"), QStringLiteral("Resource")),
                 QStringLiteral("Resource"));
    }
}

void PracticeContentTest::speedTestText_isCleanAndLongEnough_data()
{
    QTest::addColumn<int>("key");
    for (int key = 300; key <= lastSpeedTest; ++key)
        QTest::addRow("%d", key) << key;
}

void PracticeContentTest::speedTestText_isCleanAndLongEnough()
{
    QFETCH(int, key);
    QVERIFY2(QFile::exists(textPath(key)), qPrintable(textPath(key)));
    const QByteArray bytes = readBytes(textPath(key));
    const QString fault = layoutFault(bytes, false);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QVERIFY2(wordCount(bytes) >= speedTestMinWords, qPrintable(QString::number(wordCount(bytes))));
}

// Keypad texts keep the hand on the keypad (one entry per line, typed with Enter); home-key texts
// keep the fingers on their resting keys.
void PracticeContentTest::restrictedText_usesOnlyItsKeys_data()
{
    const QByteArray keypad("0123456789/*-+.");
    const QByteArray homeKeys("asdfghjkl; ");
    QTest::addColumn<int>("key");
    QTest::addColumn<QByteArray>("allowed");
    QTest::addRow("keypad practice 1") << 4010 << keypad;
    QTest::addRow("keypad practice 2") << 4011 << keypad;
    QTest::addRow("keypad speed test") << 306 << keypad;
    QTest::addRow("home keys practice 1") << 4000 << homeKeys;
    QTest::addRow("home keys practice 2") << 4001 << homeKeys;
    QTest::addRow("home keys speed test") << 300 << homeKeys;
}

void PracticeContentTest::restrictedText_usesOnlyItsKeys()
{
    QFETCH(int, key);
    QFETCH(QByteArray, allowed);
    const QByteArray bytes = readBytes(textPath(key));
    QVERIFY(!bytes.isEmpty());
    QVERIFY(usesOnly(bytes, allowed));
}

QTEST_GUILESS_MAIN(PracticeContentTest)
#include "tst_practice.moc"
