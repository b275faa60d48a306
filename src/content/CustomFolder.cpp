#include "content/CustomFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace clavora {

CustomFolder::CustomFolder(QString productDataFolder) : m_productDataFolder(std::move(productDataFolder)) {}

QString CustomFolder::FindSubfolder(const QString& folder, QStringView name)
{
    const QString exact = folder + u'/' + name.toString();
    if (QFileInfo(exact).isDir())
        return exact;
    QStringList candidates = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& candidate : std::as_const(candidates)) {
        if (name.compare(candidate, Qt::CaseInsensitive) == 0)
            return folder + u'/' + candidate;
    }
    return exact;
}

QString CustomFolder::Path() const
{
    return FindSubfolder(m_productDataFolder, FolderName);
}

QString CustomFolder::Subfolder(QStringView name) const
{
    return FindSubfolder(Path(), name);
}

QString CustomFolder::FilePath(QStringView fileName) const
{
    return Path() + u'/' + fileName.toString();
}

bool CustomFolder::Create() const
{
    return QDir().mkpath(Path());
}

QSet<QString> CustomFolder::RegularFileNames(const QString& folder)
{
    QSet<QString> names;
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (files.hasNext()) {
        files.next();
        if (files.fileInfo().isFile())
            names.insert(files.fileName());
    }
    return names;
}

bool CustomFolder::IsPlainFileName(QStringView name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c == QChar::Null)
            return false;
    }
    return true;
}

} // namespace clavora
