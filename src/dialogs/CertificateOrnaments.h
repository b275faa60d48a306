#pragma once

#include <QColor>
#include <QRectF>

class QFont;
class QPainter;

namespace clavora::CertificateOrnaments {

// The certificate's decoration around its five texts, each piece placed by fractions of the page
// and sized by its shorter side, so that it suits either paper and orientation.
extern const QColor Navy;
extern const QColor Gold;

// Draws a text centred on `anchor`'s x with its top at `anchor`'s y; returns the box it took.
QRectF DrawCentred(QPainter& painter, const QFont& font, const QString& text, QPointF anchor);

// The double frame with its band of diamonds and the corner rosettes.
void DrawFrame(QPainter& painter, const QRectF& page);
// "Certificate of Completion" with a divider, and the line that leads to the name.
void DrawHeading(QPainter& painter, const QRectF& page);
// The line that leads from the date to the course title.
void DrawCourseLead(QPainter& painter, const QRectF& page);
// The gold seal with its ribbons, low on the left.
void DrawSeal(QPainter& painter, const QRectF& page);
// The signature line, low on the right.
void DrawSignatureLine(QPainter& painter, const QRectF& page);

} // namespace clavora::CertificateOrnaments
