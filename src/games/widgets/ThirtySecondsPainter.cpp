#include "games/widgets/ThirtySecondsPainter.h"

#include "games/ThirtySecondsField.h"
#include "games/widgets/GameArt.h"

#include <numbers>
#include <QLinearGradient>
#include <QPainter>

namespace clavora {

namespace {

const QColor WaitingColour(155, 25, 255);
const QColor CompletedColour(140, 230, 140);
const QColor MissedColour(180, 180, 180);
const QColor TypedColour(70, 0, 130);
const QColor ClockPulseColour(255, 70, 70);
const QColor Gold(255, 200, 40);
const QColor Shadow(20, 16, 50, 160);
constexpr int WordPixels = 35;

void PaintWord(QPainter& painter, const ThirtySecondsField& field, const RaceWord& word, const QFont& font,
               const QFontMetricsF& metrics)
{
    const QPointF centre = field.WheelPoint(word.angle);
    const QColor colour = word.missed ? MissedColour : word.completed ? CompletedColour : WaitingColour;
    const double width = metrics.horizontalAdvance(word.text);
    const QPointF baseline(centre.x() - width / 2.0,
                           centre.y() + (metrics.ascent() - metrics.descent()) / 2.0);
    painter.setFont(font);
    painter.setPen(Shadow);
    painter.drawText(baseline + QPointF(1.5, 2.0), word.text);
    painter.setPen(colour);
    painter.drawText(baseline, word.text);
    if (!word.typed.isEmpty()) {
        painter.setPen(TypedColour);
        painter.drawText(baseline, word.typed);
    }
}

} // namespace

void ThirtySecondsPainter::PaintBackdrop(QPainter& painter, QSize size)
{
    if (m_backdrop.size() != size) {
        m_backdrop = QImage(size, QImage::Format_RGB32);
        QPainter compose(&m_backdrop);
        QLinearGradient sky(0, 0, 0, size.height());
        sky.setColorAt(0.0, QColor(52, 40, 128));
        sky.setColorAt(1.0, QColor(22, 18, 58));
        compose.fillRect(m_backdrop.rect(), sky);
        compose.drawImage(0, 0, GameArt::ScaledPicture(BackdropPicture, size));
    }
    painter.drawImage(0, 0, m_backdrop);
}

void ThirtySecondsPainter::PaintField(QPainter& painter, const ThirtySecondsField& field) const
{
    const QSizeF size = m_backdrop.size();
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont wordFont = GameArt::Font(WordPixels);
    const QFontMetricsF metrics(wordFont);
    for (const RaceWord& word : field.Done())
        PaintWord(painter, field, word, wordFont, metrics);
    // Later words first, so the current one is drawn on top.
    for (qsizetype k = field.Queue().size() - 1; k >= 0; --k)
        PaintWord(painter, field, field.Queue().at(k), wordFont, metrics);

    const int marker = field.LevelUpMarkerPosition();
    if (marker >= 0) {
        const QPointF word = field.WheelPoint(field.Queue().at(marker).angle);
        GameArt::CentredText(painter, word - QPointF(0, metrics.height() / 2.0 + 15.0),
                             QStringLiteral("\u2605"), GameArt::Font(28), Gold, Shadow);
    }
    const QString bonus = field.BonusText();
    if (!bonus.isEmpty()) {
        const QPointF top = field.WheelPoint(-std::numbers::pi / 2.0);
        GameArt::CentredText(painter, top - QPointF(0, 70), bonus, GameArt::Font(40), Gold, Shadow);
    }

    const QColor clockColour = field.ClockPulses()
                                   ? GameArt::Pulse(Qt::white, ClockPulseColour, field.ClockPulsePhase())
                                   : QColor(Qt::white);
    GameArt::CentredText(painter, QPointF(size.width() / 2.0, size.height() / 2.0 - 0.165 * size.height()),
                         field.ClockText(), GameArt::Font(64), clockColour, Shadow);
    GameArt::CentredText(painter, QPointF(size.width() / 2.0, size.height() / 2.0 + 0.095 * size.height()),
                         QString::number(field.Score()), GameArt::Font(44), Qt::white, Shadow);
}

} // namespace clavora
