// Creates and resets users in a loop until it is killed; the crash-safety test kills it at
// random moments and checks that every user is either whole or absent.
#include "settings/SettingsStore.h"
#include "platform/RegistryStore.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace clavora;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    RegistryStore registry;
    if (registry.Open(QString::fromLocal8Bit(argv[1])) != RegistryStore::OpenResult::Opened)
        return 3;
    SettingsStore settings(registry);
    QTextStream(stdout) << "ready" << Qt::endl;
    for (int i = 0;; ++i) {
        const QString name = QStringLiteral("User%1").arg(i % 50);
        if (!settings.UserExists(name))
            settings.CreateUser(name, 1 + i % 7);
        settings.SelectUser(name);
        settings.WriteUserInt(QStringLiteral("LessonsCompleted"), i);
        settings.ResetUser();
    }
}
