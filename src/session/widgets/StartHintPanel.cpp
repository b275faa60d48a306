#include "session/widgets/StartHintPanel.h"

#include "session/PanelLayout.h"
#include "session/widgets/ExerciseFont.h"

#include <algorithm>
#include <QFontDatabase>
#include <QPainter>

namespace clavora {

namespace {

constexpr int Margin = 24;
constexpr int Gap = 12;
constexpr int BarHeight = 4;
const QColor DescriptionColour{80, 80, 80};
const QColor NoticeColour{150, 40, 0};
const QColor BarTrack{225, 225, 225};
const QColor BarFill{70, 120, 190};

} // namespace

StartHintPanel::StartHintPanel(const TypingSession& session, QWidget* parent)
    : QWidget(parent), m_guidance(session)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    m_liveTimer.setInterval(LiveUpdateMs);
    connect(&m_liveTimer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    hide();
}

void StartHintPanel::SetHint(const QString& heading, const QString& description)
{
    m_heading = heading;
    m_description = description;
    Place();
}

void StartHintPanel::SetFontSize(int storedFontSize)
{
    m_fontSize = storedFontSize;
    update();
}

void StartHintPanel::OnStateChanged(int state, int kind)
{
    m_guidance.OnStateChanged(state, kind);
    // The figures move on by themselves only while typing; the key path never paints them.
    if (m_guidance.IsLive())
        m_liveTimer.start();
    else
        m_liveTimer.stop();
    Place();
}

void StartHintPanel::SetNewKeys(const QString& keys)
{
    m_guidance.SetNewKeys(keys);
    update();
}

void StartHintPanel::SetTextArea(const QRect& area)
{
    m_textArea = area;
    Place();
}

void StartHintPanel::Place()
{
    const bool band = IsBand();
    setGeometry(band ? QRect(m_textArea.topLeft(), QSize(m_textArea.width(), BandHeight)) : m_textArea);
    setVisible(!band || !m_guidance.Band().IsEmpty());
    raise();
    update();
}

void StartHintPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (!IsBand()) {
        PaintCover(painter);
        return;
    }
    PaintBand(painter);
    // The band is the top of the text panel: it carries on the panel's frame.
    painter.setPen(PanelColors::Text);
    painter.drawPolyline(QPolygon{QPoint(0, height() - 1), QPoint(0, 0), QPoint(width() - 1, 0),
                                  QPoint(width() - 1, height() - 1)});
}

void StartHintPanel::PaintBand(QPainter& painter)
{
    const GuidanceBand band = m_guidance.Band();
    if (band.IsEmpty())
        return;
    // Figures in fixed-width digits, so the line does not shift as they change.
    QFont font = band.isFigures ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : this->font();
    font.setPixelSize(std::max(14, TextFontPixelSize(m_fontSize) * 3 / 4));
    font.setBold(!band.isFigures);
    painter.setFont(font);
    painter.setPen(band.isFigures ? PanelColors::Text : DescriptionColour);
    const QRect textBox = rect().adjusted(Margin, 0, -Margin, -BarHeight - 4);
    painter.drawText(textBox, Qt::AlignCenter | Qt::TextSingleLine, band.text);
    if (band.remainingFraction < 0)
        return;
    // The bar of time left runs under the text block, as wide as it.
    const int barWidth = std::min(width() - 2 * Margin, TargetLayout::BlockWidth);
    const QRect track((width() - barWidth) / 2, height() - BarHeight - 2, barWidth, BarHeight);
    painter.fillRect(track, BarTrack);
    painter.fillRect(QRect(track.topLeft(), QSize(int(barWidth * band.remainingFraction), BarHeight)),
                     BarFill);
}

void StartHintPanel::PaintCover(QPainter& painter)
{
    const QFont headingFont = ExerciseFont::ForSize(m_fontSize).font;
    QFont descriptionFont = font();
    descriptionFont.setPointSizeF(descriptionFont.pointSizeF() * 1.2);

    const QString notice = m_guidance.IdleNotice();
    if (!notice.isEmpty()) {
        QFont noticeFont = descriptionFont;
        noticeFont.setBold(true);
        painter.setFont(noticeFont);
        painter.setPen(NoticeColour);
        painter.drawText(QRect(0, 0, width(), BandHeight), Qt::AlignCenter, notice);
    }

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
