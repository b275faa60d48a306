#include "session/widgets/ClockPanel.h"

#include "session/ExerciseClock.h"
#include "session/widgets/ExerciseFont.h"

#include <QPainter>

namespace clavora {

namespace {
constexpr int DigitsPixelSize = 30;
} // namespace

ClockPanel::ClockPanel(const ExerciseClock& clock, QWidget* parent)
    : QWidget(parent), m_clock(clock), m_font(QStringLiteral("Tahoma"))
{
    m_font.setPixelSize(DigitsPixelSize);
    m_font.setWeight(QFont::Bold);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClockPanel::SetShowTimers(bool show)
{
    m_showTimers = show;
    update();
}

void ClockPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (!m_showTimers)
        return;
    painter.setFont(m_font);
    painter.setPen(PanelColors::ClockDigits);

    // The format's box, centred in the panel; the text is placed in it by the clock's alignment.
    const int boxWidth = m_clock.TextWidth();
    const QRect box((width() - boxWidth) / 2, (height() - ExerciseClock::BoxHeight) / 2, boxWidth,
                    ExerciseClock::BoxHeight);
    int flags = Qt::TextDontClip;
    switch (m_clock.ClockAlignment()) {
    case ExerciseClock::Alignment::TopLeft:
        flags |= Qt::AlignLeft | Qt::AlignTop;
        break;
    case ExerciseClock::Alignment::Right:
        flags |= Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap;
        break;
    case ExerciseClock::Alignment::Centred:
        flags |= Qt::AlignCenter | Qt::TextSingleLine;
        break;
    }
    painter.drawText(box, flags, m_clock.Text());
}

} // namespace clavora
