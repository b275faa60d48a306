#include "platform/SingleInstanceGuard.h"

#include <cerrno>
#include <cstring>
#include <QByteArrayView>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace clavora {

namespace {

const char ActivateMessage[] = "activate\n";

// False when the path does not fit a socket address.
bool AddressOf(const QString& path, sockaddr_un& address)
{
    const QByteArray encoded = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (encoded.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    return true;
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& dataFolder, QObject* parent) : QObject(parent)
{
    const QByteArray hash =
        QCryptographicHash::hash(dataFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_serverName = QStringLiteral("OxleySoftware_InstanceWindow-") + QString::fromLatin1(hash);
    // The user's own runtime folder where there is one: a shared temporary folder would let another
    // user put a socket under this name first.
    const QString runtime = QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
    const bool ownRuntime = !runtime.isEmpty() && QFileInfo(runtime).isDir();
    m_socketPath = (ownRuntime ? runtime : QDir::tempPath()) + u'/' + m_serverName;
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    for (const int connection : std::as_const(m_connections))
        ::close(connection);
    if (m_listener >= 0) {
        ::close(m_listener);
        ::unlink(QFile::encodeName(m_socketPath).constData());
    }
}

bool SingleInstanceGuard::TryBecomePrimary()
{
    sockaddr_un address;
    if (!AddressOf(m_socketPath, address))
        return true; // no guard is better than no tutor
    const auto* generic = reinterpret_cast<const sockaddr*>(&address);
    const int client = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (client >= 0) {
        // Only a tutor of this same user may send this one away.
        ucred peer{};
        socklen_t peerSize = sizeof(peer);
        const bool answered = ::connect(client, generic, sizeof(address)) == 0 &&
                              ::getsockopt(client, SOL_SOCKET, SO_PEERCRED, &peer, &peerSize) == 0 &&
                              peer.uid == ::getuid();
        if (answered)
            ::send(client, ActivateMessage, sizeof(ActivateMessage) - 1, MSG_NOSIGNAL);
        ::close(client);
        if (answered)
            return false;
    }
    // Nobody answered: a socket left behind by a crashed instance must not block this one.
    ::unlink(address.sun_path);
    m_listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_listener < 0)
        return true;
    // Only this user may ask the tutor to come to the front.
    const mode_t previousMask = ::umask(S_IRWXG | S_IRWXO);
    const bool bound = ::bind(m_listener, generic, sizeof(address)) == 0;
    ::umask(previousMask);
    if (!bound || ::listen(m_listener, SOMAXCONN) != 0) {
        ::close(m_listener);
        m_listener = -1;
        return true;
    }
    auto* notifier = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SingleInstanceGuard::OnNewConnection);
    return true;
}

void SingleInstanceGuard::OnNewConnection()
{
    for (;;) {
        const int connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0)
            return;
        m_connections.append(connection);
        auto* reader = new QSocketNotifier(connection, QSocketNotifier::Read, this);
        connect(reader, &QSocketNotifier::activated, this,
                [this, connection, reader] { OnReadable(connection, reader); });
    }
}

void SingleInstanceGuard::OnReadable(int connection, QSocketNotifier* reader)
{
    char buffer[64];
    const ssize_t count = ::recv(connection, buffer, sizeof(buffer), 0);
    if (count > 0 && QByteArrayView(buffer, count).contains("activate"))
        emit ActivationRequested();
    if (count > 0 || (count < 0 && (errno == EAGAIN || errno == EINTR)))
        return;
    // The other instance has hung up (or the connection failed): done with it.
    reader->setEnabled(false);
    reader->deleteLater();
    m_connections.removeOne(connection);
    ::close(connection);
}

} // namespace clavora
