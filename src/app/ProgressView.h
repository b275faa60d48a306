#pragma once

#include "progress/ChartSeries.h"
#include "progress/GoalRules.h"
#include "progress/HighScores.h"
#include "progress/UserSummary.h"

#include <optional>
#include <QStringList>

namespace clavora {

class ReportFolder;

// Everything the results view shows for one user.
struct ResultsPage
{
    QStringList users; // in stored order; the view puts "Add a new user" first
    QString shownUser;
    int userType = 5;
    bool userChoiceEnabled = true; // not while an exercise runs or is paused
    QList<UserSummaryLine> summary;
    QList<ChartSeries> series;
};

// What the progress commands ask of the window: the results view and the dialogs of reports,
// goal and high scores. The widgets implement it; tests answer it with a fake.
class ProgressView
{
public:
    virtual ~ProgressView() = default;

    virtual void ShowResults(const ResultsPage& page) = 0;
    // The reports dialog works on the folder until the user closes it.
    virtual void RunReportsDialog(const ReportFolder& folder) = 0;
    // The goal accepted (already checked with GoalRules::IsValidGoal), or nothing when the goal
    // was left as it was.
    virtual std::optional<int> RunGoalDialog(const GoalDialogSetup& setup) = 0;
    virtual void ShowHighScores(const QList<HighScoreRow>& rows) = 0;
};

} // namespace clavora
