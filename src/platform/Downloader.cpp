#include "platform/Downloader.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>
#include <QTimer>

namespace clavora {

namespace {

bool IsConnectionFailure(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::UnknownNetworkError:
        return true;
    default:
        return false;
    }
}

// One transfer: the reply, the file it goes into, and the first reason to give up.
class Transfer final
{
public:
    Transfer(QNetworkReply& reply, QSaveFile& file) : m_reply(reply), m_file(file) {}

    // Checks the answer's status and size as soon as its headers are in.
    void OnMetaData()
    {
        const QVariant status = m_reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299))
            Fail(QStringLiteral("The server answered %1 %2.")
                     .arg(status.toInt())
                     .arg(m_reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
        else if (m_reply.header(QNetworkRequest::ContentLengthHeader).toLongLong() > Downloader::MaxBytes)
            Fail(QStringLiteral("The file is larger than 50 MB."));
    }

    void OnReadyRead()
    {
        if (!m_error.isEmpty())
            return;
        const QByteArray data = m_reply.readAll();
        m_received += data.size();
        if (m_received > Downloader::MaxBytes)
            Fail(QStringLiteral("The file is larger than 50 MB."));
        else if (m_file.write(data) != data.size())
            Fail(QStringLiteral("The file could not be written: %1").arg(m_file.errorString()));
    }

    void Fail(const QString& error)
    {
        if (m_error.isEmpty())
            m_error = error;
        m_reply.abort();
    }

    const QString& Error() const { return m_error; }
    qint64 Received() const { return m_received; }

private:
    QNetworkReply& m_reply;
    QSaveFile& m_file;
    QString m_error;
    qint64 m_received = 0;
};

} // namespace

Downloader::Outcome Downloader::Fetch(const QUrl& url, const QString& targetPath,
                                      const Progress& progress) const
{
    Outcome outcome;
    QSaveFile file(targetPath);
    if (!file.open(QIODevice::WriteOnly)) {
        outcome.result = Result::Failed;
        outcome.error = QStringLiteral("The file could not be written: %1").arg(file.errorString());
        return outcome;
    }
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = manager.get(request);
    Transfer transfer(*reply, file);
    bool answered = false;
    QEventLoop loop;
    QTimer stall;
    stall.setSingleShot(true);
    QTimer poll;
    const auto askProgress = [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (progress && !progress(transfer.Received(), length.isValid() ? length.toLongLong() : -1)) {
            outcome.cancelled = true;
            transfer.Fail(QStringLiteral("The download was cancelled."));
        }
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        answered = true;
        transfer.OnMetaData();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        answered = true;
        stall.start(m_stallTimeoutMs);
        transfer.OnReadyRead();
        askProgress();
    });
    QObject::connect(&stall, &QTimer::timeout, &loop,
                     [&] { transfer.Fail(QStringLiteral("The server stopped sending.")); });
    QObject::connect(&poll, &QTimer::timeout, &loop, askProgress);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    stall.start(m_stallTimeoutMs);
    poll.start(ProgressPollMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    poll.stop();
    stall.stop();
    if (transfer.Error().isEmpty()) {
        transfer.OnReadyRead(); // whatever came with the last notice
        askProgress();          // the whole file, and a last chance to cancel before it is kept
        if (reply->error() != QNetworkReply::NoError)
            transfer.Fail(reply->errorString());
    }
    const QNetworkReply::NetworkError networkError = reply->error();
    reply->deleteLater();
    if (!transfer.Error().isEmpty()) {
        file.cancelWriting();
        outcome.error = transfer.Error();
        outcome.result = !answered && !outcome.cancelled && IsConnectionFailure(networkError)
                             ? Result::NoConnection
                             : Result::Failed;
        return outcome;
    }
    if (!file.commit()) {
        outcome.result = Result::Failed;
        outcome.error = QStringLiteral("The file could not be written: %1").arg(file.errorString());
        return outcome;
    }
    outcome.result = Result::Fetched;
    return outcome;
}

} // namespace clavora
