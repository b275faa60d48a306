#include "app/GeneralOptions.h"

#include "platform/KnownFolders.h"
#include "settings/UserProfile.h"

#include <algorithm>
#include <QDir>
#include <QFileInfo>

namespace clavora {

const QString GeneralOptions::FolderCaption = QStringLiteral("Reports Folder");
const QString GeneralOptions::CreateQuestion =
    QStringLiteral("The specified folder does not exist. Do you want to create it?");
const QString GeneralOptions::CreateButton = QStringLiteral("Create");
const QString GeneralOptions::CancelButton = QStringLiteral("Cancel");
const QString GeneralOptions::InvalidFolderMessage = QStringLiteral("Invalid folder.");
const QString GeneralOptions::CouldNotCreateMessage = QStringLiteral("Could not create folder.");
const QString GeneralOptions::NotAFolderMessage = QStringLiteral("This is a file, not a folder.");
const QString GeneralOptions::NotWritableMessage = QStringLiteral("Reports cannot be saved in this folder.");

GeneralOptions::GeneralOptions(UserProfile& profile)
    : a4Paper(profile.Get(Profile::IsUsingA4Paper)),
      correctionsForced(profile.Get(Profile::CorrectionsForced)),
      doubleSpaceAccepted(profile.Get(Profile::DoubleSpaceAccepted)),
      showTimers(profile.Get(Profile::ShowTimers)),
      displayAnimations(profile.Get(Profile::DisplayAnimations)), m_profile(profile),
      m_fontSize(std::clamp(profile.FontSize(), MinFontSize, MaxFontSize)),
      m_reportFolder(profile.ReportFolder())
{}

void GeneralOptions::Enlarge()
{
    m_fontSize = std::min(m_fontSize + 1, MaxFontSize);
}

void GeneralOptions::Shrink()
{
    m_fontSize = std::max(m_fontSize - 1, MinFontSize);
}

QString GeneralOptions::AcceptReportFolder(const QString& folder, const AskToCreate& askToCreate)
{
    QString path = folder.trimmed();
    const QString defaultFolder = KnownFolders::ProductDataFolder() + QStringLiteral("/Reports");
    // An empty field stands for the default folder, as it does when nothing is stored.
    if (path.isEmpty())
        path = defaultFolder;
    else if (path == u'~' || path.startsWith(QStringLiteral("~/")))
        path = QDir::homePath() + path.mid(1);
    // A relative path would name a different folder depending on where the tutor was started.
    if (QDir::isRelativePath(path))
        return InvalidFolderMessage;
    path = QDir::cleanPath(path);
    const QFileInfo info(path);
    if (info.exists() && !info.isDir())
        return NotAFolderMessage;
    if (!info.exists()) {
        // The tutor's own folder is made whenever reports need it; only the user's own are asked.
        if (path != QDir::cleanPath(defaultFolder) && (!askToCreate || !askToCreate()))
            return InvalidFolderMessage;
        if (!QDir().mkpath(path))
            return CouldNotCreateMessage;
    }
    if (!QFileInfo(path).isWritable())
        return NotWritableMessage;
    m_reportFolder = path;
    m_profile.Set(Profile::ReportFolder, m_reportFolder);
    return QString();
}

QString GeneralOptions::Apply(const QString& folderField, const AskToCreate& askToCreate)
{
    m_profile.Set(Profile::IsUsingA4Paper, a4Paper);
    m_profile.Set(Profile::CorrectionsForced, correctionsForced);
    m_profile.Set(Profile::DoubleSpaceAccepted, doubleSpaceAccepted);
    m_profile.Set(Profile::FontSize, m_fontSize);
    m_profile.Set(Profile::ShowTimers, showTimers);
    m_profile.Set(Profile::DisplayAnimations, displayAnimations);
    return AcceptReportFolder(folderField, askToCreate);
}

} // namespace clavora
