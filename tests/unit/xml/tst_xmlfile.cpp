// Loading files (encodings, failures, cancellation), writing (exact bytes) and saving (atomic,
// failures reported).
#include "services/XmlDocument.h"
#include "services/XmlWriter.h"
#include "TestFiles.h"
#include "XmlTreeOutline.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

using test::ReadFile;
using test::WriteFile;

QByteArray Utf16(const QString& text, bool littleEndian)
{
    QStringEncoder encoder(littleEndian ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                           QStringEncoder::Flag::WriteBom);
    return encoder.encode(text);
}

} // namespace

class TestXmlFile final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void encodings_loadToOneTree_data()
    {
        QTest::addColumn<QByteArray>("bytes");

        const QString text = u"<?xml version=\"1.0\"?>\r\n<r t=\"caf\u00e9\">\u20ac 5 &amp; \u00fc</r>"_s;
        QTest::addRow("UTF-16 little-endian") << Utf16(text, true);
        QTest::addRow("UTF-16 big-endian") << Utf16(text, false);
        QTest::addRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
        QTest::addRow("UTF-8") << text.toUtf8();
        QTest::addRow("Windows-1252")
            << QByteArray("<?xml version=\"1.0\"?>\r\n<r t=\"caf\xE9\">\x80 5 &amp; \xFC</r>");
    }

    void encodings_loadToOneTree()
    {
        QFETCH(QByteArray, bytes);
        const QString path = m_dir->filePath(u"c.xml"_s);
        QVERIFY(WriteFile(path, bytes));

        XmlDocument document;
        QString error;
        QCOMPARE(document.LoadFromFile(path, &error), XmlParseStatus::Loaded);
        QCOMPARE(error, QString());
        QCOMPARE(test::Outline(document.Root()),
                 u"?xml[version=1.0],'\\n',r[t=caf\u00e9]('\u20ac 5 & \u00fc')"_s);
    }

    void load_failures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");

        QTest::addRow("missing file") << u"missing.xml"_s << QByteArray() << u"File does not exist: %1"_s;
        QTest::addRow("folder") << u"folder.xml"_s << QByteArray()
                                << u"Not enough memory available to load %1"_s;
        QTest::addRow("UTF-16 cut short")
            << u"odd.xml"_s << QByteArray("\xFF\xFE<\0a\0/\0>", 9) << u"Cannot open xml file: %1"_s;
    }

    void load_failures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);

        const QString path = m_dir->filePath(name);
        if (name == u"folder.xml")
            QVERIFY(QDir().mkpath(path));
        else if (!bytes.isEmpty())
            QVERIFY(WriteFile(path, bytes));

        XmlDocument document;
        document.ParseFromText(u"<old/>"_s);
        QString error;
        QCOMPARE(document.LoadFromFile(path, &error), XmlParseStatus::Failed);
        QCOMPARE(error, message.arg(path));
        QVERIFY(!document.Root().FirstChild());
    }

    void load_parseErrorKeepsTreeAndText()
    {
        const QString path = m_dir->filePath(u"bad.xml"_s);
        QVERIFY(WriteFile(path, "<r>\r\n<a>1</a>\r\n<b>"));
        XmlDocument document;
        QString error;
        QCOMPARE(document.LoadFromFile(path, &error), XmlParseStatus::ParseError);
        QCOMPARE(error,
                 u"Ln 3, Col 4: (EOF) Element <b> should be terminated with </b>. Check you have terminated "
                 u"your element properly."_s);
        QCOMPARE(test::Outline(document.Root()), u"r('\\n',a('1'),'\\n',b)"_s);
    }

    // The check is asked every 512 characters; when it says stop, reading ends at once.
    void cancel_data()
    {
        QTest::addColumn<int>("stopAt");
        QTest::addColumn<int>("expectedCalls");
        QTest::addColumn<XmlParseStatus>("status");

        // 2,000 entries of 9 characters (CR LF counts once), plus the 7 of "<r></r>": 18,007 characters,
        // 35 checks while reading and one after.
        QTest::addRow("never") << 0 << 36 << XmlParseStatus::Loaded;
        QTest::addRow("at the first check") << 1 << 1 << XmlParseStatus::Cancelled;
        QTest::addRow("at the tenth check") << 10 << 10 << XmlParseStatus::Cancelled;
        QTest::addRow("after reading") << 36 << 36 << XmlParseStatus::Cancelled;
    }

    void cancel()
    {
        QFETCH(int, stopAt);
        QFETCH(XmlParseStatus, status);

        const QString xml = u"<r>"_s + u"<e>1</e>\r\n"_s.repeated(2000) + u"</r>"_s;
        int calls = 0;
        XmlDocument document;
        QString error;
        QCOMPARE(document.ParseFromText(xml, &error, [&] { return ++calls == stopAt; }), status);
        QTEST(calls, "expectedCalls");
        QCOMPARE(error, QString());
        int entries = 0;
        if (XmlNode* root = document.RootElement()) {
            for (XmlNode* entry : root->ChildrenNamed(u"e")) {
                Q_UNUSED(entry)
                ++entries;
            }
        }
        // Stopped at the n-th check: only the entries read in the first n * 512 characters exist.
        if (status == XmlParseStatus::Cancelled && stopAt < 36)
            QVERIFY(entries <= stopAt * 512 / 9 + 1);
        else
            QCOMPARE(entries, 2000);
    }

    void write_exactBytes_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QByteArray>("bytes");

        QTest::addRow("declaration puts version first")
            << u"<?xml encoding=\"UTF-8\" version=\"1.0\"?><r/>"_s
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><r/>");
        QTest::addRow("empty version stays in place")
            << u"<?xml a=\"1\" version=\"\"?>"_s << QByteArray("<?xml a=\"1\" version=\"\"?>");
        QTest::addRow("escaping in text and values")
            << u"<r a=\"&lt;&amp;&gt;&quot;'\">&lt;&amp;&gt;&quot;'</r>"_s
            << QByteArray("<r a=\"&lt;&amp;&gt;&quot;'\">&lt;&amp;&gt;&quot;'</r>\r\n");
        QTest::addRow("line breaks in text become CR LF")
            << u"<r>a\nb\r\nc</r>"_s << QByteArray("<r>a\r\nb\r\nc</r>\r\n");
        QTest::addRow("blank text left out")
            << u"<r>\r\n  <a> </a>\r\n</r>\r\n"_s << QByteArray("<r><a/></r>\r\n");
        QTest::addRow("mixed content") << u"<r>x<a/>y</r>"_s << QByteArray("<r>x<a/>y</r>\r\n");
        QTest::addRow("markup written raw")
            << u"<!DOCTYPE r [<!ENTITY e \"&\">]><!-- a&b --><r><![CDATA[<&>]]></r>"_s
            << QByteArray("<!DOCTYPE r [<!ENTITY e \"&\">]><!-- a&b --><r><![CDATA[<&>]]></r>\r\n");
        QTest::addRow("non-ASCII as UTF-8") << u"<r>\u00e9\u20ac\U0001F600</r>"_s
                                            << QByteArray("<r>\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80</r>\r\n");
        QTest::addRow("empty document") << QString() << QByteArray();
    }

    void write_exactBytes()
    {
        QFETCH(QString, xml);

        XmlDocument document;
        QCOMPARE(document.ParseFromText(xml), XmlParseStatus::Loaded);
        QTEST(document.Serialise(), "bytes");
    }

    // A custom catalogue as first written, saved and read back.
    void nextkey_roundTrip()
    {
        const QString path = m_dir->filePath(u"practicecustom.xml"_s);
        QVERIFY(WriteFile(path, "<custompractices><nextkey>500</nextkey></custompractices>"));
        XmlDocument document;
        QCOMPARE(document.LoadFromFile(path), XmlParseStatus::Loaded);
        const QString before = test::Outline(document.Root());
        QCOMPARE(before, u"custompractices(nextkey('500'))"_s);

        QVERIFY(document.SaveToFile(path));
        const QByteArray saved = ReadFile(path);
        QCOMPARE(saved, QByteArray("<custompractices><nextkey>500</nextkey>\r\n</custompractices>\r\n"));

        XmlDocument reread;
        QCOMPARE(reread.LoadFromFile(path), XmlParseStatus::Loaded);
        QCOMPARE(test::Outline(reread.Root(), false), before);
        QCOMPARE(reread.Serialise(), saved);
    }

    void save_replacesOldFileWhole()
    {
        const QString path = m_dir->filePath(u"c.xml"_s);
        QVERIFY(WriteFile(path, QByteArray(10000, 'x')));
        XmlDocument document;
        document.ParseFromText(u"<r/>"_s);
        QVERIFY(document.SaveToFile(path));
        QCOMPARE(ReadFile(path), QByteArray("<r/>"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"c.xml"_s});
    }

    void save_intoReadOnlyFolderFailsAndKeepsOldFile()
    {
        if (geteuid() == 0)
            QSKIP("root may write into a read-only folder");
        const QString folder = m_dir->filePath(u"locked"_s);
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + u"/c.xml"_s;
        QVERIFY(WriteFile(path, "<old/>"));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        XmlDocument document;
        document.ParseFromText(u"<new/>"_s);
        const bool saved = document.SaveToFile(path);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!saved);
        QCOMPARE(ReadFile(path), QByteArray("<old/>"));
    }

    void save_whereFolderIsAFileFails()
    {
        const QString blocker = m_dir->filePath(u"Custom"_s);
        QVERIFY(WriteFile(blocker, "not a folder"));
        XmlDocument document;
        document.ParseFromText(u"<r/>"_s);
        QVERIFY(!document.SaveToFile(blocker + u"/practicecustom.xml"_s));
        QCOMPARE(ReadFile(blocker), QByteArray("not a folder"));
    }

    void savedCatalogue_isWellFormedToXmllintAndReadsBack_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("attribute");

        QTest::addRow("plain") << u"Notes"_s << u"Custom"_s << u"x"_s;
        QTest::addRow("ampersand") << u"Cats & dogs"_s << u"A&B"_s << u"&amp; already"_s;
        QTest::addRow("quotes") << u"\"Quoted\" and 'single'"_s << u"It's"_s << u"say \"hi\""_s;
        QTest::addRow("less-than and greater-than") << u"a < b > c"_s << u"<tag>"_s << u"</x>"_s;
        QTest::addRow("non-ASCII") << u"Caf\u00e9 \u00fcber \u20ac \u4e2d\u6587 \U0001F600"_s
                                   << u"\u00c5ngstr\u00f6m"_s << u"\u00df"_s;
        QTest::addRow("markup-like") << u"<!-- not a comment -->"_s << u"]]>"_s << u"<?pi?>"_s;
        QTest::addRow("line breaks") << u"one\ntwo\n"_s << u"  spaced  "_s << u"tab\there"_s;
    }

    // Files the writer produces are well-formed to an independent reader, and read back the same.
    void savedCatalogue_isWellFormedToXmllintAndReadsBack()
    {
        const QString xmllintPath = QStandardPaths::findExecutable(u"xmllint"_s);
        if (xmllintPath.isEmpty())
            QSKIP("xmllint (libxml2-utils) is not installed");
        QFETCH(QString, title);
        QFETCH(QString, category);
        QFETCH(QString, attribute);

        XmlDocument document;
        XmlNode* declaration = document.CreateElement(&document.Root(), u"?xml"_s);
        declaration->AddAttribute(u"version"_s, u"1.0"_s);
        declaration->AddAttribute(u"encoding"_s, u"UTF-8"_s);
        XmlNode* root = document.CreateElement(&document.Root(), u"custompractices"_s);
        document.SetTextChild(document.CreateElement(root, u"nextkey"_s), u"502"_s);
        for (int key = 500; key < 502; ++key) {
            XmlNode* practice = document.CreateElement(root, u"practice"_s);
            practice->AddAttribute(u"note"_s, attribute);
            document.SetTextChild(document.CreateElement(practice, u"key"_s), QString::number(key));
            document.SetTextChild(document.CreateElement(practice, u"filename"_s), title + u".txt"_s);
            document.SetTextChild(document.CreateElement(practice, u"title"_s), title);
            document.SetTextChild(document.CreateElement(practice, u"category"_s), category);
        }
        const QString path =
            m_dir->filePath(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_') + u".xml"_s);
        QVERIFY(document.SaveToFile(path));

        QProcess xmllint;
        xmllint.start(xmllintPath, {u"--noout"_s, path});
        QVERIFY(xmllint.waitForFinished(30000));
        QVERIFY2(xmllint.exitCode() == 0, qPrintable(QString::fromLocal8Bit(xmllint.readAllStandardError())));

        XmlDocument reread;
        QString error;
        QCOMPARE(reread.LoadFromFile(path, &error), XmlParseStatus::Loaded);
        QCOMPARE(error, QString());
        QCOMPARE(test::Outline(reread.Root(), false), test::Outline(document.Root(), false));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestXmlFile)
#include "tst_xmlfile.moc"
