#include "Mpg123Reference.h"
#include "services/Mp3Source.h"
#include "TestFiles.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace clavora;

namespace {

QString ShippedSound(const char* relativePath)
{
    return QStringLiteral(CLAVORA_SOURCE_DIR "/data/") + QString::fromLatin1(relativePath);
}

// Everything the source yields, decoded ahead in the player's steps.
QByteArray DrainSource(SoundSource& source)
{
    QByteArray pcm;
    const int frameBytes = std::max(source.Format().channels, 1) * 2;
    for (int pass = 0; pass < 1'000'000 && !source.IsExhausted(); ++pass) {
        source.DecodeAhead(150);
        pcm.append(reinterpret_cast<const char*>(source.ReadyData()), source.ReadyFrames() * frameBytes);
        source.Consume(source.ReadyFrames());
    }
    return pcm;
}

bool WriteFile(const QString& path, const QByteArray& content, qint64 sparseSize = 0)
{
    return test::WriteFile(path, content) && (sparseSize == 0 || QFile::resize(path, sparseSize));
}

} // namespace

class TestMp3Source final : public QObject
{
    Q_OBJECT

private slots:
    void shippedSound_decodesAsLibmpg123Does_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<double>("longestSeconds");
        // The award and error sounds are compared with the reference where tst_soundevents plays them.
        QTest::addRow("trumpet-n-sax1") << ShippedSound("sounds/trumpet-n-sax1.mp3") << 4.0;
        QTest::addRow("missedword") << ShippedSound("thirtyseconds/missedword.mp3") << 4.0;
        QTest::addRow("siren") << ShippedSound("thirtyseconds/siren.mp3") << 4.0;
    }

    void shippedSound_decodesAsLibmpg123Does()
    {
        QFETCH(QString, path);
        QFETCH(double, longestSeconds);
        const test::ReferenceDecode reference = test::DecodeWithMpg123(path);
        QVERIFY(reference.ok);

        std::unique_ptr<Mp3Source> source = Mp3Source::Open(path);
        QVERIFY(source);
        QCOMPARE(source->Format().sampleRate, int(reference.rate));
        QCOMPARE(source->Format().channels, reference.channels);
        const QByteArray pcm = DrainSource(*source);
        QCOMPARE(pcm.size(), reference.pcm.size());
        QVERIFY(pcm == reference.pcm);

        const double seconds = double(pcm.size()) / (2.0 * reference.channels * double(reference.rate));
        QVERIFY2(seconds > 0.1 && seconds <= longestSeconds, qPrintable(QString::number(seconds)));
    }

    void unusableFile_doesNotOpen_data()
    {
        QTest::addColumn<QString>("path");
        QVERIFY(m_dir.isValid());
        const QString dir = m_dir.path();
        QTest::addRow("missing") << dir + QStringLiteral("/missing.mp3");
        QTest::addRow("empty path") << QString();
        QTest::addRow("a folder") << dir;

        QVERIFY(WriteFile(dir + QStringLiteral("/empty.mp3"), {}));
        QTest::addRow("zero bytes") << dir + QStringLiteral("/empty.mp3");

        QVERIFY(WriteFile(dir + QStringLiteral("/notes.mp3"),
                          QByteArray("Shopping list:\nflour, eggs, milk\n").repeated(2000)));
        QTest::addRow("text renamed .mp3") << dir + QStringLiteral("/notes.mp3");

        // 200 MB of nothing: must be given up on quickly, not read to the end.
        QVERIFY(WriteFile(dir + QStringLiteral("/huge.mp3"), {}, 200LL * 1024 * 1024));
        QTest::addRow("200 MB of zeros") << dir + QStringLiteral("/huge.mp3");

        // Opening a pipe nobody writes to would block forever.
        const QString fifo = dir + QStringLiteral("/pipe.mp3");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QTest::addRow("named pipe") << fifo;
    }

    void unusableFile_doesNotOpen()
    {
        QFETCH(QString, path);
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<Mp3Source> source = Mp3Source::Open(path);
        if (source) // a decoder may accept a header, but must then yield nothing and end
            QVERIFY(DrainSource(*source).isEmpty());
        QVERIFY2(timer.elapsed() < 5000, "gave up too slowly");
    }

    void damagedFile_yieldsWhatDecodesAndEnds_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint64>("atLeastBytes");
        const QString good = ShippedSound("sounds/applause3.mp3");
        const QByteArray whole = test::ReadFile(good);
        QVERIFY(whole.size() > 60000);
        const QString dir = m_dir.path();

        QVERIFY(WriteFile(dir + QStringLiteral("/truncated.mp3"), whole.left(whole.size() * 2 / 5)));
        QTest::addRow("cut at 40 percent") << dir + QStringLiteral("/truncated.mp3") << qint64(200'000);

        QVERIFY(WriteFile(dir + QStringLiteral("/cut-mid-frame.mp3"), whole.left(20'011)));
        QTest::addRow("cut inside a frame") << dir + QStringLiteral("/cut-mid-frame.mp3") << qint64(100'000);

        QByteArray garbled = whole.left(16'000);
        for (int i = 0; i < 40'000; ++i)
            garbled.append(char((i * 7919) & 0xff));
        QVERIFY(WriteFile(dir + QStringLiteral("/garbled.mp3"), garbled));
        QTest::addRow("noise after the start") << dir + QStringLiteral("/garbled.mp3") << qint64(50'000);

        QVERIFY(WriteFile(dir + QStringLiteral("/long-tail.mp3"), whole.left(30'000), 200LL * 1024 * 1024));
        QTest::addRow("200 MB: sound, then zeros")
            << dir + QStringLiteral("/long-tail.mp3") << qint64(200'000);
    }

    void damagedFile_yieldsWhatDecodesAndEnds()
    {
        QFETCH(QString, path);
        QFETCH(qint64, atLeastBytes);
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<Mp3Source> source = Mp3Source::Open(path);
        QVERIFY(source);
        const QByteArray pcm = DrainSource(*source);
        QVERIFY2(pcm.size() >= atLeastBytes, qPrintable(QString::number(pcm.size())));
        QVERIFY(source->IsExhausted());
        QVERIFY2(timer.elapsed() < 10000, "decoding a damaged file took too long");
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestMp3Source)
#include "tst_mp3source.moc"
