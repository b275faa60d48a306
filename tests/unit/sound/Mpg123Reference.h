#pragma once

#include <mpg123.h>
#include <QByteArray>
#include <QFile>
#include <QString>

namespace clavora::test {

// The whole of a file decoded straight through libmpg123 to 16-bit samples, independent of the
// tutor's own source, as the yardstick of what the player must deliver.
struct ReferenceDecode
{
    long rate = 0;
    int channels = 0;
    QByteArray pcm;
    bool ok = false;
};

inline ReferenceDecode DecodeWithMpg123(const QString& path)
{
    ReferenceDecode result;
    mpg123_init();
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    if (mpg123_open(handle, QFile::encodeName(path).constData()) == MPG123_OK) {
        int encoding = 0;
        mpg123_getformat(handle, &result.rate, &result.channels, &encoding);
        mpg123_format_none(handle);
        mpg123_format(handle, result.rate, result.channels, MPG123_ENC_SIGNED_16);
        unsigned char buffer[16384];
        size_t done = 0;
        int status = MPG123_OK;
        while (status == MPG123_OK || status == MPG123_NEW_FORMAT) {
            status = mpg123_read(handle, buffer, sizeof buffer, &done);
            result.pcm.append(reinterpret_cast<const char*>(buffer), qsizetype(done));
        }
        result.ok = status == MPG123_DONE;
    }
    mpg123_close(handle);
    mpg123_delete(handle);
    return result;
}

} // namespace clavora::test
