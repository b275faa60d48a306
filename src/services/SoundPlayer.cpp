#include "services/SoundPlayer.h"

#include "services/AlsaAudioOut.h"
#include "services/Mp3Source.h"
#include "services/SoundLog.h"

#include <algorithm>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QThread>

namespace clavora {

namespace {

const QEvent::Type PlaybackEndEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

class PlaybackEndEvent final : public QEvent
{
public:
    explicit PlaybackEndEvent(quint64 generation) : QEvent(PlaybackEndEventType), m_generation(generation) {}
    quint64 Generation() const { return m_generation; }

private:
    quint64 m_generation;
};

void SetFeedingPriority(bool timeCritical)
{
    QThread::currentThread()->setPriority(timeCritical ? QThread::TimeCriticalPriority
                                                       : QThread::NormalPriority);
}

} // namespace

// Lives on the player's own thread and hands the feeding thread's end notice to the player
// there; destroying it discards notices still on their way.
class SoundPlayer::EndRelay final : public QObject
{
public:
    explicit EndRelay(SoundPlayer& player) : m_player(player) {}

    bool event(QEvent* event) override
    {
        if (event->type() != PlaybackEndEventType)
            return QObject::event(event);
        m_player.PlaybackEnded(static_cast<PlaybackEndEvent*>(event)->Generation());
        return true;
    }

private:
    SoundPlayer& m_player;
};

SoundPlayer::SoundPlayer(SoundPlayerListener* listener, std::unique_ptr<AudioOut> output)
    : m_listener(listener), m_output(output ? std::move(output) : std::make_unique<AlsaAudioOut>()),
      m_endRelay(std::make_unique<EndRelay>(*this))
{
    m_feedingThread = QThread::create([this] { FeedingThreadMain(); });
    m_feedingThread->setObjectName(QStringLiteral("SoundFeeder"));
    m_feedingThread->start();
}

SoundPlayer::~SoundPlayer()
{
    {
        std::lock_guard lock(m_lock);
        m_quit = true;
        m_open = false;
        m_output->Interrupt();
    }
    m_stateChanged.notify_all();
    m_feedingThread->wait();
    delete m_feedingThread;
    CloseStream();
    m_endRelay.reset();
}

int SoundPlayer::BlockFrames(int sampleRate)
{
    return std::clamp(sampleRate / 10, MinBlockFrames, MaxBlockFrames);
}

std::unique_ptr<SoundSource> SoundPlayer::Open(const QString& path)
{
    return Mp3Source::Open(path);
}

bool SoundPlayer::Play(std::unique_ptr<SoundSource> source)
{
    Stop();
    if (!source || source->Format().sampleRate <= 0)
        return false;
    PcmFormat format = source->Format();
    format.channels = std::max(format.channels, 1);
    const int blockFrames = BlockFrames(format.sampleRate);
    {
        std::lock_guard lock(m_lock);
        if (!m_output->Open(m_deviceChoice, format, blockFrames, BlockCount, false) &&
            !m_output->Open(m_deviceChoice, format, blockFrames, BlockCount, true)) {
            qCInfo(lcSound) << "No sound output for" << format.sampleRate << "Hz," << format.channels
                            << "channels on" << m_deviceChoice;
            return false;
        }
        m_onFallback = m_output->OpenedFallbackDevice();
        m_source = std::move(source);
        m_open = true;
        m_paused = false;
        ++m_generation;
    }
    m_stateChanged.notify_all();
    if (m_listener)
        m_listener->PlaybackStarted();
    return true;
}

void SoundPlayer::Pause()
{
    {
        std::lock_guard lock(m_lock);
        if (!m_open || m_paused)
            return;
        m_output->Pause();
        m_paused = true;
        m_output->Interrupt();
    }
    m_stateChanged.notify_all();
    if (m_listener)
        m_listener->PlaybackPaused();
}

void SoundPlayer::Resume()
{
    {
        std::lock_guard lock(m_lock);
        if (m_open && m_paused) {
            m_output->Resume();
            m_paused = false;
        }
    }
    m_stateChanged.notify_all();
    if (m_listener)
        m_listener->PlaybackStarted();
}

void SoundPlayer::Stop()
{
    if (CloseStream() && m_listener)
        m_listener->PlaybackStopped();
}

bool SoundPlayer::IsPlaying() const
{
    std::lock_guard lock(m_lock);
    return m_open;
}

bool SoundPlayer::PlaysOnFallbackDevice() const
{
    std::lock_guard lock(m_lock);
    return m_onFallback;
}

bool SoundPlayer::IsPaused() const
{
    std::lock_guard lock(m_lock);
    return m_open && m_paused;
}

bool SoundPlayer::CloseStream()
{
    std::unique_lock lock(m_lock);
    if (!m_source)
        return false;
    m_open = false;
    m_paused = false;
    ++m_generation;
    m_output->Interrupt();
    m_stateChanged.notify_all();
    // The feeding thread may be decoding this source or waiting on this output.
    m_stateChanged.wait(lock, [this] { return !m_feederBusy; });
    m_output->Close();
    m_source.reset();
    return true;
}

void SoundPlayer::PlaybackEnded(quint64 generation)
{
    {
        std::lock_guard lock(m_lock);
        if (generation != m_generation || !m_source)
            return; // a notice about a sound that has since been stopped or replaced
    }
    QPointer<QObject> alive(m_endRelay.get());
    if (m_listener)
        m_listener->PlaybackEndOfData();
    if (!alive)
        return;
    {
        std::lock_guard lock(m_lock);
        if (generation != m_generation)
            return; // the listener started or stopped something itself
    }
    Stop();
}

void SoundPlayer::RunUnlocked(std::unique_lock<std::mutex>& lock, const std::function<void()>& work)
{
    m_feederBusy = true;
    lock.unlock();
    work();
    lock.lock();
    m_feederBusy = false;
    m_stateChanged.notify_all();
}

void SoundPlayer::FeedingThreadMain()
{
    std::unique_lock lock(m_lock);
    bool timeCritical = false;
    const auto setPriority = [&timeCritical](bool wanted) {
        if (wanted != timeCritical)
            SetFeedingPriority(wanted);
        timeCritical = wanted;
    };
    while (!m_quit) {
        if (!m_open || m_paused) {
            setPriority(false);
            m_stateChanged.wait(lock);
            continue;
        }
        setPriority(true);
        switch (FeedOnce(lock)) {
        case Pass::Continue:
            break;
        case Pass::WaitForDevice:
            setPriority(false);
            RunUnlocked(lock, [this] { m_output->WaitForDevice(DeviceWaitMs); });
            break;
        case Pass::Finished:
            m_open = false;
            m_paused = false;
            QCoreApplication::postEvent(m_endRelay.get(), new PlaybackEndEvent(m_generation));
            continue;
        }
        m_stateChanged.wait_for(lock, std::chrono::milliseconds(PassPauseMs));
    }
}

SoundPlayer::Pass SoundPlayer::FeedOnce(std::unique_lock<std::mutex>& lock)
{
    const int frameBytes = std::max(m_source->Format().channels, 1) * 2;
    const qint64 framesPerWrite = MaxWriteBytes / frameBytes;
    qint64 writable = m_output->WritableFrames();
    if (writable < 0)
        return Pass::Finished; // the device failed: end the sound as if it had played
    while (writable > 0 && m_source->ReadyFrames() > 0) {
        const qint64 frames = std::min({writable, m_source->ReadyFrames(), framesPerWrite});
        const qint64 written = m_output->Write(m_source->ReadyData(), frames);
        if (written < 0)
            return Pass::Finished;
        if (written == 0)
            break;
        m_source->Consume(written);
        writable -= written;
    }
    if (m_source->ReadyFrames() == 0 && !m_source->IsExhausted()) {
        SoundSource* source = m_source.get();
        RunUnlocked(lock, [source] { source->DecodeAhead(DecodeAheadMs); });
        return Pass::Continue;
    }
    if (m_source->IsExhausted()) {
        m_output->StartIfIdle();
        return m_output->PendingFrames() == 0 ? Pass::Finished : Pass::WaitForDevice;
    }
    return writable == 0 ? Pass::WaitForDevice : Pass::Continue;
}

} // namespace clavora
