#include "games/widgets/FlurrixDrawing.h"

#include "games/FlurrixField.h"
#include "games/FlurrixScreen.h"
#include "games/SceneButton.h"
#include "games/widgets/ScenePainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace clavora {

namespace {

const QColor SkyTop(102, 181, 223);
const QColor SkyBottom(153, 205, 234);
const QColor MatchedText(200, 160, 0);
const QColor Ink(20, 40, 70);
const TextFont StatusFont{QStringLiteral("Arial"), 35, 700};
const TextFont HealthFont{QStringLiteral("Arial"), 17, 700};
constexpr int GroundHeight = 50;
constexpr int BarLeft = 118;
constexpr int BarRightMargin = 120;
constexpr int BarAbove = 33;
constexpr int BarHeight = 24;
constexpr int BombSpacing = 28;
constexpr int BombAbove = 40;
constexpr int ShownBombsMax = 4;
constexpr int ScoreBoxWidth = 130;
constexpr int ScoreBoxHeight = 40;
constexpr int HighScoreFromRight = 200;
constexpr int ScoreLineGap = 35;
constexpr int SnowflakeCount = 90;

int Channel(double value)
{
    return std::clamp(static_cast<int>(value), 0, 255);
}

// A fixed pseudo-random number in [0, 1) for decorative snow; the game's own rand stays untouched.
double Scatter(int index, int salt)
{
    const double value = std::sin(index * 12.9898 + salt * 78.233) * 43758.5453;
    return value - std::floor(value);
}

QRectF BoxOf(const SceneNode& node)
{
    return QRectF(node.Left(), node.Y(), node.Size().width(), node.Size().height());
}

} // namespace

void FlurrixDrawing::Draw(QPainter& painter, ScenePainter& scene, GameScreen& screen, double timeMs)
{
    auto& flurrix = static_cast<FlurrixScreen&>(screen);
    const FlurrixField& field = flurrix.Field();
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawScenery(painter, scene, flurrix);
    DrawSnow(painter, QSizeF(flurrix.Width(), flurrix.Height()), timeMs);
    switch (field.State()) {
    case GameState::Playing:
        DrawWords(painter, scene, field);
        DrawStatusBar(painter, scene, field);
        break;
    case GameState::Menu:
    case GameState::GameOver:
        DrawScores(painter, scene, field);
        break;
    case GameState::Paused:
        break;
    }
    if (screen.State() == GameState::GameOver)
        DrawGameOver(painter, scene, flurrix);
    if (screen.State() != GameState::Playing)
        DrawMenu(painter, scene, flurrix);
}

void FlurrixDrawing::DrawScenery(QPainter& target, ScenePainter& scene, const FlurrixScreen& screen)
{
    const qreal ratio = target.device() ? target.device()->devicePixelRatioF() : 1.0;
    std::vector<double> key = {screen.Width(), screen.Height(), ratio};
    for (const auto& decoration : screen.Decorations())
        key.push_back(decoration.x + decoration.picture * 1e5);
    if (key == m_sceneryKey && !m_scenery.isNull()) {
        target.drawPixmap(0, 0, m_scenery);
        return;
    }
    // The sky, snowbanks and scenery change only with the size: drawn once, then copied.
    const double width = screen.Width();
    const double height = screen.Height();
    m_scenery = QPixmap(QSize(int(std::ceil(width * ratio)), int(std::ceil(height * ratio))));
    m_scenery.setDevicePixelRatio(ratio);
    QPainter painter(&m_scenery);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, SkyTop);
    sky.setColorAt(1, SkyBottom);
    painter.fillRect(QRectF(0, 0, width, height), sky);

    const double groundLine = height - FlurrixScreen::GroundLine;
    const auto bank = [&](double base, double amplitude, double waves, double phase, const QColor& top,
                          const QColor& bottom) {
        QPainterPath path(QPointF(0, height));
        for (double x = 0; x <= width + 8; x += 8)
            path.lineTo(x, base - amplitude * (0.5 + 0.5 * std::sin(x / width * waves * 2 * std::numbers::pi +
                                                                    phase)));
        path.lineTo(width, height);
        path.closeSubpath();
        QLinearGradient fill(0, base - amplitude, 0, height);
        fill.setColorAt(0, top);
        fill.setColorAt(1, bottom);
        painter.fillPath(path, fill);
    };
    bank(groundLine - 10, 70, 1.6, 0.8, QColor(214, 233, 246), QColor(236, 245, 252));
    bank(groundLine + 6, 22, 2.7, 2.1, QColor(244, 249, 253), QColor(226, 238, 248));

    std::vector<FlurrixScreen::Decoration> decorations(screen.Decorations().begin() + 1,
                                                       screen.Decorations().end());
    std::sort(decorations.begin(), decorations.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    decorations.push_back(screen.Decorations().front()); // the snowman in front
    for (const auto& decoration : decorations) {
        if (decoration.x < 0)
            continue;
        const QSizeF size = scene.Pictures().LogicalSize(decoration.picture);
        scene.DrawPicture(painter, decoration.picture,
                          QPointF(decoration.x - size.width() / 2, groundLine - size.height() + 6));
    }

    const QRectF ground(0, height - GroundHeight, width, GroundHeight);
    QLinearGradient snow(0, ground.top(), 0, ground.bottom());
    snow.setColorAt(0, QColor(255, 255, 255));
    snow.setColorAt(1, QColor(240, 246, 252));
    painter.fillRect(ground, snow);
    painter.setPen(QPen(QColor(200, 222, 240), 1.5));
    painter.drawLine(QPointF(0, ground.top()), QPointF(width, ground.top()));
    painter.end();
    m_sceneryKey = key;
    target.drawPixmap(0, 0, m_scenery);
}

