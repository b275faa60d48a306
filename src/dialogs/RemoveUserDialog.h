#pragma once

#include <functional>
#include <QDialog>

class QDialogButtonBox;
class QListWidget;

namespace clavora {

class UserManagement;

// Removes a user chosen from the list, with all of that user's results; the only user stays.
class RemoveUserDialog final : public QDialog
{
    Q_OBJECT

public:
    RemoveUserDialog(UserManagement& users, std::function<void(const QString&)> openHelp,
                     QWidget* parent = nullptr);

    QListWidget* UserList() const { return m_list; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

    void accept() override;

private:
    UserManagement& m_users;
    QListWidget* m_list;
    QDialogButtonBox* m_buttons;
};

} // namespace clavora
