#include "services/AlsaAudioOut.h"

#include "services/SoundLog.h"

#include <algorithm>
#include <alsa/asoundlib.h>
#include <cerrno>
#include <sys/eventfd.h>
#include <unistd.h>

namespace clavora {

namespace {

constexpr QStringView AlsaPrefix = u"[ALSA] ";
constexpr char DefaultPcmName[] = "default";

// ALSA prints its complaints (no sound card, unknown device) to the terminal; a tutor without
// sound is a normal case, so they go to the debug log instead.
void QuietAlsaError(const char* file, int line, const char* function, int error, const char* format, ...)
{
    char message[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(message, sizeof message, format, arguments);
    va_end(arguments);
    qCDebug(lcSound) << "ALSA:" << file << line << function << message << (error ? snd_strerror(error) : "");
}

} // namespace

AlsaAudioOut::AlsaAudioOut() : m_wakeFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
{
    static std::once_flag quietened;
    std::call_once(quietened, [] { snd_lib_error_set_handler(&QuietAlsaError); });
}

AlsaAudioOut::~AlsaAudioOut()
{
    Close();
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

QList<SoundOutputDevice> AlsaAudioOut::Devices()
{
    QList<SoundOutputDevice> devices{
        {QString::fromUtf16(DefaultSoundOutName), QString::fromUtf16(DefaultPlaybackDeviceText)}};
    void** hints = nullptr;
    if (snd_device_name_hint(-1, "pcm", &hints) != 0 || !hints)
        return devices;
    const auto take = [](void* hint, const char* id) {
        char* text = snd_device_name_get_hint(hint, id);
        const QString value = QString::fromLocal8Bit(text);
        free(text);
        return value;
    };
    QStringList descriptions;
    for (void** hint = hints; *hint; ++hint) {
        const QString name = take(*hint, "NAME");
        const QString direction = take(*hint, "IOID");
        // No direction means the device plays and records.
        const bool plays = direction.isEmpty() || direction == QLatin1String("Output");
        if (name.isEmpty() || !plays || name == QLatin1String(DefaultPcmName) ||
            name == QLatin1String("null"))
            continue;
        // ALSA describes a device in two lines: the card, then what this name does with it.
        QStringList lines = take(*hint, "DESC").split(u'\n', Qt::SkipEmptyParts);
        for (QString& line : lines)
            line = line.trimmed();
        QString description = lines.isEmpty() ? name : lines.takeFirst();
        if (!lines.isEmpty())
            description += QStringLiteral(": ") + lines.join(u' ');
        // Two devices that read the same are told apart by their names.
        if (descriptions.contains(description))
            description += QStringLiteral(" (") + name + u')';
        descriptions.append(description);
        devices.append({AlsaPrefix.toString() + name, description});
    }
    snd_device_name_free_hint(hints);
    return devices;
}

QByteArray AlsaAudioOut::PcmNameOf(const QString& deviceChoice)
{
    if (deviceChoice.startsWith(AlsaPrefix)) {
        const QString name = deviceChoice.mid(AlsaPrefix.size()).trimmed();
        if (!name.isEmpty())
            return name.toLocal8Bit();
    }
    return DefaultPcmName;
}

bool AlsaAudioOut::Open(const QString& deviceName, const PcmFormat& format, int blockFrames, int blockCount,
                        bool allowConversion)
{
    Close();
    if (format.sampleRate <= 0 || format.channels <= 0 || blockFrames <= 0 || blockCount <= 0)
        return false;
    const QByteArray pcmName = PcmNameOf(deviceName);
    if (OpenPcm(pcmName, format, blockFrames, blockCount, allowConversion))
        return true;
    // Without conversion the caller tries again with it on this device. A device that cannot be
    // used even then (an unplugged headset) must not silence the tutor: the default plays.
    if (!allowConversion || pcmName == DefaultPcmName)
        return false;
    qCInfo(lcSound) << "Sound device" << pcmName << "unusable; playing on the default device";
    m_onFallback = OpenPcm(DefaultPcmName, format, blockFrames, blockCount, allowConversion);
    return m_onFallback;
}

bool AlsaAudioOut::OpenPcm(const QByteArray& pcmName, const PcmFormat& format, int blockFrames,
                           int blockCount, bool allowConversion)
{
    std::lock_guard lock(m_pcmLock);
    int mode = SND_PCM_NONBLOCK;
    if (!allowConversion)
        mode |= SND_PCM_NO_AUTO_RESAMPLE | SND_PCM_NO_AUTO_CHANNELS | SND_PCM_NO_AUTO_FORMAT;
    const int opened = snd_pcm_open(&m_pcm, pcmName.constData(), SND_PCM_STREAM_PLAYBACK, mode);
    if (opened < 0) {
        m_pcm = nullptr;
        qCDebug(lcSound) << "Cannot open sound device" << pcmName << snd_strerror(opened);
        return false;
    }
    if (!Configure(format, blockFrames, blockCount, allowConversion)) {
        CloseLocked();
        return false;
    }
    const int count = snd_pcm_poll_descriptors_count(m_pcm);
    m_pollFds.assign(static_cast<size_t>(std::max(count, 0)) + 1, pollfd{});
    if (count > 0 &&
        snd_pcm_poll_descriptors(m_pcm, m_pollFds.data(), static_cast<unsigned>(count)) != count) {
        CloseLocked();
        return false;
    }
    m_pollFds.back() = pollfd{m_wakeFd, POLLIN, 0};
    return true;
}

bool AlsaAudioOut::Configure(const PcmFormat& format, int blockFrames, int blockCount, bool allowConversion)
{
    snd_pcm_hw_params_t* hw = nullptr;
    snd_pcm_hw_params_alloca(&hw);
    snd_pcm_uframes_t period = static_cast<snd_pcm_uframes_t>(blockFrames);
    snd_pcm_uframes_t buffer = period * static_cast<snd_pcm_uframes_t>(blockCount);
    if (snd_pcm_hw_params_any(m_pcm, hw) < 0 ||
        snd_pcm_hw_params_set_rate_resample(m_pcm, hw, allowConversion ? 1 : 0) < 0 ||
        snd_pcm_hw_params_set_access(m_pcm, hw, SND_PCM_ACCESS_RW_INTERLEAVED) < 0 ||
        snd_pcm_hw_params_set_format(m_pcm, hw, SND_PCM_FORMAT_S16) < 0 ||
        snd_pcm_hw_params_set_channels(m_pcm, hw, static_cast<unsigned>(format.channels)) < 0 ||
        snd_pcm_hw_params_set_rate(m_pcm, hw, static_cast<unsigned>(format.sampleRate), 0) < 0)
        return false;
    // The device may grant other sizes; the ring only has to hold a few blocks to play smoothly.
    int direction = 0;
    snd_pcm_hw_params_set_period_size_near(m_pcm, hw, &period, &direction);
    snd_pcm_hw_params_set_buffer_size_near(m_pcm, hw, &buffer);
    if (snd_pcm_hw_params(m_pcm, hw) < 0)
        return false;
    snd_pcm_hw_params_get_period_size(hw, &period, &direction);
    snd_pcm_hw_params_get_buffer_size(hw, &buffer);
    m_canPause = snd_pcm_hw_params_can_pause(hw) != 0;
    m_bufferFrames = static_cast<qint64>(buffer);

    snd_pcm_sw_params_t* sw = nullptr;
    snd_pcm_sw_params_alloca(&sw);
    // Start once a block is queued so the first block is not played before the second is ready.
    if (snd_pcm_sw_params_current(m_pcm, sw) < 0 ||
        snd_pcm_sw_params_set_start_threshold(m_pcm, sw, std::min(period, buffer)) < 0 ||
        snd_pcm_sw_params_set_avail_min(m_pcm, sw, period) < 0 || snd_pcm_sw_params(m_pcm, sw) < 0)
        return false;
    return snd_pcm_prepare(m_pcm) >= 0;
}

void AlsaAudioOut::Close()
{
    std::lock_guard lock(m_pcmLock);
    CloseLocked();
}

void AlsaAudioOut::CloseLocked()
{
    if (!m_pcm)
        return;
    snd_pcm_drop(m_pcm);
    snd_pcm_close(m_pcm);
    m_pcm = nullptr;
    m_pollFds.clear();
    m_bufferFrames = 0;
    m_canPause = false;
    m_droppedForPause = false;
    m_onFallback = false;
}

bool AlsaAudioOut::IsOpen() const
{
    std::lock_guard lock(m_pcmLock);
    return m_pcm != nullptr;
}

qint64 AlsaAudioOut::AvailLocked()
{
    if (!m_pcm)
        return -1;
    snd_pcm_sframes_t avail = snd_pcm_avail(m_pcm);
    if (avail == -EPIPE || avail == -ESTRPIPE) {
        // An underrun: everything queued has played; make the ring ready for more.
        if (snd_pcm_recover(m_pcm, static_cast<int>(avail), 1) < 0)
            return -1;
        return m_bufferFrames;
    }
    if (avail < 0)
        return -1;
    return std::min<qint64>(avail, m_bufferFrames);
}

qint64 AlsaAudioOut::WritableFrames()
{
    std::lock_guard lock(m_pcmLock);
    if (m_droppedForPause)
        return 0;
    return AvailLocked();
}

qint64 AlsaAudioOut::Write(const qint16* samples, qint64 frames)
{
    std::lock_guard lock(m_pcmLock);
    if (!m_pcm)
        return -1;
    if (frames <= 0)
        return 0;
    snd_pcm_sframes_t written = snd_pcm_writei(m_pcm, samples, static_cast<snd_pcm_uframes_t>(frames));
    if (written == -EPIPE || written == -ESTRPIPE) {
        if (snd_pcm_recover(m_pcm, static_cast<int>(written), 1) < 0)
            return -1;
        written = snd_pcm_writei(m_pcm, samples, static_cast<snd_pcm_uframes_t>(frames));
    }
    if (written == -EAGAIN)
        return 0;
    return written < 0 ? -1 : static_cast<qint64>(written);
}

qint64 AlsaAudioOut::PendingFrames()
{
    std::lock_guard lock(m_pcmLock);
    if (!m_pcm)
        return 0;
    const snd_pcm_state_t state = snd_pcm_state(m_pcm);
    if (state == SND_PCM_STATE_XRUN || state == SND_PCM_STATE_SETUP || state == SND_PCM_STATE_OPEN)
        return 0;
    const snd_pcm_sframes_t avail = snd_pcm_avail(m_pcm);
    if (avail < 0)
        return 0;
    return std::max<qint64>(0, m_bufferFrames - avail);
}

void AlsaAudioOut::StartIfIdle()
{
    std::lock_guard lock(m_pcmLock);
    if (m_pcm && snd_pcm_state(m_pcm) == SND_PCM_STATE_PREPARED && AvailLocked() < m_bufferFrames)
        snd_pcm_start(m_pcm);
}

void AlsaAudioOut::WaitForDevice(int timeoutMs)
{
    std::vector<pollfd> fds;
    {
        std::lock_guard lock(m_pcmLock);
        fds = m_pollFds;
    }
    if (fds.empty()) {
        pollfd wake{m_wakeFd, POLLIN, 0};
        ::poll(&wake, 1, timeoutMs);
    } else {
        ::poll(fds.data(), fds.size(), timeoutMs);
        std::lock_guard lock(m_pcmLock);
        if (m_pcm) {
            // Lets plugins whose descriptors are internal pipes clear them.
            unsigned short events = 0;
            snd_pcm_poll_descriptors_revents(m_pcm, fds.data(), static_cast<unsigned>(fds.size() - 1),
                                             &events);
        }
    }
    eventfd_t ignored = 0;
    eventfd_read(m_wakeFd, &ignored);
}

void AlsaAudioOut::Interrupt()
{
    eventfd_write(m_wakeFd, 1);
}

bool AlsaAudioOut::Pause()
{
    std::lock_guard lock(m_pcmLock);
    if (!m_pcm)
        return false;
    const snd_pcm_state_t state = snd_pcm_state(m_pcm);
    if (state != SND_PCM_STATE_RUNNING)
        return true; // nothing is sounding; the player simply stops feeding
    if (m_canPause && snd_pcm_pause(m_pcm, 1) >= 0)
        return true;
    // A device without pause loses what it had queued; the sound goes on after the gap.
    snd_pcm_drop(m_pcm);
    m_droppedForPause = true;
    return true;
}

bool AlsaAudioOut::Resume()
{
    std::lock_guard lock(m_pcmLock);
    if (!m_pcm)
        return false;
    if (m_droppedForPause) {
        m_droppedForPause = false;
        return snd_pcm_prepare(m_pcm) >= 0;
    }
    if (snd_pcm_state(m_pcm) == SND_PCM_STATE_PAUSED)
        return snd_pcm_pause(m_pcm, 0) >= 0;
    return true;
}

} // namespace clavora
