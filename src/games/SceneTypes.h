#pragma once

#include <QString>
#include <QtGlobal>

namespace clavora {

// The state shared by a game screen and all its nodes.
enum class GameState : int
{
    Paused = 0,
    Playing = 1,
    Menu = 2,
    GameOver = 3
};

// A colour of the scene, with its alpha; the drawing side turns it into a toolkit colour.
struct SceneColour
{
    int red = 0;
    int green = 0;
    int blue = 0;
    int alpha = 255;

    friend bool operator==(const SceneColour&, const SceneColour&) = default;
};

// A font as the games name it: face, height in pixels and weight (400 normal, 700 bold).
struct TextFont
{
    QString face = QStringLiteral("Arial");
    int pixelHeight = 17;
    int weight = 400;

    friend bool operator==(const TextFont&, const TextFont&) = default;
};

// How a label stands on its x: its left edge, its right edge or its centre.
enum class TextAlign
{
    Left,
    Right,
    Centre
};

} // namespace clavora
