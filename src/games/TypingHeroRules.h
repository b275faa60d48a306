#pragma once

#include <QChar>
#include <QList>
#include <QRectF>
#include <QString>

namespace clavora {

// The figures of a finished rhythm game.
struct TypingHeroFigures
{
    int longestStreak = 0;
    double completionPercentage = 0.0;
    double accuracy = 0.0;
};

// The fixed rules of the rhythm game: finger lanes, grades and the figures of a game.
class TypingHeroRules final
{
public:
    static constexpr int LaneCount = 8;
    static constexpr int Missed = 1;
    static constexpr int Perfect = 6;

    // The finger lane (0 left little finger to 7 right little finger) of a character, or -1.
    static int LaneOf(QChar character);
    static double LaneWidth(double fieldWidth) { return 2.0 * fieldWidth / 24.0; }
    // Left edge of a lane's letters; a character in no lane falls at the left edge.
    static double LaneX(int lane, double fieldWidth);
    // The grade of a press, d being the letter's distance above the hit line as a share of the
    // window height (negative once it has passed the line).
    static int GradeFor(double d);
    static int PointsFor(int grade) { return grade > Missed ? 5 * grade : 0; }
    // "Missed" to "Perfect"; empty outside the scale.
    static QString GradeText(int grade);
    // From the judgements of a game, newest first; the completion is taken of textLength
    // characters and is 0 for an empty text.
    static TypingHeroFigures FiguresOf(const QList<int>& judgements, bool completed, qsizetype textLength);
    // Where the keyboard picture goes in a window: centred on the bottom edge, as wide as the
    // lanes but never taller than a third of the window. The hit line sits above it.
    static QRectF KeyboardRect(QSizeF window);
    // Letters are released at this pace for a skill level.
    static double ReleaseIntervalMs(double skillLevel);
};

} // namespace clavora
