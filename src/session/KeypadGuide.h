#pragma once

#include "session/GuideDemonstration.h"
#include "session/GuideScene.h"

namespace clavora {

class TypedText;

// The keypad guide's logic: the keypad key for the next character of a keypad exercise (or of
// its demonstration) with the right hand's finger.
class KeypadGuide final
{
public:
    explicit KeypadGuide(const TypedText& typed);

    GuideDemonstration& Demonstration() { return m_demonstration; }
    const GuideDemonstration& Demonstration() const { return m_demonstration; }

    GuideScene Scene(int panelWidth, bool enabled) const;

private:
    const TypedText& m_typed;
    GuideDemonstration m_demonstration{session::Guide::Keypad};
};

} // namespace clavora
