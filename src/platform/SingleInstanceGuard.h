#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace clavora {

// One running tutor per user and data folder. The first process listens on a local socket; a
// later one asks it to come to the front and then exits. Plain POSIX sockets: the guard runs on
// every start, and the socket classes of the network module would page in far more than it needs.
class SingleInstanceGuard final : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstanceGuard(const QString& dataFolder, QObject* parent = nullptr);
    ~SingleInstanceGuard() override;

    // True when this process is the first; false when another instance was told to activate.
    bool TryBecomePrimary();
    QString ServerName() const { return m_serverName; }
    QString SocketPath() const { return m_socketPath; }

signals:
    void ActivationRequested();

private:
    void OnNewConnection();
    void OnReadable(int connection, QSocketNotifier* reader);

    QString m_serverName;
    QString m_socketPath;
    int m_listener = -1;
    QList<int> m_connections;
};

} // namespace clavora
