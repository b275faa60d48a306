#pragma once

#include "progress/ResultsStore.h"
#include "testsupport/TestRegistry.h"

namespace clavora::test {

// A fresh registry in a temporary folder with one current user, "Alice", and her results store.
class ResultsFixture final
{
public:
    QString Folder(int exerciseKind) const { return settings.KindResultsKey(exerciseKind); }
    QString Record(int exerciseKind, int index) const
    {
        return Folder(exerciseKind) + u'\\' + QString::number(index);
    }
    QString Value(int exerciseKind, int index, const QString& name) const
    {
        return settings.ReadText(Record(exerciseKind, index), name);
    }

    TestRegistry base{QStringLiteral("Alice")};
    RegistryStore& registry = base.registry;
    SettingsStore& settings = base.settings;
    ResultsStore results{settings};
};

} // namespace clavora::test
