#include "session/widgets/StartHintPanel.h"

#include "session/widgets/ExerciseFont.h"

#include <QPainter>

namespace clavora {

namespace {

constexpr int Margin = 24;
constexpr int Gap = 12;
const QColor DescriptionColour{80, 80, 80};

} // namespace

StartHintPanel::StartHintPanel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void StartHintPanel::SetHint(const QString& heading, const QString& description)
{
    m_heading = heading;
    m_description = description;
    setVisible(!heading.isEmpty());
    update();
}

void StartHintPanel::SetFontSize(int storedFontSize)
{
    m_fontSize = storedFontSize;
    update();
}

void StartHintPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QFont headingFont = ExerciseFont::ForSize(m_fontSize).font;
    QFont descriptionFont = font();
    descriptionFont.setPointSizeF(descriptionFont.pointSizeF() * 1.2);

    // Both texts wrap inside the margins and sit together in the middle of the panel.
    const QRect area = rect().adjusted(Margin, Margin, -Margin, -Margin);
    const int flags = Qt::AlignHCenter | Qt::TextWordWrap;
    const QRect headingBox = QFontMetrics(headingFont).boundingRect(area, flags, m_heading);
    const QRect descriptionBox = QFontMetrics(descriptionFont).boundingRect(area, flags, m_description);
    const int total = headingBox.height() + (m_description.isEmpty() ? 0 : Gap + descriptionBox.height());
    int top = area.top() + std::max(0, (area.height() - total) / 2);

    painter.setPen(PanelColors::Text);
    painter.setFont(headingFont);
    painter.drawText(QRect(area.left(), top, area.width(), headingBox.height()), flags, m_heading);
    top += headingBox.height() + Gap;
    painter.setPen(DescriptionColour);
    painter.setFont(descriptionFont);
    painter.drawText(QRect(area.left(), top, area.width(), descriptionBox.height()), flags, m_description);
    FinishTextPanel(painter, *this);
}

} // namespace clavora
