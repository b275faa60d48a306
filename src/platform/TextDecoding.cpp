#include "platform/TextDecoding.h"

#include <array>

namespace clavora {

namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252; the rest of the page equals Latin-1.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeUtf16(const QByteArray& bytes, bool littleEndian)
{
    const qsizetype units = (bytes.size() - 2) / 2;
    QString text(units, Qt::Uninitialized);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData()) + 2;
    for (qsizetype i = 0; i < units; ++i) {
        const unsigned lo = littleEndian ? data[2 * i] : data[2 * i + 1];
        const unsigned hi = littleEndian ? data[2 * i + 1] : data[2 * i];
        text[i] = QChar(static_cast<char16_t>(lo | (hi << 8)));
    }
    return text;
}

} // namespace

bool IsValidUtf8(const char* data, qsizetype size)
{
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    qsizetype i = 0;
    while (i < size) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        char32_t value = 0;
        char32_t minimum = 0;
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            value = c & 0x1F;
            minimum = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            value = c & 0x0F;
            minimum = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            value = c & 0x07;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (i + extra >= size)
            return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char next = p[i + k];
            if ((next & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (next & 0x3F);
        }
        if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] =
            (byte >= 0x80 && byte <= 0x9F) ? QChar(Windows1252High[byte - 0x80]) : QChar(char16_t(byte));
    }
    return text;
}

DecodedText DecodeTextFile(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    if (bytes.size() >= 2 && p[0] == 0xFF && p[1] == 0xFE)
        return {DecodeUtf16(bytes, true), TextEncoding::Utf16LittleEndian};
    if (bytes.size() >= 2 && p[0] == 0xFE && p[1] == 0xFF)
        return {DecodeUtf16(bytes, false), TextEncoding::Utf16BigEndian};
    if (bytes.size() >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
        return {QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3), TextEncoding::Utf8WithMark};
    if (IsValidUtf8(bytes.constData(), bytes.size()))
        return {QString::fromUtf8(bytes), TextEncoding::Utf8};
    return {DecodeWindows1252(bytes), TextEncoding::Windows1252};
}

} // namespace clavora
