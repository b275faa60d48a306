#include "games/ColourPulse.h"

#include "games/TextLabel.h"

#include <cmath>
#include <numbers>

namespace clavora {

void ColourPulse::Advance()
{
    m_phase += PhaseStep;
    while (m_phase > std::numbers::pi)
        m_phase -= std::numbers::pi;
}

SceneColour ColourPulse::Colour() const
{
    const double swell = std::sin(m_phase);
    const auto channel = [swell](int light, int base) {
        return static_cast<int>(base + (light - base) * swell);
    };
    return {channel(m_light.red, m_base.red), channel(m_light.green, m_base.green),
            channel(m_light.blue, m_base.blue), m_base.alpha};
}

void ColourPulse::Update(SceneHost& host)
{
    Advance();
    if (auto* label = dynamic_cast<TextLabel*>(Parent()))
        label->SetColour(Colour());
    SceneNode::Update(host);
}

} // namespace clavora
