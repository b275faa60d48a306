#pragma once

#include "app/ProgressView.h"

#include <QWidget>

class QComboBox;
class QFormLayout;
class QLabel;

namespace clavora {

class ProgressChart;
class ProgressController;

// The Results tab: the user panel (user list with "Add a new user", user type), the user's
// summary and the progress chart. It also runs the progress dialogs over the main window.
class ResultsView final : public QWidget, public ProgressView
{
    Q_OBJECT

public:
    explicit ResultsView(ProgressController& controller, QWidget* parent = nullptr);

    // ProgressView
    void ShowResults(const ResultsPage& page) override;
    void RunReportsDialog(const ReportFolder& folder) override;
    std::optional<int> RunGoalDialog(const GoalDialogSetup& setup) override;
    void ShowHighScores(const QList<HighScoreRow>& rows) override;

    ProgressChart* Chart();
    QComboBox* UserList();
    QComboBox* UserTypeList();
    QString ShownUser() const { return m_shownUser; }

    static const QString AddUserItem;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void EnsureBuilt();

    ProgressController& m_controller;
    QString m_shownUser;
    QComboBox* m_users = nullptr;
    QComboBox* m_userType = nullptr;
    QFormLayout* m_summary = nullptr;
    QList<QLabel*> m_summaryValues;
    ProgressChart* m_chart = nullptr;
};

} // namespace clavora
