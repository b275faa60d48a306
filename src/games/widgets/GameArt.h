#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>

class QPainter;

namespace clavora {

// Drawing helpers the race and the rhythm game share: their font, the colour pulse, outlined
// text, and pictures scaled once per window size rather than every frame.
namespace GameArt {

// Helvetica of the games, in pixels.
QFont Font(int pixelSize, bool bold = true);
// Each channel from the base colour towards the other and back as the phase runs from 0 to pi.
QColor Pulse(QColor base, QColor towards, double phase);
// Text centred on a point, with a halo so that it reads on light and dark ground alike.
void CentredText(QPainter& painter, QPointF centre, const QString& text, const QFont& font, QColor colour,
                 QColor halo);
// A numbered picture (1x or 2x drawing to suit the target size), scaled to the size given.
QImage ScaledPicture(int number, QSize size);

} // namespace GameArt

} // namespace clavora
