// Opening the results view (page read from the store, summary and chart drawn) with 10,000
// lesson records and 1,000 records per game, and one paint of the chart at 1920x1080.
#include "app/MainController.h"
#include "app/ProgressController.h"
#include "platform/Clock.h"
#include "platform/RegistryStore.h"
#include "progress/ResultsStore.h"
#include "progress/widgets/ProgressChart.h"
#include "progress/widgets/ResultsView.h"
#include "QtBenchmarkMain.h"
#include "settings/SettingsStore.h"
#include "testsupport/ProgressHistorySeed.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace clavora;

namespace {

// One user with the long history, and the main window's logic showing the results view.
class LongHistory final
{
public:
    LongHistory()
    {
        m_registry.Open(m_dir.filePath(QStringLiteral("registry.sqlite")));
        m_settings.WriteText(QStringLiteral("Settings"), QStringLiteral("FirstRun"), QStringLiteral("0"));
        m_settings.CreateUser(QStringLiteral("Bench"), 5);
        test::ProgressHistorySize size;
        size.lessons = 10000;
        size.tests = 0;
        size.gamesEach = 1000;
        size.days = 700;
        test::SeedProgressHistory(m_settings, size);
        m_controller.ShowResultsView();
        m_view.resize(1920, 1080);
        m_controller.Progress().AttachView(&m_view);
    }

    MainController& Controller() { return m_controller; }
    ResultsView& View() { return m_view; }

private:
    QTemporaryDir m_dir;
    RegistryStore m_registry;
    SettingsStore m_settings{m_registry};
    SystemClock m_clock;
    MainController m_controller{m_settings, m_clock, m_dir.path()};
    ResultsView m_view{m_controller.Progress()};
};

LongHistory& History()
{
    static LongHistory history;
    return history;
}

void BM_OpenResultsView(benchmark::State& state)
{
    LongHistory& history = History();
    QImage frame(history.View().size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        history.Controller().Progress().RefreshResultsView();
        history.View().render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
    // A look at what was measured: CLAVORA_BENCH_PICTURE=results.png
    if (const QString picture = qEnvironmentVariable("CLAVORA_BENCH_PICTURE"); !picture.isEmpty())
        frame.save(picture);
}
BENCHMARK(BM_OpenResultsView)->Unit(benchmark::kMillisecond);

// The part of opening that reads the five histories from the store.
void BM_LoadChartSeries(benchmark::State& state)
{
    LongHistory& history = History();
    const ResultsStore store(history.Controller().Settings());
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadChartSeries(store));
}
BENCHMARK(BM_LoadChartSeries)->Unit(benchmark::kMillisecond);

void PaintChart(benchmark::State& state, bool newLayout)
{
    LongHistory& history = History();
    history.Controller().Progress().RefreshResultsView();
    ProgressChart chart;
    chart.resize(1920, 1080);
    chart.SetSeries(history.View().Chart()->Series());
    QImage frame(chart.size(), QImage::Format_ARGB32_Premultiplied);
    chart.render(&frame);
    for (auto _ : state) {
        if (newLayout)
            chart.SetSeriesShown(1, !chart.IsSeriesShown(1));
        chart.render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
}

void BM_ChartPaint(benchmark::State& state)
{
    PaintChart(state, false);
}
BENCHMARK(BM_ChartPaint)->Unit(benchmark::kMillisecond);

// A paint right after the choice of series changed, so the points are placed anew.
void BM_ChartPaintNewLayout(benchmark::State& state)
{
    PaintChart(state, true);
}
BENCHMARK(BM_ChartPaintNewLayout)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    return clavora::RunQtBenchmarks<QApplication>(argc, argv);
}
