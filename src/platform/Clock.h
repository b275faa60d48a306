#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

namespace clavora {

// The one source of time for logic: tests drive a fake, the program uses SystemClock.
class Clock
{
public:
    virtual ~Clock() = default;
    // Monotonic milliseconds (the tick count timings are measured with).
    virtual qint64 TickMs() const = 0;
    // Seconds since 1970-01-01 UTC.
    virtual qint64 EpochSeconds() const = 0;
    // Monotonic milliseconds with sub-millisecond resolution (the games' frame timing).
    virtual double HighResMs() const = 0;
};

class SystemClock final : public Clock
{
public:
    SystemClock();
    qint64 TickMs() const override;
    qint64 EpochSeconds() const override;
    double HighResMs() const override;

private:
    QElapsedTimer m_timer;
};

} // namespace clavora
