#pragma once

#include <QtGlobal>

namespace clavora {

// The counters of one typed exercise and the figures derived from them. Every figure is computed
// here and only here.
class ExerciseResult final
{
public:
    quint32 durationMs = 0;  // active typing, pauses left out
    quint32 characters = 0;  // typed units at the end, a line break counting two
    quint32 corrections = 0; // target positions backspaced over, each once
    quint32 errors = 0;      // key presses that produced a wrong character
    quint32 exerciseKey = 0;

    // Zeroes the four counters; the exercise key stays.
    void ZeroCounters();

    double Minutes() const;
    double Hours() const;
    // Five characters count as a word.
    double GrossWpm() const;
    // The raw number of errors is taken off the gross speed.
    double NetWpm() const;
    // Keystrokes per hour.
    double Kph() const;
    double AccuracyPercent() const;
};

} // namespace clavora
