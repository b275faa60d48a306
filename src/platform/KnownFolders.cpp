#include "platform/KnownFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace clavora {

namespace {

QString ProductSubfolder(QStandardPaths::StandardLocation location)
{
    const QString path =
        QStandardPaths::writableLocation(location) + QStringLiteral("/Oxley Software/Clavora");
    QDir().mkpath(path);
    return path;
}

} // namespace

QString KnownFolders::ProductDataFolder()
{
    return ProductSubfolder(QStandardPaths::GenericDataLocation);
}

QString KnownFolders::CommonDataFolder()
{
    return ProductSubfolder(QStandardPaths::GenericCacheLocation);
}

QString KnownFolders::InstallationFolder(const QString& installerPathSetting)
{
    if (!installerPathSetting.isEmpty())
        return QDir::cleanPath(installerPathSetting);
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/clavora"));
}

QString KnownFolders::RegistryFilePath()
{
    return ProductDataFolder() + QStringLiteral("/registry.sqlite");
}

} // namespace clavora
