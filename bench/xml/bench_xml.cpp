// Reading a 2 MB catalogue-like document (10,000 practice entries with five children each) from
// its UTF-8 bytes: our reader (decoding included) against tinyxml2 and pugixml on the same bytes.
#include "platform/TextDecoding.h"
#include "services/XmlDocument.h"

#include <benchmark/benchmark.h>

#ifdef CLAVORA_BENCH_TINYXML2
#include <tinyxml2.h>
#endif
#ifdef CLAVORA_BENCH_PUGIXML
#include <pugixml.hpp>
#endif

#include <QByteArray>
#include <QString>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

const QByteArray& CatalogueBytes()
{
    static const QByteArray bytes = [] {
        QString text =
            u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- practice catalogue -->\r\n<practices>\r\n"_s;
        for (int i = 0; i < 10000; ++i) {
            const QString id = QString::number(4000 + i);
            text += u"\t<practice>\r\n\t\t<id>"_s + id +
                    u"</id>\r\n\t\t<category>Prose &amp; poetry</category>\r\n"
                    u"\t\t<title>Caf\u00e9 stories, part "_s +
                    id +
                    u": the old town &quot;by night&quot;</title>\r\n"
                    u"\t\t<bodytype>Resource</bodytype>\r\n\t\t<usertype>"_s +
                    QString::number(i % 7 + 1) + u"</usertype>\r\n\t</practice>\r\n"_s;
        }
        text += u"</practices>\r\n"_s;
        return text.toUtf8();
    }();
    return bytes;
}

void Finish(benchmark::State& state)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * CatalogueBytes().size());
    state.counters["MB"] = static_cast<double>(CatalogueBytes().size()) / 1e6;
}

void BM_Clavora(benchmark::State& state)
{
    const QByteArray& bytes = CatalogueBytes();
    for (auto _ : state) {
        XmlDocument document;
        const XmlParseStatus status = document.ParseFromText(DecodeTextFile(bytes).text);
        if (status != XmlParseStatus::Loaded)
            state.SkipWithError("parse failed");
        benchmark::DoNotOptimize(document.RootElement());
    }
    Finish(state);
}
BENCHMARK(BM_Clavora)->Unit(benchmark::kMillisecond);

// The reader alone, on text already in memory as UTF-16 (how built-in catalogues arrive).
void BM_ClavoraFromText(benchmark::State& state)
{
    const QString text = DecodeTextFile(CatalogueBytes()).text;
    for (auto _ : state) {
        XmlDocument document;
        document.ParseFromText(text);
        benchmark::DoNotOptimize(document.RootElement());
    }
    Finish(state);
}
BENCHMARK(BM_ClavoraFromText)->Unit(benchmark::kMillisecond);

void BM_ClavoraWrite(benchmark::State& state)
{
    XmlDocument document;
    document.ParseFromText(DecodeTextFile(CatalogueBytes()).text);
    for (auto _ : state)
        benchmark::DoNotOptimize(document.Serialise());
    Finish(state);
}
BENCHMARK(BM_ClavoraWrite)->Unit(benchmark::kMillisecond);

#ifdef CLAVORA_BENCH_TINYXML2
void BM_TinyXml2(benchmark::State& state)
{
    const QByteArray& bytes = CatalogueBytes();
    for (auto _ : state) {
        tinyxml2::XMLDocument document;
        if (document.Parse(bytes.constData(), static_cast<size_t>(bytes.size())) != tinyxml2::XML_SUCCESS)
            state.SkipWithError("parse failed");
        benchmark::DoNotOptimize(document.RootElement());
    }
    Finish(state);
}
BENCHMARK(BM_TinyXml2)->Unit(benchmark::kMillisecond);
#endif

#ifdef CLAVORA_BENCH_PUGIXML
void BM_PugiXml(benchmark::State& state)
{
    const QByteArray& bytes = CatalogueBytes();
    for (auto _ : state) {
        pugi::xml_document document;
        if (!document.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size())))
            state.SkipWithError("parse failed");
        benchmark::DoNotOptimize(document.first_child());
    }
    Finish(state);
}
BENCHMARK(BM_PugiXml)->Unit(benchmark::kMillisecond);
#endif

} // namespace

BENCHMARK_MAIN();
