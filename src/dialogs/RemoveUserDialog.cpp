#include "dialogs/RemoveUserDialog.h"

#include "app/UserManagement.h"
#include "gui/BalloonTip.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace clavora {

RemoveUserDialog::RemoveUserDialog(UserManagement& users, std::function<void(const QString&)> openHelp,
                                   QWidget* parent)
    : QDialog(parent), m_users(users), m_list(new QListWidget),
      m_buttons(
          new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help))
{
    setWindowTitle(QStringLiteral("Delete a User"));
    m_list->addItems(users.Users());
    auto* label =
        new QLabel(QStringLiteral("Choose the &user to remove. All of the user's results are deleted."));
    label->setWordWrap(true);
    label->setBuddy(m_list);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_buttons);

    QPushButton* ok = m_buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this, ok] {
        const QString refusal = m_users.RemovalRefusal();
        ok->setEnabled(refusal.isEmpty() && m_list->currentItem());
        if (!refusal.isEmpty())
            ShowBalloonTip(m_list, QStringLiteral("Delete a User"), refusal);
    });
    connect(m_buttons, &QDialogButtonBox::accepted, this, &RemoveUserDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttons, &QDialogButtonBox::helpRequested, this, [openHelp] {
        if (openHelp)
            openHelp(UserManagement::HelpTopic);
    });
    resize(340, 320);
}

void RemoveUserDialog::accept()
{
    if (!m_list->currentItem())
        return;
    const QString refusal = m_users.RemoveUser(m_list->currentItem()->text());
    if (!refusal.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), refusal);
        return;
    }
    QDialog::accept();
}

} // namespace clavora
