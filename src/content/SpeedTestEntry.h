#pragma once

#include "content/CatalogueEntry.h"

namespace clavora {

// One built-in timed speed test, with the text of its resource.
class SpeedTestEntry final : public CatalogueEntry
{
public:
    static constexpr CatalogueFormat Format{u"speedtests", u"speedtest", 5000, {}, {}};

    bool ParseFrom(const XmlNode& element, int ordinal, const EntrySources& sources) override;
};

} // namespace clavora
