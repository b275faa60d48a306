#include "progress/ReportFolder.h"

#include "platform/KnownFolders.h"
#include "settings/UserProfile.h"

#include <algorithm>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace clavora {

namespace {

const QString CsvSuffix = QStringLiteral(".csv");

bool HasCsvSuffix(const QString& name)
{
    return name.endsWith(CsvSuffix, Qt::CaseInsensitive);
}

QString DefaultFolder()
{
    return KnownFolders::ProductDataFolder() + QStringLiteral("/Reports");
}

} // namespace

const QString ReportFolder::InvalidNameMessage = QStringLiteral("Please make sure the file name is valid.");
const QString ReportFolder::NotCsvMessage = QStringLiteral("Please make sure the file extension is .csv");

QString ReportFolder::GetReportFolder(const UserProfile& profile)
{
    const QString folder = profile.ReportFolder();
    QDir().mkpath(folder);
    return folder;
}

bool ReportFolder::SetReportFolder(UserProfile& profile, const QString& folder)
{
    return profile.Set(Profile::ReportFolder, folder.isEmpty() ? DefaultFolder() : folder);
}

QList<ReportFileInfo> ReportFolder::List() const
{
    QList<ReportFileInfo> reports;
    const QFileInfoList files = QDir(m_path).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks,
                                                           QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files) {
        if (!HasCsvSuffix(file.fileName()))
            continue;
        const QDateTime modified = file.lastModified().toLocalTime();
        const QDate date = modified.date();
        const QTime time = modified.time();
        reports.append({file.fileName(),
                        QString::asprintf("%.4d-%.2d-%.2d", date.year(), date.month(), date.day()),
                        QString::asprintf("%.2d:%.2d:%.2d", time.hour(), time.minute(), time.second())});
    }
    return reports;
}

QString ReportFolder::FilePathOf(const QString& name) const
{
    if (CheckNewName(name) != NameCheck::Valid)
        return QString();
    const QFileInfo file(QDir(m_path).filePath(name));
    if (!file.isFile() || file.isSymLink())
        return QString();
    return file.filePath();
}

bool ReportFolder::Delete(const QString& name) const
{
    const QString path = FilePathOf(name);
    return !path.isEmpty() && QFile::remove(path);
}

ReportFolder::NameCheck ReportFolder::CheckNewName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(u' ') || name.endsWith(u' ') || name.contains(u'/') ||
        name.contains(u'\\') || name.contains(QStringLiteral("..")))
        return NameCheck::InvalidName;
    if (std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.category() == QChar::Other_Control; }))
        return NameCheck::InvalidName;
    if (!HasCsvSuffix(name))
        return NameCheck::NotCsv;
    // ".csv" alone would be a hidden file without a name.
    return name.size() > CsvSuffix.size() ? NameCheck::Valid : NameCheck::InvalidName;
}

bool ReportFolder::Rename(const QString& from, const QString& to) const
{
    const QString source = FilePathOf(from);
    if (source.isEmpty() || CheckNewName(to) != NameCheck::Valid)
        return false;
    const QString target = QDir(m_path).filePath(to);
    // QFile::rename refuses an existing target instead of replacing it.
    return !QFileInfo::exists(target) && QFile::rename(source, target);
}

} // namespace clavora
