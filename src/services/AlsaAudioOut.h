#pragma once

#include "services/AudioOut.h"

#include <atomic>
#include <mutex>
#include <poll.h>
#include <QList>
#include <vector>

typedef struct _snd_pcm snd_pcm_t;

namespace clavora {

// Audio output through ALSA. Its default device reaches the desktop's sound server (PulseAudio or
// PipeWire); other devices are named "[ALSA] <pcm name>". Conversion of an unsupported format goes
// through ALSA's plug layer on the chosen device; only a chosen device that cannot be used even
// with conversion (an unplugged headset) plays on the default device instead.
class AlsaAudioOut final : public AudioOut
{
public:
    AlsaAudioOut();
    ~AlsaAudioOut() override;
    AlsaAudioOut(const AlsaAudioOut&) = delete;
    AlsaAudioOut& operator=(const AlsaAudioOut&) = delete;

    // The choices offered to the user: the default output first, then every ALSA playback device
    // by its description, stored as "[ALSA] <name>". The "null" device is left out.
    static QList<SoundOutputDevice> Devices();
    // The ALSA pcm name of a stored choice: "[ALSA] x" gives x, anything else the default.
    static QByteArray PcmNameOf(const QString& deviceChoice);

    bool Open(const QString& deviceName, const PcmFormat& format, int blockFrames, int blockCount,
              bool allowConversion) override;
    void Close() override;
    bool OpenedFallbackDevice() const override { return m_onFallback; }
    bool IsOpen() const override;
    qint64 WritableFrames() override;
    qint64 Write(const qint16* samples, qint64 frames) override;
    qint64 PendingFrames() override;
    void StartIfIdle() override;
    void WaitForDevice(int timeoutMs) override;
    void Interrupt() override;
    bool Pause() override;
    bool Resume() override;

private:
    bool OpenPcm(const QByteArray& pcmName, const PcmFormat& format, int blockFrames, int blockCount,
                 bool allowConversion);
    bool Configure(const PcmFormat& format, int blockFrames, int blockCount, bool allowConversion);
    qint64 AvailLocked();
    void CloseLocked();

    // Every call into the pcm goes through this lock: WaitForDevice may run beside Pause or Resume.
    mutable std::mutex m_pcmLock;
    snd_pcm_t* m_pcm = nullptr;
    qint64 m_bufferFrames = 0;
    bool m_canPause = false;
    bool m_droppedForPause = false;
    std::atomic<bool> m_onFallback = false;
    std::vector<pollfd> m_pollFds;
    // Written by Interrupt to wake a pending WaitForDevice.
    int m_wakeFd = -1;
};

} // namespace clavora
