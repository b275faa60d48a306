#include "services/SoundSource.h"

#include <algorithm>

namespace clavora {

void SoundSource::DecodeAhead(int milliseconds)
{
    const qint64 wanted = qint64(std::max(m_format.sampleRate, 1)) * std::max(milliseconds, 1) / 1000;
    if (m_readOffset > 0) {
        m_ready.erase(m_ready.begin(), m_ready.begin() + static_cast<std::ptrdiff_t>(m_readOffset));
        m_readOffset = 0;
    }
    // A decoder may take a call or two without yielding sound (a format notice, a skipped
    // tag); one that keeps yielding nothing is given up on rather than spun on.
    constexpr int MaxFruitlessCalls = 16;
    int fruitless = 0;
    while (!m_ended && ReadyFrames() < wanted) {
        const size_t before = m_ready.size();
        if (!DecodeMore(m_ready))
            m_ended = true;
        else if (m_ready.size() != before)
            fruitless = 0;
        else if (++fruitless >= MaxFruitlessCalls)
            m_ended = true;
    }
}

qint64 SoundSource::ReadyFrames() const
{
    return static_cast<qint64>(m_ready.size() - m_readOffset) / FrameSamples();
}

void SoundSource::Consume(qint64 frames)
{
    const size_t samples = static_cast<size_t>(std::clamp<qint64>(frames, 0, ReadyFrames()) * FrameSamples());
    m_readOffset += samples;
}

} // namespace clavora
