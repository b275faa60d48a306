// Settings store speed: one profile value read, one value written, on a store with a realistic
// number of users and results.
#include "settings/SettingsStore.h"
#include "settings/UserProfile.h"
#include "platform/RegistryStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace clavora;

namespace {

struct Fixture
{
    QTemporaryDir dir;
    RegistryStore registry;
    std::unique_ptr<SettingsStore> settings;

    Fixture()
    {
        registry.Open(dir.filePath(QStringLiteral("registry.sqlite")));
        settings = std::make_unique<SettingsStore>(registry);
        RegistryStore::Transaction transaction(registry);
        for (int user = 0; user < 10; ++user) {
            settings->CreateUser(QStringLiteral("User%1").arg(user), 5);
            for (int record = 1; record <= 200; ++record)
                settings->WriteInt(settings->KindResultsKey(2) + u'\\' + QString::number(record),
                                   QStringLiteral("NetWPM"), record);
        }
        transaction.Commit();
        settings->SelectUser(QStringLiteral("User3"));
    }
};

Fixture& Shared()
{
    static Fixture fixture;
    return fixture;
}

void BM_ReadProfileValue(benchmark::State& state)
{
    UserProfile profile(*Shared().settings);
    for (auto _ : state)
        benchmark::DoNotOptimize(profile.FontSize());
}
BENCHMARK(BM_ReadProfileValue)->Unit(benchmark::kMicrosecond);

void BM_ReadRawValue(benchmark::State& state)
{
    RegistryStore& registry = Shared().registry;
    const QString key = QStringLiteral("Users\\User3");
    const QString name = QStringLiteral("CorrectionsForced");
    for (auto _ : state)
        benchmark::DoNotOptimize(registry.ReadValue(key, name));
}
BENCHMARK(BM_ReadRawValue)->Unit(benchmark::kMicrosecond);

void BM_WriteSingleValue(benchmark::State& state)
{
    UserProfile profile(*Shared().settings);
    int value = 0;
    for (auto _ : state)
        profile.Set(Profile::GoalWPM, ++value % 120);
}
BENCHMARK(BM_WriteSingleValue)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
