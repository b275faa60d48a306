// Replays every input the XML fuzzer kept through the reader and writer: none may crash, hang or
// trip the sanitizers.
#include "platform/TextDecoding.h"
#include "services/XmlDocument.h"

#include <QDir>
#include <QFile>
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
    QCOMPARE(status == XmlParseStatus::Loaded, error.isEmpty());

    // The writer copes with whatever the reader kept, and its output reads again.
    const QByteArray written = loaded.Serialise();
    XmlDocument reread;
    QVERIFY(reread.ParseFromText(DecodeTextFile(written).text) != XmlParseStatus::Cancelled);

    // Stopping at the second check leaves a partial tree that is just as safe to walk and write.
    int checks = 0;
    XmlDocument cancelled;
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = DecodeTextFile(file.readAll()).text.repeated(4);
    cancelled.ParseFromText(text, nullptr, [&] { return ++checks > 1; });
    cancelled.Serialise();
}

QTEST_GUILESS_MAIN(TestXmlFuzzCorpus)
#include "tst_xmlfuzzcorpus.moc"
