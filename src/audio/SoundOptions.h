#pragma once

#include "audio/SoundEvents.h"
#include "services/AudioOut.h"

#include <memory>
#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

namespace clavora {

class SettingsStore;
class SoundPlayer;

// The sound page of the options dialog: the event table with each event's sound, the award and
// error sound options, the sounds to choose from, the output device, and a preview player of the
// page's own. Nothing is written before Apply, except that Restore defaults writes at once.
class SoundOptions final
{
public:
    struct Row
    {
        std::optional<int> award;
        QString eventName;
        QString assignedSound;
        QString defaultSound;
        QString keyName;
    };
    enum class PreviewResult
    {
        Playing,
        NoSelection,
        Failed
    };

    static const QString PreviewHint;
    static const QString PreviewErrorTitle;
    static const QString PreviewErrorText;

    // The devices offered come from the caller (the ALSA list in the program), so that the page
    // also offers a stored device that is not connected now.
    SoundOptions(SettingsStore& settings, SoundEvents& events, QList<SoundOutputDevice> devices,
                 SoundEvents::OutputFactory makePreviewOutput = {});
    ~SoundOptions();
    SoundOptions(const SoundOptions&) = delete;
    SoundOptions& operator=(const SoundOptions&) = delete;

    // The events ordered by award number, the "Error" row first.
    const QList<Row>& Rows() const { return m_rows; }
    // The sound files of the sounds folder without their extension, sorted.
    const QStringList& AvailableSounds() const { return m_sounds; }
    const QList<SoundOutputDevice>& Devices() const { return m_devices; }

    bool PlayAwardSounds() const { return m_playAwardSounds; }
    void SetPlayAwardSounds(bool on) { m_playAwardSounds = on; }
    bool PlayErrorSounds() const { return m_playErrorSounds; }
    void SetPlayErrorSounds(bool on) { m_playErrorSounds = on; }
    int DeviceIndex() const { return m_deviceIndex; }
    void SetDeviceIndex(int index);
    void SetAssignedSound(int row, const QString& sound);

    // Plays the assigned sound of a row (-1: none selected) on the device chosen on the page.
    PreviewResult Preview(int row);
    void StopPreview();
    // Every event gets its default sound again, in the store and on the page.
    void RestoreDefaults();
    // Stores the two options, every row's sound in its own event and the device, in one write.
    bool Apply();

private:
    SettingsStore& m_settings;
    SoundEvents& m_events;
    SoundEvents::OutputFactory m_makePreviewOutput;
    std::unique_ptr<SoundPlayer> m_previewPlayer;
    QList<Row> m_rows;
    QStringList m_sounds;
    QList<SoundOutputDevice> m_devices;
    int m_deviceIndex = 0;
    bool m_playAwardSounds = false;
    bool m_playErrorSounds = false;
};

} // namespace clavora
