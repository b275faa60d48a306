#pragma once

#include <QString>
#include <QStringList>

namespace clavora {

class RegistryStore;

// The one layer every part of the tutor reads and writes persistent values through: global
// values under any key path, values of the current user's profile, the user list. Every read goes
// to the store, so a write is visible to the next read; a failed write is reported by the result
// and otherwise ignored by callers.
class SettingsStore final
{
public:
    explicit SettingsStore(RegistryStore& registry);

    RegistryStore& Registry() { return m_registry; }

    // Global values under any key path below the product root. An empty path names no key:
    // reads give the default and writes are refused.
    QString ReadText(const QString& key, const QString& name, const QString& defaultValue = QString()) const;
    bool WriteText(const QString& key, const QString& name, const QString& value);
    int ReadInt(const QString& key, const QString& name, int defaultValue) const;
    bool WriteInt(const QString& key, const QString& name, int value);
    bool ReadFlag(const QString& key, const QString& name, bool defaultValue) const;
    bool WriteFlag(const QString& key, const QString& name, bool value);
    double ReadReal(const QString& key, const QString& name) const;
    bool WriteReal(const QString& key, const QString& name, double value, const char* format);
    bool DeleteValue(const QString& key, const QString& name);
    bool DeleteKey(const QString& key);
    QStringList SubkeyNames(const QString& key) const;

    // The current user, read from Settings\CurrentUser at each call.
    QString CurrentUserName() const;
    // Users\<name>, or a key below it; empty when the name is empty or holds a backslash, so
    // such a user's values read as defaults and are never written.
    QString CurrentUserKey(const QString& below = QString()) const;
    static QString UserKey(const QString& userName, const QString& below = QString());

    // Values of the current user's profile (defaults: empty, 0, false).
    QString ReadUserText(const QString& name, const QString& defaultValue = QString()) const;
    bool WriteUserText(const QString& name, const QString& value);
    int ReadUserInt(const QString& name, int defaultValue = 0) const;
    bool WriteUserInt(const QString& name, int value);
    bool ReadUserFlag(const QString& name, bool defaultValue = false) const;
    bool WriteUserFlag(const QString& name, bool value);

    // Text values kept in Users\<current>\Results itself.
    QString ReadResultsText(const QString& name, const QString& defaultValue = QString()) const;
    bool WriteResultsText(const QString& name, const QString& value);

    // Integer values in the results subkey of an exercise kind (see ResultsSubkeyName).
    int ReadKindInt(int exerciseKind, const QString& name, int defaultValue = 0) const;
    bool WriteKindInt(int exerciseKind, const QString& name, int value);
    // "Tests", "Lessons", "Flurrix", "ThirtySeconds", "TypingHero", or empty for other kinds.
    static QString ResultsSubkeyName(int exerciseKind);
    // Users\<current>\Results\<subkey>; for kinds without a subkey the last segment is empty;
    // empty without a usable current user.
    QString KindResultsKey(int exerciseKind) const;

    // The user list.
    bool UserExists(const QString& name) const;
    // A name is acceptable when it is 1 to 100 characters, starts with a visible character and
    // holds no backslash (it would nest one user's keys inside another's) or control character.
    static bool IsAcceptableUserName(const QString& name);
    static constexpr int MaxUserNameLength = 100;
    bool CreateUser(const QString& name, int userType);
    bool DeleteUser(const QString& name);
    bool ResetUser();
    bool SelectUser(const QString& name);
    QStringList UserNames() const;

    // Keys and values of the global "Settings" key.
    static const QString SettingsKey;
    static const QString UsersKey;

private:
    bool WriteUserDefaults(const QString& userKey);

    RegistryStore& m_registry;
};

} // namespace clavora
