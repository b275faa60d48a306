#pragma once

#include "games/SceneNode.h"

namespace clavora {

// A colour that swells from a base colour to a lighter one and back every 50 frames: each channel
// is base + (light - base) * sin(phase). As a child of a label it colours its parent's text.
class ColourPulse final : public SceneNode
{
public:
    static constexpr double PhaseStep = 0.06283185307179587;

    ColourPulse(SceneColour light, SceneColour base) : m_light(light), m_base(base) {}

    // One frame's step of the phase.
    void Advance();
    SceneColour Colour() const;
    double Phase() const { return m_phase; }

    void Update(SceneHost& host) override;

private:
    SceneColour m_light;
    SceneColour m_base;
    double m_phase = 0.0;
};

} // namespace clavora
