#pragma once

#include "platform/Clock.h"

namespace clavora::test {

// A clock that only moves when a test says so.
class TestClock final : public Clock
{
public:
    qint64 TickMs() const override { return m_ms; }
    qint64 EpochSeconds() const override { return m_epoch + m_ms / 1000; }
    double HighResMs() const override { return static_cast<double>(m_ms); }

    void Advance(qint64 ms) { m_ms += ms; }
    void SetEpochSeconds(qint64 seconds) { m_epoch = seconds; }

private:
    qint64 m_ms = 100000;
    qint64 m_epoch = 1700000000;
};

} // namespace clavora::test
