// Replays every input the XML fuzzer kept through the reader and writer: none may crash, hang or
// trip the sanitizers, and whatever the writer makes of them must read back without error.
#include "platform/TextDecoding.h"
#include "services/XmlDocument.h"

#include <QDir>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

class TestXmlFuzzCorpus final : public QObject
{
    Q_OBJECT

private slots:
    void replay_data();
    void replay();
};

void TestXmlFuzzCorpus::replay_data()
{
    QTest::addColumn<QString>("path");
    const QDir corpus(QStringLiteral(CLAVORA_SOURCE_DIR "/tests/fuzz/xml/corpus"));
    const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
    QVERIFY2(!names.isEmpty(), "the committed corpus is missing");
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << corpus.filePath(name);
}

void TestXmlFuzzCorpus::replay()
{
    QFETCH(QString, path);

    XmlDocument loaded;
    QString error;
    const XmlParseStatus status = loaded.LoadFromFile(path, &error);
    QVERIFY(status != XmlParseStatus::Cancelled);
    QCOMPARE(status == XmlParseStatus::ParseError, !error.isEmpty());

    int checks = 0;
    XmlDocument cancelled;
    cancelled.ParseFromText(DecodeTextFile(loaded.Serialise()).text, nullptr, [&] { return ++checks > 1; });

    // What the writer produced is read by the reader without error, to the same bytes.
    const QByteArray written = loaded.Serialise();
    XmlDocument reread;
    QString rereadError;
    reread.ParseFromText(DecodeTextFile(written).text, &rereadError);
    if (status == XmlParseStatus::Loaded)
        QCOMPARE(reread.Serialise(), written);
}

QTEST_GUILESS_MAIN(TestXmlFuzzCorpus)
#include "tst_xmlfuzzcorpus.moc"
