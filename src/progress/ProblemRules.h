#pragma once

#include <optional>
#include <QString>

namespace clavora {

// Longest problem word kept, as the tutor's fixed text buffers allow.
inline constexpr qsizetype MaxProblemWordLength = 259;

// Removes the punctuation a word may carry at its ends ("(hello)," becomes "hello"): first from
// the front, then from the back. Letters inside the word stay.
QString StripProblemWord(const QString& word);

// A record's time stamp: the local time of the given moment as "yyyy-MM-dd HH:mm:ss".
QString FormatProblemTime(qint64 epochSeconds);

// Orders time stamps as written: seconds counted on the local wall clock. Nothing for a text that
// is not a time stamp of the record form.
std::optional<qint64> ProblemTimeOrder(const QString& stamp);

} // namespace clavora
