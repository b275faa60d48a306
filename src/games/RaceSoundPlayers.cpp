#include "games/RaceSoundPlayers.h"

#include "platform/KnownFolders.h"
#include "services/SoundPlayer.h"
#include "settings/SettingsStore.h"
#include "settings/UserProfile.h"

namespace clavora {

RaceSoundPlayers::RaceSoundPlayers(SettingsStore& settings, SoundEvents& events,
                                   SoundEvents::OutputFactory makeOutput)
    : m_settings(settings), m_events(events), m_makeOutput(std::move(makeOutput))
{}

RaceSoundPlayers::~RaceSoundPlayers() = default;

QString RaceSoundPlayers::SoundPath(const SettingsStore& settings, const QString& fileName)
{
    const QString installerPath =
        settings.ReadText(SettingsStore::SettingsKey, QString::fromUtf16(Profile::InstallerPath.name));
    return KnownFolders::InstallationFolder(installerPath) + QStringLiteral("/thirtyseconds/") + fileName;
}

void RaceSoundPlayers::Play(std::unique_ptr<SoundPlayer>& player, const QString& fileName)
{
    std::unique_ptr<SoundSource> source = SoundPlayer::Open(SoundPath(m_settings, fileName));
    if (!source)
        return;
    if (!player)
        player = std::make_unique<SoundPlayer>(nullptr, m_makeOutput ? m_makeOutput() : nullptr);
    player->SetOutputDevice(SoundEvents::OutputDevice(m_settings));
    player->Play(std::move(source));
}

void RaceSoundPlayers::PlayErrorSound()
{
    m_events.PlayEventSound(SoundEvents::ErrorAward);
}

void RaceSoundPlayers::PlayMissedWord()
{
    Play(m_missed, QStringLiteral("missedword.mp3"));
}

void RaceSoundPlayers::PlaySiren()
{
    Play(m_siren, QStringLiteral("siren.mp3"));
}

bool RaceSoundPlayers::SirenPlaying() const
{
    return m_siren && m_siren->IsPlaying();
}

void RaceSoundPlayers::StopAll()
{
    for (SoundPlayer* player : {m_missed.get(), m_siren.get()}) {
        if (player)
            player->Stop();
    }
}

} // namespace clavora
