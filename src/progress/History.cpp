#include "progress/History.h"

#include "progress/Award.h"
#include "progress/ResultsStore.h"
#include "settings/ValueFormat.h"

#include <algorithm>

namespace clavora {

namespace {

constexpr int NoScore = -1;

QString AwardText(const ResultRecord& record)
{
    const QString word = record.Text(RecordValue::Award);
    const QString honors = record.Text(RecordValue::Honors);
    if (word.isEmpty() || honors.isEmpty() || honors.startsWith(u'0'))
        return word;
    return word + QStringLiteral(" with Honors");
}

QString AccuracyText(const ResultRecord& record)
{
    const int characters = ValueFormat::ParseInt(record.Text(RecordValue::NumCharacters), 0);
    if (characters <= 0)
        return QString();
    const int errors = ValueFormat::ParseInt(record.Text(RecordValue::NumErrors), 0);
    // More errors than characters (wrong keys taken back) is no accuracy at all, not a negative one.
    const double accuracy = std::max(0.0, (double(characters) - double(errors)) / characters * 100.0);
    return QString::asprintf("%.2f%%", accuracy);
}

HistoryPoint PointOf(const ResultRecord& record)
{
    HistoryPoint point;
    point.index = record.index;
    point.title = record.Text(RecordValue::Title);
    point.date = record.Text(RecordValue::Date);
    point.wpmGross = record.Text(RecordValue::WPMGross);
    point.wpmNet = record.Text(RecordValue::WPMNet);
    point.errors = record.Text(RecordValue::NumErrors);
    point.corrections = record.Text(RecordValue::NumCorrections);
    point.score = ValueFormat::ParseInt(record.Text(RecordValue::Score), NoScore);
    point.awardText = AwardText(record);
    point.timestamp = ValueFormat::ParseInt(record.Text(RecordValue::Timestamp, QStringLiteral("0")), 0);
    const int durationMs = ValueFormat::ParseInt(record.Text(RecordValue::Duration), 0);
    point.durationText = QString::asprintf("%.2f s", durationMs * 0.001);
    point.accuracyText = AccuracyText(record);
    point.value = point.score != NoScore ? float(point.score)
                                         : float(ValueFormat::ParseReal(record.Text(RecordValue::WPMNet)));
    return point;
}

} // namespace

ResultHistory BuildHistory(const QList<ResultRecord>& records)
{
    ResultHistory history;
    for (const ResultRecord& record : records) {
        if (record.Text(RecordValue::Award) == AwardToWord(AwardLevel::Skipped))
            continue;
        HistoryPoint point = PointOf(record);
        if (point.value == 0.0f)
            continue;
        history.maximum = std::max(history.maximum, double(point.value));
        history.points.append(std::move(point));
    }
    std::stable_sort(history.points.begin(), history.points.end(),
                     [](const HistoryPoint& a, const HistoryPoint& b) { return a.timestamp < b.timestamp; });
    return history;
}

ResultHistory LoadHistory(const ResultsStore& store, int exerciseKind)
{
    return BuildHistory(store.ReadRecords(exerciseKind));
}

} // namespace clavora
