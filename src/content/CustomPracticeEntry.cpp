#include "content/CustomPracticeEntry.h"

#include "services/XmlNode.h"

namespace clavora {

bool CustomPracticeEntry::ParseMoreFields(const XmlNode& element)
{
    return element.ReadChildText(u"category", m_category);
}

} // namespace clavora
