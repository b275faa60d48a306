#include "gui/ConfirmQuestion.h"

#include <QMessageBox>
#include <QPushButton>

namespace clavora {

bool ConfirmQuestion(QWidget* parent, const QString& title, const QString& text, const QString& acceptText,
                     const QString& cancelText)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton* accept = box.addButton(acceptText, QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(cancelText, QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == accept;
}

} // namespace clavora
