#pragma once

#include "games/ColourPulse.h"
#include "games/SceneNode.h"

#include <optional>
#include <QString>

namespace clavora {

// One word falling down the field: its text, kind (0 plain, 1 to 4 special), snowflake picture,
// measured size and how much of it the typed text matches. Special words pulse in their colour.
class FallingWord final : public SceneNode
{
public:
    static constexpr int SnowflakePicture = 382;
    static constexpr int OtherSnowflakePicture = 383;

    // x starts at -1: not yet placed.
    FallingWord(const QString& text, int kind, int picture, QSizeF textSize);

    static TextFont Font() { return {QStringLiteral("Arial"), 35, 700}; }
    static SceneColour KindColour(int kind);

    const QString& Text() const { return m_text; }
    int Kind() const { return m_kind; }
    // The text colour this frame: the kind's colour, pulsing for special words.
    SceneColour Colour() const;
    bool IsPlaced() const { return X() >= 0; }
    bool Matched() const { return m_matchedLength > 0; }
    int MatchedLength() const { return m_matchedLength; }
    void SetMatchedLength(int length) { m_matchedLength = length; }
    double Step() const { return m_step; }
    void Fall(double step);
    QSizeF Size() const override { return m_textSize; }

    void Update(SceneHost& host) override;

private:
    QString m_text;
    int m_kind;
    QSizeF m_textSize;
    std::optional<ColourPulse> m_pulse;
    int m_matchedLength = 0;
    double m_step = 0.0;
};

} // namespace clavora
