#include "services/Mp3Source.h"

#include "services/SoundLog.h"

#include <filesystem>
#include <mpg123.h>
#include <mutex>
#include <QFile>

namespace clavora {

namespace {

struct HandleDeleter
{
    void operator()(mpg123_handle* handle) const
    {
        mpg123_close(handle);
        mpg123_delete(handle);
    }
};
using HandlePtr = std::unique_ptr<mpg123_handle, HandleDeleter>;

bool IsRegularFile(const QByteArray& encodedPath)
{
    // A FIFO or device node would block or never end; only plain files are sound files.
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(encodedPath.toStdString()), error);
}

// Asks for 16-bit output at whatever rate and channel count the file has.
void AcceptSigned16Only(mpg123_handle* handle)
{
    mpg123_format_none(handle);
    const long* rates = nullptr;
    size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (size_t i = 0; i < rateCount; ++i)
        mpg123_format(handle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
}

} // namespace

std::unique_ptr<Mp3Source> Mp3Source::Open(const QString& path)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { mpg123_init(); });

    const QByteArray encodedPath = QFile::encodeName(path);
    if (path.isEmpty() || !IsRegularFile(encodedPath))
        return nullptr;
    int error = MPG123_OK;
    HandlePtr handle(mpg123_new(nullptr, &error));
    if (!handle)
        return nullptr;
    mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    AcceptSigned16Only(handle.get());
    if (mpg123_open(handle.get(), encodedPath.constData()) != MPG123_OK)
        return nullptr;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(handle.get(), &rate, &channels, &encoding) != MPG123_OK || rate <= 0 ||
        encoding != MPG123_ENC_SIGNED_16) {
        qCDebug(lcSound) << "Not decodable as MP3:" << path;
        return nullptr;
    }
    // Hold the output format still: a stream that changes it midway ends there.
    mpg123_format_none(handle.get());
    mpg123_format(handle.get(), rate, channels, encoding);
    return std::unique_ptr<Mp3Source>(new Mp3Source(handle.release(), PcmFormat{int(rate), channels}));
}

Mp3Source::Mp3Source(mpg123_handle* handle, const PcmFormat& format) : SoundSource(format), m_handle(handle)
{}

Mp3Source::~Mp3Source()
{
    HandleDeleter()(m_handle);
}

bool Mp3Source::DecodeMore(std::vector<qint16>& out)
{
    constexpr size_t ChunkSamples = 8192;
    const size_t before = out.size();
    out.resize(before + ChunkSamples);
    size_t doneBytes = 0;
    const int result = mpg123_read(m_handle, reinterpret_cast<unsigned char*>(out.data() + before),
                                   ChunkSamples * sizeof(qint16), &doneBytes);
    out.resize(before + doneBytes / sizeof(qint16));
    switch (result) {
    case MPG123_OK:
        return true;
    case MPG123_NEW_FORMAT: {
        long rate = 0;
        int channels = 0;
        int encoding = 0;
        mpg123_getformat(m_handle, &rate, &channels, &encoding);
        return rate == Format().sampleRate && channels == Format().channels;
    }
    case MPG123_DONE:
        return false;
    default:
        // A damaged or truncated stream ends here; what decoded before still plays.
        qCDebug(lcSound) << "MP3 decoding stopped:" << mpg123_strerror(m_handle);
        return false;
    }
}

} // namespace clavora
