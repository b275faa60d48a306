#include "content/LessonEntry.h"

#include "content/SmallNumberField.h"
#include "services/XmlNode.h"

namespace clavora {

bool LessonEntry::ParseFrom(const XmlNode& element, int ordinal, const EntrySources& sources)
{
    SetOrdinal(ordinal);
    if (!ParseKeyAndTitle(element, u"id") || !element.ReadChildText(u"description", m_description))
        return false;
    m_difficulty = ReadSmallNumberField(element, u"difficulty").value_or(0);
    element.ReadChildTextFixed(u"introduced_keys", m_introducedKeys);
    return LoadTextNamedByKey(sources);
}

} // namespace clavora
