#pragma once

#include <QString>

namespace clavora {

// What the goal dialog shows when it opens: the value in its goal field and its two text lines
// (an empty first line is hidden).
struct GoalDialogSetup
{
    int goal = 0;
    QString firstLine;
    QString secondLine;
};

// The user's goal speed: when a finished exercise beats it, what the dialog suggests, which
// goals are accepted.
namespace GoalRules {

inline constexpr int MinGoal = 1;
inline constexpr int MaxGoal = 200;
inline constexpr int GoalWithoutOne = 30; // shown from the menu while no goal is set
inline constexpr double CountingAccuracy = 84.0;

// Accuracy above 84 %, net speed above the goal, and a goal set (or the initial skill test just
// finished, which offers a first goal).
bool IsGoalBeaten(double accuracyPercent, double netWpm, int goal, bool skillTest);
// Ten percent above the score, never beyond the largest goal the dialog accepts.
int SuggestedGoal(int score);
// reached: a finished exercise has just beaten the goal (score is its whole WPM); otherwise the
// dialog was opened from the menu or toolbar.
GoalDialogSetup Setup(bool reached, bool fromSkillTest, int score, int storedGoal);
bool IsValidGoal(int goal);

extern const QString InvalidTitle;
extern const QString InvalidText;
extern const QString MenuPrompt;

} // namespace GoalRules

} // namespace clavora
