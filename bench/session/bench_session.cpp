// Speed of the typing session: taking one key (with the end test) and painting the exercise text.
#include "platform/KeyCodes.h"
#include "QtBenchmarkMain.h"
#include "session/TargetText.h"
#include "session/TypedText.h"
#include "session/widgets/TargetPanel.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>

using namespace clavora;

namespace {

QString ExerciseText(qsizetype length)
{
    const QString sentence = QStringLiteral("A quick movement of the enemy will jeopardize six gunboats; ");
    QString text;
    int sentences = 0;
    while (text.size() < length) {
        text += sentence;
        if (++sentences % 3 == 0)
            text += QStringLiteral("\r\n");
    }
    text.truncate(length);
    return text;
}

int VirtualKeyOf(QChar c)
{
    if (c == u' ')
        return VkSpace;
    if (c == u'\r')
        return VkReturn;
    return c.toUpper().unicode();
}

// One key of a 5,000-character exercise and the end test; every tenth key is wrong.
void BM_AcceptKeyAndEndTest(benchmark::State& state)
{
    TargetText target;
    target.LoadText(ExerciseText(5000));
    TypedText typed(target);
    qsizetype next = 0;
    QString units;
    for (auto _ : state) {
        const QChar expected = target.At(next);
        units = (next % 10 == 9) ? QStringLiteral("#") : QString(expected == u'\n' ? QChar(u' ') : expected);
        benchmark::DoNotOptimize(typed.AcceptKey(VirtualKeyOf(units.front()), units));
        if (typed.IsComplete()) {
            state.PauseTiming();
            typed.ResetTyped();
            state.ResumeTiming();
        }
        next = typed.Position();
    }
}
BENCHMARK(BM_AcceptKeyAndEndTest);

// Painting the exercise text panel: 5,000 characters, font size 28, a 1920x1080 view, the typing
// position at the start, the middle and the end.
void BM_PaintTargetPanel(benchmark::State& state)
{
    const QString text = ExerciseText(5000);
    TargetText target;
    target.LoadText(text);
    TypedText typed(target);
    for (qsizetype i = 0; i < state.range(0); ++i) {
        const QChar c = text.at(i) == u'\r' ? QChar(u' ') : text.at(i);
        if (text.at(i) == u'\n')
            continue;
        typed.AcceptKey(VirtualKeyOf(c), (i % 7 == 3) ? QStringLiteral("#") : QString(c));
    }
    TargetPanel panel(target, typed);
    panel.SetFontSize(28);
    panel.resize(1920, 1080);
    QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
    // Let the scrolling settle on the typing position first.
    for (int i = 0; i < 50; ++i)
        panel.render(&image);
    for (auto _ : state) {
        panel.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintTargetPanel)->Arg(0)->Arg(2500)->Arg(4990)->Unit(benchmark::kMillisecond);

} // namespace

CLAVORA_WIDGETS_BENCHMARK_MAIN()
