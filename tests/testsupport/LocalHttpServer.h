#pragma once

#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace clavora::test {

// A tiny HTTP/1.0 server on 127.0.0.1 for tests: each path answers with a status and a body, or
// goes silent after part of it (the connection stays open). Unknown paths answer 404.
class LocalHttpServer final : public QObject
{
public:
    struct Answer
    {
        int status = 200;
        QByteArray body;
        qint64 stallAfter = -1;     // bytes of the body sent before going silent; -1 sends all
        qint64 declaredLength = -1; // Content-Length when it should differ from the body
    };

    LocalHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { OnRequest(socket); });
            }
        });
    }

    void SetAnswer(const QString& path, const Answer& answer) { m_answers.insert(path, answer); }
    QString BaseUrl() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    int Requests() const { return m_requests; }

    // A port on which nothing listens: a connection to it is refused.
    static quint16 ClosedPort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        return probe.serverPort();
    }

private:
    void OnRequest(QTcpSocket* socket)
    {
        QByteArray& request = m_request[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        ++m_requests;
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        const Answer answer = m_answers.value(path, Answer{404, "<html>Not Found</html>"});
        const qint64 length = answer.declaredLength >= 0 ? answer.declaredLength : answer.body.size();
        socket->write("HTTP/1.0 " + QByteArray::number(answer.status) +
                      " Status\r\nContent-Length: " + QByteArray::number(length) + "\r\n\r\n");
        if (answer.stallAfter >= 0) {
            socket->write(answer.body.left(answer.stallAfter));
            return;
        }
        socket->write(answer.body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QString, Answer> m_answers;
    QHash<QTcpSocket*, QByteArray> m_request;
    int m_requests = 0;
};

} // namespace clavora::test
