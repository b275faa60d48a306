// Checks the shipped course content: the lesson catalogue and its texts, the custom catalogue
// templates, the dictation catalogue, the transcriptions and the dictation audio samples.

#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString sourceDir = QStringLiteral(CLAVORA_SOURCE_DIR);

struct Section
{
    QString name;
    QString subject;
    QString keys;
};

// The course sections in order, each with the keys its Overview lesson introduces.
const QList<Section>& sections()
{
    static const QList<Section> list = {
        {QStringLiteral("Home Row"), QStringLiteral("the home row"), QStringLiteral("asdfghjkl;")},
        {QStringLiteral("Top Row"), QStringLiteral("the top row"), QStringLiteral("qwertyuiop")},
        {QStringLiteral("Bottom Row"), QStringLiteral("the bottom row"), QStringLiteral("zxcvbnm,./")},
        {QStringLiteral("Capitals"), QStringLiteral("capitals"),
         QStringLiteral("ASDFGHJKLQWERTYUIOPZXCVBNM")},
        {QStringLiteral("Numbers"), QStringLiteral("numbers"), QStringLiteral("1234567890")},
        {QStringLiteral("Symbols"), QStringLiteral("symbols"), QStringLiteral("`~!@#$%^&*()'\"\\|[{]}_-")},
        {QStringLiteral("Numeric Keypad"), QStringLiteral("the numeric keypad"),
         QStringLiteral("0123456789/*-+")},
    };
    return list;
}

constexpr int firstLesson = 1001;
constexpr int lessonsPerSection = 4;
constexpr int keypadSection = 6;
constexpr int lessonCount = 28;
const QString keypadCharacters = QStringLiteral("0123456789/*-+.");

struct Lesson
{
    QString id;
    QString title;
    QString description;
    QString difficulty;
    QString introducedKeys;
    QStringList children;
};

QList<Lesson> expectedLessons()
{
    static const QStringList steps = {QStringLiteral("Overview"), QStringLiteral("Basics 1"),
                                      QStringLiteral("Basics 2"), QStringLiteral("Revision")};
    static const QStringList verbs = {QStringLiteral("introduces"), QStringLiteral("focuses on"),
                                      QStringLiteral("focuses on"), QStringLiteral("reviews")};
    const QString skillTest = QStringLiteral("Initial Skill Test");
    QList<Lesson> lessons = {{QStringLiteral("999"), skillTest, skillTest, QStringLiteral("1"), {}, {}}};
    int key = firstLesson;
    for (const Section& section : sections()) {
        for (int step = 0; step < lessonsPerSection; ++step, ++key) {
            lessons.append({QString::number(key),
                            section.name + QStringLiteral(": ") + steps[step],
                            QStringLiteral("This lesson %1 %2").arg(verbs[step], section.subject),
                            QStringLiteral("1"),
                            step == 0 ? section.keys : QString(),
                            {}});
        }
    }
    return lessons;
}

int sectionOf(int lessonKey)
{
    return (lessonKey - firstLesson) / lessonsPerSection;
}

// Space and every key taught up to and including the lesson's own section; the keypad
// lessons stand apart and use the keypad's characters only.
QSet<QChar> allowedCharacters(int lessonKey)
{
    const int section = sectionOf(lessonKey);
    QSet<QChar> allowed;
    if (section == keypadSection) {
        for (QChar c : keypadCharacters)
            allowed.insert(c);
        return allowed;
    }
    allowed.insert(QLatin1Char(' '));
    for (int i = 0; i <= section; ++i) {
        for (QChar c : sections()[i].keys)
            allowed.insert(c);
    }
    return allowed;
}

