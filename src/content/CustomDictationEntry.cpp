#include "content/CustomDictationEntry.h"

#include "content/CustomFolder.h"
#include "services/XmlNode.h"

#include <QFileInfo>

namespace clavora {

bool CustomDictationEntry::ParseFrom(const XmlNode& element, int ordinal, const EntrySources& sources)
{
    SetOrdinal(ordinal);
    QString key;
    QString title;
    if (!element.ReadChildTextFixed(u"key", key) || !element.ReadChildTextFixed(u"filename", m_fileName) ||
        !element.ReadChildText(u"title", title))
        return false;
    SetKey(key);
    SetTitle(title);
    // The key names the audio file: it must not lead out of the folder.
    const QString audioName = key + QStringLiteral(".mp3");
    if (!CustomFolder::IsPlainFileName(key) || !CustomFolder::IsPlainFileName(m_fileName) ||
        !sources.exerciseFiles.contains(audioName))
        return false;
    const QFileInfo audio(sources.exerciseFolder + u'/' + audioName);
    if (!audio.isReadable())
        return false;
    m_audioPath = audio.filePath();
    return true;
}

} // namespace clavora
