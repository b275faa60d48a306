#pragma once

#include <QString>

namespace clavora {

// The characters that end a word, both for wrapping the exercise text and for finding the word
// around a typing error: space, tab, LF, VT, FF, CR, hyphen, semicolon, full stop, comma,
// question mark, slash and backslash.
bool IsWordSeparator(QChar c);

// The word of 4 to 14 characters around target position cursor - 1 (the character just typed),
// or an empty string when there is none. When that character is itself a separator the word is
// the one that follows it.
QString FindProblemWord(const QString& target, qsizetype cursor);

} // namespace clavora
