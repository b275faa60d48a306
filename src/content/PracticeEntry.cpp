#include "content/PracticeEntry.h"

#include "content/DrillTextGenerator.h"
#include "content/SmallNumberField.h"
#include "services/XmlNode.h"

namespace clavora {

bool PracticeEntry::ParseFrom(const XmlNode& element, int ordinal, const EntrySources& sources)
{
    SetOrdinal(ordinal);
    QString key;
    QString title;
    QString bodyWord;
    if (!element.ReadChildTextFixed(u"id", key) || !element.ReadChildText(u"category", m_category) ||
        !element.ReadChildText(u"title", title) || !element.ReadChildTextFixed(u"bodytype", bodyWord))
        return false;
    SetKey(key);
    SetTitle(title);
    const std::optional<BodyType> bodyType = BodyTypeFromWord(bodyWord);
    if (!bodyType)
        return false;
    m_bodyType = *bodyType;
    m_userType = ReadSmallNumberField(element, u"usertype").value_or(NoUserType);
    return m_bodyType != BodyType::Resource || LoadTextNamedByKey(sources);
}

bool PracticeEntry::GenerateText(const QStringList& wordList, RandomGenerator& random)
{
    DrillTextGenerator generator(random);
    switch (m_bodyType) {
    case BodyType::Resource:
    case BodyType::ReviseProblemWords:
    case BodyType::ReviseProblemChars:
        return true;
    case BodyType::RandomLettersLower:
        SetText(generator.GenerateCharacters(false, true, false));
        return true;
    case BodyType::RandomLettersMixed:
        SetText(generator.GenerateCharacters(false, true, true));
        return true;
    case BodyType::RandomNumbers:
        SetText(generator.GenerateCharacters(true, false, false));
        return true;
    case BodyType::RandomCharacters:
        SetText(generator.GenerateCharacters(true, true, true));
        return true;
    case BodyType::RandomWordsLower:
        SetText(generator.GenerateWords(wordList, false));
        return !wordList.isEmpty();
    case BodyType::RandomWordsMixed:
        SetText(generator.GenerateWords(wordList, true));
        return !wordList.isEmpty();
    }
    return false;
}

} // namespace clavora
