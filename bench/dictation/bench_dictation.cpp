// From Start to the first sound block handed to the audio device, and the download of a 500 KB
// sample from a local HTTP server with progress reported.

#include "audio/DictationPlayer.h"
#include "content/ExerciseCatalogue.h"
#include "FakeDictationPanel.h"
#include "LocalHttpServer.h"
#include "MemoryAudioOut.h"
#include "platform/Downloader.h"
#include "platform/RegistryStore.h"
#include "QtBenchmarkMain.h"
#include "settings/SettingsStore.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <thread>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

const QString Sample = QStringLiteral(CLAVORA_SOURCE_DIR "/data/components/dictationsamples/800.mp3");

void BM_StartToFirstBlock(benchmark::State& state)
{
    QTemporaryDir dir;
    qputenv("XDG_CACHE_HOME", dir.filePath(u"cache"_s).toUtf8());
    QDir().mkpath(DictationPlayer::BuiltInFolder());
    QFile::copy(Sample, DictationPlayer::BuiltInFolder() + u"/800.mp3"_s);
    RegistryStore registry;
    registry.Open(dir.filePath(u"registry.sqlite"_s));
    SettingsStore settings(registry);
    ExerciseCatalogue catalogue(dir.path());
    test::FakeDictationPanel panel;
    panel.choose_ = u"800"_s;
    panel.tickDontAsk_ = true;
    auto output = std::make_shared<test::MemoryAudioOut::State>();
    output->holding = true;
    DictationPlayer player(catalogue, settings);
    player.SetView(&panel);
    player.SetOutputFactory([output] { return std::make_unique<test::MemoryAudioOut>(output); });
    if (!player.Select())
        state.SkipWithError("the dictation could not be selected");
    for (auto _ : state) {
        player.Start();
        // The sink does not signal writes: look until the first block has arrived.
        for (bool written = false; !written; std::this_thread::yield()) {
            std::lock_guard lock(output->lock);
            written = !output->written.isEmpty();
        }
        state.PauseTiming();
        player.Stop();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstBlock)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Download500KB(benchmark::State& state)
{
    QByteArray body(500 * 1024, 'x');
    test::LocalHttpServer server;
    server.SetAnswer(u"/800.mp3"_s, {200, body});
    QTemporaryDir dir;
    Downloader downloader;
    int updates = 0;
    for (auto _ : state) {
        QFile::remove(dir.filePath(u"800.mp3"_s));
        const auto outcome =
            downloader.Fetch(QUrl(server.BaseUrl() + u"/800.mp3"_s), dir.filePath(u"800.mp3"_s),
                             [&updates](qint64, qint64) { return ++updates > 0; });
        if (outcome.result != Downloader::Result::Fetched)
            state.SkipWithError("the download failed");
    }
    state.counters["progress_updates"] = benchmark::Counter(updates, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Download500KB)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

CLAVORA_QT_BENCHMARK_MAIN()
