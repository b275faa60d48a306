#include "progress/ChartAxes.h"

#include <algorithm>
#include <cmath>
#include <QDateTime>
#include <QLocale>

namespace clavora::ChartAxes {

namespace {

enum class Unit
{
    Hour,
    Day,
    Month,
    Year
};

struct TimeStep
{
    Unit unit;
    int count;
    double approxSeconds;
};

constexpr double Hour = 3600.0;
constexpr double Day = 86400.0;
constexpr double Month = 30.44 * Day;

constexpr TimeStep Steps[] = {
    {Unit::Hour, 1, Hour},         {Unit::Hour, 3, 3 * Hour},   {Unit::Hour, 6, 6 * Hour},
    {Unit::Hour, 12, 12 * Hour},   {Unit::Day, 1, Day},         {Unit::Day, 2, 2 * Day},
    {Unit::Day, 7, 7 * Day},       {Unit::Day, 14, 14 * Day},   {Unit::Month, 1, Month},
    {Unit::Month, 3, 3 * Month},   {Unit::Month, 6, 6 * Month}, {Unit::Year, 1, 12 * Month},
    {Unit::Year, 2, 24 * Month},   {Unit::Year, 5, 60 * Month}, {Unit::Year, 10, 120 * Month},
    {Unit::Year, 50, 600 * Month},
};

QDateTime FirstBoundary(const QDateTime& at, const TimeStep& step)
{
    const QDate date = at.date();
    switch (step.unit) {
    case Unit::Hour:
        return QDateTime(date, QTime(at.time().hour() / step.count * step.count, 0));
    case Unit::Day:
        // Weeks start on Monday.
        return QDateTime(step.count == 7 || step.count == 14 ? date.addDays(1 - date.dayOfWeek()) : date,
                         QTime(0, 0));
    case Unit::Month:
        return QDateTime(QDate(date.year(), (date.month() - 1) / step.count * step.count + 1, 1),
                         QTime(0, 0));
    case Unit::Year:
        return QDateTime(QDate(date.year() / step.count * step.count, 1, 1), QTime(0, 0));
    }
    return at;
}

QDateTime Next(const QDateTime& at, const TimeStep& step)
{
    switch (step.unit) {
    case Unit::Hour:
        return at.addSecs(qint64(step.count) * 3600);
    case Unit::Day:
        return at.addDays(step.count);
    case Unit::Month:
        return at.addMonths(step.count);
    case Unit::Year:
        return at.addYears(step.count);
    }
    return at;
}

QString LabelOf(const QDateTime& at, const TimeStep& step, const QDateTime& previous)
{
    const QLocale c = QLocale::c();
    const bool newYear = !previous.isValid() || previous.date().year() != at.date().year();
    switch (step.unit) {
    case Unit::Hour:
        if (previous.isValid() && previous.date() == at.date())
            return c.toString(at.time(), QStringLiteral("HH:mm"));
        return c.toString(at.date(), newYear ? QStringLiteral("d MMM yyyy") : QStringLiteral("d MMM"));
    case Unit::Day:
        return c.toString(at.date(), newYear ? QStringLiteral("d MMM yyyy") : QStringLiteral("d MMM"));
    case Unit::Month:
        return c.toString(at.date(), newYear ? QStringLiteral("MMM yyyy") : QStringLiteral("MMM"));
    case Unit::Year:
        return c.toString(at.date(), QStringLiteral("yyyy"));
    }
    return QString();
}

double SaneLargest(double largest)
{
    return std::isfinite(largest) && largest > 0.0 ? largest : 1.0;
}

// The smallest step of factor times a power of ten that reaches the largest value in the steps.
double RoundStep(double largest, int steps, std::initializer_list<double> factors)
{
    steps = std::max(1, steps);
    largest = SaneLargest(largest);
    const double power = std::pow(10.0, std::floor(std::log10(largest / steps)));
    for (const double factor : factors) {
        if (factor * power * steps >= largest * (1.0 - 1e-12))
            return factor * power;
    }
    return power * 10.0;
}

} // namespace

ValueAxis ValueAxisFor(double largest, int maxTicks)
{
    const double step = RoundStep(largest, maxTicks, {1.0, 2.0, 5.0, 10.0});
    return {std::ceil(SaneLargest(largest) / step - 1e-9) * step, step};
}

ValueAxis ValueAxisWithSteps(double largest, int steps)
{
    const double step = RoundStep(largest, steps, {1.0, 2.0, 2.5, 5.0, 10.0});
    return {step * std::max(1, steps), step};
}

QList<TimeTick> TimeTicks(qint64 from, qint64 to, int maxTicks)
{
    QList<TimeTick> ticks;
    if (to < from || maxTicks < 1)
        return ticks;
    const double span = double(to - from);
    const TimeStep* chosen = &Steps[std::size(Steps) - 1];
    for (const TimeStep& step : Steps) {
        if (span / step.approxSeconds <= maxTicks - 1) {
            chosen = &step;
            break;
        }
    }
    QDateTime at = FirstBoundary(QDateTime::fromSecsSinceEpoch(from).toLocalTime(), *chosen);
    QDateTime previous;
    while (at.toSecsSinceEpoch() <= to && ticks.size() < maxTicks) {
        if (at.toSecsSinceEpoch() >= from) {
            ticks.append({at.toSecsSinceEpoch(), LabelOf(at, *chosen, previous)});
            previous = at;
        }
        at = Next(at, *chosen);
    }
    return ticks;
}

} // namespace clavora::ChartAxes