QByteArray readFile(const QString& relativePath)
{
    QFile file(sourceDir + QLatin1Char('/') + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString lessonPath(int key)
{
    return QStringLiteral("resources/texts/%1.txt").arg(key);
}

QString lessonText(int key)
{
    return QString::fromLatin1(readFile(lessonPath(key)));
}

// Reads the lesson catalogue; on a parse error the message is returned through error.
QList<Lesson> readLessonCatalogue(const QByteArray& xml, QString* error, QString* comment, QString* root)
{
    QList<Lesson> lessons;
    QXmlStreamReader reader(xml);
    if (reader.readNextStartElement())
        *root = reader.name().toString();
    // The first comment, whatever precedes the root element.
    QXmlStreamReader commentReader(xml);
    while (!commentReader.atEnd()) {
        if (commentReader.readNext() == QXmlStreamReader::Comment) {
            *comment = commentReader.text().toString();
            break;
        }
    }
    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("lesson")) {
            reader.skipCurrentElement();
            continue;
        }
        Lesson lesson;
        while (reader.readNextStartElement()) {
            const QString name = reader.name().toString();
            const QString text = reader.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
            lesson.children.append(name);
            if (name == QLatin1String("id"))
                lesson.id = text;
            else if (name == QLatin1String("title"))
                lesson.title = text;
            else if (name == QLatin1String("description"))
                lesson.description = text;
            else if (name == QLatin1String("difficulty"))
                lesson.difficulty = text;
            else if (name == QLatin1String("introduced_keys"))
                lesson.introducedKeys = text;
        }
        lessons.append(lesson);
    }
    if (reader.hasError())
        *error = reader.errorString();
    return lessons;
}

struct Dictation
{
    QString element;
    QStringList attributeNames;
    QString key;
    QString title;
    QString description;
    bool empty = true;
};

QList<Dictation> readDictationCatalogue(const QByteArray& xml, QString* error, QString* root)
{
    QList<Dictation> dictations;
    QXmlStreamReader reader(xml);
    if (reader.readNextStartElement())
        *root = reader.name().toString();
    while (reader.readNextStartElement()) {
        Dictation dictation;
        dictation.element = reader.name().toString();
        for (const QXmlStreamAttribute& attribute : reader.attributes())
            dictation.attributeNames.append(attribute.name().toString());
        dictation.attributeNames.sort();
        dictation.key = reader.attributes().value(QLatin1String("key")).toString();
        dictation.title = reader.attributes().value(QLatin1String("title")).toString();
        dictation.description = reader.attributes().value(QLatin1String("description")).toString();
        while (!reader.atEnd()) {
            const QXmlStreamReader::TokenType token = reader.readNext();
            if (token == QXmlStreamReader::EndElement)
                break;
            if (token == QXmlStreamReader::StartElement ||
                (token == QXmlStreamReader::Characters && !reader.isWhitespace()))
                dictation.empty = false;
            if (token == QXmlStreamReader::StartElement)
                reader.skipCurrentElement();
        }
        dictations.append(dictation);
    }
    if (reader.hasError())
        *error = reader.errorString();
    return dictations;
}

} // namespace

class CourseContentTest : public QObject
{
    Q_OBJECT

private slots:
    void templates_matchByteForByte_data();
    void templates_matchByteForByte();
    void contentFile_isTidyPrintableAscii_data();
    void contentFile_isTidyPrintableAscii();
    void lessonCatalogue_beginsWithFormatComment();
    void lessonCatalogue_listsEveryLessonInOrder_data();
    void lessonCatalogue_listsEveryLessonInOrder();
    void lessonCatalogue_elementTextsAreTrimmed();
    void lessonText_hasCourseLengthAndLines_data();
    void lessonText_hasCourseLengthAndLines();
    void lessonText_usesOnlyTaughtKeys_data();
    void lessonText_usesOnlyTaughtKeys();
    void overviewLesson_drillsEveryIntroducedKey_data();
    void overviewLesson_drillsEveryIntroducedKey();
    void dictationCatalogue_listsSixDictations();
    void dictationCatalogue_entry_data();
    void dictationCatalogue_entry();
    void transcription_hasDictationLength_data();
    void transcription_hasDictationLength();
    void dictationAudio_isPresentSmallMp3_data();
    void dictationAudio_isPresentSmallMp3();
};

