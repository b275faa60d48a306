#pragma once

#include <QColor>
#include <QFont>

class QPainter;
class QWidget;

namespace clavora {

// The font of the exercise text and the typed-line strip with its character cell: every
// character advances by exactly cellWidth, so typed and target characters line up in columns.
struct ExerciseFont
{
    QFont font;
    int cellWidth = 1;
    int lineHeight = 1;
    int ascent = 0;

    // storedFontSize is the user's "FontSize"; 0 or missing gives the default.
    static ExerciseFont ForSize(int storedFontSize);
};

namespace PanelColors {
inline const QColor Text{0, 0, 0};
inline const QColor Wrong{255, 0, 0};
inline const QColor Corrected{0, 255, 0};
inline const QColor WrongText{255, 255, 255};
inline const QColor ClockDigits{128, 128, 128};
// The typing position's cell, the band behind typed text and the underline that keeps corrected
// (green) characters readable on white: dark enough for well over 3:1.
inline const QColor Position{255, 222, 130};
inline const QColor TypedBand{236, 241, 248};
inline const QColor CorrectedUnderline{0, 110, 0};
inline const QColor HintText{60, 60, 60};
inline const QColor HintPlate{255, 243, 205};
} // namespace PanelColors

// The last touch of a text panel: a grey cover while disabled, a one-pixel black frame otherwise.
void FinishTextPanel(QPainter& painter, const QWidget& panel);

} // namespace clavora
