#pragma once

#include <QString>

namespace clavora {

// The award scale of a finished exercise; "Skipped" marks a course step passed over.
enum class AwardLevel : int
{
    Skipped = -1,
    None = 0,
    Bronze = 1,
    Silver = 2,
    Gold = 3,
    Platinum = 4,
    Diamond = 5,
};

// What the results store needs of a finished exercise: its counters and the figures the typing
// session derived from them. The figures are taken over, never recomputed here, so every part of
// the tutor rates an exercise by the same numbers.
struct ResultFigures
{
    quint32 durationMs = 0;
    quint32 characters = 0;
    quint32 errors = 0;
    quint32 corrections = 0;
    quint32 exerciseKey = 0;
    double grossWpm = 0.0;
    double netWpm = 0.0;
    double kph = 0.0;
    double accuracyPercent = 0.0;
};

// Takes the counters and figures of the session's result (any type with its members and figure
// operations), so the store does not depend on the typing session.
template <typename Result> ResultFigures FiguresOf(const Result& result)
{
    return ResultFigures{result.durationMs,  result.characters,  result.errors,
                         result.corrections, result.exerciseKey, result.GrossWpm(),
                         result.NetWpm(),    result.Kph(),       result.AccuracyPercent()};
}

// The level earned by a speed in keystrokes per hour and an accuracy in percent (0..5). Every
// threshold must be passed strictly; NaN passes none.
AwardLevel ComputeAward(double kph, double accuracyPercent);
AwardLevel AwardOf(const ResultFigures& figures);
// An award earned without a single error.
bool HasHonors(const ResultFigures& figures);
// 0..1: the speed's share of 30000 keystrokes per hour times the accuracy's share of 100 %.
double ComputeSkillLevel(double kph, double accuracyPercent);

// "Skipped", "None", "Bronze" ... "Diamond"; empty for a value off the scale.
QString AwardToWord(AwardLevel level);
// Exact (case-sensitive) words only; anything else, the empty text included, is None.
AwardLevel WordToAward(const QString& word);

} // namespace clavora
