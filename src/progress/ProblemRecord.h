#pragma once

#include <optional>
#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

namespace clavora {

// One problem record: named text values in the order they were written. Names compare exactly;
// when a name occurs twice the first occurrence counts.
class ProblemRecord final
{
public:
    // Largest record file that is read at all: a real record holds a word of at most 259
    // characters, so anything near this size is damage, not data.
    static constexpr qsizetype MaxEncodedSize = 64 * 1024;

    bool Has(const QString& name) const;
    QString Value(const QString& name) const; // empty when missing
    void SetValue(const QString& name, const QString& value);
    const QList<std::pair<QString, QString>>& Values() const { return m_values; }

    // The file form: name=value&name=value, every byte of the UTF-8 form outside a-z, A-Z, 0-9
    // and "-_.!~" written as "%" and two upper-case hexadecimal digits.
    QByteArray Encode() const;
    // Reverses Encode. Fails on an empty or oversized input, a bad escape, a pair without "=" or
    // without a name, and on bytes that are not UTF-8 once unescaped.
    static std::optional<ProblemRecord> Decode(const QByteArray& bytes);

    friend bool operator==(const ProblemRecord&, const ProblemRecord&) = default;

private:
    QList<std::pair<QString, QString>> m_values;
};

} // namespace clavora
