#pragma once

#include <QRect>
#include <QSize>

namespace clavora {

// Where the typing view's display areas go: the guide centred at the bottom at its picture's
// size, the clock box left of it on the same bottom line, the typed-line strip as wide as the
// keyboard guide directly under the exercise text, and the text taking all the height above.
struct TypingLayout
{
    QRect textPanel;
    QRect typedLine;
    QRect clock;
    QRect guide;

    static constexpr int ClockHeight = 50;
    static constexpr int ClockWidth = 110;

    static TypingLayout Compute(QSize view, QSize guidePicture, QSize keyboardPicture, int fontSize);
};

} // namespace clavora
