#include "games/widgets/ScenePainter.h"

#include "games/GameScreen.h"
#include "games/SceneButton.h"
#include "games/TextInputNode.h"
#include "games/widgets/FontTextMeasurer.h"

#include <QPainter>

namespace clavora {

namespace {

constexpr int CaptionGap = 2;
constexpr qreal HoverRadius = 12.0;

} // namespace

QFont ScenePainter::Font(const TextFont& font)
{
    const QString key =
        font.face + u'/' + QString::number(font.pixelHeight) + u'/' + QString::number(font.weight);
    auto found = m_fonts.constFind(key);
    if (found == m_fonts.cend())
        found = m_fonts.insert(key, FontTextMeasurer::FontOf(font));
    return *found;
}

QColor ScenePainter::ColourOf(SceneColour colour)
{
    return QColor(colour.red, colour.green, colour.blue, colour.alpha);
}

void ScenePainter::DrawNodes(QPainter& painter, const SceneNode::Children& nodes, const SceneNode* hovered)
{
    for (const auto& node : nodes)
        DrawNode(painter, *node, hovered);
}

void ScenePainter::DrawNode(QPainter& painter, const SceneNode& node, const SceneNode* hovered)
{
    if (!node.IsShown())
        return;
    if (node.Picture() != 0)
        DrawPicture(painter, node.Picture(), QPointF(node.X(), node.Y()));
    if (const auto* button = dynamic_cast<const SceneButton*>(&node))
        DrawButton(painter, *button, hovered == button);
    else if (const auto* label = dynamic_cast<const TextLabel*>(&node))
        DrawLabel(painter, *label);
    else if (const auto* input = dynamic_cast<const TextInputNode*>(&node)) {
        painter.setFont(Font(TextFont{}));
        painter.setPen(Qt::black);
        const QRectF box(input->X() - TextInputNode::DrawnWidth / 2.0, input->Y(), TextInputNode::DrawnWidth,
                         painter.fontMetrics().height());
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, input->Text());
    }
    DrawNodes(painter, node.ChildNodes(), hovered);
}

void ScenePainter::DrawLabel(QPainter& painter, const TextLabel& label)
{
    painter.setFont(Font(label.Font()));
    painter.setPen(ColourOf(label.Colour()));
    const QRectF box(label.Left(), label.Y(), label.Size().width(), label.Size().height());
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, FontTextMeasurer::DrawnText(label.Text()));
}

void ScenePainter::DrawButton(QPainter& painter, const SceneButton& button, bool hovered)
{
    const QRectF box(button.Left(), button.Y(), button.Size().width(), button.Size().height());
    if (hovered) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 110));
        painter.drawRoundedRect(box.adjusted(-18, -4, 18, 4), HoverRadius, HoverRadius);
        painter.restore();
    }
    if (!button.Caption().isEmpty()) {
        painter.setFont(Font(button.CaptionFont()));
        painter.setPen(QColor(60, 80, 110));
        const qreal height = painter.fontMetrics().height();
        painter.drawText(QRectF(button.X() - 200, button.Y() - height - CaptionGap, 400, height),
                         Qt::AlignHCenter | Qt::AlignBottom, button.Caption());
    }
    // A soft shadow keeps the light end of a pulsing text readable on a pale backdrop.
    painter.setFont(Font(button.Font()));
    painter.setPen(QColor(10, 50, 30, 90));
    painter.drawText(box.translated(1.5, 1.5), Qt::AlignHCenter | Qt::AlignTop,
                     FontTextMeasurer::DrawnText(button.Text()));
    DrawLabel(painter, button);
}

void ScenePainter::DrawOverlay(QPainter& painter, GameScreen& screen, const QRectF& area, QColor veil)
{
    painter.fillRect(area, veil);
    SceneNode* hovered = screen.Hovered();
    DrawNodes(painter, screen.GameChildren(), hovered);
    DrawNodes(painter, screen.MenuItems(), hovered);
}

void ScenePainter::DrawPicture(QPainter& painter, int number, QPointF topLeft)
{
    const QPixmap picture = m_pictures.Picture(number);
    if (!picture.isNull())
        painter.drawPixmap(topLeft, picture);
}

void ScenePainter::DrawPictureCentred(QPainter& painter, int number, QPointF centre)
{
    const QSizeF size = m_pictures.LogicalSize(number);
    DrawPicture(painter, number, centre - QPointF(size.width() / 2, size.height() / 2));
}

} // namespace clavora
