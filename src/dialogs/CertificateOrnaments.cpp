#include "dialogs/CertificateOrnaments.h"

#include <cmath>
#include <numbers>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace clavora::CertificateOrnaments {

const QColor Navy(27, 42, 84);
const QColor Gold(190, 146, 52);

namespace {

const QColor DarkGold(132, 94, 22);
const QColor PaleGold(248, 224, 150);
const QColor LeadInk(70, 78, 100);

double Unit(const QRectF& page)
{
    return std::min(page.width(), page.height());
}

QRectF Inset(const QRectF& page, double by)
{
    return page.adjusted(by, by, -by, -by);
}

QPolygonF Diamond(QPointF centre, double half)
{
    return QPolygonF({centre + QPointF(0, -half), centre + QPointF(half, 0), centre + QPointF(0, half),
                      centre + QPointF(-half, 0)});
}

// A star of `points` tips between two radii, the first tip straight up.
QPolygonF Star(QPointF centre, int points, double outer, double inner)
{
    QPolygonF star;
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        const double radius = i % 2 == 0 ? outer : inner;
        star.append(centre + QPointF(std::cos(angle), std::sin(angle)) * radius);
    }
    return star;
}

QFont SerifFont(double pixels, bool italic, int weight = QFont::Normal)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(std::max(1, int(pixels)));
    font.setItalic(italic);
    font.setWeight(QFont::Weight(weight));
    return font;
}

// One line of decoration text centred across the page, its top at `top`; returns its height.
double DrawLine(QPainter& painter, const QRectF& page, const QFont& font, const QString& text, double top)
{
    return DrawCentred(painter, font, text, QPointF(page.center().x(), top)).height();
}

// Diamonds spaced evenly between two points, the ends left free for the corner rosettes.
void AddDiamondRow(QPainterPath& path, QPointF from, QPointF to, double spacing, double half)
{
    const int count = std::max(2, int(QLineF(from, to).length() / spacing));
    for (int i = 1; i < count; ++i)
        path.addPolygon(Diamond(from + (to - from) * (double(i) / count), half));
}

void DrawRibbonTail(QPainter& painter, QPointF top, QPointF direction, double length, double width)
{
    const QPointF across(-direction.y() * width / 2, direction.x() * width / 2);
    const QPointF end = top + direction * length;
    const QPolygonF tail(
        {top - across, end - across, end - direction * (width * 0.55), end + across, top + across});
    painter.setPen(QPen(Navy.darker(140), width * 0.05));
    painter.setBrush(Navy);
    painter.drawPolygon(tail);
    painter.setPen(QPen(Gold, width * 0.12));
    painter.drawLine(top, end - direction * (width * 0.7));
}

// Letters spread evenly round a circle, upright when read from outside.
void DrawRingText(QPainter& painter, QPointF centre, double radius, const QString& text, const QFont& font)
{
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    double total = 0;
    for (const QChar c : text)
        total += metrics.horizontalAdvance(c);
    // The first word is centred at the top.
    const QString firstWord = text.section(u' ', 0, 0);
    double along = -metrics.horizontalAdvance(firstWord) / 2;
    for (const QChar c : text) {
        const double advance = metrics.horizontalAdvance(c);
        const double degrees = 360.0 * (along + advance / 2) / total;
        painter.save();
        painter.translate(centre);
        painter.rotate(degrees);
        painter.drawText(QPointF(-advance / 2, -radius + metrics.capHeight() / 2), QString(c));
        painter.restore();
        along += advance;
    }
}

} // namespace

QRectF DrawCentred(QPainter& painter, const QFont& font, const QString& text, QPointF anchor)
{
    const QFontMetricsF metrics(font, painter.device());
    const double width = metrics.horizontalAdvance(text);
    painter.setFont(font);
    painter.drawText(QPointF(anchor.x() - width / 2.0, anchor.y() + metrics.ascent()), text);
    return {anchor.x() - width / 2.0, anchor.y(), width, metrics.height()};
}

void DrawFrame(QPainter& painter, const QRectF& page)
{
    const double u = Unit(page);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Navy, u * 0.009, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(Inset(page, u * 0.03));
    painter.setPen(QPen(Gold, u * 0.0022));
    painter.drawRect(Inset(page, u * 0.041));
    painter.drawRect(Inset(page, u * 0.063));
    painter.setPen(QPen(Navy, u * 0.0014));
    const QRectF inner = Inset(page, u * 0.068);
    painter.drawRect(inner);

    const QRectF band = Inset(page, u * 0.052);
    const QPointF corners[] = {band.topLeft(), band.topRight(), band.bottomRight(), band.bottomLeft()};
    QPainterPath diamonds;
    for (int i = 0; i < 4; ++i)
        AddDiamondRow(diamonds, corners[i], corners[(i + 1) % 4], u * 0.02, u * 0.0045);
    painter.fillPath(diamonds, Gold);
    for (const QPointF corner : corners) {
        painter.setPen(QPen(Gold, u * 0.002));
        painter.setBrush(Navy);
        painter.drawPolygon(Diamond(corner, u * 0.014));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Gold);
        painter.drawEllipse(corner, u * 0.0045, u * 0.0045);
    }

    // Quarter arcs turned into the page at the inner corners.
    painter.setBrush(Qt::NoBrush);
    const QPointF innerCorners[] = {inner.topLeft(), inner.topRight(), inner.bottomRight(),
                                    inner.bottomLeft()};
    const int startAngles[] = {270, 180, 90, 0};
    for (int i = 0; i < 4; ++i) {
        for (const double radius : {u * 0.05, u * 0.038}) {
            painter.setPen(QPen(radius > u * 0.04 ? Gold : Navy, u * 0.0018));
            const QRectF circle(innerCorners[i] - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
            painter.drawArc(circle, startAngles[i] * 16, 90 * 16);
        }
        const QPointF inward((i == 0 || i == 3) ? 1 : -1, i < 2 ? 1 : -1);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Gold);
        painter.drawPolygon(Diamond(innerCorners[i] + inward * (u * 0.017), u * 0.006));
    }
    painter.restore();
}

