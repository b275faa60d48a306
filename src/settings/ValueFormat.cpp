#include "settings/ValueFormat.h"

#include <limits>

namespace clavora::ValueFormat {

namespace {

qsizetype SkipSpace(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
        ++i;
    return i;
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

int ParseInt(const QString& text, int defaultValue)
{
    if (text.isEmpty())
        return defaultValue;
    qsizetype i = SkipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    qint64 value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            value = qint64(std::numeric_limits<int>::max()) + 1;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

QString FormatInt(int value)
{
    return QString::number(value);
}

bool ParseFlag(const QString& text, bool defaultValue)
{
    if (text.isEmpty())
        return defaultValue;
    return text[0] != u'0';
}

QString FormatFlag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

double ParseReal(const QString& text)
{
    qsizetype i = SkipSpace(text);
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            seenDigit = true;
        } else if (text[i] == u'.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;
    return QStringView(text).mid(start, i - start).toDouble();
}

QString FormatReal(double value, const char* format)
{
    return QString::asprintf(format, value);
}

bool StartsVisibly(const QString& text)
{
    if (text.isEmpty())
        return false;
    char32_t first = text[0].unicode();
    if (text[0].isHighSurrogate() && text.size() > 1 && text[1].isLowSurrogate())
        first = QChar::surrogateToUcs4(text[0], text[1]);
    return QChar::isPrint(first) && !QChar::isSpace(first) &&
           QChar::category(first) != QChar::Mark_NonSpacing;
}

} // namespace clavora::ValueFormat