void FlurrixDrawing::DrawSnow(QPainter& painter, const QSizeF& size, double timeMs) const
{
    const double seconds = timeMs / 1000.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < SnowflakeCount; ++i) {
        const double radius = 1.2 + 2.6 * Scatter(i, 1);
        const double speed = 18 + 30 * radius; // larger flakes are nearer and fall faster
        const double y = std::fmod(Scatter(i, 2) * size.height() + seconds * speed, size.height() + 20) - 10;
        const double x = Scatter(i, 3) * size.width() + 14 * std::sin(seconds * (0.4 + Scatter(i, 4)) + i);
        painter.setBrush(QColor(255, 255, 255, 120 + int(100 * Scatter(i, 5))));
        painter.drawEllipse(QPointF(x, y), radius, radius);
    }
    painter.restore();
}

void FlurrixDrawing::DrawWords(QPainter& painter, ScenePainter& scene, const FlurrixField& field) const
{
    painter.setFont(scene.Font(FallingWord::Font()));
    const QFontMetricsF metrics(painter.font());
    for (const auto& word : field.FallingWords()) {
        if (!word->IsPlaced())
            continue;
        const QSizeF size = word->Size();
        scene.DrawPictureCentred(painter, word->Picture(),
                                 QPointF(word->X() + size.width() / 2, word->Y() + size.height() / 2));
        const QString matched = word->Text().left(word->MatchedLength());
        const QString rest = word->Text().mid(word->MatchedLength());
        const double baseline = word->Y() + metrics.ascent();
        if (!matched.isEmpty()) {
            painter.setPen(MatchedText);
            painter.drawText(QPointF(word->X(), baseline), matched);
        }
        painter.setPen(ScenePainter::ColourOf(word->Colour()));
        painter.drawText(QPointF(word->X() + metrics.horizontalAdvance(matched), baseline), rest);
    }
}

