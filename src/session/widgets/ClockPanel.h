#pragma once

#include <QFont>
#include <QWidget>

namespace clavora {

class ExerciseClock;

// The exercise clock: the elapsed or remaining time in grey bold digits, centred in the panel.
// With the timers switched off it shows only its background; the clock runs on regardless.
class ClockPanel final : public QWidget
{
    Q_OBJECT

public:
    explicit ClockPanel(const ExerciseClock& clock, QWidget* parent = nullptr);

    void SetShowTimers(bool show);
    bool ShowsTimers() const { return m_showTimers; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ExerciseClock& m_clock;
    QFont m_font;
    bool m_showTimers = true;
};

} // namespace clavora
