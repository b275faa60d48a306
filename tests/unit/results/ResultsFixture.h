#pragma once

#include "settings/SettingsStore.h"
#include "platform/RegistryStore.h"
#include "progress/ResultsStore.h"
#include "testsupport/TestDataFolder.h"

#include <memory>
#include <QTest>

namespace clavora::test {

// A fresh registry in a temporary folder with one current user, "Alice", and her results store.
class ResultsFixture final
{
public:
    ResultsFixture()
    {
        QCOMPARE_NE(registry.Open(data.Path() + QStringLiteral("/registry.sqlite")),
                    RegistryStore::OpenResult::Failed);
        QVERIFY(settings.CreateUser(QStringLiteral("Alice"), 5));
    }

    QString Folder(int exerciseKind) const { return settings.KindResultsKey(exerciseKind); }
    QString Record(int exerciseKind, int index) const
    {
        return Folder(exerciseKind) + u'\\' + QString::number(index);
    }
    QString Value(int exerciseKind, int index, const QString& name) const
    {
        return settings.ReadText(Record(exerciseKind, index), name);
    }

    TestDataFolder data;
    RegistryStore registry;
    SettingsStore settings{registry};
    ResultsStore results{settings};
};

} // namespace clavora::test
