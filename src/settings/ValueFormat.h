#pragma once

#include <QString>

namespace clavora {

// Registry values are text; these are the one set of rules for reading numbers and flags out of
// them and writing them back.
namespace ValueFormat {

// "%d"; empty text gives the default; otherwise the leading decimal number (leading white space,
// optional sign, digits up to the first other character; no digits gives 0; clamped to int).
int ParseInt(const QString& text, int defaultValue);
QString FormatInt(int value);

// Empty gives the default; a first character "0" is false; anything else is true.
bool ParseFlag(const QString& text, bool defaultValue);
QString FormatFlag(bool value);

// The leading decimal number (white space, optional sign, digits with an optional decimal point);
// text without one gives 0.
double ParseReal(const QString& text);
// printf-style fixed formats such as "%.15f", "%8.2f" or "%4.2f".
QString FormatReal(double value, const char* format);

// Whether the text begins with a visible character (a letter, digit, punctuation mark or symbol,
// also beyond the basic plane), not a space or a control character.
bool StartsVisibly(const QString& text);

} // namespace ValueFormat

} // namespace clavora
