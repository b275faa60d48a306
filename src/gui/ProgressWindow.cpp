#include "gui/ProgressWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace clavora {

ProgressWindow::ProgressWindow(const Clock& clock, const QString& title, bool cancellable, QWidget* parent)
    : QDialog(parent), m_clock(clock), m_startMs(clock.TickMs()), m_status(new QLabel(this)),
      m_bar(new QProgressBar(this))
{
    setWindowTitle(title);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    if (!cancellable)
        setWindowFlag(Qt::WindowCloseButtonHint, false);
    m_status->setMinimumWidth(320);
    m_bar->setRange(0, ProgressSteps);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_bar);
    if (cancellable) {
        m_cancelButton = new QPushButton(tr("Cancel"), this);
        connect(m_cancelButton, &QPushButton::clicked, this, &ProgressWindow::reject);
        layout->addWidget(m_cancelButton, 0, Qt::AlignRight);
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool ProgressWindow::IsCancelled()
{
    Refresh();
    return m_cancelled;
}

void ProgressWindow::SetStatus(const QString& text)
{
    m_status->setText(text);
    Refresh();
}

void ProgressWindow::SetFraction(double fraction)
{
    m_bar->setValue(qRound(qBound(0.0, fraction, 1.0) * ProgressSteps));
    Refresh();
}

void ProgressWindow::ReportError(const QString& text)
{
    m_errors.append(text);
    Refresh();
}

QString ProgressWindow::StatusText() const
{
    return m_status->text();
}

int ProgressWindow::ProgressValue() const
{
    return m_bar->value();
}

void ProgressWindow::reject()
{
    if (m_cancelButton)
        m_cancelled = true;
}

void ProgressWindow::Refresh()
{
    if (!isVisible() && m_clock.TickMs() - m_startMs >= ShowDelayMs)
        show();
    if (isVisible())
        QCoreApplication::processEvents();
}

void ProgressWindow::Finish()
{
    hide();
    if (m_errors.isEmpty())
        return;
    QMessageBox::warning(parentWidget(), windowTitle(), ErrorMessage());
}

} // namespace clavora
