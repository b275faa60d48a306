#pragma once

#include <QString>
#include <QtGlobal>

namespace clavora {

// The shape of the sound handed to an output: interleaved signed 16-bit samples in native byte order.
struct PcmFormat
{
    int sampleRate = 0;
    int channels = 0;

    int BytesPerFrame() const { return channels * 2; }
    friend bool operator==(const PcmFormat&, const PcmFormat&) = default;
};

// The stored device choice that stands for the desktop's default output, and how it is shown.
inline constexpr char16_t DefaultSoundOutName[] = u"[Default Sound Out]";
inline constexpr char16_t DefaultPlaybackDeviceText[] = u"Default Playback Device";

// An output device as the sound options offer it: the choice that is stored and the text shown.
struct SoundOutputDevice
{
    QString choice;
    QString description;
    friend bool operator==(const SoundOutputDevice&, const SoundOutputDevice&) = default;
};

// An audio output device as the sound player sees it: a ring of equal blocks that the player fills
// and the device plays. The player serialises every call except Interrupt, which may come from
// any thread to wake a pending WaitForDevice. Nothing here blocks except WaitForDevice.
class AudioOut
{
public:
    virtual ~AudioOut() = default;

    // Opens the device of a stored device choice (see DefaultSoundOutName; empty means the
    // default) for the exact format, or, with allowConversion, for whatever the device can convert
    // the format to. The ring holds blockCount blocks of blockFrames frames each; a device may
    // round both. An output may play on the default device instead when the chosen one cannot be
    // used even with conversion; OpenedFallbackDevice then tells so until the next Open.
    virtual bool Open(const QString& deviceName, const PcmFormat& format, int blockFrames, int blockCount,
                      bool allowConversion) = 0;
    virtual bool OpenedFallbackDevice() const { return false; }
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Frames the ring can take now; negative when the device has failed.
    virtual qint64 WritableFrames() = 0;
    // Queues frames (no more than WritableFrames); returns the frames taken, negative on failure.
    virtual qint64 Write(const qint16* samples, qint64 frames) = 0;
    // Frames queued that the device has not played yet.
    virtual qint64 PendingFrames() = 0;
    // Makes sure queued sound plays even when it is shorter than the device's start threshold.
    virtual void StartIfIdle() = 0;

    // Waits until the device has played a block or timeoutMs passed, or until Interrupt.
    virtual void WaitForDevice(int timeoutMs) = 0;
    virtual void Interrupt() = 0;

    virtual bool Pause() = 0;
    virtual bool Resume() = 0;
};

} // namespace clavora
