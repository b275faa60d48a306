#pragma once

#include <optional>
#include <QStringView>

namespace clavora {

// Where a practice's text comes from; the numbers are the stored values.
enum class BodyType
{
    Resource = 0,
    RandomLettersLower = 1,
    RandomLettersMixed = 2,
    RandomNumbers = 3,
    RandomCharacters = 4,
    RandomWordsLower = 5,
    RandomWordsMixed = 6,
    ReviseProblemWords = 7,
    ReviseProblemChars = 8
};

// The body type a catalogue word names (compared case-sensitively); nothing for any other word.
std::optional<BodyType> BodyTypeFromWord(QStringView word);
// The six drills whose text is made from random letters, numbers or words.
bool IsGeneratedDrill(BodyType type);
// The two practices whose text is built from the user's problem words or characters.
bool IsRevision(BodyType type);

} // namespace clavora
