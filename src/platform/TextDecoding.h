#pragma once

#include <QByteArray>
#include <QString>

namespace clavora {

// How the bytes of a text file were read.
enum class TextEncoding
{
    Utf16LittleEndian,
    Utf16BigEndian,
    Utf8WithMark,
    Utf8,
    Windows1252
};

struct DecodedText
{
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Decodes a text file the way users' files are read everywhere in the tutor: UTF-16 when it starts
// with a byte-order mark (either order), UTF-8 when it starts with the UTF-8 mark or is valid UTF-8,
// otherwise Windows-1252. Byte-order marks are not part of the text.
DecodedText DecodeTextFile(const QByteArray& bytes);

// Windows-1252 to UTF-16; the five bytes the code page leaves undefined map to the same code point.
QString DecodeWindows1252(const QByteArray& bytes);

// True when the bytes are well-formed UTF-8 (no overlongs, surrogates or values past U+10FFFF).
bool IsValidUtf8(const char* data, qsizetype size);

} // namespace clavora
