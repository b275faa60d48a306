#pragma once

#include "services/AudioOut.h"

#include <functional>
#include <memory>
#include <optional>
#include <QList>
#include <QString>

namespace clavora {

class SettingsStore;
class SoundPlayer;

// One occasion that plays a sound: an award earned at the end of an exercise, or a typing error.
// Sounds are named by their file name in the installation's "sounds" folder without ".mp3".
struct SoundEvent
{
    std::optional<int> award; // missing when the stored value is absent or unreadable
    QString eventName;
    QString defaultSound;
    QString assignedSound;
    QString keyName; // the event's subkey of the table; empty for a default not yet stored
};

// The sound events: their table in the settings store and the one player that sounds them for the
// whole process. The main window owns the one instance; callers decide whether an event applies
// (the award and error options) before asking for its sound.
class SoundEvents final
{
public:
    static constexpr int ErrorAward = -2;
    static const QString AssignmentsKey;
    static const QString PlayerKey;
    static const QString SoundOutDeviceValue;

    // The installation step: writes the default event table when "Settings\SoundAssignments" is
    // missing and leaves an existing one alone. False only when the table could not be written.
    static bool InstallDefaultAssignments(SettingsStore& settings);
    static QList<SoundEvent> DefaultEvents();
    // The stored events in the store's enumeration order.
    static QList<SoundEvent> ReadEvents(const SettingsStore& settings);
    // The sound assigned to the first event whose award matches, or empty.
    static QString AssignedSound(const SettingsStore& settings, int awardNumber);
    static bool WriteAssignedSound(SettingsStore& settings, const QString& keyName, const QString& sound);
    // <installation folder>/sounds: the sounds to choose from.
    static QString SoundsFolder(const SettingsStore& settings);
    // <installation folder>/sounds/<sound>.mp3, or empty for a name that would leave that folder.
    static QString SoundFilePath(const SettingsStore& settings, const QString& sound);
    // The output device chosen in the sound options.
    static QString OutputDevice(const SettingsStore& settings);

    using OutputFactory = std::function<std::unique_ptr<AudioOut>()>;
    // Without a factory the event player plays through the desktop's audio.
    explicit SoundEvents(SettingsStore& settings, OutputFactory makeOutput = {});
    ~SoundEvents();
    SoundEvents(const SoundEvents&) = delete;
    SoundEvents& operator=(const SoundEvents&) = delete;

    // Plays the event's assigned sound, stopping whatever the event player played. True when the
    // sound started or there was nothing to play (both sound options off, no sound assigned);
    // false, silently, when its file or the audio output could not be opened.
    bool PlayEventSound(int awardNumber);
    // Plays a sound, named as in the event table, on a player and device with the event rules;
    // false when its file or the output cannot be opened. The sound page's preview uses it too.
    bool PlaySound(SoundPlayer& player, const QString& sound, const QString& deviceChoice);
    // Nothing until the first event sound is played.
    SoundPlayer* EventPlayer() const { return m_player.get(); }

    // Told, once per run, when a chosen device could not be used and the default one plays.
    using DeviceFallbackNotice = std::function<void(const QString& deviceChoice)>;
    void SetDeviceFallbackNotice(DeviceFallbackNotice notice) { m_fallbackNotice = std::move(notice); }

private:
    SettingsStore& m_settings;
    OutputFactory m_makeOutput;
    std::unique_ptr<SoundPlayer> m_player;
    DeviceFallbackNotice m_fallbackNotice;
    bool m_fallbackTold = false;
};

} // namespace clavora
