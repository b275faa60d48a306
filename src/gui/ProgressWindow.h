#pragma once

#include "content/ProgressReporter.h"
#include "platform/Clock.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QProgressBar;
class QPushButton;

namespace clavora {

// The modal window a long load runs under: its status text and a progress bar. It appears only
// once the load has taken half a second, so quick loads do not flash a window. Errors reported
// during the load are gathered and shown together in one message box when the load is finished.
class ProgressWindow final : public QDialog, public ProgressReporter
{
    Q_OBJECT

public:
    static constexpr qint64 ShowDelayMs = 500;

    // With `cancellable`, a Cancel button (and Esc or closing the window) asks the load to stop;
    // otherwise the window cannot be closed while the load runs.
    ProgressWindow(const Clock& clock, const QString& title, bool cancellable = false,
                   QWidget* parent = nullptr);

    bool IsCancelled() override;
    void SetStatus(const QString& text) override;
    void SetFraction(double fraction) override;
    void ReportError(const QString& text) override;

    // Hides the window and shows the reported errors, if any, in one message box.
    void Finish();

    QString StatusText() const;
    // The progress bar's position, 0 to ProgressSteps.
    int ProgressValue() const;
    static constexpr int ProgressSteps = 1000;
    const QStringList& Errors() const { return m_errors; }
    // The text of the message box Finish shows; empty when there were no errors.
    QString ErrorMessage() const { return m_errors.join(u'\n'); }

protected:
    void reject() override;

private:
    // Shows the window once the delay has passed and lets it repaint and take its Cancel click.
    void Refresh();

    const Clock& m_clock;
    const qint64 m_startMs;
    QLabel* m_status;
    QProgressBar* m_bar;
    QPushButton* m_cancelButton = nullptr;
    QStringList m_errors;
    bool m_cancelled = false;
};

} // namespace clavora
