#include "settings/SettingsStore.h"

#include "platform/RegistryStore.h"
#include "settings/ValueFormat.h"

namespace clavora {

const QString SettingsStore::SettingsKey = QStringLiteral("Settings");
const QString SettingsStore::UsersKey = QStringLiteral("Users");

namespace {

const QString CurrentUserValue = QStringLiteral("CurrentUser");
const QString ResultsKey = QStringLiteral("Results");

} // namespace

SettingsStore::SettingsStore(RegistryStore& registry) : m_registry(registry) {}

QString SettingsStore::ReadText(const QString& key, const QString& name, const QString& defaultValue) const
{
    if (key.isEmpty())
        return defaultValue;
    return m_registry.ReadValue(key, name).value_or(defaultValue);
}

bool SettingsStore::WriteText(const QString& key, const QString& name, const QString& value)
{
    return !key.isEmpty() && m_registry.WriteValue(key, name, value);
}

int SettingsStore::ReadInt(const QString& key, const QString& name, int defaultValue) const
{
    return ValueFormat::ParseInt(ReadText(key, name), defaultValue);
}

bool SettingsStore::WriteInt(const QString& key, const QString& name, int value)
{
    return WriteText(key, name, ValueFormat::FormatInt(value));
}

bool SettingsStore::ReadFlag(const QString& key, const QString& name, bool defaultValue) const
{
    return ValueFormat::ParseFlag(ReadText(key, name), defaultValue);
}

bool SettingsStore::WriteFlag(const QString& key, const QString& name, bool value)
{
    return WriteText(key, name, ValueFormat::FormatFlag(value));
}

double SettingsStore::ReadReal(const QString& key, const QString& name) const
{
    return ValueFormat::ParseReal(ReadText(key, name));
}

bool SettingsStore::WriteReal(const QString& key, const QString& name, double value, const char* format)
{
    return WriteText(key, name, ValueFormat::FormatReal(value, format));
}

bool SettingsStore::DeleteValue(const QString& key, const QString& name)
{
    return m_registry.DeleteValue(key, name);
}

bool SettingsStore::DeleteKey(const QString& key)
{
    return !key.isEmpty() && m_registry.DeleteKey(key);
}

QStringList SettingsStore::SubkeyNames(const QString& key) const
{
    return m_registry.SubkeyNames(key);
}

QString SettingsStore::CurrentUserName() const
{
    return ReadText(SettingsKey, CurrentUserValue);
}

QString SettingsStore::UserKey(const QString& userName, const QString& below)
{
    // Empty path segments are dropped, so an empty name would address "Users" itself, and a name
    // with a backslash a key inside another user's profile.
    if (userName.isEmpty() || userName.contains(u'\\'))
        return QString();
    QString key = UsersKey + u'\\' + userName;
    if (!below.isEmpty())
        key += u'\\' + below;
    return key;
}

QString SettingsStore::CurrentUserKey(const QString& below) const
{
    return UserKey(CurrentUserName(), below);
}

QString SettingsStore::ReadUserText(const QString& name, const QString& defaultValue) const
{
    return ReadText(CurrentUserKey(), name, defaultValue);
}

bool SettingsStore::WriteUserText(const QString& name, const QString& value)
{
    return WriteText(CurrentUserKey(), name, value);
}

int SettingsStore::ReadUserInt(const QString& name, int defaultValue) const
{
    return ReadInt(CurrentUserKey(), name, defaultValue);
}

bool SettingsStore::WriteUserInt(const QString& name, int value)
{
    return WriteInt(CurrentUserKey(), name, value);
}

bool SettingsStore::ReadUserFlag(const QString& name, bool defaultValue) const
{
    return ReadFlag(CurrentUserKey(), name, defaultValue);
}

bool SettingsStore::WriteUserFlag(const QString& name, bool value)
{
    return WriteFlag(CurrentUserKey(), name, value);
}

QString SettingsStore::ReadResultsText(const QString& name, const QString& defaultValue) const
{
    return ReadText(CurrentUserKey(ResultsKey), name, defaultValue);
}

bool SettingsStore::WriteResultsText(const QString& name, const QString& value)
{
    return WriteText(CurrentUserKey(ResultsKey), name, value);
}

QString SettingsStore::ResultsSubkeyName(int exerciseKind)
{
    switch (exerciseKind) {
    case 1:
    case 5:
    case 6:
    case 8:
        return QStringLiteral("Tests");
    case 2:
    case 3:
        return QStringLiteral("Lessons");
    case 10:
        return QStringLiteral("Flurrix");
    case 11:
        return QStringLiteral("ThirtySeconds");
    case 12:
        return QStringLiteral("TypingHero");
    default:
        return QString();
    }
}

QString SettingsStore::KindResultsKey(int exerciseKind) const
{
    return CurrentUserKey(ResultsKey + u'\\' + ResultsSubkeyName(exerciseKind));
}

int SettingsStore::ReadKindInt(int exerciseKind, const QString& name, int defaultValue) const
{
    return ReadInt(KindResultsKey(exerciseKind), name, defaultValue);
}

bool SettingsStore::WriteKindInt(int exerciseKind, const QString& name, int value)
{
    return WriteInt(KindResultsKey(exerciseKind), name, value);
}

QStringList SettingsStore::UserNames() const
{
    return SubkeyNames(UsersKey);
}

bool SettingsStore::UserExists(const QString& name) const
{
    const QStringList users = UserNames();
    for (const QString& user : users) {
        // Registry names compare without regard to the case of A-Z only.
        if (user.size() == name.size()) {
            bool same = true;
            for (qsizetype i = 0; i < name.size() && same; ++i) {
                const char16_t a = user[i].unicode();
                const char16_t b = name[i].unicode();
                const auto fold = [](char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; };
                same = fold(a) == fold(b);
            }
            if (same)
                return true;
        }
    }
    return false;
}

bool SettingsStore::IsAcceptableUserName(const QString& name)
{
    if (name.isEmpty() || name.size() > MaxUserNameLength)
        return false;
    if (!ValueFormat::StartsVisibly(name))
        return false;
    for (const QChar c : name) {
        if (c == u'\\' || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

bool SettingsStore::WriteUserDefaults(const QString& userKey)
{
    return WriteFlag(userKey, QStringLiteral("TakeInitialSkillTest"), true) &&
           WriteFlag(userKey, QStringLiteral("IsSkillTestTaken"), false) &&
           WriteInt(userKey, QStringLiteral("CurrExerciseEntry"), 0) &&
           WriteFlag(userKey, QStringLiteral("CorrectionsForced"), true) &&
           WriteFlag(userKey, QStringLiteral("DisplayAnimations"), true) &&
           WriteInt(userKey, QStringLiteral("GoalWPM"), 0);
}

bool SettingsStore::CreateUser(const QString& name, int userType)
{
    if (!IsAcceptableUserName(name) || UserExists(name))
        return false;
    RegistryStore::Transaction transaction(m_registry);
    const QString userKey = UserKey(name);
    const bool written = WriteText(UsersKey, name, name) &&
                         WriteInt(userKey, QStringLiteral("Type"), userType) &&
                         WriteText(SettingsKey, CurrentUserValue, name) && WriteUserDefaults(userKey);
    return written && transaction.Commit();
}

bool SettingsStore::DeleteUser(const QString& name)
{
    if (UserKey(name).isEmpty())
        return false;
    RegistryStore::Transaction transaction(m_registry);
    const bool keyDeleted = DeleteKey(UserKey(name));
    const bool valueDeleted = m_registry.DeleteValue(UsersKey, name);
    // Commit even when nothing was there: an empty delete must not roll back an enclosing reset.
    return transaction.Commit() && (keyDeleted || valueDeleted);
}

bool SettingsStore::ResetUser()
{
    const QString name = CurrentUserName();
    if (name.isEmpty())
        return false;
    const int type = ReadUserInt(QStringLiteral("Type"), 0);
    RegistryStore::Transaction transaction(m_registry);
    DeleteUser(name);
    if (!CreateUser(name, type))
        return false;
    return transaction.Commit();
}

bool SettingsStore::SelectUser(const QString& name)
{
    return WriteText(SettingsKey, CurrentUserValue, name);
}

} // namespace clavora
