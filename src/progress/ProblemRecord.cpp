#include "progress/ProblemRecord.h"

#include "platform/TextDecoding.h"

namespace clavora {

namespace {

bool IsUnreserved(unsigned char byte)
{
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
           byte == '-' || byte == '_' || byte == '.' || byte == '!' || byte == '~';
}

void AppendEscaped(QByteArray& out, const QString& text)
{
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreserved(byte)) {
            out.append(c);
        } else {
            out.append('%');
            out.append(HexDigits[byte >> 4]);
            out.append(HexDigits[byte & 0x0f]);
        }
    }
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<QString> Unescape(QByteArrayView escaped)
{
    QByteArray bytes;
    bytes.reserve(escaped.size());
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '%') {
            bytes.append(escaped[i]);
            continue;
        }
        if (i + 2 >= escaped.size())
            return std::nullopt;
        const int high = HexValue(escaped[i + 1]);
        const int low = HexValue(escaped[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.append(static_cast<char>(high * 16 + low));
        i += 2;
    }
    if (!IsValidUtf8(bytes.constData(), bytes.size()))
        return std::nullopt;
    return QString::fromUtf8(bytes);
}

} // namespace

bool ProblemRecord::Has(const QString& name) const
{
    for (const auto& [key, value] : m_values) {
        if (key == name)
            return true;
    }
    return false;
}

QString ProblemRecord::Value(const QString& name) const
{
    for (const auto& [key, value] : m_values) {
        if (key == name)
            return value;
    }
    return QString();
}

void ProblemRecord::SetValue(const QString& name, const QString& value)
{
    for (auto& [key, existing] : m_values) {
        if (key == name) {
            existing = value;
            return;
        }
    }
    m_values.append({name, value});
}

QByteArray ProblemRecord::Encode() const
{
    QByteArray out;
    for (const auto& [name, value] : m_values) {
        if (!out.isEmpty())
            out.append('&');
        AppendEscaped(out, name);
        out.append('=');
        AppendEscaped(out, value);
    }
    return out;
}

std::optional<ProblemRecord> ProblemRecord::Decode(const QByteArray& bytes)
{
    if (bytes.isEmpty() || bytes.size() > MaxEncodedSize)
        return std::nullopt;
    ProblemRecord record;
    const QByteArrayView all(bytes);
    qsizetype start = 0;
    while (start <= all.size()) {
        qsizetype end = all.indexOf('&', start);
        if (end < 0)
            end = all.size();
        const QByteArrayView pair = all.sliced(start, end - start);
        const qsizetype equals = pair.indexOf('=');
        if (equals <= 0)
            return std::nullopt;
        const std::optional<QString> name = Unescape(pair.first(equals));
        const std::optional<QString> value = Unescape(pair.sliced(equals + 1));
        if (!name || !value || name->isEmpty())
            return std::nullopt;
        record.m_values.append({*name, *value});
        start = end + 1;
    }
    return record;
}

} // namespace clavora
