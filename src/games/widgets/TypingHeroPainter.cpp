#include "games/widgets/TypingHeroPainter.h"

#include "games/TypingHeroField.h"
#include "games/widgets/GameArt.h"
#include "session/GuideKeyTables.h"

#include <algorithm>
#include <cmath>
#include <QPainter>

namespace clavora {

namespace {

const QColor MeterColour(50, 50, 250);
const QColor ScoreColour(0, 255, 0);
const QColor HitColour(250, 250, 0);
const QColor Halo(255, 255, 255, 200);

} // namespace

void TypingHeroPainter::PaintBackdrop(QPainter& painter, QSize size)
{
    if (m_backdrop.size() != size) {
        m_backdrop = QImage(size, QImage::Format_RGB32);
        m_backdrop.fill(QColor(18, 13, 38));
        QPainter compose(&m_backdrop);
        compose.drawImage(0, 0, GameArt::ScaledPicture(LanePicture, size));
        const QRectF keyboard = TypingHeroRules::KeyboardRect(size);
        m_keyboard = GameArt::ScaledPicture(KeyboardPicture, keyboard.size().toSize());
        compose.drawImage(keyboard.topLeft(), m_keyboard);
    }
    painter.drawImage(0, 0, m_backdrop);
}

void TypingHeroPainter::PaintField(QPainter& painter, const TypingHeroField& field)
{
    const QSizeF size = m_backdrop.size();
    const double laneLeft = TypingHeroRules::LaneX(0, size.width()) - 2.0;
    const double laneRight = laneLeft + TypingHeroRules::LaneCount * field.LetterSize();
    painter.setRenderHint(QPainter::Antialiasing);

    // The hit line, with a soft glow.
    painter.fillRect(QRectF(laneLeft, field.HitLine() - 6, laneRight - laneLeft, 12),
                     QColor(255, 255, 255, 40));
    painter.fillRect(QRectF(laneLeft, field.HitLine() - 1.5, laneRight - laneLeft, 3),
                     QColor(255, 255, 255, 210));

    const double side = field.LetterSize() - 6.0;
    const QFont letterFont = GameArt::Font(int(side * 0.6));
    painter.setFont(letterFont);
    for (const FallingLetter& letter : field.Letters()) {
        const QRectF square(field.LetterX(letter) + 1.0, letter.y, side, side);
        QColor fill =
            letter.hit ? GameArt::Pulse(Qt::white, HitColour, letter.pulsePhase) : QColor(Qt::white);
        if (letter.missed)
            fill.setAlpha(110);
        painter.setPen(QPen(QColor(0, 0, 0, 90), 2));
        painter.setBrush(fill);
        painter.drawRoundedRect(square, side * 0.14, side * 0.14);
        painter.setPen(Qt::black);
        painter.drawText(square, Qt::AlignCenter, QString(letter.character));
    }

    // The energy bar beside the lanes, filling from the bottom.
    const QRectF bar(laneRight + 24.0, size.height() * 0.08, 26.0,
                     std::max(0.0, field.HitLine() - size.height() * 0.08));
    painter.setPen(QPen(QColor(255, 255, 255, 160), 2));
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRoundedRect(bar, 6, 6);
    const double filled = bar.height() * std::clamp(field.ShownMeter(), 0.0, 1.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(MeterColour);
    painter.drawRoundedRect(
        QRectF(bar.left() + 3, bar.bottom() - filled + 3, bar.width() - 6, std::max(0.0, filled - 6)), 4, 4);

    PaintKeyboard(painter, field);

    const QFont figures = GameArt::Font(36);
    painter.setFont(figures);
    painter.setPen(ScoreColour);
    painter.drawText(QRectF(0, 16, size.width() - 24, 48), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(field.Score()));
    if (field.GradeDisplay() > TypingHeroField::GradeHiddenAt) {
        const double drop = TypingHeroField::GradeDisplayFrames - field.GradeDisplay();
        const QRectF keyboard = TypingHeroRules::KeyboardRect(size.toSize());
        GameArt::CentredText(painter, QPointF(size.width() / 2.0, keyboard.top() - 50.0 + drop),
                             TypingHeroRules::GradeText(field.LastGrade()), figures, Qt::black, Halo);
    }
}

void TypingHeroPainter::PaintKeyboard(QPainter& painter, const TypingHeroField& field)
{
    const GuideKeyAndShift keys = field.HighlightedKeys();
    if (keys.key < 0)
        return;
    const QRectF keyboard = TypingHeroRules::KeyboardRect(m_backdrop.size());
    const double scale = keyboard.width() / GuideKeyTables::KeyboardPictureSize.width();
    const qreal ratio = scale * painter.device()->devicePixelRatioF();
    if (!m_highlights.IsLoaded() || m_highlights.Scale() != GuidePictures::ScaleForRatio(ratio)) {
        m_highlights = GuidePictures();
        m_highlights.Load(GuideKeyTables::KeyboardPictures(), ratio,
                          GuideKeyTables::KeyboardPictureSize.height());
    }
    painter.save();
    painter.translate(keyboard.topLeft());
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const int key : {keys.key, keys.shift}) {
        const KeyboardGuideKey* guideKey = GuideKeyTables::KeyboardKey(key);
        if (!guideKey)
            continue;
        const QPixmap highlight = m_highlights.Picture(guideKey->highlight.picture);
        painter.drawPixmap(QRectF(guideKey->highlight.x, guideKey->highlight.y,
                                  highlight.width() / highlight.devicePixelRatioF(),
                                  highlight.height() / highlight.devicePixelRatioF()),
                           highlight, highlight.rect());
    }
    painter.restore();
}

} // namespace clavora
