// Files the writer produces are well-formed XML to an independent reader (xmllint), and read back
// into the same tree.
#include "services/XmlDocument.h"
#include "XmlTreeOutline.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

class TestXmlInterop final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_xmllint = QStandardPaths::findExecutable(u"xmllint"_s);
        if (m_xmllint.isEmpty())
            QSKIP("xmllint (libxml2-utils) is not installed");
        QVERIFY(m_dir.isValid());
    }

    void savedCatalogue_isWellFormedAndReadsBack_data()
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

    void savedCatalogue_isWellFormedAndReadsBack()
    {
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
            m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_') + u".xml"_s);
        QVERIFY(document.SaveToFile(path));

        QProcess xmllint;
        xmllint.start(m_xmllint, {u"--noout"_s, path});
        QVERIFY(xmllint.waitForFinished(30000));
        QVERIFY2(xmllint.exitCode() == 0, qPrintable(QString::fromLocal8Bit(xmllint.readAllStandardError())));

        XmlDocument reread;
        QString error;
        QCOMPARE(reread.LoadFromFile(path, &error), XmlParseStatus::Loaded);
        QCOMPARE(error, QString());
        QCOMPARE(test::Outline(reread.Root(), false), test::Outline(document.Root(), false));
    }

private:
    QString m_xmllint;
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestXmlInterop)
#include "tst_xmlinterop.moc"
