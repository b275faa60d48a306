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
} // namespace PanelColors

// The last touch of a text panel: a grey cover while disabled, a one-pixel black frame otherwise.
void FinishTextPanel(QPainter& painter, const QWidget& panel);

} // namespace clavora
