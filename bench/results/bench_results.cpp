// Opening the lesson selection and checking the course sections with a long history of lessons.
#include "platform/RegistryStore.h"
#include "progress/LessonProgress.h"
#include "progress/ResultsStore.h"
#include "settings/SettingsStore.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <QTemporaryDir>

using namespace clavora;

namespace {

constexpr int StoredLessonRecords = 10000;
constexpr int LessonCount = 28;
constexpr int LessonKind = 2;
constexpr quint32 FirstKeypadLessonKey = 1025;
constexpr int FirstKeypadLessonEntry = 25;

// One user with 10,000 lesson records spread over the 28 lessons, every tenth a skip. With an
// open last section its lessons are only ever skipped, so no reading can stop early.
class History final
{
public:
    explicit History(bool lastSectionOpen)
    {
        m_registry.Open(m_dir.filePath(QStringLiteral("registry.sqlite")));
        m_settings.CreateUser(QStringLiteral("Bench"), 5);
        RegistryStore::Transaction transaction(m_registry);
        for (int i = 0; i < StoredLessonRecords; ++i) {
            const quint32 key = 1001 + quint32(i % LessonCount);
            if (i % 10 == 9 || (lastSectionOpen && key >= FirstKeypadLessonKey)) {
                m_results.SaveSkipped(QString::number(key), LessonKind);
                continue;
            }
            ResultFigures figures;
            figures.durationMs = 60000;
            figures.characters = 150 + quint32(i % 200);
            figures.errors = quint32(i % 7);
            figures.exerciseKey = key;
            figures.grossWpm = figures.characters * 0.2;
            figures.netWpm = figures.grossWpm - figures.errors;
            figures.kph = figures.grossWpm * 300.0;
            figures.accuracyPercent = (figures.characters - figures.errors) * 100.0 / figures.characters;
            m_results.SaveExerciseResult(figures, LessonKind, 1700000000 + i);
        }
        transaction.Commit();
        for (int i = 0; i < LessonCount; ++i)
            m_lessons.append({QString::number(1001 + i), i + 2, QStringLiteral("Lesson %1").arg(i + 1)});
    }

    ResultsStore& Results() { return m_results; }
    const QList<LessonListEntry>& Lessons() const { return m_lessons; }

private:
    QTemporaryDir m_dir;
    RegistryStore m_registry;
    SettingsStore m_settings{m_registry};
    ResultsStore m_results{m_settings};
    QList<LessonListEntry> m_lessons;
};

History& SharedHistory(bool lastSectionOpen = false)
{
    static History history(false);
    static History open(true);
    return lastSectionOpen ? open : history;
}

void BM_FillLessonProgress(benchmark::State& state)
{
    History& history = SharedHistory();
    for (auto _ : state) {
        const auto rows = FillLessonProgress(history.Lessons(), history.Results());
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_FillLessonProgress)->Unit(benchmark::kMillisecond);

void BM_FirstIncompleteSection(benchmark::State& state)
{
    History& history = SharedHistory();
    for (auto _ : state)
        benchmark::DoNotOptimize(FirstIncompleteSection(history.Results()));
}
BENCHMARK(BM_FirstIncompleteSection)->Unit(benchmark::kMillisecond);

void BM_FirstIncompleteSection_LastSectionOpen(benchmark::State& state)
{
    History& history = SharedHistory(true);
    for (auto _ : state) {
        if (FirstIncompleteSection(history.Results()) != FirstKeypadLessonEntry)
            state.SkipWithError("the last section should be open");
    }
}
BENCHMARK(BM_FirstIncompleteSection_LastSectionOpen)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
