#include "content/CustomExerciseEntry.h"

#include "content/CustomFolder.h"
#include "platform/TextDecoding.h"
#include "services/XmlNode.h"

#include <QFile>
#include <QFileInfo>

namespace clavora {

bool CustomExerciseEntry::ParseFrom(const XmlNode& element, int ordinal, const EntrySources& sources)
{
    SetOrdinal(ordinal);
    QString key;
    QString title;
    if (!element.ReadChildTextFixed(u"key", key) || !element.ReadChildTextFixed(u"filename", m_fileName) ||
        !element.ReadChildText(u"title", title) || !ParseMoreFields(element))
        return false;
    SetKey(key);
    SetTitle(title);
    // The file name comes from a file the user may have edited: it must not lead out of the folder.
    if (!CustomFolder::IsPlainFileName(key) || !CustomFolder::IsPlainFileName(m_fileName) ||
        sources.exerciseFolder.isEmpty())
        return false;
    std::optional<QString> text = ReadExerciseFile(sources.exerciseFolder + u'/' + m_fileName);
    if (!text)
        return false;
    SetLoadedText(std::move(*text));
    return true;
}

bool CustomExerciseEntry::ParseMoreFields(const XmlNode&)
{
    return true;
}

std::optional<QString> CustomExerciseEntry::ReadExerciseFile(const QString& path)
{
    // Only regular files: reading a pipe or a device would never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString text = DecodeTextFile(file.readAll()).text;
    if (text.trimmed().isEmpty())
        return std::nullopt;
    return text;
}

} // namespace clavora
