#pragma once

#include "games/SceneNode.h"

#include <QString>

namespace clavora {

// The text typed so far in a game: every character is appended, up to the length a game reads
// (so keys typed while nothing clears it cannot grow it without end); the game clears it.
class TextInputNode final : public SceneNode
{
public:
    // Drawn centred on x in a box this wide.
    static constexpr int DrawnWidth = 200;
    static constexpr int MaxLength = 259;

    const QString& Text() const { return m_text; }

    bool Character(QChar ch) override;
    void Clear() override;

private:
    QString m_text;
};

} // namespace clavora
