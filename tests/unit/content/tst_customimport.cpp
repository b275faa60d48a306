#include "content/CustomImport.h"
#include "content/ExerciseCatalogue.h"
#include "services/XmlDocument.h"
#include "testsupport/TestFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace clavora;
using clavora::test::ReadFile;
using clavora::test::WriteFile;
using Status = CustomImport::Outcome::Status;

class CustomImportTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_data;
    int m_run = 0; // a fresh data folder for every test function

    QString Source(const QString& name, const QByteArray& bytes) const
    {
        const QString path = m_dir.filePath(QStringLiteral("source/") + name);
        WriteFile(path, bytes);
        return path;
    }
    QString CustomFile(const QString& relative) const
    {
        return m_data + QStringLiteral("/Custom/") + relative;
    }
    // The entries of a custom catalogue as "key|filename|title|category", and its counter.
    QStringList Entries(const QString& catalogue, QString* nextKey = nullptr) const
    {
        XmlDocument document;
        if (document.LoadFromFile(CustomFile(catalogue)) != XmlParseStatus::Loaded)
            return {QStringLiteral("unreadable")};
        QStringList entries;
        for (XmlNode* child = document.RootElement()->FirstChild(); child; child = child->NextSibling()) {
            if (!child->IsElement())
                continue;
            if (child->Name() == u"nextkey") {
                if (nextKey)
                    *nextKey = child->NodeText();
                continue;
            }
            QStringList fields;
            for (const QStringView name : {u"key", u"filename", u"title", u"category"})
                fields.append(child->FirstChildNamed(name) ? child->FirstChildNamed(name)->NodeText()
                                                           : QString());
            entries.append(fields.join(u'|'));
        }
        return entries;
    }

