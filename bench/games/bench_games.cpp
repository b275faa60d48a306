// Speed of the falling-words game: one frame (update and drawing into a 1920 x 1080 picture) with
// 30 words on screen, loading the shipped word lists, and the pacing of the 16 ms frame timer.
#include "QtBenchmarkMain.h"
#include "ui/games/HostedFlurrix.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

using namespace clavora;

namespace {

const QString ShippedLists = QStringLiteral(CLAVORA_SOURCE_DIR "/data/flurrix");

void BM_FlurrixFrame1080p(benchmark::State& state)
{
    constexpr int Width = 1920;
    constexpr int Height = 1080;
    constexpr size_t WordsOnScreen = 30;
    test::HostedFlurrix game(ShippedLists, Width, Height);
    FlurrixField& field = game.Field();
    field.SetLevel(20);
    const QStringList& words = field.WordLists().ListOfLength(6);
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    int next = 0;
    for (auto _ : state) {
        while (field.FallingWords().size() < WordsOnScreen) {
            FallingWord* word = field.InsertWord(words.at(next % words.size()), next % 5, 382 + next % 2);
            word->SetPosition((next * 263) % (Width - 200), (next * 97) % (Height - 200));
            ++next;
        }
        field.SetHealth(100);
        game.Frame();
        game.Render(image);
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_FlurrixFrame1080p)->Unit(benchmark::kMillisecond);

void BM_LoadShippedWordLists(benchmark::State& state)
{
    for (auto _ : state) {
        FlurrixWordLists lists;
        lists.Load(ShippedLists);
        benchmark::DoNotOptimize(lists.ListOfLength(9).size());
    }
}
BENCHMARK(BM_LoadShippedWordLists)->Unit(benchmark::kMillisecond);

// Two seconds of the precise 16 ms timer the host runs on: the mean period and the largest
// deviation from 16 ms, and how far the last tick is from where 16 ms steps would put it.
void BM_FrameTimerPacing(benchmark::State& state)
{
    for (auto _ : state) {
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(GameHost::FrameMs);
        QElapsedTimer elapsed;
        QList<qint64> ticks;
        QEventLoop loop;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            ticks.append(elapsed.nsecsElapsed());
            if (ticks.size() == 125)
                loop.quit();
        });
        elapsed.start();
        timer.start();
        loop.exec();
        double worst = 0;
        for (qsizetype i = 1; i < ticks.size(); ++i)
            worst = std::max(worst, std::abs((ticks[i] - ticks[i - 1]) / 1e6 - GameHost::FrameMs));
        const double span = (ticks.back() - ticks.front()) / 1e6;
        state.counters["mean_period_ms"] = span / double(ticks.size() - 1);
        state.counters["worst_deviation_ms"] = worst;
        state.counters["drift_ms"] = span - GameHost::FrameMs * double(ticks.size() - 1);
    }
}
BENCHMARK(BM_FrameTimerPacing)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

CLAVORA_WIDGETS_BENCHMARK_MAIN()
