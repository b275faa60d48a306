#include "platform/Clock.h"

#include <QDateTime>

namespace clavora {

SystemClock::SystemClock()
{
    m_timer.start();
}

qint64 SystemClock::TickMs() const
{
    return m_timer.elapsed();
}

qint64 SystemClock::EpochSeconds() const
{
    return QDateTime::currentSecsSinceEpoch();
}

double SystemClock::HighResMs() const
{
    return static_cast<double>(m_timer.nsecsElapsed()) / 1.0e6;
}

} // namespace clavora