void CourseContentTest::templates_matchByteForByte_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("expected");
    QTest::addRow("practices") << QStringLiteral("resources/catalogues/6.xml")
                               << QByteArray("<custompractices><nextkey>500</nextkey></custompractices>");
    QTest::addRow("speed tests") << QStringLiteral("resources/catalogues/7.xml")
                                 << QByteArray("<customspeedtests><nextkey>600</nextkey></customspeedtests>");
    QTest::addRow("dictations") << QStringLiteral("resources/catalogues/10.xml")
                                << QByteArray("<customdictations><nextkey>1100</nextkey></customdictations>");
}

void CourseContentTest::templates_matchByteForByte()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, expected);
    QCOMPARE(readFile(path), expected);
}

void CourseContentTest::contentFile_isTidyPrintableAscii_data()
{
    QTest::addColumn<QString>("path");
    const QStringList catalogues = {QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("10"),
                                    QStringLiteral("1000"), QStringLiteral("7000")};
    for (const QString& number : catalogues) {
        const QString path = QStringLiteral("resources/catalogues/%1.xml").arg(number);
        QTest::addRow("%s", qPrintable(path)) << path;
    }
    for (int key = firstLesson; key < firstLesson + lessonCount; ++key)
        QTest::addRow("lesson %d", key) << lessonPath(key);
    for (int key = 800; key <= 805; ++key)
        QTest::addRow("transcription %d", key) << QStringLiteral("resources/texts/%1.txt").arg(key);
}

void CourseContentTest::contentFile_isTidyPrintableAscii()
{
    QFETCH(QString, path);
    const QByteArray data = readFile(path);
    QVERIFY2(!data.isEmpty(), "file is missing or empty");
    for (qsizetype i = 0; i < data.size(); ++i) {
        const char c = data[i];
        const bool printable = c >= 0x20 && c <= 0x7E;
        const bool lineBreak = (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n') ||
                               (c == '\n' && i > 0 && data[i - 1] == '\r');
        QVERIFY2(
            printable || lineBreak,
            qPrintable(
                QStringLiteral("bad byte %1 at offset %2").arg(int(static_cast<unsigned char>(c))).arg(i)));
    }
    QVERIFY2(!data.endsWith('\n'), "ends with a line break");
    const QList<QByteArray> lines = data.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].endsWith('\r') ? lines[i].chopped(1) : lines[i];
        QVERIFY2(!line.endsWith(' '), qPrintable(QStringLiteral("line %1 has trailing spaces").arg(i + 1)));
    }
}

void CourseContentTest::lessonCatalogue_beginsWithFormatComment()
{
    const QByteArray xml = readFile(QStringLiteral("resources/catalogues/1000.xml"));
    QVERIFY(xml.startsWith("<!--"));
    QString error, comment, root;
    readLessonCatalogue(xml, &error, &comment, &root);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(root, QStringLiteral("lessons"));
    const QStringList sentences = {
        QStringLiteral("id should be the number at the beginning of the filename"),
        QStringLiteral(
            "difficulty is one of {1, 2, 3} 1 means child or beginner, 2 means teenager, 3 means adult"),
        QStringLiteral("introduced keys is a list of keys the lesson focuses on")};
    for (const QString& sentence : sentences)
        QVERIFY2(comment.contains(sentence), qPrintable(sentence));
}

void CourseContentTest::lessonCatalogue_listsEveryLessonInOrder_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("introducedKeys");
    const QList<Lesson> lessons = expectedLessons();
    for (int i = 0; i < lessons.size(); ++i) {
        const Lesson& lesson = lessons[i];
        QTest::addRow("%s", qPrintable(lesson.id))
            << i << lesson.id << lesson.title << lesson.description << lesson.introducedKeys;
    }
}

