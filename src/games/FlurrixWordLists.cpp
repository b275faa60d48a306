#include "games/FlurrixWordLists.h"

#include "games/GamesLog.h"
#include "platform/TextDecoding.h"

#include <QFile>

namespace clavora {

namespace {

bool IsTrimmed(QChar ch)
{
    return ch.unicode() <= 32;
}

QString Trimmed(const QString& field)
{
    qsizetype begin = 0;
    qsizetype end = field.size();
    while (begin < end && IsTrimmed(field[begin]))
        ++begin;
    while (end > begin && IsTrimmed(field[end - 1]))
        --end;
    return field.mid(begin, end - begin);
}

// A word list is text: a NUL byte means some other kind of file.
bool LooksLikeText(const QByteArray& bytes)
{
    const bool utf16 = bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff");
    return utf16 || !bytes.contains('\0');
}

} // namespace

QString FlurrixWordLists::FileName(int length)
{
    return QStringLiteral("%1letterwords.csv").arg(length);
}

QStringList FlurrixWordLists::SplitLine(QStringView line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    const auto finish = [&] {
        const QString word = Trimmed(field);
        if (!word.isEmpty())
            fields.append(word);
        field.clear();
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar ch = line[i];
        if (quoted) {
            if (ch != u'"')
                field.append(ch);
            else if (i + 1 < line.size() && line[i + 1] == u'"')
                field.append(line[++i]);
            else
                quoted = false;
        } else if (ch == u',') {
            finish();
        } else if (ch == u'"' && Trimmed(field).isEmpty()) {
            field.clear();
            quoted = true;
        } else {
            field.append(ch);
        }
    }
    finish();
    return fields;
}

bool FlurrixWordLists::Load(const QString& folder, const std::function<bool()>& shouldStop)
{
    const auto stop = [&shouldStop] { return shouldStop && shouldStop(); };
    for (int length = 1; length <= ListCount; ++length) {
        QStringList& list = m_lists[static_cast<size_t>(length - 1)];
        list.clear();
        if (stop())
            return false;
        QFile file(folder + u'/' + FileName(length));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.read(MaxFileBytes);
        if (!LooksLikeText(bytes)) {
            qCWarning(lcGames) << "Word list" << file.fileName() << "is not text; left out";
            continue;
        }
        const QString text = DecodeTextFile(bytes).text;
        for (const QStringView line : QStringView(text).split(u'\n')) {
            if (stop())
                return false;
            for (const QString& word : SplitLine(line)) {
                if (list.size() >= MaxWordsPerList)
                    break;
                list.append(word);
            }
        }
    }
    return true;
}

const QStringList& FlurrixWordLists::ListOfLength(int length) const
{
    static const QStringList None;
    if (length < 1 || length > ListCount)
        return None;
    return m_lists[static_cast<size_t>(length - 1)];
}

void FlurrixWordLists::SetList(int length, const QStringList& words)
{
    if (length >= 1 && length <= ListCount)
        m_lists[static_cast<size_t>(length - 1)] = words;
}

} // namespace clavora
