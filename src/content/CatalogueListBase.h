#pragma once

#include "content/CatalogueEntry.h"

#include <memory>
#include <QHash>
#include <QSet>
#include <QString>
#include <vector>

namespace clavora {

class XmlNode;

// The entries of one catalogue in document order, owned by the list, with the rules every list
// loads by: entries that do not parse are dropped, and so is a repeated key (the first one stays);
// in a custom list also a repeated file name.
class CatalogueListBase
{
public:
    virtual ~CatalogueListBase();
    Q_DISABLE_COPY_MOVE(CatalogueListBase)

    const CatalogueFormat& Format() const { return m_format; }
    qsizetype Count() const { return static_cast<qsizetype>(m_entries.size()); }
    bool IsEmpty() const { return m_entries.empty(); }
    void Clear();

    // A built-in catalogue from its text; false when the text is missing, does not parse, has no
    // root element or yields no entry.
    bool LoadFromText(const std::optional<QString>& text, const EntrySources& sources);
    // A custom catalogue file; false when it cannot be read, has no root element or yields no entry.
    // A file with an error part-way keeps the entries read in full.
    bool LoadFromFile(const QString& path, const EntrySources& sources);

protected:
    explicit CatalogueListBase(const CatalogueFormat& format);

    virtual std::unique_ptr<CatalogueEntry> NewEntry() const = 0;
    CatalogueEntry* EntryAt(qsizetype index) const
    {
        return m_entries[static_cast<std::size_t>(index)].get();
    }
    CatalogueEntry* FindEntry(const QString& key) const { return m_byKey.value(key); }

private:
    bool LoadEntries(const XmlNode* root, const EntrySources& sources);
    bool Accept(std::unique_ptr<CatalogueEntry> entry);

    CatalogueFormat m_format;
    std::vector<std::unique_ptr<CatalogueEntry>> m_entries;
    QHash<QString, CatalogueEntry*> m_byKey;
    QSet<QString> m_fileNames;
};

} // namespace clavora
