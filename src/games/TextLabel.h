#pragma once

#include "games/SceneNode.h"

#include <QString>

namespace clavora {

// A line (or lines) of text at a position: font, colour and alignment on x. Its size is measured
// with the host's measurer when it initialises and again after its text changes.
class TextLabel : public SceneNode
{
public:
    TextLabel(const QString& text, const TextFont& font, TextAlign align = TextAlign::Left,
              SceneColour colour = {});

    const QString& Text() const { return m_text; }
    void SetText(const QString& text);
    const TextFont& Font() const { return m_font; }
    TextAlign Align() const { return m_align; }
    SceneColour Colour() const { return m_colour; }
    void SetColour(SceneColour colour) { m_colour = colour; }

    void Init(SceneHost& host) override;
    void Update(SceneHost& host) override;
    QSizeF Size() const override { return m_size; }
    double Left() const override;

private:
    void Measure(SceneHost& host);

    QString m_text;
    TextFont m_font;
    TextAlign m_align;
    SceneColour m_colour;
    QSizeF m_size;
    bool m_measured = false;
};

} // namespace clavora
