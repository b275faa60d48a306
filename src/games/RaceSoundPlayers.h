#pragma once

#include "audio/SoundEvents.h"
#include "games/ThirtySecondsField.h"

#include <memory>

namespace clavora {

class SettingsStore;
class SoundPlayer;

// The race's sounds: the error event through the event sounds, and the missed word and the siren
// from the installation's "thirtyseconds" folder, each through a player of its own so that the
// siren goes on while words are missed.
class RaceSoundPlayers final : public RaceSounds
{
public:
    RaceSoundPlayers(SettingsStore& settings, SoundEvents& events,
                     SoundEvents::OutputFactory makeOutput = {});
    ~RaceSoundPlayers() override;

    void PlayErrorSound() override;
    void PlayMissedWord() override;
    void PlaySiren() override;
    bool SirenPlaying() const override;
    // Silences both of the race's own players (leaving the game).
    void StopAll();

    // <installation folder>/thirtyseconds/<name>
    static QString SoundPath(const SettingsStore& settings, const QString& fileName);

private:
    void Play(std::unique_ptr<SoundPlayer>& player, const QString& fileName);

    SettingsStore& m_settings;
    SoundEvents& m_events;
    SoundEvents::OutputFactory m_makeOutput;
    std::unique_ptr<SoundPlayer> m_missed;
    std::unique_ptr<SoundPlayer> m_siren;
};

} // namespace clavora
