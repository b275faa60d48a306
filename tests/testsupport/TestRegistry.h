#pragma once

#include "platform/RegistryStore.h"
#include "settings/SettingsStore.h"
#include "TestDataFolder.h"

#include <QTest>

namespace clavora::test {

// A fresh registry in a temporary data folder and the settings over it; with a user name, that
// user is created (type 5) and current. Tests that want a fresh one per test function keep it
// in a std::optional and emplace it in init().
class TestRegistry final
{
public:
    explicit TestRegistry(const QString& user = {})
    {
        QCOMPARE(registry.Open(data.Path() + QStringLiteral("/registry.sqlite")),
                 RegistryStore::OpenResult::Opened);
        if (!user.isEmpty())
            QVERIFY(settings.CreateUser(user, 5));
    }

    QString Path() const { return data.Path(); }
    QString FilePath(const QString& name) const { return data.Path() + u'/' + name; }

    TestDataFolder data;
    RegistryStore registry;
    SettingsStore settings{registry};
};

} // namespace clavora::test
