// One frame of the race and of the rhythm game: the field's update and the whole screen drawn
// into a 1920 x 1080 image. Target: under 4 ms each.
#include "games/ThirtySecondsField.h"
#include "games/ThirtySecondsStore.h"
#include "games/TypingHeroField.h"
#include "games/TypingHeroStore.h"
#include "games/widgets/ThirtySecondsPainter.h"
#include "games/widgets/TypingHeroPainter.h"
#include "platform/RandomGenerator.h"
#include "platform/RegistryStore.h"
#include "QtBenchmarkMain.h"
#include "settings/SettingsStore.h"
#include "testsupport/TestClock.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

using namespace clavora;

namespace {

const QSize Screen(1920, 1080);

class QuietSounds final : public RaceSounds
{
public:
    void PlayErrorSound() override {}
    void PlayMissedWord() override {}
    void PlaySiren() override {}
    bool SirenPlaying() const override { return true; }
};

struct Store
{
    Store()
    {
        registry.Open(folder.path() + QStringLiteral("/registry.sqlite"));
        settings.CreateUser(QStringLiteral("Bench"), 5);
    }
    QTemporaryDir folder;
    RegistryStore registry;
    SettingsStore settings{registry};
    test::TestClock clock;
};

void BM_RaceFrame(benchmark::State& state)
{
    Store store;
    RandomGenerator random;
    QuietSounds sounds;
    ThirtySecondsStore raceStore(store.settings, store.clock);
    ThirtySecondsField field(store.clock, random, raceStore, sounds);
    field.SetWordLists({{QStringLiteral("cat"), QStringLiteral("sun"), QStringLiteral("map")},
                        {QStringLiteral("fish"), QStringLiteral("lamp")}});
    field.Layout(Screen.width(), Screen.height());
    field.SetState(GameState::Playing);
    for (int frame = 0; frame < 6; ++frame)
        field.Update();
    // Six words done and six waiting, the clock running below seven seconds so that it pulses.
    for (int word = 0; word < 6; ++word) {
        for (const QChar character : field.Queue().front().text)
            field.Character(character);
        field.Update();
    }
    store.clock.Advance(24000);
    QImage image(Screen, QImage::Format_ARGB32_Premultiplied);
    ThirtySecondsPainter painter;
    for (auto _ : state) {
        field.Update();
        QPainter p(&image);
        painter.PaintBackdrop(p, Screen);
        painter.PaintField(p, field);
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_RaceFrame)->Unit(benchmark::kMicrosecond);

void BM_RhythmFrame(benchmark::State& state)
{
    Store store;
    TypingHeroStore heroStore(store.settings, store.clock);
    TypingHeroField field(store.clock, heroStore);
    field.SetGameSource([] {
        return TypingHeroGame{QStringLiteral("Bench"),
                              QStringLiteral("The Quick brown fox; jumps! ").repeated(4000), 0, 1.0};
    });
    field.Layout(Screen.width(), Screen.height(), TypingHeroRules::KeyboardRect(Screen).height());
    field.SetState(GameState::Playing);
    const auto frame = [&] {
        store.clock.Advance(16);
        field.Update();
        // The player presses each letter as it reaches the line, so the game never ends.
        for (const FallingLetter& letter : field.Letters()) {
            if (!letter.hit && !letter.missed && letter.y >= field.HitLine()) {
                field.Character(letter.character);
                break;
            }
        }
    };
    for (int warmUp = 0; warmUp < 400; ++warmUp)
        frame();
    QImage image(Screen, QImage::Format_ARGB32_Premultiplied);
    TypingHeroPainter painter;
    for (auto _ : state) {
        frame();
        QPainter p(&image);
        painter.PaintBackdrop(p, Screen);
        painter.PaintField(p, field);
    }
    state.counters["letters"] = double(field.Letters().size());
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_RhythmFrame)->Unit(benchmark::kMicrosecond);

} // namespace

CLAVORA_WIDGETS_BENCHMARK_MAIN()