void CourseContentTest::lessonCatalogue_listsEveryLessonInOrder()
{
    QFETCH(int, index);
    QFETCH(QString, id);
    QFETCH(QString, title);
    QFETCH(QString, description);
    QFETCH(QString, introducedKeys);
    QString error, comment, root;
    const QList<Lesson> lessons = readLessonCatalogue(
        readFile(QStringLiteral("resources/catalogues/1000.xml")), &error, &comment, &root);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(lessons.size(), expectedLessons().size());
    const Lesson& lesson = lessons[index];
    QCOMPARE(lesson.id, id);
    QCOMPARE(lesson.title, title);
    QCOMPARE(lesson.description, description);
    QCOMPARE(lesson.difficulty, QStringLiteral("1"));
    QCOMPARE(lesson.introducedKeys, introducedKeys);
    QStringList children = {QStringLiteral("id"), QStringLiteral("title"), QStringLiteral("description"),
                            QStringLiteral("difficulty")};
    if (!introducedKeys.isEmpty())
        children.append(QStringLiteral("introduced_keys"));
    QCOMPARE(lesson.children, children);
}

void CourseContentTest::lessonCatalogue_elementTextsAreTrimmed()
{
    QString error, comment, root;
    const QList<Lesson> lessons = readLessonCatalogue(
        readFile(QStringLiteral("resources/catalogues/1000.xml")), &error, &comment, &root);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    for (const Lesson& lesson : lessons) {
        for (const QString& text :
             {lesson.id, lesson.title, lesson.description, lesson.difficulty, lesson.introducedKeys})
            QCOMPARE(text, text.trimmed());
    }
}

void CourseContentTest::lessonText_hasCourseLengthAndLines_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("shortestLine");
    QTest::addColumn<int>("longestLine");
    for (int key = firstLesson; key < firstLesson + lessonCount; ++key) {
        // Keypad lessons hold one figure per line, like a column of numbers being entered.
        const bool keypad = sectionOf(key) == keypadSection;
        QTest::addRow("%d", key) << key << (keypad ? 1 : 25) << (keypad ? 12 : 60);
    }
}

void CourseContentTest::lessonText_hasCourseLengthAndLines()
{
    QFETCH(int, key);
    QFETCH(int, shortestLine);
    QFETCH(int, longestLine);
    const QString text = lessonText(key);
    QVERIFY2(text.size() >= 300 && text.size() <= 700, qPrintable(QString::number(text.size())));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QVERIFY(lines.size() > 1);
    for (const QString& line : lines) {
        QVERIFY2(line.size() >= shortestLine && line.size() <= longestLine, qPrintable(line));
        // A doubled space would collide with the tolerance for two spaces after a full stop.
        QVERIFY2(!line.contains(QStringLiteral("  ")), qPrintable(line));
        QVERIFY2(!line.startsWith(QLatin1Char(' ')), qPrintable(line));
    }
}

void CourseContentTest::lessonText_usesOnlyTaughtKeys_data()
{
    QTest::addColumn<int>("key");
    for (int key = firstLesson; key < firstLesson + lessonCount; ++key)
        QTest::addRow("%d", key) << key;
}

void CourseContentTest::lessonText_usesOnlyTaughtKeys()
{
    QFETCH(int, key);
    const QSet<QChar> allowed = allowedCharacters(key);
    const QString text = lessonText(key).remove(QStringLiteral("\r\n"));
    QVERIFY(!text.isEmpty());
    for (QChar c : text)
        QVERIFY2(allowed.contains(c), qPrintable(QStringLiteral("untaught key '%1'").arg(c)));
}

void CourseContentTest::overviewLesson_drillsEveryIntroducedKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("introducedKeys");
    for (int section = 0; section < sections().size(); ++section) {
        QTest::addRow("%s", qPrintable(sections()[section].name))
            << firstLesson + section * lessonsPerSection << sections()[section].keys;
    }
}

