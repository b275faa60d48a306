#include "content/ExerciseCatalogue.h"
#include "platform/ResourceStore.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace clavora;

namespace {

QByteArray PracticeEntryXml(const QByteArray& key, const QByteArray& fileName)
{
    return "<practice><key>" + key + "</key><filename>" + fileName +
           "</filename><title>T</title>"
           "<category>Custom</category></practice>";
}

QStringList Keys(const CustomPracticeList& list)
{
    QStringList keys;
    for (const CustomPracticeEntry& entry : list)
        keys << entry.Key();
    return keys;
}

} // namespace

class TestCustomCatalogues final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir(m_dir->path()).mkpath(u"Custom/practice"_s));
        QVERIFY(QDir(m_dir->path()).mkpath(u"Custom/Dictations"_s));
        Write(u"Custom/practice/a.txt"_s, "alpha");
        Write(u"Custom/practice/b.txt"_s, "beta");
    }

    void customFiles_areCreatedFromTheirTemplates()
    {
        ExerciseCatalogue catalogue(m_dir->path());
        QVERIFY(catalogue.EnsureCustomFiles());
        // Each file is its template, byte for byte.
        for (const auto& [name, resource] :
             {std::pair{u"practicecustom.xml"_s, ExerciseCatalogue::PracticeTemplateResource},
              std::pair{u"speedtestcustom.xml"_s, ExerciseCatalogue::SpeedTestTemplateResource},
              std::pair{u"dictationcustom.xml"_s, ExerciseCatalogue::DictationTemplateResource}})
            QCOMPARE(Read(u"Custom/"_s + name), ResourceStore::Text(resource).value_or(QString()).toUtf8());
        // An existing file stays as it is; a deleted one comes back with its first key.
        Write(u"Custom/practicecustom.xml"_s, "<custompractices><nextkey>517</nextkey></custompractices>");
        QVERIFY(QFile::remove(m_dir->filePath(u"Custom/dictationcustom.xml"_s)));
        QVERIFY(catalogue.EnsureCustomFiles());
        QCOMPARE(Read(u"Custom/practicecustom.xml"_s),
                 "<custompractices><nextkey>517</nextkey></custompractices>");
        QCOMPARE(
            Read(u"Custom/dictationcustom.xml"_s),
            ResourceStore::Text(ExerciseCatalogue::DictationTemplateResource).value_or(QString()).toUtf8());
    }

    void missingTemplate_skipsTheRemainingFiles()
    {
        QDir(m_dir->path()).removeRecursively();
        ExerciseCatalogue catalogue(m_dir->path(), [](int number) -> std::optional<QString> {
            if (number == ExerciseCatalogue::SpeedTestTemplateResource)
                return std::nullopt;
            return ResourceStore::Text(number);
        });
        QVERIFY(!catalogue.EnsureCustomFiles());
        QVERIFY(QFile::exists(m_dir->filePath(u"Custom/practicecustom.xml"_s)));
        QVERIFY(!QFile::exists(m_dir->filePath(u"Custom/speedtestcustom.xml"_s)));
        QVERIFY(!QFile::exists(m_dir->filePath(u"Custom/dictationcustom.xml"_s)));
    }

    void damagedCatalogueFiles_keepWhatIsValid_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("keys");
        const QByteArray valid = "<custompractices><nextkey>502</nextkey>" +
                                 PracticeEntryXml("500", "a.txt") + PracticeEntryXml("501", "b.txt") +
                                 "</custompractices>";
        QTest::newRow("valid") << valid << QStringList{u"500"_s, u"501"_s};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("not XML") << QByteArray("just some words\nand more") << QStringList{};
        QTest::newRow("other root") << QByteArray("<customspeedtests><practice/></customspeedtests>")
                                    << QStringList{};
        QTest::newRow("truncated in the second entry")
            << valid.left(valid.indexOf("b.txt")) << QStringList{u"500"_s};
        QTest::newRow("nested without end")
            << "<custompractices>" + PracticeEntryXml("500", "a.txt") + "<practice><practice><key>"
            << QStringList{u"500"_s};
        QByteArray garbage(4096, Qt::Uninitialized);
        QRandomGenerator fixed(7);
        for (char& byte : garbage)
            byte = static_cast<char>(fixed.bounded(256));
        QTest::newRow("binary garbage") << garbage << QStringList{};
        QTest::newRow("garbage after a valid entry")
            << "<custompractices>" + PracticeEntryXml("500", "a.txt") + garbage << QStringList{u"500"_s};
    }
    void damagedCatalogueFiles_keepWhatIsValid()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, keys);
        Write(u"Custom/practicecustom.xml"_s, content);
        ExerciseCatalogue catalogue(m_dir->path());
        QCOMPARE(catalogue.LoadCustomPractices(), !keys.isEmpty());
        QCOMPARE(Keys(catalogue.CustomPractices()), keys);
    }

    void entries_needAReadableFileInsideTheFolder_data()
    {
        QTest::addColumn<QByteArray>("entries");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("missing file") << PracticeEntryXml("500", "gone.txt") << QStringList{};
        QTest::newRow("empty and blank files")
            << PracticeEntryXml("500", "empty.txt") + PracticeEntryXml("501", "blank.txt") << QStringList{};
        QTest::newRow("a folder, a pipe")
            << PracticeEntryXml("500", "folder.txt") + PracticeEntryXml("501", "pipe.txt") << QStringList{};
        QTest::newRow("file names leading out")
            << PracticeEntryXml("500", "../secret.txt") + PracticeEntryXml("501", "..") +
                   PracticeEntryXml("502", "sub/c.txt") + PracticeEntryXml("503", "..\\secret.txt") +
                   PracticeEntryXml("504", "/etc/hostname")
            << QStringList{};
        QTest::newRow("keys that are not file names")
            << PracticeEntryXml("../500", "a.txt") + PracticeEntryXml("a\\b", "b.txt") << QStringList{};
        QTest::newRow("repeated file name or key")
            << PracticeEntryXml("500", "a.txt") + PracticeEntryXml("501", "a.txt") +
                   PracticeEntryXml("500", "b.txt") + PracticeEntryXml("502", "b.txt")
            << QStringList{u"500"_s, u"502"_s};
        QTest::newRow("missing category or title")
            << QByteArray(
                   "<practice><key>500</key><filename>a.txt</filename><title>T</title></practice>"
                   "<practice><key>501</key><filename>b.txt</filename><category>C</category></practice>")
            << QStringList{};
    }
    void entries_needAReadableFileInsideTheFolder()
    {
        QFETCH(QByteArray, entries);
        Write(u"secret.txt"_s, "outside");
        Write(u"Custom/secret.txt"_s, "outside");
        Write(u"Custom/practice/sub/c.txt"_s, "nested");
        Write(u"Custom/practice/empty.txt"_s, "");
        Write(u"Custom/practice/blank.txt"_s, " \r\n\t");
        QVERIFY(QDir(m_dir->path()).mkpath(u"Custom/practice/folder.txt"_s));
        QCOMPARE(mkfifo(QFile::encodeName(m_dir->filePath(u"Custom/practice/pipe.txt"_s)).constData(), 0600),
                 0);
        Write(u"Custom/practicecustom.xml"_s, "<custompractices>" + entries + "</custompractices>");
        ExerciseCatalogue catalogue(m_dir->path());
        catalogue.LoadCustomPractices();
        QTEST(Keys(catalogue.CustomPractices()), "keys");
        for (const CustomPracticeEntry& entry : catalogue.CustomPractices())
            QVERIFY(!entry.Text().contains(u"outside"_s));
    }

    void exerciseFiles_areDecodedLikeEveryUserFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9\r\nna\xc3\xafve") << u"caf\u00e9\r\nna\u00efve"_s;
        QTest::newRow("UTF-8 with mark") << QByteArray("\xef\xbb\xbf\xc3\xa9t\xc3\xa9") << u"\u00e9t\u00e9"_s;
        QTest::newRow("UTF-16 LE") << QByteArray("\xff\xfe"
                                                 "a\0\xe9\0",
                                                 6)
                                   << u"a\u00e9"_s;
        QTest::newRow("UTF-16 BE") << QByteArray("\xfe\xff\0a\0\xe9", 6) << u"a\u00e9"_s;
        QTest::newRow("not UTF-8") << QByteArray("caf\xe9 \x93quoted\x94")
                                   << u"caf\u00e9 \u201cquoted\u201d"_s;
    }
    void exerciseFiles_areDecodedLikeEveryUserFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        Write(u"Custom/practice/a.txt"_s, bytes);
        Write(u"Custom/practicecustom.xml"_s,
              "<custompractices>" + PracticeEntryXml("500", "a.txt") + "</custompractices>");
        ExerciseCatalogue catalogue(m_dir->path());
        QVERIFY(catalogue.LoadCustomPractices());
        QCOMPARE(catalogue.CustomPractices().At(0)->Text(), text);
        QCOMPARE(catalogue.CustomPractices().At(0)->Category(), u"Custom"_s);
        QVERIFY(catalogue.CustomPractices().At(0)->PreviewText().startsWith(text.section(u'\r', 0, 0)));
    }

    void folderNames_matchWithoutCase()
    {
        QVERIFY(QDir(m_dir->filePath(u"Custom"_s)).removeRecursively());
        Write(u"custom/Practice/a.txt"_s, "alpha");
        Write(u"custom/SpeedTest/s.txt"_s, "speed");
        Write(u"custom/practicecustom.xml"_s,
              "<custompractices>" + PracticeEntryXml("500", "a.txt") + "</custompractices>");
        Write(u"custom/speedtestcustom.xml"_s,
              "<customspeedtests><speedtest><key>600</key><filename>s.txt</filename><title>s.txt</title>"
              "</speedtest></customspeedtests>");
        ExerciseCatalogue catalogue(m_dir->path());
        QVERIFY(catalogue.EnsureCustomFiles());
        QVERIFY(!QDir(m_dir->filePath(u"Custom"_s)).exists());
        QVERIFY(catalogue.LoadCustomPractices());
        QVERIFY(catalogue.LoadCustomSpeedTests());
        QCOMPARE(catalogue.CustomSpeedTests().At(0)->Text(), u"speed"_s);
        QCOMPARE(catalogue.CustomSpeedTests().At(0)->Ordinal(), 1);
    }

    void dictations_needTheirAudioFile()
    {
        Write(u"Custom/Dictations/1100.mp3"_s, "ID3");
        Write(u"Custom/1102.mp3"_s, "ID3");
        Write(u"Custom/dictationcustom.xml"_s,
              "<customdictations><nextkey>1103</nextkey>"
              "<dictation><key>1100</key><filename>talk.mp3</filename><title>custom-1100</title></dictation>"
              "<dictation><key>1101</key><filename>other.mp3</filename><title>custom-1101</title></dictation>"
              "<dictation><key>../1102</key><filename>x.mp3</filename><title>custom-1102</title></dictation>"
              "<dictation><key>1100</key><filename>again.mp3</filename><title>again</title></dictation>"
              "</customdictations>");
        ExerciseCatalogue catalogue(m_dir->path());
        QVERIFY(catalogue.LoadCustomDictations());
        QCOMPARE(catalogue.CustomDictations().Count(), 1);
        const CustomDictationEntry* dictation = catalogue.CustomDictations().Find(1100);
        QVERIFY(dictation);
        QCOMPARE(dictation->FileName(), u"talk.mp3"_s);
        QCOMPARE(QFileInfo(dictation->AudioPath()).canonicalFilePath(),
                 QFileInfo(m_dir->filePath(u"Custom/Dictations/1100.mp3"_s)).canonicalFilePath());
    }

    void missingFilesAndFolders_leaveEmptyLists()
    {
        QVERIFY(QDir(m_dir->filePath(u"Custom"_s)).removeRecursively());
        ExerciseCatalogue catalogue(m_dir->path());
        QVERIFY(!catalogue.LoadCustomPractices());
        QVERIFY(!catalogue.LoadCustomSpeedTests());
        QVERIFY(!catalogue.LoadCustomDictations());
        QVERIFY(catalogue.CustomPractices().IsEmpty());
    }

    void catalogueThatIsNoFile_leavesTheListEmpty()
    {
        const QString path = m_dir->filePath(u"Custom/practicecustom.xml"_s);
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QVERIFY(QDir(m_dir->path()).mkpath(u"Custom/speedtestcustom.xml"_s));
        ExerciseCatalogue catalogue(m_dir->path());
        QVERIFY(catalogue.EnsureCustomFiles());
        QVERIFY(!catalogue.LoadCustomPractices());
        QVERIFY(!catalogue.LoadCustomSpeedTests());
    }

    void hugeAndDeepFiles_loadWithoutCrashing_data()
    {
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("50 MB of text") << QByteArray(50 * 1024 * 1024, 'x') + "</custompractices>";
        QTest::newRow("a million levels deep") << QByteArray("<p>").repeated(1000000);
    }
    void hugeAndDeepFiles_loadWithoutCrashing()
    {
        QFETCH(QByteArray, tail);
        Write(u"Custom/practicecustom.xml"_s, "<custompractices>" + PracticeEntryXml("500", "a.txt") + tail);
        ExerciseCatalogue catalogue(m_dir->path());
        QVERIFY(catalogue.LoadCustomPractices());
        QCOMPARE(Keys(catalogue.CustomPractices()), QStringList{u"500"_s});
    }

private:
    void Write(const QString& relativePath, const QByteArray& bytes)
    {
        QVERIFY(test::WriteFile(m_dir->filePath(relativePath), bytes));
    }
    QByteArray Read(const QString& relativePath) { return test::ReadFile(m_dir->filePath(relativePath)); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestCustomCatalogues)
#include "tst_customcatalogues.moc"
