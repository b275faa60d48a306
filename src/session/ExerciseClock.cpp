#include "session/ExerciseClock.h"

namespace clavora {

namespace {
constexpr int SecondsPerHour = 3600;
} // namespace

void ExerciseClock::ResetClock()
{
    m_hours = 0;
    m_minutes = 0;
    m_seconds = 0;
    m_milliseconds = 0;
    m_countdownTotal = 0;
    m_elapsed = 0;
}

void ExerciseClock::StartClock(qint64 nowSeconds)
{
    m_start = nowSeconds;
    if (m_countdown)
        m_countdownTotal = ShownSeconds();
}

qint64 ExerciseClock::RunningValue(qint64 nowSeconds) const
{
    if (m_countdown)
        return m_countdownTotal + m_start - nowSeconds;
    return m_elapsed + (nowSeconds - m_start);
}

void ExerciseClock::TickClock(qint64 nowSeconds)
{
    if (m_format > Format::Seconds)
        return;
    // While running the seconds field holds the whole value.
    m_hours = 0;
    m_minutes = 0;
    m_seconds = RunningValue(nowSeconds);
}

void ExerciseClock::StopClock(qint64 nowSeconds)
{
    const qint64 value = RunningValue(nowSeconds);
    m_elapsed += nowSeconds - m_start;
    m_hours = 0;
    m_minutes = 0;
    m_seconds = value;
}

void ExerciseClock::SetUpCountdown(int seconds)
{
    m_hours = 0;
    m_minutes = 0;
    m_seconds = seconds;
    m_countdown = true;
    m_format = seconds >= SecondsPerHour ? Format::HoursMinutesSeconds : Format::MinutesSeconds;
}

QString ExerciseClock::Text() const
{
    // C-style division and remainder, so a countdown past zero shows its negative values.
    const qint64 s = ShownSeconds();
    const qint64 h = s / 3600;
    const qint64 m = (s / 60) % 60;
    const qint64 sec = s % 60;
    const int ms = m_milliseconds;
    switch (m_format) {
    case Format::HoursMinutesSeconds:
        return QString::asprintf("%2lld:%02lld:%02lld", h, m, sec);
    case Format::MinutesSeconds:
        return QString::asprintf("%02lld:%02lld", m, sec);
    case Format::Seconds:
        return QString::asprintf(":%02lld", s);
    case Format::Milliseconds:
        return QString::asprintf(".%03d", ms);
    case Format::SecondsMilliseconds:
        return QString::asprintf(":%02lld.%03d", s, ms);
    case Format::MinutesSecondsMilliseconds:
        return QString::asprintf("%02lld:%02lld.%03d", m, sec, ms);
    case Format::HoursMinutesSecondsMilliseconds:
        return QString::asprintf("%02lld:%02lld:%02lld.%03d", h, m, sec, ms);
    }
    return {};
}

int ExerciseClock::TextWidth() const
{
    switch (m_format) {
    case Format::HoursMinutesSeconds:
    case Format::MinutesSecondsMilliseconds:
        return 120;
    case Format::MinutesSeconds:
    case Format::SecondsMilliseconds:
        return 95;
    case Format::Seconds:
    case Format::Milliseconds:
        return 70;
    case Format::HoursMinutesSecondsMilliseconds:
        return 145;
    }
    return 0;
}

} // namespace clavora
