#include "platform/SingleInstanceGuard.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace clavora;

class SingleInstanceGuardTest : public QObject
{
    Q_OBJECT

private:
    // A data folder of its own gives this run a socket of its own.
    QTemporaryDir m_data;

private slots:
    void laterInstanceActivatesTheFirst()
    {
        SingleInstanceGuard first(m_data.path());
        QVERIFY(first.TryBecomePrimary());
        QSignalSpy activated(&first, &SingleInstanceGuard::ActivationRequested);
        SingleInstanceGuard second(m_data.path());
        QVERIFY(!second.TryBecomePrimary());
        QVERIFY(activated.wait(2000));
        QCOMPARE(activated.size(), 1);

        QTemporaryDir otherData;
        SingleInstanceGuard other(otherData.path());
        QVERIFY(other.TryBecomePrimary());
    }

    void socketLeftByAKilledInstanceDoesNotBlock()
    {
        SingleInstanceGuard guard(m_data.path());
        const QByteArray path = QFile::encodeName(guard.SocketPath());
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, path.constData(), sizeof(address.sun_path));
        const int orphan = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(::bind(orphan, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
        ::close(orphan);
        QVERIFY(QFile::exists(guard.SocketPath()));

        QVERIFY(guard.TryBecomePrimary());
        SingleInstanceGuard later(m_data.path());
        QVERIFY(!later.TryBecomePrimary());
    }
};

QTEST_GUILESS_MAIN(SingleInstanceGuardTest)
#include "tst_singleinstance.moc"
