#pragma once

#include "content/CustomExerciseEntry.h"

namespace clavora {

// A speed-test text the user imported.
class CustomSpeedTestEntry final : public CustomExerciseEntry
{
public:
    static constexpr CatalogueFormat Format{u"customspeedtests", u"speedtest", 0, u"speedtestcustom.xml",
                                            u"speedtest"};
};

} // namespace clavora
