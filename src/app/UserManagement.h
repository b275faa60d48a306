#pragma once

#include <QString>
#include <QStringList>

namespace clavora {

class SettingsStore;

// The rules of the add-user and remove-user dialogs.
class UserManagement final
{
public:
    static const QString HelpTopic;
    static const QString DuplicateNameMessage;
    static const QString UnusableNameMessage;
    static const QString NotSavedMessage;
    static const QString OnlyUserMessage;
    static const QString NotRemovedMessage;

    explicit UserManagement(SettingsStore& settings) : m_settings(settings) {}

    // OK is offered only while the name starts with a visible character.
    static bool CanAcceptName(const QString& name);
    // Creates the user with a type (1..7) and makes it the current user. Empty when created;
    // otherwise the message to show at the name field.
    QString AddUser(const QString& name, int userType);

    // The users in enumeration order.
    QStringList Users() const;
    // The message to show when a user is chosen for removal and none may be removed; else empty.
    QString RemovalRefusal() const;
    // Deletes the user with everything it holds; when it was the current user, the first
    // remaining one becomes current, in the same write. Empty when removed, else the message.
    QString RemoveUser(const QString& name);

private:
    SettingsStore& m_settings;
};

} // namespace clavora
