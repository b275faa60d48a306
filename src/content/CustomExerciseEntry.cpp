#include "content/CustomExerciseEntry.h"

#include "content/CustomFolder.h"
#include "platform/TextDecoding.h"
#include "services/XmlNode.h"

#include <QFile>

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
    // Pipes and devices are not listed, so reading never waits on one.
    if (!CustomFolder::IsPlainFileName(key) || !CustomFolder::IsPlainFileName(m_fileName) ||
        !sources.exerciseFiles.contains(m_fileName))
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    QString text = DecodeTextFile(file.readAll()).text;
    if (text.trimmed().isEmpty())
        return std::nullopt;
    return text;
}

} // namespace clavora
