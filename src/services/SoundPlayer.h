#pragma once

#include "services/AudioOut.h"
#include "services/SoundSource.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <QString>

class QObject;
class QThread;

namespace clavora {

// Learns of a player's changes of state, always on the thread that created the player. The
// player never calls a listener once it is being destroyed. A listener must not destroy the
// player from inside one of these calls (use deleteLater on its owner instead).
class SoundPlayerListener
{
public:
    virtual ~SoundPlayerListener() = default;
    // After play and after resume.
    virtual void PlaybackStarted() {}
    // Whenever a stream that was open is stopped: by Stop, by a new Play, or after the sound ended.
    virtual void PlaybackStopped() {}
    // Part of the listener interface other sound users share; the player never calls it.
    virtual void PlaybackReserved() {}
    virtual void PlaybackPaused() {}
    // The sound has played to its end; PlaybackStopped follows at once.
    virtual void PlaybackEndOfData() {}
};

// Plays one sound at a time in the background. Sound moves from the source to the output on a
// feeding thread of the player's own; everything else, listener calls included, happens on the
// thread that created the player, which must run a Qt event loop.
class SoundPlayer final
{
public:
    static constexpr int BlockCount = 64;
    static constexpr int MinBlockFrames = 20;
    static constexpr int MaxBlockFrames = 8192;
    // Each write to the output moves at most this much sound.
    static constexpr int MaxWriteBytes = 8192;
    // How far ahead the source is decoded when nothing is ready.
    static constexpr int DecodeAheadMs = 150;
    static constexpr int DeviceWaitMs = 1000;
    static constexpr int PassPauseMs = 5;

    // Without an output of its own the player plays through ALSA.
    explicit SoundPlayer(SoundPlayerListener* listener = nullptr, std::unique_ptr<AudioOut> output = nullptr);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // The stored device choice to play on from the next Play.
    void SetOutputDevice(const QString& deviceChoice) { m_deviceChoice = deviceChoice; }
    QString OutputDevice() const { return m_deviceChoice; }

    // The decoded sound of an MP3 file, or nothing when it is missing or cannot be decoded.
    static std::unique_ptr<SoundSource> Open(const QString& path);
    // Stops what plays (telling the listener) and starts the source; false when no output could
    // be opened for it, and then nothing is heard.
    bool Play(std::unique_ptr<SoundSource> source);
    void Pause();
    void Resume();
    void Stop();
    // A stream is open, paused or not.
    bool IsPlaying() const;
    bool IsPaused() const;
    // The last successful Play could not use the chosen device and plays on the default one.
    bool PlaysOnFallbackDevice() const;

    // Frames per block for a sample rate: 100 ms of sound, within the block limits.
    static int BlockFrames(int sampleRate);

private:
    enum class Pass
    {
        Continue,
        WaitForDevice,
        Finished
    };

    void FeedingThreadMain();
    Pass FeedOnce(std::unique_lock<std::mutex>& lock);
    void RunUnlocked(std::unique_lock<std::mutex>& lock, const std::function<void()>& work);
    void PlaybackEnded(quint64 generation);
    // Closes the output and drops the source; true when a stream had been open.
    bool CloseStream();

    class EndRelay;
    friend class EndRelay;

    SoundPlayerListener* m_listener;
    std::unique_ptr<AudioOut> m_output;
    QString m_deviceChoice = QString::fromUtf16(DefaultSoundOutName);
    std::unique_ptr<QObject> m_endRelay;
    QThread* m_feedingThread = nullptr;

    mutable std::mutex m_lock;
    std::condition_variable m_stateChanged;
    // Guarded by m_lock.
    std::unique_ptr<SoundSource> m_source; // set from Play until the stream is closed
    bool m_open = false;                   // sound is being fed or played
    bool m_paused = false;
    bool m_onFallback = false; // the last Play opened the default device in place of the chosen one
    bool m_feederBusy = false; // the feeding thread is decoding or waiting outside the lock
    bool m_quit = false;
    quint64 m_generation = 0; // tells a late end notice of an earlier sound from the current one
};

} // namespace clavora
