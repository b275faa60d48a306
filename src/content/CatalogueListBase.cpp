#include "content/CatalogueListBase.h"

#include "content/ContentLog.h"
#include "services/XmlDocument.h"

#include <QFileInfo>

namespace clavora {

CatalogueListBase::CatalogueListBase(const CatalogueFormat& format) : m_format(format) {}

CatalogueListBase::~CatalogueListBase() = default;

void CatalogueListBase::Clear()
{
    m_entries.clear();
    m_byKey.clear();
    m_fileNames.clear();
}

bool CatalogueListBase::LoadFromText(const std::optional<QString>& text, const EntrySources& sources)
{
    if (!text) {
        qCWarning(lcContent) << "catalogue resource" << m_format.resource << "is missing";
        return false;
    }
    XmlDocument document;
    QString error;
    if (document.ParseFromText(*text, &error) != XmlParseStatus::Loaded) {
        qCWarning(lcContent) << "catalogue resource" << m_format.resource << "does not parse:" << error;
        return false;
    }
    return LoadEntries(document.Root().FirstChildNamed(m_format.root), sources);
}

bool CatalogueListBase::LoadFromFile(const QString& path, const EntrySources& sources)
{
    // A pipe or a folder in place of the file is the user's doing; reading a pipe would never end.
    if (!QFileInfo(path).isFile()) {
        Clear();
        return false;
    }
    XmlDocument document;
    QString error;
    const XmlParseStatus status = document.LoadFromFile(path, &error);
    if (status == XmlParseStatus::Failed || status == XmlParseStatus::Cancelled) {
        if (QFileInfo::exists(path))
            qCWarning(lcContent) << "cannot read" << path << error;
        Clear();
        return false;
    }
    if (status == XmlParseStatus::ParseError)
        qCWarning(lcContent) << path << error;
    return LoadEntries(document.Root().FirstChildNamed(m_format.root), sources);
}

bool CatalogueListBase::LoadEntries(const XmlNode* root, const EntrySources& sources)
{
    if (!root) {
        Clear();
        return false;
    }
    Clear();
    int ordinal = 1;
    for (const XmlNode* element : root->ChildrenNamed(m_format.element)) {
        std::unique_ptr<CatalogueEntry> entry = NewEntry();
        if (!entry->ParseFrom(*element, ordinal, sources))
            continue;
        entry->MarkLoaded(ordinal);
        if (Accept(std::move(entry)))
            ++ordinal;
    }
    return !m_entries.empty();
}

bool CatalogueListBase::Accept(std::unique_ptr<CatalogueEntry> entry)
{
    if (entry->Key().isEmpty() || m_byKey.contains(entry->Key()))
        return false;
    const QString fileName = entry->FileName();
    const bool custom = !m_format.customFile.isEmpty();
    if (custom && (fileName.isEmpty() || m_fileNames.contains(fileName)))
        return false;
    if (custom)
        m_fileNames.insert(fileName);
    m_byKey.insert(entry->Key(), entry.get());
    m_entries.push_back(std::move(entry));
    return true;
}

} // namespace clavora
