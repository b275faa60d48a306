#pragma once

#include "app/CertificateFlow.h"
#include "app/SubsystemController.h"
#include "progress/Award.h"

#include <QString>

namespace clavora {

class ProgressView;

// The progress commands: reports, goal speed, high scores and the Results tab with its user
// panel, summary and chart.
class ProgressController final : public SubsystemController
{
public:
    explicit ProgressController(MainController& main);

    bool HandleCommand(int commandId) override;
    void AttachView(ProgressView* view) { m_view = view; }

    // Adds a finished exercise to today's report; a report that cannot be written loses the row.
    void AppendReportRow(const ResultFigures& figures, int exerciseKind);
    // The goal dialog: from the menu (reached false, score 0), or after a finished exercise beat
    // the goal with the given whole WPM.
    void ShowGoalDialog(bool reached, int score, bool fromSkillTest = false);
    void ShowHighScores();
    // Shows the current user's page again when the results view is shown.
    void RefreshResultsView();
    // "Reset Results": asks, then deletes the current user's results.
    void AskResetResults();
    // The tooltip of a chart point, read from its stored record.
    QString PointTooltipOf(int exerciseKind, const QString& recordIndex, bool isGame) const;

    // Notices of the results view's user panel.
    void OnUserChosen(const QString& name);
    void OnAddUserChosen();
    void OnUserTypeChosen(const QString& shownUser, int userType);

    CertificateFlow& Certificates() { return m_certificates; }

private:
    ProgressView* m_view = nullptr;
    CertificateFlow m_certificates;
};

} // namespace clavora
