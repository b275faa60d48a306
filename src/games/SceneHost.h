#pragma once

#include <QSizeF>

namespace clavora {

class Clock;
class RandomGenerator;
class TextMeasurer;

// What the scene's nodes get from the game host while they initialise and update: the program's
// clock and rand, text and picture sizes, and the closing flag that long loaders watch.
class SceneHost
{
public:
    virtual ~SceneHost() = default;
    virtual const Clock& Time() const = 0;
    virtual RandomGenerator& Random() = 0;
    virtual const TextMeasurer& Measurer() const = 0;
    // The drawn size of a numbered picture in scene pixels; empty when the picture is missing.
    virtual QSizeF PictureSize(int number) const = 0;
    virtual bool IsClosing() const = 0;
};

} // namespace clavora
