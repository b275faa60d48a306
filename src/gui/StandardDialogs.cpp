#include "gui/StandardDialogs.h"

#include <QMessageBox>
#include <QPushButton>

namespace clavora {

bool AskWithButtons(QWidget* parent, const QString& title, const QString& text, const QString& acceptText,
                    const QString& cancelText)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton* accept = box.addButton(acceptText, QMessageBox::AcceptRole);
    box.addButton(cancelText, QMessageBox::RejectRole);
    box.setDefaultButton(accept);
    box.exec();
    return box.clickedButton() == accept;
}

QFont TahomaFont(int pixelHeight)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace clavora
