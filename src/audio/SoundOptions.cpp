#include "audio/SoundOptions.h"

#include "platform/RegistryStore.h"
#include "services/SoundPlayer.h"
#include "settings/SettingsStore.h"
#include "settings/UserProfile.h"

#include <algorithm>
#include <limits>
#include <QDir>
#include <QFileInfo>

namespace clavora {

const QString SoundOptions::PreviewHint = QStringLiteral("Please select a sound to preview.");
const QString SoundOptions::PreviewErrorTitle = QStringLiteral("Preview Sound");
const QString SoundOptions::PreviewErrorText = QStringLiteral("Could not preview the selected sound");

SoundOptions::SoundOptions(SettingsStore& settings, SoundEvents& events, QList<SoundOutputDevice> devices,
                           SoundEvents::OutputFactory makePreviewOutput)
    : m_settings(settings), m_events(events), m_makePreviewOutput(std::move(makePreviewOutput)),
      m_devices(std::move(devices))
{
    for (const SoundEvent& event : SoundEvents::ReadEvents(settings))
        m_rows.append({event.award, event.eventName, event.assignedSound, event.defaultSound, event.keyName});
    // An event without a readable award number cannot be played; it is listed last.
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const Row& a, const Row& b) {
        return a.award.value_or(std::numeric_limits<int>::max()) <
               b.award.value_or(std::numeric_limits<int>::max());
    });

    const QFileInfoList entries =
        QDir(SoundEvents::SoundsFolder(settings))
            .entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (!entry.isDir() && !m_sounds.contains(entry.completeBaseName()))
            m_sounds.append(entry.completeBaseName());
    }

    const UserProfile profile(settings);
    m_playAwardSounds = profile.Get(Profile::PlayAwardSounds);
    m_playErrorSounds = profile.Get(Profile::PlayErrorSounds);

    QString stored = SoundEvents::OutputDevice(settings);
    if (stored.isEmpty())
        stored = QString::fromUtf16(DefaultSoundOutName);
    const auto found =
        std::find_if(m_devices.cbegin(), m_devices.cend(),
                     [&stored](const SoundOutputDevice& device) { return device.choice == stored; });
    if (found != m_devices.cend()) {
        m_deviceIndex = int(found - m_devices.cbegin());
    } else {
        // A device chosen earlier and not connected now stays the choice until the user changes it.
        m_devices.append({stored, stored + QStringLiteral(" (not connected)")});
        m_deviceIndex = int(m_devices.size()) - 1;
    }
}

SoundOptions::~SoundOptions() = default;

void SoundOptions::SetDeviceIndex(int index)
{
    if (index >= 0 && index < m_devices.size())
        m_deviceIndex = index;
}

void SoundOptions::SetAssignedSound(int row, const QString& sound)
{
    if (row >= 0 && row < m_rows.size())
        m_rows[row].assignedSound = sound;
}

SoundOptions::PreviewResult SoundOptions::Preview(int row)
{
    if (row < 0 || row >= m_rows.size())
        return PreviewResult::NoSelection;
    if (!m_previewPlayer)
        m_previewPlayer =
            std::make_unique<SoundPlayer>(nullptr, m_makePreviewOutput ? m_makePreviewOutput() : nullptr);
    const QString device = m_devices.value(m_deviceIndex).choice;
    return m_events.PlaySound(*m_previewPlayer, m_rows[row].assignedSound, device) ? PreviewResult::Playing
                                                                                   : PreviewResult::Failed;
}

void SoundOptions::StopPreview()
{
    if (m_previewPlayer)
        m_previewPlayer->Stop();
}

void SoundOptions::RestoreDefaults()
{
    RegistryStore::Transaction transaction(m_settings.Registry());
    for (Row& row : m_rows) {
        row.assignedSound = row.defaultSound;
        SoundEvents::WriteAssignedSound(m_settings, row.keyName, row.defaultSound);
    }
    transaction.Commit();
}

bool SoundOptions::Apply()
{
    RegistryStore::Transaction transaction(m_settings.Registry());
    UserProfile profile(m_settings);
    bool written = profile.Set(Profile::PlayAwardSounds, m_playAwardSounds) &&
                   profile.Set(Profile::PlayErrorSounds, m_playErrorSounds);
    // Each row goes back to its own event: a table with a gap in its award numbers must not
    // shift one event's sound onto the next.
    for (const Row& row : std::as_const(m_rows))
        written = SoundEvents::WriteAssignedSound(m_settings, row.keyName, row.assignedSound) && written;
    written = m_settings.WriteText(SoundEvents::PlayerKey, SoundEvents::SoundOutDeviceValue,
                                   m_devices.value(m_deviceIndex).choice) &&
              written;
    // A failed write leaves the stored options as they were.
    return written && transaction.Commit();
}

} // namespace clavora
