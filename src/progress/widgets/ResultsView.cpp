#include "progress/widgets/ResultsView.h"

#include "app/ProgressController.h"
#include "dialogs/UserTypes.h"
#include "progress/widgets/GoalDialog.h"
#include "progress/widgets/HighScoresWindow.h"
#include "progress/widgets/ProgressChart.h"
#include "progress/widgets/ReportsDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace clavora {

const QString ResultsView::AddUserItem = QStringLiteral("Add a new user");

ResultsView::ResultsView(ProgressController& controller, QWidget* parent)
    : QWidget(parent), m_controller(controller)
{}

void ResultsView::EnsureBuilt()
{
    // Built when first needed: the results view stays hidden until its tab is chosen.
    if (m_chart)
        return;
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);

    auto* side = new QVBoxLayout;
    side->setSpacing(12);
    auto* userBox = new QGroupBox(QStringLiteral("User"), this);
    auto* userForm = new QFormLayout(userBox);
    m_users = new QComboBox(userBox);
    m_users->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_users->setMinimumContentsLength(14);
    m_userType = new QComboBox(userBox);
    m_userType->addItems(UserTypeNames());
    userForm->addRow(QStringLiteral("User Name: "), m_users);
    userForm->addRow(QStringLiteral("User Type: "), m_userType);
    side->addWidget(userBox);

    auto* summaryBox = new QGroupBox(QStringLiteral("Summary"), this);
    m_summary = new QFormLayout(summaryBox);
    side->addWidget(summaryBox);
    side->addStretch(1);
    layout->addLayout(side, 0);

    m_chart = new ProgressChart(this);
    m_chart->SetTooltipSource([this](const ChartSeries& series, const HistoryPoint& point) {
        return m_controller.PointTooltipOf(series.exerciseKind, point.index, series.isGame);
    });
    layout->addWidget(m_chart, 1);

    connect(m_users, &QComboBox::activated, this, [this](int index) {
        if (index == 0)
            m_controller.OnAddUserChosen();
        else
            m_controller.OnUserChosen(m_users->itemText(index));
    });
    connect(m_userType, &QComboBox::activated, this,
            [this](int index) { m_controller.OnUserTypeChosen(m_shownUser, index + 1); });
}

void ResultsView::showEvent(QShowEvent* event)
{
    EnsureBuilt();
    QWidget::showEvent(event);
}

ProgressChart* ResultsView::Chart()
{
    EnsureBuilt();
    return m_chart;
}

QComboBox* ResultsView::UserList()
{
    EnsureBuilt();
    return m_users;
}

QComboBox* ResultsView::UserTypeList()
{
    EnsureBuilt();
    return m_userType;
}

void ResultsView::ShowResults(const ResultsPage& page)
{
    EnsureBuilt();
    m_shownUser = page.shownUser;
    m_users->clear();
    m_users->addItem(AddUserItem);
    m_users->addItems(page.users);
    m_users->setCurrentIndex(-1);
    for (int i = 1; i < m_users->count(); ++i) {
        if (m_users->itemText(i).compare(page.shownUser, Qt::CaseInsensitive) == 0) {
            m_users->setCurrentIndex(i);
            break;
        }
    }
    m_userType->setCurrentIndex(std::clamp(page.userType, 1, int(m_userType->count())) - 1);
    m_users->setEnabled(page.userChoiceEnabled);
    m_userType->setEnabled(page.userChoiceEnabled);

    if (m_summaryValues.size() != page.summary.size()) {
        while (m_summary->rowCount() > 0)
            m_summary->removeRow(0);
        m_summaryValues.clear();
        for (const UserSummaryLine& line : page.summary) {
            auto* value = new QLabel(this);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            value->setWordWrap(true);
            m_summary->addRow(line.label, value);
            m_summaryValues.append(value);
        }
    }
    for (qsizetype i = 0; i < page.summary.size(); ++i)
        m_summaryValues[i]->setText(page.summary[i].value);
    m_chart->SetSeries(page.series);
}

void ResultsView::RunReportsDialog(const ReportFolder& folder)
{
    ReportsDialog dialog(folder, window());
    dialog.exec();
}

std::optional<int> ResultsView::RunGoalDialog(const GoalDialogSetup& setup)
{
    GoalDialog dialog(setup, window());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Goal();
}

void ResultsView::ShowHighScores(const QList<HighScoreRow>& rows)
{
    HighScoresWindow dialog(rows, window());
    dialog.exec();
}

} // namespace clavora
