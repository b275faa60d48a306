#include "progress/widgets/GoalDialog.h"

#include "gui/BalloonTip.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace clavora {

GoalDialog::GoalDialog(const GoalDialogSetup& setup, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Goal WPM"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    if (!setup.firstLine.isEmpty()) {
        auto* first = new QLabel(setup.firstLine, this);
        QFont bold = first->font();
        bold.setBold(true);
        first->setFont(bold);
        layout->addWidget(first);
    }
    auto* second = new QLabel(setup.secondLine, this);
    second->setWordWrap(true);
    layout->addWidget(second);

    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("Goal WPM:"), this);
    m_goal = new QSpinBox(this);
    // Wider than the accepted goals, so that a goal out of range is explained, not silently cut.
    m_goal->setRange(0, 999);
    m_goal->setValue(setup.goal);
    m_goal->setAccelerated(true);
    label->setBuddy(m_goal);
    row->addWidget(label);
    row->addWidget(m_goal);
    row->addStretch(1);
    layout->addLayout(row);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Change Goal"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Leave Goal"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &GoalDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &GoalDialog::reject);
    layout->addWidget(buttons);
    m_goal->setFocus();
    m_goal->selectAll();
}

int GoalDialog::Goal() const
{
    return m_goal->value();
}

void GoalDialog::accept()
{
    m_goal->interpretText();
    if (!GoalRules::IsValidGoal(Goal())) {
        ShowBalloonTip(m_goal, GoalRules::InvalidTitle, GoalRules::InvalidText);
        m_goal->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace clavora