void CourseContentTest::overviewLesson_drillsEveryIntroducedKey()
{
    QFETCH(int, key);
    QFETCH(QString, introducedKeys);
    const QString text = lessonText(key);
    for (QChar c : introducedKeys)
        QVERIFY2(text.contains(c), qPrintable(QStringLiteral("'%1' never drilled").arg(c)));
}

void CourseContentTest::dictationCatalogue_listsSixDictations()
{
    QString error, root;
    const QList<Dictation> dictations =
        readDictationCatalogue(readFile(QStringLiteral("resources/catalogues/7000.xml")), &error, &root);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(root, QStringLiteral("dictations"));
    QCOMPARE(dictations.size(), 6);
}

void CourseContentTest::dictationCatalogue_entry_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("description");
    const QString legal = QStringLiteral("An exercise in transcribing legal communication.");
    const QString medical = QStringLiteral("An exercise in transcribing medical communication.");
    for (int index = 0; index < 6; ++index)
        QTest::addRow("%d", 800 + index) << index << (index < 3 ? legal : medical);
}

void CourseContentTest::dictationCatalogue_entry()
{
    QFETCH(int, index);
    QFETCH(QString, description);
    QString error, root;
    const QList<Dictation> dictations =
        readDictationCatalogue(readFile(QStringLiteral("resources/catalogues/7000.xml")), &error, &root);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(index < dictations.size());
    const Dictation& dictation = dictations[index];
    QCOMPARE(dictation.element, QStringLiteral("dictation"));
    QVERIFY(dictation.empty);
    QCOMPARE(dictation.attributeNames,
             QStringList({QStringLiteral("description"), QStringLiteral("key"), QStringLiteral("title")}));
    QCOMPARE(dictation.key, QString::number(800 + index));
    QCOMPARE(dictation.description, description);
    const QString prefix = QStringLiteral("Dict%1 - ").arg(index + 1);
    QVERIFY2(dictation.title.startsWith(prefix), qPrintable(dictation.title));
    const QString caseName = dictation.title.mid(prefix.size());
    QVERIFY2(!caseName.isEmpty() && caseName == caseName.trimmed(), qPrintable(dictation.title));
}

void CourseContentTest::transcription_hasDictationLength_data()
{
    QTest::addColumn<int>("key");
    for (int key = 800; key <= 805; ++key)
        QTest::addRow("%d", key) << key;
}

void CourseContentTest::transcription_hasDictationLength()
{
    QFETCH(int, key);
    const QString text = QString::fromLatin1(readFile(QStringLiteral("resources/texts/%1.txt").arg(key)));
    const qsizetype words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size();
    QVERIFY2(words >= 150 && words <= 300, qPrintable(QString::number(words)));
    // One paragraph per line: no empty lines between them.
    QVERIFY(!text.startsWith(QStringLiteral("\r\n")));
    QVERIFY(!text.contains(QStringLiteral("\r\n\r\n")));
}

void CourseContentTest::dictationAudio_isPresentSmallMp3_data()
{
    QTest::addColumn<int>("key");
    for (int key = 800; key <= 805; ++key)
        QTest::addRow("%d", key) << key;
}

void CourseContentTest::dictationAudio_isPresentSmallMp3()
{
    QFETCH(int, key);
    const QByteArray audio = readFile(QStringLiteral("data/components/dictationsamples/%1.mp3").arg(key));
    QVERIFY2(audio.size() > 1024, "missing or empty");
    QVERIFY2(audio.size() < 600 * 1024, qPrintable(QString::number(audio.size())));
    const auto byte = [&audio](int i) { return static_cast<unsigned char>(audio[i]); };
    const bool frameSync = byte(0) == 0xFF && (byte(1) & 0xE0) == 0xE0;
    QVERIFY2(audio.startsWith("ID3") || frameSync, "not MP3 audio");
}

QTEST_GUILESS_MAIN(CourseContentTest)
#include "tst_course.moc"
