#include "audio/SoundEvents.h"

#include "platform/KnownFolders.h"
#include "platform/RegistryStore.h"
#include "services/SoundPlayer.h"
#include "settings/SettingsStore.h"
#include "settings/UserProfile.h"

#include <QLoggingCategory>

namespace clavora {

Q_LOGGING_CATEGORY(lcSoundEvents, "clavora.audio.soundevents", QtWarningMsg)

namespace {

const QString EventNameValue = QStringLiteral("EventName");
const QString DefaultSoundValue = QStringLiteral("DefaultSound");
const QString AssignedSoundValue = QStringLiteral("AssignedSound");
const QString AwardValue = QStringLiteral("Award");

QString EventKey(const QString& eventName)
{
    return SoundEvents::AssignmentsKey + u'\\' + eventName;
}

std::optional<int> ReadAward(const SettingsStore& settings, const QString& key)
{
    // Two defaults that differ tell a readable number from a missing or unreadable one.
    const int first = settings.ReadInt(key, AwardValue, 0);
    if (first != 0 || settings.ReadInt(key, AwardValue, 1) == 0)
        return first;
    return std::nullopt;
}

} // namespace

const QString SoundEvents::AssignmentsKey = QStringLiteral("Settings\\SoundAssignments");
const QString SoundEvents::PlayerKey = QStringLiteral("Player");
const QString SoundEvents::SoundOutDeviceValue = QStringLiteral("SoundOutDevice");

QList<SoundEvent> SoundEvents::DefaultEvents()
{
    const auto event = [](int award, const char16_t* name, const char16_t* sound) {
        return SoundEvent{award, QString::fromUtf16(name), QString::fromUtf16(sound),
                          QString::fromUtf16(sound), QString()};
    };
    return {
        event(ErrorAward, u"Error", u"softbeep"), event(1, u"Bronze Award", u"applause3"),
        event(2, u"Silver Award", u"trumpets1"),  event(3, u"Gold Award", u"trumpet-n-sax1"),
        event(4, u"Platinum Award", u"hypebeat"), event(5, u"Diamond Award", u"rockguitar"),
    };
}

bool SoundEvents::InstallDefaultAssignments(SettingsStore& settings)
{
    RegistryStore& registry = settings.Registry();
    if (registry.KeyExists(AssignmentsKey))
        return true;
    RegistryStore::Transaction transaction(registry);
    bool written = true;
    for (const SoundEvent& event : DefaultEvents()) {
        const QString key = EventKey(event.eventName);
        written = settings.WriteText(key, EventNameValue, event.eventName) &&
                  settings.WriteText(key, DefaultSoundValue, event.defaultSound) &&
                  settings.WriteText(key, AssignedSoundValue, event.assignedSound) &&
                  settings.WriteInt(key, AwardValue, *event.award) && written;
    }
    return transaction.Commit() && written;
}

QList<SoundEvent> SoundEvents::ReadEvents(const SettingsStore& settings)
{
    QList<SoundEvent> events;
    for (const QString& name : settings.SubkeyNames(AssignmentsKey)) {
        const QString key = EventKey(name);
        events.append(SoundEvent{ReadAward(settings, key), settings.ReadText(key, EventNameValue),
                                 settings.ReadText(key, DefaultSoundValue),
                                 settings.ReadText(key, AssignedSoundValue), name});
    }
    return events;
}

bool SoundEvents::WriteAssignedSound(SettingsStore& settings, const QString& keyName, const QString& sound)
{
    return !keyName.isEmpty() && settings.WriteText(EventKey(keyName), AssignedSoundValue, sound);
}

QString SoundEvents::AssignedSound(const SettingsStore& settings, int awardNumber)
{
    for (const QString& name : settings.SubkeyNames(AssignmentsKey)) {
        const QString key = EventKey(name);
        if (ReadAward(settings, key) == awardNumber)
            return settings.ReadText(key, AssignedSoundValue);
    }
    return QString();
}

QString SoundEvents::SoundFilePath(const SettingsStore& settings, const QString& sound)
{
    // The name comes from the settings store, which anyone may edit: it must not reach outside
    // the sounds folder.
    if (sound.isEmpty() || sound.contains(u'/') || sound.contains(u'\\') || sound.contains(QChar(0)))
        return QString();
    return SoundsFolder(settings) + u'/' + sound + QStringLiteral(".mp3");
}

QString SoundEvents::SoundsFolder(const SettingsStore& settings)
{
    const QString installerPath =
        settings.ReadText(SettingsStore::SettingsKey, QString::fromUtf16(Profile::InstallerPath.name));
    return KnownFolders::InstallationFolder(installerPath) + QStringLiteral("/sounds");
}

QString SoundEvents::OutputDevice(const SettingsStore& settings)
{
    return settings.ReadText(PlayerKey, SoundOutDeviceValue);
}

SoundEvents::SoundEvents(SettingsStore& settings, OutputFactory makeOutput)
    : m_settings(settings), m_makeOutput(std::move(makeOutput))
{}

SoundEvents::~SoundEvents() = default;

bool SoundEvents::PlayEventSound(int awardNumber)
{
    const UserProfile profile(m_settings);
    if (!profile.Get(Profile::PlayAwardSounds) && !profile.Get(Profile::PlayErrorSounds))
        return true;
    if (!m_player)
        m_player = std::make_unique<SoundPlayer>(nullptr, m_makeOutput ? m_makeOutput() : nullptr);
    const QString sound = AssignedSound(m_settings, awardNumber);
    m_player->Stop();
    if (sound.isEmpty())
        return true;
    return PlaySound(*m_player, sound, OutputDevice(m_settings));
}

bool SoundEvents::PlaySound(SoundPlayer& player, const QString& sound, const QString& deviceChoice)
{
    const QString path = SoundFilePath(m_settings, sound);
    std::unique_ptr<SoundSource> source = path.isEmpty() ? nullptr : SoundPlayer::Open(path);
    if (!source) {
        qCDebug(lcSoundEvents) << "No playable sound file for" << sound;
        player.Stop();
        return false;
    }
    player.SetOutputDevice(deviceChoice);
    if (!player.Play(std::move(source)))
        return false;
    if (player.PlaysOnFallbackDevice() && !m_fallbackTold && m_fallbackNotice) {
        m_fallbackTold = true;
        m_fallbackNotice(deviceChoice);
    }
    return true;
}

} // namespace clavora
