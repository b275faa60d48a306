#include "app/TypingLayout.h"

#include <algorithm>

namespace clavora {

TypingLayout TypingLayout::Compute(QSize view, QSize guidePicture, QSize keyboardPicture, int fontSize)
{
    TypingLayout layout;
    const int width = std::max(0, view.width());
    const int height = std::max(0, view.height());
    const int guideTop = height - guidePicture.height();
    layout.guide =
        QRect((width - guidePicture.width()) / 2, guideTop, guidePicture.width(), guidePicture.height());
    layout.clock = QRect(layout.guide.left() - ClockWidth, layout.guide.bottom() - ClockHeight + 1,
                         ClockWidth, ClockHeight);
    const int stripHeight = fontSize + 6;
    const int stripTop = guideTop - stripHeight;
    layout.typedLine =
        QRect((width - keyboardPicture.width()) / 2, stripTop, keyboardPicture.width(), stripHeight);
    layout.textPanel = QRect(0, 0, width, std::max(0, stripTop));
    return layout;
}

} // namespace clavora
