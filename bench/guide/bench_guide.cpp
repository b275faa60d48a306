// Speed of the keyboard and keypad guides: one paint with a key, its Shift and two hands, and the
// decoding of every guide picture when the panels are built.
#include "QtBenchmarkMain.h"
#include "session/TargetText.h"
#include "session/TypedText.h"
#include "session/widgets/KeyboardGuidePanel.h"
#include "session/widgets/KeypadGuidePanel.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>
#include <QPainter>

using namespace clavora;

namespace {

// A capital is next: its key and hand, and the Shift key of the other hand with that hand.
struct CapitalNext
{
    TargetText target;
    TypedText typed{target};
    CapitalNext() { target.LoadText(QStringLiteral("A quick test")); }
};

void PaintKeyboard(benchmark::State& state, qreal ratio)
{
    const CapitalNext exercise;
    KeyboardGuidePanel panel(exercise.typed);
    QImage image(panel.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    {
        // The first paint decodes the drawings for this scale; only repaints are measured.
        QPainter painter(&image);
        panel.PaintGuide(painter);
    }
    for (auto _ : state) {
        QPainter painter(&image);
        panel.PaintGuide(painter);
    }
    benchmark::DoNotOptimize(image.constBits());
}

void BM_PaintKeyboardGuide(benchmark::State& state)
{
    PaintKeyboard(state, 1.0);
}
BENCHMARK(BM_PaintKeyboardGuide)->Unit(benchmark::kMicrosecond);

void BM_PaintKeyboardGuideHighDpi(benchmark::State& state)
{
    PaintKeyboard(state, 2.0);
}
BENCHMARK(BM_PaintKeyboardGuideHighDpi)->Unit(benchmark::kMicrosecond);

// The whole widget path, as a repaint after a key press takes it.
void BM_RenderKeyboardGuideWidget(benchmark::State& state)
{
    const CapitalNext exercise;
    KeyboardGuidePanel panel(exercise.typed);
    QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        panel.render(&image);
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_RenderKeyboardGuideWidget)->Unit(benchmark::kMicrosecond);

// The first paint of both idle guides: their keyboard and keypad pictures are decoded at one
// scale; with readyAll, every picture is made ready to paint, as if each key of both guides had
// been shown once.
void DecodeAll(benchmark::State& state, qreal ratio, bool readyAll)
{
    const QList<int> keyboardNumbers = GuideKeyTables::KeyboardPictures();
    const QList<int> keypadNumbers = GuideKeyTables::KeypadPictures();
    for (auto _ : state) {
        GuidePictures keyboard;
        GuidePictures keypad;
        keyboard.Load(keyboardNumbers, ratio, GuideKeyTables::KeyboardPictureSize.height());
        keypad.Load(keypadNumbers, ratio, GuideKeyTables::KeypadPictureSize.height());
        if (readyAll) {
            for (const int number : keyboardNumbers)
                benchmark::DoNotOptimize(keyboard.Picture(number).cacheKey());
            for (const int number : keypadNumbers)
                benchmark::DoNotOptimize(keypad.Picture(number).cacheKey());
        } else {
            benchmark::DoNotOptimize(keyboard.Picture(keyboardNumbers.first()).cacheKey());
            benchmark::DoNotOptimize(keypad.Picture(keypadNumbers.first()).cacheKey());
        }
    }
}

// What a key press pays when it shows a hand for the first time: one picture decoded.
void BM_FirstUseOfOneHand(benchmark::State& state)
{
    const QList<int> numbers = GuideKeyTables::KeyboardPictures();
    const int hand = numbers.last();
    for (auto _ : state) {
        GuidePictures pictures;
        pictures.Load(numbers, 1.0, GuideKeyTables::KeyboardPictureSize.height());
        benchmark::DoNotOptimize(pictures.Picture(hand).cacheKey());
    }
}
BENCHMARK(BM_FirstUseOfOneHand)->Unit(benchmark::kMicrosecond);

void BM_DecodeGuidePictures(benchmark::State& state)
{
    DecodeAll(state, 1.0, false);
}
BENCHMARK(BM_DecodeGuidePictures)->Unit(benchmark::kMillisecond);

void BM_DecodeGuidePicturesHighDpi(benchmark::State& state)
{
    DecodeAll(state, 2.0, false);
}
BENCHMARK(BM_DecodeGuidePicturesHighDpi)->Unit(benchmark::kMillisecond);

void BM_DecodeAndReadyEveryGuidePicture(benchmark::State& state)
{
    DecodeAll(state, 1.0, true);
}
BENCHMARK(BM_DecodeAndReadyEveryGuidePicture)->Unit(benchmark::kMillisecond);

void BM_DecodeAndReadyEveryGuidePictureHighDpi(benchmark::State& state)
{
    DecodeAll(state, 2.0, true);
}
BENCHMARK(BM_DecodeAndReadyEveryGuidePictureHighDpi)->Unit(benchmark::kMillisecond);

} // namespace

CLAVORA_WIDGETS_BENCHMARK_MAIN()
