#include "progress/ChartSeries.h"

#include "progress/ResultsStore.h"
#include "session/SessionTypes.h"

namespace clavora {

QList<ChartSeries> LoadChartSeries(const ResultsStore& store)
{
    struct Source
    {
        const char16_t* name;
        int kind;
        bool isGame;
    };
    static constexpr Source Sources[] = {
        {u"Lessons", session::Kind::Lesson, false},
        {u"Tests", session::Kind::SpeedTest, false},
        {u"Flurrix", session::Kind::Flurrix, true},
        {u"Duzedi Zezarur uz Ider", session::Kind::ThirtySeconds, true},
        {u"Vevuzi Viro", session::Kind::TypingHero, true},
    };
    // A skipped step has neither speed nor score, so it drops out without its award being read.
    QList<ChartSeries> series;
    for (const Source& source : Sources) {
        const RecordValue plotted = source.isGame ? RecordValue::Score : RecordValue::WPMNet;
        series.append({QString::fromUtf16(source.name), source.kind, source.isGame,
                       BuildHistory(store.ReadRecords(source.kind, {RecordValue::Timestamp, plotted}))});
    }
    return series;
}

HistoryPoint LoadPoint(const ResultsStore& store, int exerciseKind, const QString& index)
{
    const ResultHistory history = BuildHistory({store.ReadRecord(exerciseKind, index)});
    return history.points.value(0);
}

QString PointTooltip(const HistoryPoint& point, bool isGame)
{
    if (isGame)
        return QStringLiteral("Date: %1\nScore: %2").arg(point.date).arg(point.score);
    const std::pair<const char*, const QString*> lines[] = {
        {"Title", &point.title},
        {"Date", &point.date},
        {"Duration", &point.durationText},
        {"Gross Speed", &point.wpmGross},
        {"Net Speed", &point.wpmNet},
        {"Errors", &point.errors},
        {"Corrections", &point.corrections},
        {"Accuracy", &point.accuracyText},
        {"Award", &point.awardText},
    };
    QStringList text;
    for (const auto& [name, value] : lines)
        text.append(QLatin1String(name) + QStringLiteral(": ") + *value);
    return text.join(u'\n');
}

} // namespace clavora
