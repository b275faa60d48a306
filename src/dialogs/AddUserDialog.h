#pragma once

#include <functional>
#include <QDialog>

class QDialogButtonBox;
class QLineEdit;
class QListWidget;

namespace clavora {

class UserManagement;

// Adds a user: a name and the kind of learner; OK creates the user and makes it current.
class AddUserDialog final : public QDialog
{
    Q_OBJECT

public:
    AddUserDialog(UserManagement& users, std::function<void(const QString&)> openHelp,
                  QWidget* parent = nullptr);

    QLineEdit* NameField() const { return m_name; }
    QListWidget* TypeList() const { return m_types; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

    void accept() override;

private:
    UserManagement& m_users;
    QLineEdit* m_name;
    QListWidget* m_types;
    QDialogButtonBox* m_buttons;
};

} // namespace clavora
