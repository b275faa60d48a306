#include "progress/GoalRules.h"

#include <algorithm>
#include <cmath>

namespace clavora::GoalRules {

const QString InvalidTitle = QStringLiteral("Invalid WPM");
const QString InvalidText = QStringLiteral("Please enter a valid WPM between 1 and 200");
const QString MenuPrompt =
    QStringLiteral("Set the typing speed you are working towards, in words per minute.");

bool IsGoalBeaten(double accuracyPercent, double netWpm, int goal, bool skillTest)
{
    return accuracyPercent > CountingAccuracy && netWpm > goal && (goal > 0 || skillTest);
}

int SuggestedGoal(int score)
{
    const double suggested = std::trunc(score * 1.1);
    return int(std::clamp(suggested, 0.0, double(MaxGoal)));
}

GoalDialogSetup Setup(bool reached, bool fromSkillTest, int score, int storedGoal)
{
    GoalDialogSetup setup;
    if (!reached) {
        setup.goal = storedGoal <= 0 ? GoalWithoutOne : storedGoal;
        setup.secondLine = MenuPrompt;
        return setup;
    }
    setup.goal = SuggestedGoal(score);
    if (!fromSkillTest)
        setup.firstLine = QStringLiteral("Congratulations! You reached your goal of %1 WPM!").arg(storedGoal);
    setup.secondLine = QStringLiteral("Your score was %1 WPM. Would you like to set a new goal?").arg(score);
    return setup;
}

bool IsValidGoal(int goal)
{
    return goal >= MinGoal && goal <= MaxGoal;
}

} // namespace clavora::GoalRules
