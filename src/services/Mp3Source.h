#pragma once

#include "services/SoundSource.h"

#include <memory>
#include <QString>

typedef struct mpg123_handle_struct mpg123_handle;

namespace clavora {

// An MP3 file decoded by libmpg123 to 16-bit PCM. The library skips ID3 tags and reads Xing/LAME
// headers, so encoder padding does not reach the speaker.
class Mp3Source final : public SoundSource
{
public:
    // Nothing when the file is missing, not a regular file, or holds no decodable MPEG audio.
    static std::unique_ptr<Mp3Source> Open(const QString& path);
    ~Mp3Source() override;

protected:
    bool DecodeMore(std::vector<qint16>& out) override;

private:
    Mp3Source(mpg123_handle* handle, const PcmFormat& format);

    mpg123_handle* m_handle;
};

} // namespace clavora
