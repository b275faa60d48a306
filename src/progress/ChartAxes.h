#pragma once

#include <QList>
#include <QString>

namespace clavora {

// A value axis from 0 to a round maximum in round steps (1, 2 or 5 times a power of ten).
struct ValueAxis
{
    double maximum = 1.0;
    double step = 1.0;
};

// A labelled moment on the time axis.
struct TimeTick
{
    qint64 seconds = 0;
    QString label;
};

namespace ChartAxes {

// The smallest round axis that holds the largest value with at most maxTicks steps.
ValueAxis ValueAxisFor(double largest, int maxTicks);
// A second axis beside another with this many steps, so both share one grid: the smallest round
// step (1, 2, 2.5 or 5 times a power of ten) that reaches the largest value in that many steps.
ValueAxis ValueAxisWithSteps(double largest, int steps);
// Ticks on local-time boundaries (hours, days, weeks, months, years) from the first boundary at
// or after from up to to, at most maxTicks of them. A label names the date where the date
// changes and the year where it changes.
QList<TimeTick> TimeTicks(qint64 from, qint64 to, int maxTicks);

} // namespace ChartAxes

} // namespace clavora
