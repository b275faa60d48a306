#include "content/SpeedTestEntry.h"

namespace clavora {

bool SpeedTestEntry::ParseFrom(const XmlNode& element, int ordinal, const EntrySources& sources)
{
    SetOrdinal(ordinal);
    return ParseKeyAndTitle(element, u"key") && LoadTextNamedByKey(sources);
}

} // namespace clavora
