#pragma once

#include "services/AudioOut.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <QByteArray>
#include <QList>

namespace clavora::test {

// An audio output that keeps what it is given. By default it plays instantly: whatever is written
// counts as played at once. With holding on, written sound stays queued until PlayQueued, so a
// test can keep a sound "playing" as long as it likes; with realTime on, queued sound drains at
// the sample rate, as a sound card would. Safe to inspect from the test thread while a player
// feeds it.
class MemoryAudioOut final : public AudioOut
{
public:
    struct OpenRequest
    {
        QString deviceName;
        PcmFormat format;
        int blockFrames = 0;
        int blockCount = 0;
        bool allowConversion = false;
    };

    // What a test sets up and reads back; shared so it outlives the player that owns the output.
    struct State
    {
        mutable std::mutex lock;
        std::condition_variable changed;
        // Set up by the test.
        bool refuseExactFormat = false;
        bool refuseEverything = false;
        bool holding = false;
        bool realTime = false;
        bool failWrites = false;
        bool opensOnFallbackDevice = false; // the chosen device is "gone": the default plays
        // Read back by the test.
        QList<OpenRequest> opens;
        QByteArray written; // every sample written since the last open
        qint64 queuedFrames = 0;
        int closes = 0;
        int pauses = 0;
        int resumes = 0;
        int largestWriteBytes = 0;
        bool isOpen = false;
        bool paused = false;
        bool interrupted = false;
    };

    explicit MemoryAudioOut(std::shared_ptr<State> state = std::make_shared<State>())
        : m_state(std::move(state))
    {}
    ~MemoryAudioOut() override { Close(); }

    std::shared_ptr<State> SharedState() const { return m_state; }

    // Plays everything queued (while holding) and wakes the feeder.
    static void PlayQueued(State& state)
    {
        {
            std::lock_guard lock(state.lock);
            state.queuedFrames = 0;
        }
        state.changed.notify_all();
    }

    bool OpenedFallbackDevice() const override
    {
        std::lock_guard lock(m_state->lock);
        return m_state->opensOnFallbackDevice;
    }

    bool Open(const QString& deviceName, const PcmFormat& format, int blockFrames, int blockCount,
              bool allowConversion) override
    {
        std::lock_guard lock(m_state->lock);
        m_state->opens.append({deviceName, format, blockFrames, blockCount, allowConversion});
        if (m_state->refuseEverything || (m_state->refuseExactFormat && !allowConversion))
            return false;
        m_state->isOpen = true;
        m_state->paused = false;
        m_state->queuedFrames = 0;
        m_state->written.clear();
        m_format = format;
        m_capacity = qint64(blockFrames) * blockCount;
        m_lastDrain = SteadyClock::now();
        return true;
    }
    void Close() override
    {
        std::lock_guard lock(m_state->lock);
        if (m_state->isOpen)
            ++m_state->closes;
        m_state->isOpen = false;
        m_state->queuedFrames = 0;
    }
    bool IsOpen() const override
    {
        std::lock_guard lock(m_state->lock);
        return m_state->isOpen;
    }
    qint64 WritableFrames() override
    {
        std::lock_guard lock(m_state->lock);
        DrainLocked();
        if (!m_state->isOpen || m_state->failWrites)
            return -1;
        return m_capacity - m_state->queuedFrames;
    }
    qint64 Write(const qint16* samples, qint64 frames) override
    {
        std::lock_guard lock(m_state->lock);
        if (!m_state->isOpen || m_state->failWrites)
            return -1;
        frames = std::min(frames, m_capacity - m_state->queuedFrames);
        const qsizetype bytes = qsizetype(frames) * m_format.BytesPerFrame();
        m_state->written.append(reinterpret_cast<const char*>(samples), bytes);
        m_state->largestWriteBytes = std::max(m_state->largestWriteBytes, int(bytes));
        if (m_state->holding || m_state->realTime)
            m_state->queuedFrames += frames;
        return frames;
    }
    qint64 PendingFrames() override
    {
        std::lock_guard lock(m_state->lock);
        DrainLocked();
        return m_state->queuedFrames;
    }
    void StartIfIdle() override {}
    void WaitForDevice(int timeoutMs) override
    {
        std::unique_lock lock(m_state->lock);
        m_state->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                  [this] { return m_state->interrupted || m_state->queuedFrames == 0; });
        m_state->interrupted = false;
    }
    void Interrupt() override
    {
        {
            std::lock_guard lock(m_state->lock);
            m_state->interrupted = true;
        }
        m_state->changed.notify_all();
    }
    bool Pause() override
    {
        std::lock_guard lock(m_state->lock);
        ++m_state->pauses;
        m_state->paused = true;
        return true;
    }
    bool Resume() override
    {
        std::lock_guard lock(m_state->lock);
        ++m_state->resumes;
        m_state->paused = false;
        return true;
    }

private:
    using SteadyClock = std::chrono::steady_clock;

    // In real time, lets the sound queued since the last look play out (not while paused).
    void DrainLocked()
    {
        const SteadyClock::time_point now = SteadyClock::now();
        if (m_state->realTime && !m_state->paused && m_format.sampleRate > 0) {
            const double seconds = std::chrono::duration<double>(now - m_lastDrain).count();
            const qint64 played = qint64(seconds * m_format.sampleRate);
            if (played > 0 || m_state->queuedFrames == 0) {
                m_state->queuedFrames = std::max<qint64>(0, m_state->queuedFrames - played);
                m_lastDrain = now;
            }
            return;
        }
        m_lastDrain = now;
    }

    std::shared_ptr<State> m_state;
    PcmFormat m_format;
    qint64 m_capacity = 0;
    SteadyClock::time_point m_lastDrain;
};

} // namespace clavora::test
