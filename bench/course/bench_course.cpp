// Opening the lesson selection with a long history: the whole list as the dialog gets it (the
// catalogue's lessons, the user's figures per lesson, the texts beside the list). The section
// check has its own benchmark beside the results store.
#include "app/LessonSelection.h"
#include "settings/SettingsStore.h"
#include "content/ExerciseCatalogue.h"
#include "platform/RegistryStore.h"
#include "progress/ResultsStore.h"

#include <benchmark/benchmark.h>
#include <QTemporaryDir>

using namespace clavora;

namespace {

constexpr int StoredLessonRecords = 10000;
constexpr int LessonCount = 28;
constexpr int LessonKind = 2;

// One user with 10,000 lesson records over the 28 lessons, and the built-in lesson catalogue.
class Course final
{
public:
    Course() : m_catalogue(m_dir.path())
    {
        m_catalogue.LoadLessons();
        m_registry.Open(m_dir.filePath(QStringLiteral("registry.sqlite")));
        m_settings.CreateUser(QStringLiteral("Bench"), 5);
        RegistryStore::Transaction transaction(m_registry);
        for (int i = 0; i < StoredLessonRecords; ++i) {
            ResultFigures figures;
            figures.durationMs = 60000;
            figures.characters = 150 + quint32(i % 200);
            figures.errors = quint32(i % 7);
            figures.exerciseKey = 1001 + quint32(i % LessonCount);
            figures.grossWpm = figures.characters * 0.2;
            figures.netWpm = figures.grossWpm - figures.errors;
            figures.kph = figures.grossWpm * 300.0;
            figures.accuracyPercent = (figures.characters - figures.errors) * 100.0 / figures.characters;
            m_results.SaveExerciseResult(figures, LessonKind, 1700000000 + i);
        }
        transaction.Commit();
    }

    const ExerciseCatalogue& Catalogue() const { return m_catalogue; }
    const ResultsStore& Results() const { return m_results; }

private:
    QTemporaryDir m_dir;
    ExerciseCatalogue m_catalogue;
    RegistryStore m_registry;
    SettingsStore m_settings{m_registry};
    ResultsStore m_results{m_settings};
};

Course& SharedCourse()
{
    static Course course;
    return course;
}

void BM_OpenLessonSelection(benchmark::State& state)
{
    const Course& course = SharedCourse();
    for (auto _ : state) {
        const LessonSelectionList list = LessonSelection::Build(course.Catalogue(), course.Results(), 9);
        if (list.rows.size() != LessonCount)
            state.SkipWithError("lesson catalogue not loaded");
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_OpenLessonSelection)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
