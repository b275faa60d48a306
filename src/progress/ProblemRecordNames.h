#pragma once

#include <QLatin1StringView>

namespace clavora::problem_names {

// Folder and value names of the problem record files, as other tools read them.
inline constexpr QLatin1StringView WordsFolder("ProblemWords");
inline constexpr QLatin1StringView CharsFolder("ProblemChars");
inline constexpr QLatin1StringView Word("Word");
inline constexpr QLatin1StringView Char("Char");
inline constexpr QLatin1StringView DateTime("DateTime");
inline constexpr QLatin1StringView Reason("Reason");
inline constexpr QLatin1StringView ErrorCount("ErrorCount");
inline constexpr QLatin1StringView WrongReason("Wrong");

} // namespace clavora::problem_names
