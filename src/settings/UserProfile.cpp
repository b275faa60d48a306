#include "settings/UserProfile.h"

#include "platform/KnownFolders.h"
#include "settings/SettingsStore.h"

namespace clavora {

namespace {

QString NameOf(const char16_t* name)
{
    return QString::fromUtf16(name);
}

} // namespace

QString UserProfile::KeyOf(Profile::Location location) const
{
    return m_settings.CurrentUserKey(location == Profile::Location::Results ? QStringLiteral("Results")
                                                                            : QString());
}

int UserProfile::Get(const Profile::IntValue& value) const
{
    return m_settings.ReadInt(KeyOf(value.location), NameOf(value.name), value.defaultValue);
}

bool UserProfile::Set(const Profile::IntValue& value, int data)
{
    return m_settings.WriteInt(KeyOf(value.location), NameOf(value.name), data);
}

bool UserProfile::Get(const Profile::FlagValue& value) const
{
    return m_settings.ReadFlag(KeyOf(Profile::Location::Profile), NameOf(value.name), value.defaultValue);
}

bool UserProfile::Set(const Profile::FlagValue& value, bool data)
{
    return m_settings.WriteFlag(KeyOf(Profile::Location::Profile), NameOf(value.name), data);
}

QString UserProfile::Get(const Profile::TextValue& value) const
{
    return m_settings.ReadText(KeyOf(value.location), NameOf(value.name));
}

bool UserProfile::Set(const Profile::TextValue& value, const QString& data)
{
    return m_settings.WriteText(KeyOf(value.location), NameOf(value.name), data);
}

double UserProfile::Get(const Profile::RealValue& value) const
{
    return m_settings.ReadReal(KeyOf(value.location), NameOf(value.name));
}

bool UserProfile::Set(const Profile::RealValue& value, double data)
{
    return m_settings.WriteReal(KeyOf(value.location), NameOf(value.name), data, value.format);
}

int UserProfile::FontSize() const
{
    const int size = Get(Profile::FontSize);
    return size == 0 ? Profile::FontSize.defaultValue : size;
}

double UserProfile::SkillLevel() const
{
    const double level = Get(Profile::SkillLevel);
    return level < 0.1 ? 0.1 : level;
}

int UserProfile::SpeedTestSeconds() const
{
    const int seconds = Get(Profile::SpeedTestDurationSeconds);
    return seconds == 0 ? 60 : seconds;
}

QString UserProfile::ReportFolder() const
{
    const QString folder = Get(Profile::ReportFolder);
    return folder.isEmpty() ? KnownFolders::ProductDataFolder() + QStringLiteral("/Reports") : folder;
}

bool GlobalSettings::Get(const Profile::FlagValue& value) const
{
    return m_settings.ReadFlag(SettingsStore::SettingsKey, NameOf(value.name), value.defaultValue);
}

bool GlobalSettings::Set(const Profile::FlagValue& value, bool data)
{
    return m_settings.WriteFlag(SettingsStore::SettingsKey, NameOf(value.name), data);
}

QString GlobalSettings::Get(const Profile::TextValue& value) const
{
    return m_settings.ReadText(SettingsStore::SettingsKey, NameOf(value.name));
}

bool GlobalSettings::Set(const Profile::TextValue& value, const QString& data)
{
    return m_settings.WriteText(SettingsStore::SettingsKey, NameOf(value.name), data);
}

bool GlobalSettings::IsFirstRun() const
{
    return Get(Profile::CLFirstRun) && Get(Profile::FirstRun);
}

} // namespace clavora
