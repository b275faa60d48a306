#pragma once

#include "progress/CertificateRecord.h"

#include <QRectF>

class QPainter;
class QPrinter;

namespace clavora {

// The one page of the course certificate. The five texts (name, day, month, year, course) sit at
// fixed fractions of the page in one font 20 points high; the frame, heading, seal and signature
// line are drawn around them. The same drawing serves the printer, a PDF file and the preview.
class CertificatePage final
{
public:
    // Where each text is centred and where its top lies, as fractions of the page.
    struct Placement
    {
        double centreX;
        double top;
    };
    static constexpr Placement NamePlace{0.5, 0.5};
    static constexpr Placement DayPlace{0.405, 0.57};
    static constexpr Placement MonthPlace{0.58, 0.57};
    static constexpr Placement YearPlace{0.675, 0.57};
    static constexpr Placement CoursePlace{0.505, 0.75};

    // Draws the page into `page` (in the painter's coordinates); `dotsPerInchY` is the vertical
    // resolution the 20-point text height is converted with.
    static void Draw(QPainter& painter, const QRectF& page, const CertificateRecord& record,
                     double dotsPerInchY);

    // Sets the paper (landscape A4 or letter) and prints the one page on a printer that has been
    // chosen; false when the job could not be started or finished.
    static void SetUpPrinter(QPrinter& printer, PaperForm paper);
    static bool Print(QPrinter& printer, const CertificateRecord& record);

    // The text height in device pixels: 20 points at the given resolution, rounded.
    static int BaseTextPixels(double dotsPerInchY) { return int(dotsPerInchY * 20.0 / 72.0 + 0.5); }
};

} // namespace clavora
