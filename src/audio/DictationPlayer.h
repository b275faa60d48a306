#pragma once

#include "audio/DictationPanelView.h"
#include "audio/TranscriptionComparison.h"
#include "platform/Downloader.h"
#include "services/AudioOut.h"
#include "services/SoundPlayer.h"

#include <functional>
#include <memory>
#include <QRect>

namespace clavora {

class ExerciseCatalogue;
class SettingsStore;

// The dictation panel's logic: which dictation is chosen (built-in, fetched once from the
// dictation server, or imported), its playback while the user types freely, and the comparison
// with the transcription when the playback stops.
class DictationPlayer final : public SoundPlayerListener
{
public:
    using OutputFactory = std::function<std::unique_ptr<AudioOut>()>;

    // Where the two text boxes go in a panel of this size.
    struct Layout
    {
        QRect typing;
        QRect transcription; // empty when the transcription is hidden
    };
    static Layout LayoutFor(const QSize& panel, bool transcriptionShown);

    // Keys name files, so only plain decimal numbers are accepted.
    static bool IsPlainKey(const QString& key);
    // The folder of downloaded built-in dictations, shared by every user of the machine.
    static QString BuiltInFolder();

    DictationPlayer(const ExerciseCatalogue& catalogue, SettingsStore& settings);
    ~DictationPlayer() override;
    DictationPlayer(const DictationPlayer&) = delete;
    DictationPlayer& operator=(const DictationPlayer&) = delete;

    void SetView(DictationPanelView* view) { m_view = view; }
    // Told when the playback has stopped (its end or Stop), before the comparison is offered.
    void SetStoppedHandler(std::function<void()> handler) { m_onStopped = std::move(handler); }
    void SetStallTimeoutMs(int milliseconds) { m_stallTimeoutMs = milliseconds; }
    // Without a factory the player plays through the desktop's audio; set before the first Start.
    void SetOutputFactory(OutputFactory makeOutput) { m_makeOutput = std::move(makeOutput); }

    QList<DictationRow> Rows() const;
    // Runs the selection and fetches a built-in dictation that is not on disk yet. True when a
    // dictation is selected afterwards.
    bool Select();
    // True when the playback started.
    bool Start();
    void PauseOrResume();
    void Stop();
    // Shows the transcription while nothing plays (paused counts as not playing).
    void Compare();

    bool IsLoaded() const { return !m_key.isEmpty(); }
    // A stream is open, paused or not.
    bool IsPlaying() const;
    bool IsPaused() const;
    bool CanCompare() const;
    const QString& SelectedKey() const { return m_key; }
    const QString& SelectedTitle() const { return m_title; }
    bool IsCustom() const { return m_custom; }
    const TranscriptionComparison& Comparison() const { return m_comparison; }

    // SoundPlayerListener
    void PlaybackStopped() override;

private:
    bool FetchBuiltIn(const DictationRow& row);
    void ClearSelection();
    void Message(MessageIcon icon, const QString& text);

    const ExerciseCatalogue& m_catalogue;
    SettingsStore& m_settings;
    OutputFactory m_makeOutput;
    std::unique_ptr<SoundPlayer> m_player;
    DictationPanelView* m_view = nullptr;
    std::function<void()> m_onStopped;
    TranscriptionComparison m_comparison;
    QString m_key;
    QString m_title;
    QString m_audioPath;
    bool m_custom = false;
    bool m_restarting = false;
    int m_stallTimeoutMs = Downloader::DefaultStallTimeoutMs;
};

} // namespace clavora
