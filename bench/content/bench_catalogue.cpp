// The start-up load of the catalogue: built-in lists, custom lists and generated practice texts.
#include "content/ExerciseCatalogue.h"
#include "content/ProgressReporter.h"
#include "content/StartupLoader.h"

#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace clavora;

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// A data folder whose custom lists hold `count` entries each, every one with its file.
void FillCustomFolder(const QString& base, int count, bool withSpeedTestsAndDictations)
{
    const QString custom = base + QStringLiteral("/Custom");
    QByteArray practices = "<custompractices><nextkey>" + QByteArray::number(500 + count) + "</nextkey>\r\n";
    QByteArray speedTests =
        "<customspeedtests><nextkey>" + QByteArray::number(600 + count) + "</nextkey>\r\n";
    QByteArray dictations =
        "<customdictations><nextkey>" + QByteArray::number(1100 + count) + "</nextkey>\r\n";
    const QByteArray text = QByteArray("The quick brown fox jumps over the lazy dog.\r\n").repeated(20);
    for (int i = 0; i < count; ++i) {
        const QByteArray name = "text" + QByteArray::number(i) + ".txt";
        practices += "<practice><key>" + QByteArray::number(500 + i) + "</key><filename>" + name +
                     "</filename><title>" + name + "</title><category>Custom</category></practice>\r\n";
        WriteFile(custom + QStringLiteral("/practice/") + QString::fromLatin1(name), text);
        if (!withSpeedTestsAndDictations)
            continue;
        speedTests += "<speedtest><key>" + QByteArray::number(600 + i) + "</key><filename>" + name +
                      "</filename><title>" + name + "</title></speedtest>\r\n";
        WriteFile(custom + QStringLiteral("/speedtest/") + QString::fromLatin1(name), text);
        const QByteArray key = QByteArray::number(1100 + i);
        dictations += "<dictation><key>" + key + "</key><filename>talk" + key +
                      ".mp3</filename><title>custom-" + key + "</title></dictation>\r\n";
        WriteFile(custom + QStringLiteral("/Dictations/") + QString::fromLatin1(key) + QStringLiteral(".mp3"),
                  "ID3");
    }
    WriteFile(custom + QStringLiteral("/practicecustom.xml"), practices + "</custompractices>\r\n");
    WriteFile(custom + QStringLiteral("/speedtestcustom.xml"), speedTests + "</customspeedtests>\r\n");
    WriteFile(custom + QStringLiteral("/dictationcustom.xml"), dictations + "</customdictations>\r\n");
}

void BM_StartupLoad(benchmark::State& state)
{
    QTemporaryDir dir;
    FillCustomFolder(dir.path(), 100, true);
    RandomGenerator random(1);
    for (auto _ : state) {
        ExerciseCatalogue catalogue(dir.path());
        SilentProgressReporter reporter;
        StartupLoader::Run(catalogue, reporter, random);
        if (catalogue.Practices().Count() != 130 || catalogue.CustomDictations().Count() != 100)
            state.SkipWithError("catalogue incomplete");
        benchmark::DoNotOptimize(catalogue.GeneratedPracticeCount());
    }
}
BENCHMARK(BM_StartupLoad)->Unit(benchmark::kMillisecond);

void BM_TenThousandCustomPractices(benchmark::State& state)
{
    QTemporaryDir dir;
    FillCustomFolder(dir.path(), 10000, false);
    ExerciseCatalogue catalogue(dir.path());
    for (auto _ : state) {
        catalogue.LoadCustomPractices();
        if (catalogue.CustomPractices().Count() != 10000)
            state.SkipWithError("custom practices incomplete");
    }
}
BENCHMARK(BM_TenThousandCustomPractices)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
