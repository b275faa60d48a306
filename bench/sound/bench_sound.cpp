// How long an event sound holds up the user-interface thread, and what playing costs the CPU.

#include "audio/SoundEvents.h"
#include "MemoryAudioOut.h"
#include "platform/RegistryStore.h"
#include "QtBenchmarkMain.h"
#include "services/AlsaAudioOut.h"
#include "services/SoundPlayer.h"
#include "settings/SettingsStore.h"
#include "settings/UserProfile.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>
#include <sys/resource.h>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

const QString ShippedData = QStringLiteral(CLAVORA_SOURCE_DIR "/data");

// A settings store with the default event table, error sounds on and the shipped sounds.
struct EventFixture
{
    EventFixture()
    {
        registry.Open(dir.filePath(u"registry.sqlite"_s));
        settings.CreateUser(u"Bench"_s, 5);
        settings.SelectUser(u"Bench"_s);
        GlobalSettings(settings).Set(Profile::InstallerPath, ShippedData);
        UserProfile(settings).Set(Profile::PlayErrorSounds, true);
        SoundEvents::InstallDefaultAssignments(settings);
    }
    QTemporaryDir dir;
    RegistryStore registry;
    SettingsStore settings{registry};
};

double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

enum class Output
{
    Memory,
    AlsaNull,
    AlsaDefault
};

// PlayEventSound on the user-interface thread: lookup, open, start; decoding is the feeder's.
// On a machine without sound the default device fails each time; that must stay cheap too.
void BM_PlayEventSound(benchmark::State& state, Output output)
{
    EventFixture fixture;
    SoundEvents::OutputFactory makeOutput;
    if (output == Output::AlsaNull) {
        fixture.settings.WriteText(SoundEvents::PlayerKey, SoundEvents::SoundOutDeviceValue,
                                   u"[ALSA] null"_s);
    } else if (output == Output::Memory) {
        auto shared = std::make_shared<test::MemoryAudioOut::State>();
        shared->realTime = true;
        makeOutput = [shared] { return std::make_unique<test::MemoryAudioOut>(shared); };
    }
    SoundEvents events(fixture.settings, makeOutput);
    if (!events.PlayEventSound(SoundEvents::ErrorAward) && output != Output::AlsaDefault) {
        state.SkipWithError("the event sound could not be played");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(events.PlayEventSound(SoundEvents::ErrorAward));
        state.PauseTiming();
        QCoreApplication::processEvents();
        QThread::usleep(300); // a fast typist's next error
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_PlayEventSound, memory_output, Output::Memory)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PlayEventSound, alsa_null_device, Output::AlsaNull)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PlayEventSound, alsa_default_device, Output::AlsaDefault)->Unit(benchmark::kMicrosecond);

// The whole process's CPU while a 6 s, 128 kbit/s stereo MP3 plays to an output that drains in
// real time; reported as percent of one core.
void BM_PlayingCpuLoad(benchmark::State& state)
{
    const QString path = ShippedData + u"/sounds/applause3.mp3"_s;
    for (auto _ : state) {
        auto shared = std::make_shared<test::MemoryAudioOut::State>();
        shared->realTime = true;
        SoundPlayer player(nullptr, std::make_unique<test::MemoryAudioOut>(shared));
        const double cpuBefore = ProcessCpuSeconds();
        const auto wallBefore = std::chrono::steady_clock::now();
        if (!player.Play(SoundPlayer::Open(path))) {
            state.SkipWithError("cannot play the applause");
            return;
        }
        while (player.IsPlaying())
            QThread::msleep(50);
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
        state.counters["cpu_percent"] = 100.0 * (ProcessCpuSeconds() - cpuBefore) / wall;
        state.counters["seconds_played"] = wall;
    }
}
BENCHMARK(BM_PlayingCpuLoad)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

CLAVORA_QT_BENCHMARK_MAIN()
