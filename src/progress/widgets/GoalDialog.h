#pragma once

#include "progress/GoalRules.h"

#include <QDialog>

class QSpinBox;

namespace clavora {

// The goal WPM dialog: congratulates when the goal was beaten and suggests a new one, or lets the
// user change the goal at any time. A goal outside 1..200 keeps it open with a warning.
class GoalDialog final : public QDialog
{
    Q_OBJECT

public:
    GoalDialog(const GoalDialogSetup& setup, QWidget* parent = nullptr);

    int Goal() const;
    QSpinBox* GoalField() const { return m_goal; }

    void accept() override;

private:
    QSpinBox* m_goal = nullptr;
};

} // namespace clavora
