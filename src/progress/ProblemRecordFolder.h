#pragma once

#include "progress/ProblemRecord.h"

#include <optional>
#include <QList>
#include <QString>

namespace clavora {

// A folder of numbered record files ("1.dat", "2.dat", ...), one record per file. Listing is in
// ascending numeric order of the names, whatever the file system lists first; names that are not
// numbers come last, in name order. Every write is atomic: a record appears whole or not at all.
class ProblemRecordFolder final
{
public:
    explicit ProblemRecordFolder(QString path);

    const QString& Path() const { return m_path; }

    // The listing order: numbered names by number, then other names by name.
    static bool ListsBefore(const QString& a, const QString& b);

    // File names of every "*.dat" entry, including entries that cannot be read (a directory or a
    // damaged file still counts as a record, so it is neither skipped silently nor overwritten).
    QStringList List() const;
    std::optional<ProblemRecord> Read(const QString& fileName) const;

    // Writes the record under the first free number, creating the folder when missing. Returns
    // the new file name, or an empty text when no file could be created.
    QString Add(const ProblemRecord& record) const;
    // The same with the folder's listing at hand, which saves reading the folder again.
    QString Add(const ProblemRecord& record, const QStringList& listed) const;
    // Replaces an existing record file whole.
    bool Replace(const QString& fileName, const ProblemRecord& record) const;
    bool Remove(const QString& fileName) const;

private:
    QString FilePath(const QString& fileName) const { return m_path + u'/' + fileName; }

    QString m_path;
};

} // namespace clavora