private slots:
    void init() { m_data = m_dir.filePath(QStringLiteral("data%1").arg(++m_run)); }

    void importsIntoAFreshInstallation_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("storedAs");
        QTest::addRow("practice") << 0 << "notes.txt" << QByteArray("Some notes.") << "practicecustom.xml"
                                  << "500|notes.txt|notes.txt|Custom"
                                  << "Practice/notes.txt";
        QTest::addRow("speed test") << 1 << "race.txt" << QByteArray("Quick words.") << "speedtestcustom.xml"
                                    << "600|race.txt|race.txt|Custom"
                                    << "SpeedTest/race.txt";
        QTest::addRow("dictation") << 2 << "talk.mp3" << QByteArray("ID3 audio") << "dictationcustom.xml"
                                   << "1100|talk.mp3|custom-1100|Custom"
                                   << "Dictations/1100.mp3";
        QTest::addRow("UTF-16 text") << 0 << "wide.txt" << QByteArray("\xff\xfeH\0i\0", 6)
                                     << "practicecustom.xml"
                                     << "500|wide.txt|wide.txt|Custom"
                                     << "Practice/wide.txt";
    }
    void importsIntoAFreshInstallation()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, catalogue);
        QFETCH(QString, entry);
        QFETCH(QString, storedAs);
        ExerciseCatalogue exercises(m_data);
        const CustomImport::Outcome outcome =
            CustomImport(exercises).Import(static_cast<ImportKind>(kind), Source(name, bytes));
        QVERIFY2(outcome.Succeeded(), qPrintable(outcome.text));
        QString nextKey;
        QCOMPARE(Entries(catalogue, &nextKey), QStringList{entry});
        QCOMPARE(nextKey, QString::number(entry.section(u'|', 0, 0).toInt() + 1));
        QCOMPARE(ReadFile(CustomFile(storedAs)), bytes);
        // The list the tutor reads afterwards holds the new exercise.
        QVERIFY(exercises.EnsureCustomFiles());
        exercises.LoadCustomPractices();
        exercises.LoadCustomSpeedTests();
        exercises.LoadCustomDictations();
        QCOMPARE(exercises.CustomPractices().Count() + exercises.CustomSpeedTests().Count() +
                     exercises.CustomDictations().Count(),
                 1);
    }

    void refusesFilesThatCannotBecomeExercises_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString valid = QStringLiteral("Please select a valid %1 file.");
        QTest::addRow("capital extension")
            << 0 << "NOTES.TXT" << QByteArray("x") << "Import Custom Exercise" << valid.arg(u".txt");
        QTest::addRow("text as dictation")
            << 2 << "notes.txt" << QByteArray("x") << "Import Custom Exercise" << valid.arg(u".mp3");
        QTest::addRow("empty audio") << 2 << "empty.mp3" << QByteArray() << "Empty file"
                                     << "Could not load exercise";
        QTest::addRow("binary") << 0 << "photo.txt" << QByteArray("\x89PNG\0\0\0\rIHDR", 12)
                                << "Import Custom Exercise"
                                << "This file does not hold plain text. Please choose a text (.txt) file.";
        QTest::addRow("too large") << 1 << "book.txt" << QByteArray(CustomImport::MaxTextFileBytes + 1, 'a')
                                   << "Import Custom Exercise"
                                   << "This file is larger than 1 MB. Please choose a shorter text.";
    }
    void refusesFilesThatCannotBecomeExercises()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        ExerciseCatalogue exercises(m_data);
        const CustomImport::Outcome outcome =
            CustomImport(exercises).Import(static_cast<ImportKind>(kind), Source(name, bytes));
        QCOMPARE(int(outcome.status), int(Status::RefusedFile));
        QTEST(outcome.title, "title");
        QTEST(outcome.text, "text");
        QVERIFY(!QFileInfo::exists(m_data + QStringLiteral("/Custom")));
    }

    void sameNameTwice_twoKeysOneFile()
    {
        ExerciseCatalogue exercises(m_data);
        const CustomImport importer(exercises);
        QVERIFY(importer.Import(ImportKind::Practice, Source(QStringLiteral("a.txt"), "first")).Succeeded());
        QVERIFY(importer.Import(ImportKind::Practice, Source(QStringLiteral("a.txt"), "second")).Succeeded());
        QCOMPARE(Entries(QStringLiteral("practicecustom.xml")),
                 QStringList(
                     {QStringLiteral("500|a.txt|a.txt|Custom"), QStringLiteral("501|a.txt|a.txt|Custom")}));
        QCOMPARE(ReadFile(CustomFile(QStringLiteral("Practice/a.txt"))), QByteArray("second"));
    }

    void keyNeverReusesOneInTheFile()
    {
        ExerciseCatalogue exercises(m_data);
        QVERIFY(exercises.EnsureCustomFiles());
        QVERIFY(WriteFile(
            CustomFile(QStringLiteral("practicecustom.xml")),
            "<custompractices><nextkey>500</nextkey><practice><key>507</key><filename>b.txt</filename>"
            "</practice></custompractices>"));
        QCOMPARE(
            CustomImport(exercises).Import(ImportKind::Practice, Source(QStringLiteral("c.txt"), "c")).key,
            QStringLiteral("508"));
    }

    void copyFailure_leavesCatalogueUnchanged()
    {
        ExerciseCatalogue exercises(m_data);
        QVERIFY(exercises.EnsureCustomFiles());
        const QByteArray before = ReadFile(CustomFile(QStringLiteral("speedtestcustom.xml")));
        QVERIFY(WriteFile(CustomFile(QStringLiteral("SpeedTest")), {})); // a file where the folder should be
        const CustomImport::Outcome outcome =
            CustomImport(exercises).Import(ImportKind::SpeedTest, Source(QStringLiteral("t.txt"), "text"));
        QCOMPARE(int(outcome.status), int(Status::Failed));
        QCOMPARE(outcome.title, QStringLiteral("Import Custom SpeedTest"));
        QVERIFY(outcome.text.startsWith(QStringLiteral("Import failed - ")));
        QCOMPARE(ReadFile(CustomFile(QStringLiteral("speedtestcustom.xml"))), before);
    }

    void corruptCatalogue_failsWithItsMessage()
    {
        ExerciseCatalogue exercises(m_data);
        QVERIFY(exercises.EnsureCustomFiles());
        QVERIFY(WriteFile(CustomFile(QStringLiteral("practicecustom.xml")), "<wrongroot/>"));
        const CustomImport::Outcome outcome =
            CustomImport(exercises).Import(ImportKind::Practice, Source(QStringLiteral("n.txt"), "n"));
        QCOMPARE(outcome.text,
                 QStringLiteral("Import failed - XML custom definition file missing or corrupt"));
        QVERIFY(!QFileInfo::exists(CustomFile(QStringLiteral("Practice/n.txt"))));
    }

    void removeCustomPractice_deletesFileAndEveryMatchingEntry()
    {
        ExerciseCatalogue exercises(m_data);
        const CustomImport importer(exercises);
        QVERIFY(importer.Import(ImportKind::Practice, Source(QStringLiteral("Keep.txt"), "k")).Succeeded());
        QVERIFY(importer.Import(ImportKind::Practice, Source(QStringLiteral("Gone.txt"), "g")).Succeeded());
        QVERIFY(importer.RemoveCustomPractice(QStringLiteral("gone.TXT")));
        QCOMPARE(Entries(QStringLiteral("practicecustom.xml")),
                 QStringList{QStringLiteral("500|Keep.txt|Keep.txt|Custom")});
        QVERIFY(!importer.RemoveCustomPractice(QStringLiteral("../Keep.txt")));
        QVERIFY(QFileInfo::exists(CustomFile(QStringLiteral("Practice/Keep.txt"))));
    }
};

QTEST_GUILESS_MAIN(CustomImportTest)
#include "tst_customimport.moc"
