#pragma once

#include <QString>

namespace clavora {

// The visible exercise clock: counts up from 0 or down from a limit, driven by whole seconds of
// the system time (the results use the millisecond measure of the session instead).
class ExerciseClock final
{
public:
    enum class Format : int
    {
        HoursMinutesSeconds = 0, // "%2d:%02d:%02d"
        MinutesSeconds = 1,      // "%02d:%02d"
        Seconds = 2,             // ":%02d"
        Milliseconds = 3,        // ".%03d"
        SecondsMilliseconds = 4, // ":%02d.%03d"
        MinutesSecondsMilliseconds = 5,
        HoursMinutesSecondsMilliseconds = 6,
    };
    enum class Alignment : int
    {
        TopLeft = 0,
        Right = 1,
        Centred = 2
    };
    static constexpr int BoxHeight = 30;

    // All time fields and the running totals back to 0.
    void ResetClock();
    // Starts (or restarts) from the value shown; a countdown counts down from that value.
    void StartClock(qint64 nowSeconds);
    // Brings the shown value up to now while running (formats 0 to 2 only).
    void TickClock(qint64 nowSeconds);
    // Ends a running stretch: its seconds join the elapsed total and the value shown is brought
    // up to now.
    void StopClock(qint64 nowSeconds);

    // Sets up a countdown from seconds, shown with hours when it lasts an hour or more.
    void SetUpCountdown(int seconds);
    void SetCountdown(bool countdown) { m_countdown = countdown; }

    bool IsCountdown() const { return m_countdown; }
    // The value shown in seconds: hours, minutes and seconds fields together.
    qint64 ShownSeconds() const { return (m_hours * 60 + m_minutes) * 60 + m_seconds; }
    qint64 Seconds() const { return m_seconds; }
    qint64 Elapsed() const { return m_elapsed; }
    qint64 CountdownTotal() const { return m_countdownTotal; }

    Format ClockFormat() const { return m_format; }
    void SetFormat(Format format) { m_format = format; }
    Alignment ClockAlignment() const { return m_alignment; }
    void SetAlignment(Alignment alignment) { m_alignment = alignment; }
    void SetMilliseconds(int ms) { m_milliseconds = ms; }

    // The text shown in the current format, and the width of the box it is placed in.
    QString Text() const;
    int TextWidth() const;

private:
    qint64 RunningValue(qint64 nowSeconds) const;

    qint64 m_start = 0;
    qint64 m_hours = 0;
    qint64 m_minutes = 0;
    qint64 m_seconds = 0;
    int m_milliseconds = 0;
    qint64 m_countdownTotal = 0;
    qint64 m_elapsed = 0;
    bool m_countdown = false;
    Format m_format = Format::HoursMinutesSeconds;
    Alignment m_alignment = Alignment::Right;
};

} // namespace clavora
