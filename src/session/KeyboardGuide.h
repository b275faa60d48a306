#pragma once

#include "session/GuideDemonstration.h"
#include "session/GuideScene.h"

namespace clavora {

class TypedText;

// The keyboard guide's logic: from the running exercise (or its demonstration) it decides which
// key, Shift key and hands the guide shows, and with which pictures where.
class KeyboardGuide final
{
public:
    explicit KeyboardGuide(const TypedText& typed);

    GuideDemonstration& Demonstration() { return m_demonstration; }
    const GuideDemonstration& Demonstration() const { return m_demonstration; }

    // What the guide shows in a panel of this width; a disabled panel gives no hint while no
    // demonstration runs.
    GuideScene Scene(int panelWidth, bool enabled) const;

private:
    void ShowNextExpected(GuideScene& scene) const;

    const TypedText& m_typed;
    GuideDemonstration m_demonstration{session::Guide::Keyboard};
};

} // namespace clavora
