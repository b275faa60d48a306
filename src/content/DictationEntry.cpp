#include "content/DictationEntry.h"

#include "services/XmlNode.h"

namespace clavora {

bool DictationEntry::ParseFrom(const XmlNode& element, int ordinal, const EntrySources&)
{
    SetOrdinal(ordinal);
    SetKey(element.Attribute(u"key").left(XmlFixedFieldLength));
    SetTitle(element.Attribute(u"title"));
    m_description = element.Attribute(u"description");
    return !Key().isEmpty();
}

} // namespace clavora
