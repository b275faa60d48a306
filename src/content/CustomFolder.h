#pragma once

#include <QSet>
#include <QString>
#include <QStringView>

namespace clavora {

// The folder of imported exercises, "Custom" in the product data folder, with its catalogue files
// and the subfolders of exercise files. Folder names match without regard to case, so a folder
// copied from a system that ignores case is found as it is.
class CustomFolder final
{
public:
    static constexpr QStringView FolderName = u"Custom";
    static constexpr QStringView PracticeCatalogue = u"practicecustom.xml";
    static constexpr QStringView SpeedTestCatalogue = u"speedtestcustom.xml";
    static constexpr QStringView DictationCatalogue = u"dictationcustom.xml";
    static constexpr QStringView PracticeSubfolder = u"practice";
    static constexpr QStringView SpeedTestSubfolder = u"speedtest";
    static constexpr QStringView DictationSubfolder = u"Dictations";

    explicit CustomFolder(QString productDataFolder);

    const QString& ProductDataFolder() const { return m_productDataFolder; }
    // The existing custom folder, or where it is to be created.
    QString Path() const;
    // A subfolder of the custom folder: the existing one, or where it is to be created.
    QString Subfolder(QStringView name) const;
    QString FilePath(QStringView fileName) const;
    // Creates the custom folder (and the product data folder) when missing.
    bool Create() const;

    // The names of the regular files (or links to them) in a folder; empty when it does not exist.
    static QSet<QString> RegularFileNames(const QString& folder);
    // True for a name that stays inside its folder: no separators, not "." or "..", no NUL.
    static bool IsPlainFileName(QStringView name);

private:
    // The entry of `folder` named `name`, exactly or else without regard to case.
    static QString FindSubfolder(const QString& folder, QStringView name);

    QString m_productDataFolder;
};

} // namespace clavora
