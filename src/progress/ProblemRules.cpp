#include "progress/ProblemRules.h"

#include <QDateTime>

using namespace Qt::StringLiterals;

namespace clavora {

namespace {

const QString TimeFormat = u"yyyy-MM-dd HH:mm:ss"_s;

bool IsStrippedPunctuation(QChar c)
{
    static constexpr QStringView Strip = u"!\"'(),-./?[\\]{}";
    return Strip.contains(c);
}

} // namespace

QString StripProblemWord(const QString& word)
{
    qsizetype begin = 0;
    qsizetype end = word.size();
    while (begin < end && IsStrippedPunctuation(word[begin]))
        ++begin;
    while (end > begin && IsStrippedPunctuation(word[end - 1]))
        --end;
    return word.sliced(begin, end - begin);
}

QString FormatProblemTime(qint64 epochSeconds)
{
    return QDateTime::fromSecsSinceEpoch(epochSeconds).toString(TimeFormat);
}

std::optional<qint64> ProblemTimeOrder(const QString& stamp)
{
    if (stamp.size() != TimeFormat.size() || stamp[10] != u' ')
        return std::nullopt;
    const QDate date = QDate::fromString(stamp.first(10), u"yyyy-MM-dd");
    const QTime time = QTime::fromString(stamp.sliced(11), u"HH:mm:ss");
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    // Counted as UTC on purpose: only the order of wall-clock readings matters, and UTC has no
    // daylight-saving gaps, so every valid stamp gets a number.
    return QDateTime(date, time, Qt::UTC).toSecsSinceEpoch();
}

} // namespace clavora
