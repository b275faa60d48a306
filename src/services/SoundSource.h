#pragma once

#include "services/AudioOut.h"

#include <vector>

namespace clavora {

// Decoded sound on its way to the output: 16-bit PCM with its rate and channel count, decoded a
// little ahead of playback on request. A source is used by one thread at a time.
class SoundSource
{
public:
    virtual ~SoundSource() = default;
    SoundSource(const SoundSource&) = delete;
    SoundSource& operator=(const SoundSource&) = delete;

    // Channels may be 0 when the file does not say; the player then plays it as mono.
    PcmFormat Format() const { return m_format; }

    // Decodes until at least milliseconds of sound are ready or the sound has ended.
    void DecodeAhead(int milliseconds);
    // Sound ready to play, in whole frames of the source's channel count.
    qint64 ReadyFrames() const;
    const qint16* ReadyData() const { return m_ready.data() + m_readOffset; }
    void Consume(qint64 frames);
    // Nothing is ready and nothing more will be decoded.
    bool IsExhausted() const { return m_ended && ReadyFrames() == 0; }

protected:
    explicit SoundSource(const PcmFormat& format) : m_format(format) {}
    // Appends the next decoded samples to out; false once the sound has ended (also on a fault
    // that ends it early: what decoded before still plays).
    virtual bool DecodeMore(std::vector<qint16>& out) = 0;

private:
    int FrameSamples() const { return m_format.channels > 0 ? m_format.channels : 1; }

    PcmFormat m_format;
    std::vector<qint16> m_ready;
    size_t m_readOffset = 0;
    bool m_ended = false;
};

} // namespace clavora