void DrawHeading(QPainter& painter, const QRectF& page)
{
    const double u = Unit(page);
    painter.save();
    QFont title = SerifFont(u * 0.085, false, QFont::DemiBold);
    title.setLetterSpacing(QFont::PercentageSpacing, 112);
    painter.setPen(Navy);
    double top = page.top() + 0.5 * page.height() - u * 0.335;
    top += DrawLine(painter, page, title, QStringLiteral("CERTIFICATE"), top) * 0.92;
    painter.setPen(DarkGold);
    top += DrawLine(painter, page, SerifFont(u * 0.05, true), QStringLiteral("of Completion"), top);

    // A divider: two rules meeting at a diamond.
    const double y = top + u * 0.022;
    const double x = page.center().x();
    painter.setPen(QPen(Gold, u * 0.0022));
    painter.drawLine(QPointF(x - u * 0.24, y), QPointF(x - u * 0.03, y));
    painter.drawLine(QPointF(x + u * 0.03, y), QPointF(x + u * 0.24, y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Gold);
    painter.drawPolygon(Diamond(QPointF(x, y), u * 0.013));
    for (const double end : {x - u * 0.24, x + u * 0.24})
        painter.drawEllipse(QPointF(end, y), u * 0.004, u * 0.004);
    painter.setBrush(Navy);
    painter.drawPolygon(Diamond(QPointF(x, y), u * 0.005));

    painter.setPen(LeadInk);
    const QFont lead = SerifFont(u * 0.032, true);
    const double leadHeight = QFontMetricsF(lead, painter.device()).height();
    DrawLine(painter, page, lead, QStringLiteral("This is to certify that"),
             page.top() + 0.5 * page.height() - u * 0.018 - leadHeight);
    painter.restore();
}

void DrawCourseLead(QPainter& painter, const QRectF& page)
{
    const double u = Unit(page);
    painter.save();
    painter.setPen(LeadInk);
    DrawLine(painter, page, SerifFont(u * 0.032, true), QStringLiteral("has successfully completed the"),
             page.top() + 0.75 * page.height() - u * 0.072);
    painter.restore();
}

void DrawSeal(QPainter& painter, const QRectF& page)
{
    const double u = Unit(page);
    const double r = u * 0.078;
    const QPointF centre(page.left() + 0.17 * page.width(), page.top() + 0.78 * page.height());
    painter.save();
    DrawRibbonTail(painter, centre, QPointF(-0.34, 0.94), r * 1.75, r * 0.42);
    DrawRibbonTail(painter, centre, QPointF(0.34, 0.94), r * 1.75, r * 0.42);

    QRadialGradient shine(centre - QPointF(r * 0.3, r * 0.35), r * 1.3);
    shine.setColorAt(0.0, PaleGold);
    shine.setColorAt(0.55, Gold);
    shine.setColorAt(1.0, DarkGold);
    painter.setPen(QPen(DarkGold, u * 0.0018));
    painter.setBrush(shine);
    painter.drawPolygon(Star(centre, 36, r, r * 0.92));
    painter.setBrush(Qt::NoBrush);
    for (const double ring : {0.83, 0.58})
        painter.drawEllipse(centre, r * ring, r * ring);

    painter.setPen(DarkGold.darker(130));
    QFont ringFont = SerifFont(r * 0.17, false, QFont::Bold);
    DrawRingText(painter, centre, r * 0.705, QStringLiteral("CLAVORA \u2022 TOUCH TYPING \u2022 "), ringFont);

    painter.setPen(QPen(Navy.darker(130), u * 0.0012));
    painter.setBrush(Navy);
    painter.drawPolygon(Star(centre, 5, r * 0.4, r * 0.16));
    painter.restore();
}

void DrawSignatureLine(QPainter& painter, const QRectF& page)
{
    const double u = Unit(page);
    const double y = page.top() + 0.87 * page.height();
    const double left = page.left() + 0.62 * page.width();
    const double right = page.left() + 0.86 * page.width();
    painter.save();
    painter.setPen(QPen(Navy, u * 0.0018));
    painter.drawLine(QPointF(left, y), QPointF(right, y));
    painter.setPen(LeadInk);
    DrawCentred(painter, SerifFont(u * 0.024, true), QStringLiteral("Signature"),
                QPointF((left + right) / 2, y + u * 0.006));
    painter.restore();
}

} // namespace clavora::CertificateOrnaments
