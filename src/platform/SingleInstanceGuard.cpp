#include "platform/SingleInstanceGuard.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace clavora {

namespace {

constexpr int ConnectTimeoutMs = 500;
const char ActivateMessage[] = "activate\n";

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& dataFolder, QObject* parent) : QObject(parent)
{
    const QByteArray hash =
        QCryptographicHash::hash(dataFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_serverName = QStringLiteral("OxleySoftware_InstanceWindow-") + QString::fromLatin1(hash);
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

bool SingleInstanceGuard::TryBecomePrimary()
{
    {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(ConnectTimeoutMs)) {
            socket.write(ActivateMessage);
            socket.waitForBytesWritten(ConnectTimeoutMs);
            socket.disconnectFromServer();
            return false;
        }
    }
    // Nobody answered: a socket left behind by a crashed instance must not block this one.
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstanceGuard::OnNewConnection);
    m_server->listen(m_serverName);
    return true;
}

void SingleInstanceGuard::OnNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains("activate"))
                emit ActivationRequested();
        });
    }
}

} // namespace clavora
