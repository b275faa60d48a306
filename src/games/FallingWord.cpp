#include "games/FallingWord.h"

#include "games/FlurrixRules.h"

#include <array>

namespace clavora {

namespace {

constexpr int PulseLift = 100;

} // namespace

FallingWord::FallingWord(const QString& text, int kind, int picture, QSizeF textSize)
    : m_text(text.left(FlurrixRules::MaxWordLength)), m_kind(kind), m_textSize(textSize)
{
    SetPosition(-1, 0);
    SetPicture(picture);
    if (kind != 0) {
        const SceneColour base = KindColour(kind);
        m_pulse.emplace(SceneColour{base.red + PulseLift, base.green + PulseLift, base.blue + PulseLift},
                        base);
    }
}

SceneColour FallingWord::KindColour(int kind)
{
    static constexpr std::array<SceneColour, 5> Colours = {
        SceneColour{0, 0, 0},     SceneColour{25, 25, 155},  SceneColour{25, 155, 25},
        SceneColour{155, 25, 25}, SceneColour{150, 25, 155},
    };
    return kind >= 1 && kind <= 4 ? Colours[static_cast<size_t>(kind)] : Colours[0];
}

SceneColour FallingWord::Colour() const
{
    return m_pulse ? m_pulse->Colour() : KindColour(m_kind);
}

void FallingWord::Fall(double step)
{
    m_step = step;
    SetPosition(X(), Y() + step);
}

void FallingWord::Update(SceneHost& host)
{
    if (m_pulse)
        m_pulse->Advance();
    SceneNode::Update(host);
}

} // namespace clavora