void FlurrixDrawing::DrawStatusBar(QPainter& painter, ScenePainter& scene, const FlurrixField& field) const
{
    const double width = field.FieldWidth();
    const double height = field.FieldHeight();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bar(BarLeft, height - BarAbove, width - BarLeft - BarRightMargin, BarHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(bar, 5, 5);
    // The fill flashes towards white while it catches up with the health.
    const double shown = field.ShownHealth();
    const double health = field.Health();
    const double flash = health > 0 ? std::min(std::abs(shown - health) / health, 100.0) : 100.0;
    const QColor light(Channel(240 + 15 * flash), Channel(160 + 95 * flash), Channel(120 + 135 * flash));
    const QColor dark(Channel(100 + 155 * flash), Channel(40 + 215 * flash), Channel(20 + 235 * flash));
    const double fillWidth = (width - 2 * BarRightMargin) * shown / 100 - 2;
    if (fillWidth > 0) {
        const QRectF fill(bar.left() + 1, bar.top() + 1, fillWidth, BarHeight - 2);
        QLinearGradient gradient(fill.topLeft(), fill.bottomLeft());
        gradient.setColorAt(0, light);
        gradient.setColorAt(1, dark);
        painter.setBrush(gradient);
        painter.drawRoundedRect(fill, 4, 4);
    }
    painter.setFont(scene.Font(HealthFont));
    painter.setPen(Qt::white);
    painter.drawText(bar, Qt::AlignCenter, QString::asprintf("%d%%", std::max(0, field.Health())));
    painter.restore();

    for (int i = 0; i < std::min(field.Bombs(), ShownBombsMax); ++i)
        scene.DrawPicture(painter, FlurrixScreen::BombPicture,
                          QPointF(width - BombSpacing * (i + 1), height - BombAbove));

    painter.setFont(scene.Font(StatusFont));
    painter.setPen(Ink);
    painter.drawText(QRectF(0, height - ScoreBoxHeight, ScoreBoxWidth, ScoreBoxHeight), Qt::AlignCenter,
                     QString::number(field.Score()));
}

void FlurrixDrawing::DrawScores(QPainter& painter, ScenePainter& scene, const FlurrixField& field) const
{
    const QFont font = scene.Font(StatusFont);
    painter.setFont(font);
    painter.setPen(Ink);
    const double lineHeight = QFontMetricsF(font).height();
    const double right = field.FieldWidth() - HighScoreFromRight;
    const auto line = [&](double x, double y, const QString& text) {
        painter.drawText(QRectF(x, y, HighScoreFromRight, lineHeight), Qt::AlignLeft | Qt::AlignTop, text);
    };
    line(12, 8, QStringLiteral("Last Score"));
    line(12, 8 + ScoreLineGap, QString::number(field.Score()));
    line(right, 8, QStringLiteral("High Score"));
    line(right, 8 + ScoreLineGap, QString::number(field.HighScore()));
}

void FlurrixDrawing::DrawMenu(QPainter& painter, ScenePainter& scene, FlurrixScreen& screen) const
{
    if (screen.State() == GameState::GameOver)
        return;
    const bool paused = screen.State() == GameState::Paused;
    const SceneNode& lowest = screen.Help();
    QRectF box = BoxOf(screen.Title()).united(BoxOf(lowest)).united(BoxOf(screen.StartButton()));
    box.setLeft(std::min(box.left(), screen.Width() / 2 - 330));
    box.setRight(std::max(box.right(), screen.Width() / 2 + 330));
    const QString notice = screen.Field().Notice();
    QRectF noticeBox;
    if (!notice.isEmpty() && !paused) {
        painter.setFont(scene.Font(TextFont{QStringLiteral("Arial"), 17, 700}));
        noticeBox = painter.fontMetrics().boundingRect(QRect(0, 0, int(box.width()) - 60, 1000),
                                                       Qt::TextWordWrap | Qt::AlignHCenter, notice);
        noticeBox.moveTopLeft(QPointF(box.left() + 30, box.bottom() + 24));
        box.setBottom(noticeBox.bottom());
    }
    DrawBackdrop(painter, box.adjusted(-10, -28, 10, 28));
    if (!noticeBox.isEmpty()) {
        painter.setPen(QColor(155, 25, 25));
        painter.drawText(noticeBox, Qt::TextWordWrap | Qt::AlignHCenter, notice);
    }
    scene.DrawNodes(painter, screen.MenuItems(), screen.Hovered());
}

void FlurrixDrawing::DrawGameOver(QPainter& painter, ScenePainter& scene, FlurrixScreen& screen) const
{
    QRectF box = BoxOf(screen.GameOverTitle()).united(BoxOf(screen.ReturnButton()));
    box.setLeft(std::min(box.left(), screen.Width() / 2 - 260));
    box.setRight(std::max(box.right(), screen.Width() / 2 + 260));
    DrawBackdrop(painter, box.adjusted(-10, -28, 10, 28));
    scene.DrawNodes(painter, screen.GameChildren(), screen.Hovered());
}

void FlurrixDrawing::DrawBackdrop(QPainter& painter, const QRectF& box)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 220), 2));
    painter.setBrush(QColor(255, 255, 255, 165));
    painter.drawRoundedRect(box, 26, 26);
    painter.restore();
}

} // namespace clavora
