#pragma once

#include "session/widgets/GuidePictures.h"

#include <QImage>
#include <QSize>

class QPainter;

namespace clavora {

class TypingHeroField;

// Draws the rhythm game: the lane strip, the hit line, the falling letters, the energy bar, the
// keyboard picture with the next key lit by the keyboard guide's own highlight pictures, the
// score and the last grade.
class TypingHeroPainter final
{
public:
    static constexpr int KeyboardPicture = 393;
    static constexpr int LanePicture = 396;

    void PaintBackdrop(QPainter& painter, QSize size);
    void PaintField(QPainter& painter, const TypingHeroField& field);

private:
    void PaintKeyboard(QPainter& painter, const TypingHeroField& field);

    QImage m_backdrop;
    QImage m_keyboard;
    GuidePictures m_highlights;
};

} // namespace clavora
