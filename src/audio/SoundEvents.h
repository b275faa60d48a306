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
    // Nothing until the first event sound is played.
    SoundPlayer* EventPlayer() const { return m_player.get(); }

private:
    SettingsStore& m_settings;
    OutputFactory m_makeOutput;
    std::unique_ptr<SoundPlayer> m_player;
};

} // namespace clavora
