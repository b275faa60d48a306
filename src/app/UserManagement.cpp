#include "app/UserManagement.h"

#include "platform/RegistryStore.h"
#include "settings/SettingsStore.h"

namespace clavora {

const QString UserManagement::HelpTopic = QStringLiteral("user_management");
const QString UserManagement::DuplicateNameMessage =
    QStringLiteral("This user exists already. Please type a unique user name.");
const QString UserManagement::UnusableNameMessage =
    QStringLiteral("A user name cannot contain a backslash or a control character.");
const QString UserManagement::NotSavedMessage = QStringLiteral("The new user could not be saved.");
const QString UserManagement::OnlyUserMessage =
    QStringLiteral("You cannot remove the only user. Please add another user before deleting this one.");
const QString UserManagement::NotRemovedMessage = QStringLiteral("The user could not be removed.");

bool UserManagement::CanAcceptName(const QString& name)
{
    return !name.isEmpty() && !name[0].isSpace() && name[0].isPrint();
}

QString UserManagement::AddUser(const QString& name, int userType)
{
    if (m_settings.UserExists(name))
        return DuplicateNameMessage;
    if (!SettingsStore::IsAcceptableUserName(name))
        return UnusableNameMessage;
    return m_settings.CreateUser(name, userType) ? QString() : NotSavedMessage;
}

QStringList UserManagement::Users() const
{
    return m_settings.UserNames();
}

QString UserManagement::RemovalRefusal() const
{
    return Users().size() <= 1 ? OnlyUserMessage : QString();
}

QString UserManagement::RemoveUser(const QString& name)
{
    if (!RemovalRefusal().isEmpty())
        return OnlyUserMessage;
    RegistryStore::Transaction transaction(m_settings.Registry());
    if (!m_settings.DeleteUser(name))
        return NotRemovedMessage;
    // The current user may be named in another case than its key; what counts is that it is gone.
    const QStringList remaining = Users();
    if (!m_settings.UserExists(m_settings.CurrentUserName()) && !m_settings.SelectUser(remaining.value(0)))
        return NotRemovedMessage;
    return transaction.Commit() ? QString() : NotRemovedMessage;
}

} // namespace clavora
