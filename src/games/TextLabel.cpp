#include "games/TextLabel.h"

#include "games/SceneHost.h"
#include "games/TextMeasurer.h"

namespace clavora {

TextLabel::TextLabel(const QString& text, const TextFont& font, TextAlign align, SceneColour colour)
    : m_text(text), m_font(font), m_align(align), m_colour(colour)
{}

void TextLabel::SetText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_measured = false;
}

void TextLabel::Init(SceneHost& host)
{
    Measure(host);
    SceneNode::Init(host);
}

void TextLabel::Update(SceneHost& host)
{
    if (!m_measured)
        Measure(host);
    SceneNode::Update(host);
}

double TextLabel::Left() const
{
    switch (m_align) {
    case TextAlign::Right:
        return X() - m_size.width();
    case TextAlign::Centre:
        return X() - m_size.width() / 2;
    case TextAlign::Left:
        break;
    }
    return X();
}

void TextLabel::Measure(SceneHost& host)
{
    m_size = host.Measurer().TextSize(m_font, m_text);
    m_measured = true;
}

} // namespace clavora
