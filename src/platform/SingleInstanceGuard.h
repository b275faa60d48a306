#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace clavora {

// One running tutor per user and data folder. The first process listens on a local socket; a
// later one asks it to come to the front and then exits.
class SingleInstanceGuard final : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstanceGuard(const QString& dataFolder, QObject* parent = nullptr);
    ~SingleInstanceGuard() override;

    // True when this process is the first; false when another instance was told to activate.
    bool TryBecomePrimary();
    QString ServerName() const { return m_serverName; }

signals:
    void ActivationRequested();

private:
    void OnNewConnection();

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};

} // namespace clavora
