#pragma once

#include <QList>
#include <QString>

namespace clavora {

class UserProfile;

// One report as the reports list shows it: the file name and its time, in local time.
struct ReportFileInfo
{
    QString name;
    QString date; // "2020-06-01"
    QString time; // "14:05:09"
};

// The folder the CSV reports live in, and what the reports dialog may do there. Only regular
// files directly inside the folder are listed, opened, deleted or renamed; a rename never
// leaves the folder and never replaces another file.
class ReportFolder final
{
public:
    explicit ReportFolder(const QString& path) : m_path(path) {}

    // The user's "ReportFolder", or "Reports" in the product data folder when it is empty; the
    // folder is created when missing.
    static QString GetReportFolder(const UserProfile& profile);
    // Stores the folder; an empty one stores the default.
    static bool SetReportFolder(UserProfile& profile, const QString& folder);

    QString Path() const { return m_path; }
    // Every ".csv" file (any case) of the folder, by name.
    QList<ReportFileInfo> List() const;
    // The full path of a listed report, or empty when the name is no report of this folder.
    QString FilePathOf(const QString& name) const;
    bool Delete(const QString& name) const;

    enum class NameCheck
    {
        Valid,
        InvalidName, // spaces at either end, a path separator, "..", a control character
        NotCsv,
    };
    static NameCheck CheckNewName(const QString& name);
    // False when the new name is refused, taken, or the file system fails.
    bool Rename(const QString& from, const QString& to) const;

    static const QString InvalidNameMessage;
    static const QString NotCsvMessage;

private:
    QString m_path;
};

} // namespace clavora
