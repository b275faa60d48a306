#include "content/BodyType.h"

#include <array>

namespace clavora {

std::optional<BodyType> BodyTypeFromWord(QStringView word)
{
    static constexpr std::array<QStringView, 9> words = {
        u"Resource",         u"RandomLettersLower", u"RandomLettersMixed",
        u"RandomNumbers",    u"RandomCharacters",   u"RandomWordsLower",
        u"RandomWordsMixed", u"ReviseProblemWords", u"ReviseProblemChars"};
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (word == words[i])
            return static_cast<BodyType>(i);
    }
    return std::nullopt;
}

bool IsGeneratedDrill(BodyType type)
{
    return type >= BodyType::RandomLettersLower && type <= BodyType::RandomWordsMixed;
}

bool IsRevision(BodyType type)
{
    return type == BodyType::ReviseProblemWords || type == BodyType::ReviseProblemChars;
}

} // namespace clavora
