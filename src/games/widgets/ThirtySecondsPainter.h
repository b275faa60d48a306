#pragma once

#include <QImage>
#include <QSize>

class QPainter;

namespace clavora {

class ThirtySecondsField;

// Draws the race: the backdrop, the words on the wheel, the level-up marker, the clock and the
// score. The backdrop is composed once per window size.
class ThirtySecondsPainter final
{
public:
    static constexpr int BackdropPicture = 391;

    void PaintBackdrop(QPainter& painter, QSize size);
    // The field while a game is on (the backdrop is painted first).
    void PaintField(QPainter& painter, const ThirtySecondsField& field) const;

private:
    QImage m_backdrop;
};

} // namespace clavora
