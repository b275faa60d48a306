#include "app/ResultsSummary.h"

#include "app/CommandIds.h"

namespace clavora::ResultsSummaries {

namespace {

constexpr int LabelsAboveErrorsValueX = 145;
constexpr int LowerRowsValueX = 150;

QString OneDecimal(double value)
{
    return QString::asprintf("%4.1f", value);
}

void AddLessonsToGame(ResultsSummary& summary, int lessonsToGame)
{
    if (lessonsToGame != 0)
        summary.rows.append(
            {QStringLiteral("Lessons to game: "), QString::number(lessonsToGame), LowerRowsValueX});
}

} // namespace

ResultsSummary OfExercise(const ResultFigures& figures, const QString& title, int lessonsToGame)
{
    ResultsSummary summary;
    summary.heading = QStringLiteral("Exercise Results");
    summary.titleLabel = QStringLiteral("Exercise title: ");
    summary.title = title;
    const bool noTime = figures.durationMs == 0;
    summary.rows = {
        {QStringLiteral("Duration (sec): "),
         noTime ? QStringLiteral("0") : OneDecimal(figures.durationMs * 0.001), LabelsAboveErrorsValueX},
        {QStringLiteral("Gross WPM: "), noTime ? QStringLiteral("0") : OneDecimal(figures.grossWpm),
         LabelsAboveErrorsValueX},
        {QStringLiteral("Net WPM: "), OneDecimal(figures.netWpm), LabelsAboveErrorsValueX},
        {QStringLiteral("Errors: "), QString::number(figures.errors), LowerRowsValueX},
        {QStringLiteral("Corrections: "), QString::number(figures.corrections), LowerRowsValueX},
        {QStringLiteral("Accuracy (%): "), OneDecimal(figures.accuracyPercent), LowerRowsValueX},
    };
    QString award = AwardToWord(AwardOf(figures));
    if (HasHonors(figures))
        award = QStringLiteral("%1 - with honors").arg(award);
    summary.rows.append({QStringLiteral("Award: "), award, LowerRowsValueX});
    AddLessonsToGame(summary, lessonsToGame);
    return summary;
}

ResultsSummary OfGame(int gameKind, quint32 score, int bestOrTotal, int lessonsToGame)
{
    const bool flurrix = gameKind == ExerciseKind::Flurrix;
    ResultsSummary summary;
    summary.heading = QStringLiteral("Game Results");
    summary.titleLabel = QStringLiteral("Game title: ");
    summary.title = flurrix ? QStringLiteral("Flurrix") : QStringLiteral("Duzedi Zezarur uz Ider");
    summary.rows = {
        {QStringLiteral("Score: "), QString::number(score), LabelsAboveErrorsValueX},
        {flurrix ? QStringLiteral("High Score: ") : QStringLiteral("Total Points: "),
         QString::number(bestOrTotal), LabelsAboveErrorsValueX},
    };
    AddLessonsToGame(summary, lessonsToGame);
    return summary;
}

} // namespace clavora::ResultsSummaries
