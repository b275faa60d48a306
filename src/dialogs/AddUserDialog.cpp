#include "dialogs/AddUserDialog.h"

#include "app/UserManagement.h"
#include "dialogs/UserTypes.h"
#include "gui/BalloonTip.h"
#include "settings/SettingsStore.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace clavora {

AddUserDialog::AddUserDialog(UserManagement& users, std::function<void(const QString&)> openHelp,
                             QWidget* parent)
    : QDialog(parent), m_users(users), m_name(new QLineEdit), m_types(new QListWidget),
      m_buttons(
          new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help))
{
    setWindowTitle(QStringLiteral("Add New User"));
    m_name->setMaxLength(SettingsStore::MaxUserNameLength);
    m_types->addItems(UserTypeNames());
    m_types->setCurrentRow(DefaultUserType - 1);

    auto* nameLabel = new QLabel(QStringLiteral("User &name:"));
    nameLabel->setBuddy(m_name);
    auto* typeLabel = new QLabel(QStringLiteral("User &type:"));
    typeLabel->setBuddy(m_types);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel);
    layout->addWidget(m_name);
    layout->addWidget(typeLabel);
    layout->addWidget(m_types, 1);
    layout->addWidget(m_buttons);

    QPushButton* ok = m_buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(m_name, &QLineEdit::textChanged, this,
            [ok](const QString& name) { ok->setEnabled(UserManagement::CanAcceptName(name)); });
    connect(m_buttons, &QDialogButtonBox::accepted, this, &AddUserDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttons, &QDialogButtonBox::helpRequested, this, [openHelp] {
        if (openHelp)
            openHelp(UserManagement::HelpTopic);
    });
    resize(340, 340);
}

void AddUserDialog::accept()
{
    if (!UserManagement::CanAcceptName(m_name->text()))
        return;
    const QString refusal = m_users.AddUser(m_name->text(), std::max(m_types->currentRow(), 0) + 1);
    if (!refusal.isEmpty()) {
        ShowBalloonTip(m_name, QStringLiteral("User Name"), refusal);
        m_name->setFocus();
        m_name->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace clavora
