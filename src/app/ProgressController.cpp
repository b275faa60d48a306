#include "app/ProgressController.h"

#include "app/CommandIds.h"
#include "app/MainController.h"
#include "app/ProgressView.h"
#include "platform/Clock.h"
#include "progress/ProgressReport.h"
#include "progress/ReportFolder.h"
#include "progress/ResultsStore.h"
#include "settings/SettingsStore.h"

namespace clavora {

ProgressController::ProgressController(MainController& main) : SubsystemController(main), m_certificates(main)
{}

bool ProgressController::HandleCommand(int commandId)
{
    const bool busy = Main().IsBusy();
    switch (commandId) {
    case Command::Reports:
    case Command::MenuReports:
        if (!busy && m_view)
            m_view->RunReportsDialog(ReportFolder(ReportFolder::GetReportFolder(Main().Profile())));
        return true;
    case Command::GoalWpm:
    case Command::MenuGoalWpm:
        if (!busy)
            ShowGoalDialog(false, 0);
        return true;
    case Command::CompletionCertificate:
        if (!busy)
            m_certificates.OfferCertificate();
        return true;
    case Command::HighScores:
        if (!busy)
            ShowHighScores();
        return true;
    case Command::ResetResults:
    case Command::MenuResetResults:
        if (!busy)
            AskResetResults();
        return true;
    case Command::TabResults:
        if (MainView* window = Main().Window())
            window->SelectTab(Tab::Results);
        Main().ShowResultsView();
        RefreshResultsView();
        return true;
    default:
        return false;
    }
}

void ProgressController::AskResetResults()
{
    MainView* window = Main().Window();
    if (window && window->AskQuestion(QStringLiteral("Reset Results"),
                                      QStringLiteral("Are you sure you want to reset all results?"),
                                      QStringLiteral("Reset"), QStringLiteral("Cancel"))) {
        Main().Settings().ResetUser();
        RefreshResultsView();
    }
}

void ProgressController::AppendReportRow(const ResultFigures& figures, int exerciseKind)
{
    ProgressReport::AppendReportRow(ReportFolder::GetReportFolder(Main().Profile()), figures, exerciseKind,
                                    Main().Profile().Get(Profile::LastExercise),
                                    Main().Time().EpochSeconds());
}

void ProgressController::ShowGoalDialog(bool reached, int score, bool fromSkillTest)
{
    if (!m_view)
        return;
    UserProfile& profile = Main().Profile();
    const GoalDialogSetup setup =
        GoalRules::Setup(reached, fromSkillTest, score, profile.Get(Profile::GoalWPM));
    const std::optional<int> goal = m_view->RunGoalDialog(setup);
    if (!goal || !GoalRules::IsValidGoal(*goal))
        return;
    profile.Set(Profile::GoalWPM, *goal);
    RefreshResultsView();
}

void ProgressController::ShowHighScores()
{
    if (m_view)
        m_view->ShowHighScores(HighScores::Load(Main().Settings()));
}

void ProgressController::RefreshResultsView()
{
    if (!m_view || Main().CurrentView() != View::Results)
        return;
    ResultsPage page;
    page.users = Main().Settings().UserNames();
    page.shownUser = Main().UserName();
    page.userType = Main().UserType();
    page.userChoiceEnabled = !Main().IsBusy();
    page.summary = UpdateUserSummary(Main().Profile());
    page.series = LoadChartSeries(ResultsStore(Main().Settings()));
    m_view->ShowResults(page);
}

QString ProgressController::PointTooltipOf(int exerciseKind, const QString& recordIndex, bool isGame) const
{
    return PointTooltip(LoadPoint(ResultsStore(Main().Settings()), exerciseKind, recordIndex), isGame);
}

void ProgressController::OnUserChosen(const QString& name)
{
    QString stored;
    for (const QString& user : Main().Settings().UserNames()) {
        if (user.compare(name, Qt::CaseInsensitive) == 0)
            stored = user;
    }
    // A user change under a running exercise would file its result under the wrong user.
    if (!Main().IsBusy() && !stored.isEmpty())
        Main().SelectUser(stored); // refreshes the view
    else
        RefreshResultsView();
}

void ProgressController::OnAddUserChosen()
{
    if (Main().IsBusy())
        RefreshResultsView();
    else
        Main().PostCommand(Command::AddUser);
}

void ProgressController::OnUserTypeChosen(const QString& shownUser, int userType)
{
    if (!Main().IsBusy() && Main().Settings().UserExists(shownUser) && userType >= 1 && userType <= 7) {
        Main().Settings().WriteInt(SettingsStore::UserKey(shownUser), QStringLiteral("Type"), userType);
        Main().SelectUser(Main().UserName()); // takes the new type and refreshes the view
    } else {
        RefreshResultsView();
    }
}

} // namespace clavora
