// The download service against a local HTTP server: only a complete transfer ever appears under
// the target name, and each way of failing gives its result.
#include "LocalHttpServer.h"
#include "platform/Downloader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace clavora;
using test::LocalHttpServer;

Q_DECLARE_METATYPE(Downloader::Result)

namespace {

QByteArray Body(qint64 size)
{
    QByteArray body(size, '\0');
    for (qint64 i = 0; i < size; ++i)
        body[i] = char(i * 7 % 251);
    return body;
}

} // namespace

class DownloaderTest final : public QObject
{
    Q_OBJECT

private slots:
    void fetch_leavesOnlyACompleteFile_data();
    void fetch_leavesOnlyACompleteFile();
    void fetch_fileUrl_copiesTheFileOrFails();
    void fetch_reportsProgressAndTotal();
};

void DownloaderTest::fetch_leavesOnlyACompleteFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("refusedPort");
    QTest::addColumn<int>("cancelAfterCalls");
    QTest::addColumn<Downloader::Result>("result");
    QTest::addColumn<bool>("cancelled");

    QTest::addRow("good file") << "/good" << false << -1 << Downloader::Result::Fetched << false;
    QTest::addRow("404 page") << "/missing" << false << -1 << Downloader::Result::Failed << false;
    QTest::addRow("server error") << "/error" << false << -1 << Downloader::Result::Failed << false;
    QTest::addRow("declared over 50 MB") << "/huge" << false << -1 << Downloader::Result::Failed << false;
    QTest::addRow("stalls midway") << "/stall" << false << -1 << Downloader::Result::Failed << false;
    QTest::addRow("cancelled midway") << "/slow" << false << 3 << Downloader::Result::Failed << true;
    QTest::addRow("connection refused") << "/good" << true << -1 << Downloader::Result::NoConnection << false;
}

void DownloaderTest::fetch_leavesOnlyACompleteFile()
{
    QFETCH(QString, path);
    QFETCH(bool, refusedPort);
    QFETCH(int, cancelAfterCalls);
    QFETCH(Downloader::Result, result);
    QFETCH(bool, cancelled);

    const QByteArray body = Body(300 * 1024);
    LocalHttpServer server;
    server.SetAnswer(QStringLiteral("/good"), {200, body});
    server.SetAnswer(QStringLiteral("/error"), {500, QByteArrayLiteral("oops")});
    server.SetAnswer(QStringLiteral("/huge"), {200, body, -1, -1, Downloader::MaxBytes + 1});
    server.SetAnswer(QStringLiteral("/stall"), {200, body, 1000});
    server.SetAnswer(QStringLiteral("/slow"), {200, body, -1, 4096});
    const QString base = refusedPort
                             ? QStringLiteral("http://127.0.0.1:%1").arg(LocalHttpServer::ClosedPort())
                             : server.BaseUrl();

    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("800.mp3"));
    Downloader downloader;
    downloader.SetStallTimeoutMs(300);
    int calls = 0;
    const Downloader::Outcome outcome = downloader.Fetch(QUrl(base + path), target, [&](qint64, qint64) {
        return cancelAfterCalls < 0 || ++calls < cancelAfterCalls;
    });

    QCOMPARE(outcome.result, result);
    QCOMPARE(outcome.cancelled, cancelled);
    QCOMPARE(outcome.error.isEmpty(), result == Downloader::Result::Fetched);
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    if (result == Downloader::Result::Fetched) {
        QCOMPARE(left, QStringList{QStringLiteral("800.mp3")});
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll() == body);
    } else {
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u',')));
    }
}

void DownloaderTest::fetch_fileUrl_copiesTheFileOrFails()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.mp3"));
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Body(5000));
    file.close();
    Downloader downloader;
    const QString target = dir.filePath(QStringLiteral("copy.mp3"));
    QCOMPARE(downloader.Fetch(QUrl::fromLocalFile(source), target, {}).result, Downloader::Result::Fetched);
    QCOMPARE(QFileInfo(target).size(), 5000);
    const QString other = dir.filePath(QStringLiteral("other.mp3"));
    QCOMPARE(
        downloader.Fetch(QUrl::fromLocalFile(dir.filePath(QStringLiteral("absent.mp3"))), other, {}).result,
        Downloader::Result::Failed);
    QVERIFY(!QFileInfo::exists(other));
    // A folder that cannot be written to fails before anything is fetched.
    QCOMPARE(downloader.Fetch(QUrl::fromLocalFile(source), dir.filePath(QStringLiteral("no/such/x.mp3")), {})
                 .result,
             Downloader::Result::Failed);
}

void DownloaderTest::fetch_reportsProgressAndTotal()
{
    const QByteArray body = Body(64 * 1024);
    LocalHttpServer server;
    server.SetAnswer(QStringLiteral("/slow"), {200, body, -1, 8192});
    QTemporaryDir dir;
    qint64 lastReceived = -1;
    qint64 lastTotal = 0;
    bool growing = true;
    Downloader downloader;
    const auto outcome =
        downloader.Fetch(QUrl(server.BaseUrl() + QStringLiteral("/slow")),
                         dir.filePath(QStringLiteral("x.mp3")), [&](qint64 received, qint64 total) {
                             growing = growing && received >= lastReceived;
                             lastReceived = received;
                             lastTotal = total;
                             return true;
                         });
    QCOMPARE(outcome.result, Downloader::Result::Fetched);
    QVERIFY(growing);
    QCOMPARE(lastTotal, body.size());
    QCOMPARE(lastReceived, body.size());
}

QTEST_GUILESS_MAIN(DownloaderTest)
#include "tst_downloader.moc"
