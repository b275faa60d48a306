// The cost of one wrong key for the problem lists, in the worst steady state: 50 stored words
// (every new word pushes the oldest out) and 95 stored characters (every printable ASCII one).
#include "progress/ProblemStore.h"
#include "progress/RevisionTextGenerator.h"

#include <benchmark/benchmark.h>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace clavora;

namespace {

constexpr qint64 Start = 1709294400;

void FillWorstCase(const ProblemStore& store)
{
    for (int i = 0; i < ProblemStore::MaxProblemWords; ++i)
        store.AddProblemWord(u"filler%1"_s.arg(i), Start + i);
    for (char16_t c = u' '; c <= u'~'; ++c)
        store.AddProblemChar(QString(QChar(c)), Start);
}

// A wrong key on a character already stored (an update) and a new word (add plus trim).
void BM_WrongKey(benchmark::State& state)
{
    QTemporaryDir dir(state.range(0) ? QStringLiteral("/dev/shm/problems-XXXXXX") : QString());
    const ProblemStore store(dir.path());
    FillWorstCase(store);
    qint64 now = Start + 1000;
    int word = 0;
    for (auto _ : state) {
        ++now;
        store.AddProblemChar(u"~"_s, now);
        store.AddProblemWord(u"typing%1"_s.arg(word++), now);
    }
}
BENCHMARK(BM_WrongKey)->ArgName("tmpfs")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A wrong key on a character not stored yet: every record is read before a new one is added.
void BM_WrongKeyNewCharacter(benchmark::State& state)
{
    QTemporaryDir dir;
    const ProblemStore store(dir.path());
    FillWorstCase(store);
    qint64 now = Start + 1000;
    for (auto _ : state) {
        ++now;
        store.AddProblemChar(u"é"_s, now);
        store.AddProblemWord(u"typing"_s, now);
        state.PauseTiming();
        // Back to 95 characters: the new one took the next number, so it is listed last.
        const ProblemRecordFolder& chars = store.Folder(ProblemList::Chars);
        chars.Remove(chars.List().last());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WrongKeyNewCharacter)->Unit(benchmark::kMillisecond);

void BM_RegenerateRevisionTexts(benchmark::State& state)
{
    QTemporaryDir dir;
    const ProblemStore store(dir.path());
    FillWorstCase(store);
    QStringList wordList;
    for (int i = 0; i < 3000; ++i)
        wordList.append(u"word%1"_s.arg(i));
    RandomGenerator random(1);
    const RevisionTextGenerator generator(store, wordList, random);
    for (auto _ : state) {
        const QList<RevisionText> texts =
            generator.RegenerateRevisionTexts({RevisionKind::ProblemChars, RevisionKind::ProblemWords});
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_RegenerateRevisionTexts)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
