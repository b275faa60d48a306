#pragma once

#include "app/CourseNavigation.h"

#include <QDialog>
#include <QList>

class QCommandLinkButton;
class QLabel;
class QPushButton;

namespace clavora {

class ResultsSummaryPanel;

// "Clavora Course Navigation": the figures of the exercise that has ended, the next steps as
// command links, a "Stop" button that closes without a command, and a tip.
class ExerciseFinishedDialog final : public QDialog
{
    Q_OBJECT

public:
    static const QString Title;

    explicit ExerciseFinishedDialog(const ExerciseFinishedContent& content, QWidget* parent = nullptr);

    // Shows the dialog; the command of the button pressed, or 0.
    static int Run(const ExerciseFinishedContent& content, QWidget* parent);

    int ChosenCommand() const { return m_command; }
    const QList<QCommandLinkButton*>& CommandButtons() const { return m_buttons; }
    QPushButton* StopButton() const { return m_stop; }
    QLabel* TipLabel() const { return m_tip; }
    ResultsSummaryPanel* SummaryPanel() const { return m_summary; }

private:
    ResultsSummaryPanel* m_summary;
    QList<QCommandLinkButton*> m_buttons;
    QPushButton* m_stop;
    QLabel* m_tip;
    int m_command = 0;
};

} // namespace clavora
