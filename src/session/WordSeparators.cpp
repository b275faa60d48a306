#include "session/WordSeparators.h"

#include <algorithm>

namespace clavora {

namespace {
constexpr qsizetype MinProblemWordLength = 4;
constexpr qsizetype MaxProblemWordLength = 14;
} // namespace

bool IsWordSeparator(QChar c)
{
    switch (c.unicode()) {
    case u' ':
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case u'-':
    case u';':
    case u'.':
    case u',':
    case u'?':
    case u'/':
    case u'\\':
        return true;
    default:
        return false;
    }
}

QString FindProblemWord(const QString& target, qsizetype cursor)
{
    qsizetype start = std::clamp<qsizetype>(cursor, 0, target.size());
    if (start == 0)
        return {};
    while (start > 0 && !IsWordSeparator(target.at(start - 1)))
        --start;
    qsizetype end = start;
    // Stop counting once the word is too long: the scan stays bounded by the longest word kept.
    while (end < target.size() && !IsWordSeparator(target.at(end)) && end - start <= MaxProblemWordLength)
        ++end;
    const qsizetype length = end - start;
    if (length < MinProblemWordLength || length > MaxProblemWordLength)
        return {};
    return target.mid(start, length);
}

} // namespace clavora
