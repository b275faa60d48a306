#include "dialogs/CertificatePage.h"

#include "dialogs/CertificateOrnaments.h"
#include "gui/TahomaFont.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace clavora {

namespace {

using CertificateOrnaments::DrawCentred;

const QColor TextInk(24, 34, 64);
const QColor CaptionInk(96, 104, 124);

constexpr double NameWidthShare = 0.8; // of the page width, inside the frame
constexpr double DateGapEm = 0.4;      // the least room between two date texts
constexpr int SmallestTextPixels = 4;

QFont TextFont(int pixels)
{
    return TahomaFont(std::max(1, pixels));
}

QFont CaptionFont(double pixels)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setItalic(true);
    font.setPixelSize(std::max(1, int(pixels)));
    return font;
}

QPointF At(const QRectF& page, CertificatePage::Placement place)
{
    return {page.left() + place.centreX * page.width(), page.top() + place.top * page.height()};
}

double WidthOf(QPainter& painter, const QFont& font, const QString& text)
{
    return QFontMetricsF(font, painter.device()).horizontalAdvance(text);
}

// A long name shrinks until it fits the width inside the frame.
int NamePixels(QPainter& painter, const QString& name, int basePixels, double maxWidth)
{
    int pixels = basePixels;
    for (double width = WidthOf(painter, TextFont(pixels), name); width > maxWidth && pixels > 1;
         width = WidthOf(painter, TextFont(pixels), name))
        pixels = std::max(1, std::min(pixels - 1, int(pixels * maxWidth / width)));
    return pixels;
}

// The three date texts keep their places; where a long month would run into the year the three
// shrink together until they stand apart.
int DatePixels(QPainter& painter, const QRectF& page, const CertificateRecord& record, int basePixels)
{
    const double dayX = At(page, CertificatePage::DayPlace).x();
    const double monthX = At(page, CertificatePage::MonthPlace).x();
    const double yearX = At(page, CertificatePage::YearPlace).x();
    for (int pixels = basePixels; pixels > SmallestTextPixels; pixels = int(pixels * 0.95)) {
        const QFont font = TextFont(pixels);
        const double day = WidthOf(painter, font, record.DayText());
        const double month = WidthOf(painter, font, record.MonthText());
        const double year = WidthOf(painter, font, record.YearText());
        const double gap = DateGapEm * pixels;
        if (dayX + day / 2 + gap <= monthX - month / 2 && monthX + month / 2 + gap <= yearX - year / 2)
            return pixels;
    }
    return SmallestTextPixels;
}

// A thin gold rule under a text, with captions centred below it.
void DrawCaptionedRule(QPainter& painter, double left, double right, double y, double unit,
                       const QList<std::pair<QString, double>>& captions = {})
{
    painter.setPen(QPen(CertificateOrnaments::Gold, unit * 0.0022));
    painter.drawLine(QPointF(left, y), QPointF(right, y));
    painter.setPen(CaptionInk);
    const QFont font = CaptionFont(unit * 0.022);
    for (const auto& [caption, centreX] : captions)
        DrawCentred(painter, font, caption, QPointF(centreX, y + unit * 0.004));
}

} // namespace

void CertificatePage::Draw(QPainter& painter, const QRectF& page, const CertificateRecord& record,
                           double dotsPerInchY)
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    CertificateOrnaments::DrawFrame(painter, page);
    CertificateOrnaments::DrawHeading(painter, page);
    CertificateOrnaments::DrawSeal(painter, page);
    CertificateOrnaments::DrawSignatureLine(painter, page);
    CertificateOrnaments::DrawCourseLead(painter, page);
    const double unit = std::min(page.width(), page.height());
    const int basePixels = BaseTextPixels(dotsPerInchY);
    const double lineHeight = QFontMetricsF(TextFont(basePixels), painter.device()).height();

    painter.setPen(TextInk);
    const int namePixels = NamePixels(painter, record.personName, basePixels, page.width() * NameWidthShare);
    DrawCentred(painter, TextFont(namePixels), record.personName, At(page, NamePlace));
    // The rule stays where a name of the full size ends, however much a long name shrank.
    DrawCaptionedRule(painter, page.left() + 0.2 * page.width(), page.right() - 0.2 * page.width(),
                      At(page, NamePlace).y() + lineHeight + unit * 0.004, unit);

    const QFont dateFont = TextFont(DatePixels(painter, page, record, basePixels));
    painter.setPen(TextInk);
    const QRectF day = DrawCentred(painter, dateFont, record.DayText(), At(page, DayPlace));
    const QRectF month = DrawCentred(painter, dateFont, record.MonthText(), At(page, MonthPlace));
    const QRectF year = DrawCentred(painter, dateFont, record.YearText(), At(page, YearPlace));
    DrawCaptionedRule(painter, std::min(day.left(), At(page, DayPlace).x() - unit * 0.05) - unit * 0.02,
                      std::max(year.right(), At(page, YearPlace).x() + unit * 0.03) + unit * 0.02,
                      At(page, DayPlace).y() + lineHeight + unit * 0.004, unit,
                      {{QStringLiteral("day"), day.center().x()},
                       {QStringLiteral("month"), month.center().x()},
                       {QStringLiteral("year"), year.center().x()}});

    painter.setPen(TextInk);
    const QRectF course =
        DrawCentred(painter, TextFont(basePixels), record.courseTitle, At(page, CoursePlace));
    DrawCaptionedRule(painter, std::min(course.left(), page.left() + 0.32 * page.width()),
                      std::max(course.right(), page.left() + 0.69 * page.width()),
                      course.top() + lineHeight + unit * 0.004, unit);
    painter.restore();
}

void CertificatePage::SetUpPrinter(QPrinter& printer, PaperForm paper)
{
    printer.setPageSize(QPageSize(paper == PaperForm::A4 ? QPageSize::A4 : QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Clavora Certificate"));
    printer.setFromTo(1, 1);
}

bool CertificatePage::Print(QPrinter& printer, const CertificateRecord& record)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    Draw(painter, QRectF(0, 0, printer.width(), printer.height()), record, printer.logicalDpiY());
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace clavora
