#pragma once

#include <QString>

namespace clavora {

// The folders the tutor keeps its files in. Each folder is created when first asked for.
class KnownFolders final
{
public:
    // Per-user data: the settings store, custom exercises, problem records, reports.
    static QString ProductDataFolder();
    // Shared by all users of the machine: downloaded dictation audio.
    static QString CommonDataFolder();
    // Installed data (sounds, word lists, dictation samples): the folder a stored installer path
    // names when it is set, else share/clavora beside the program's bin folder.
    static QString InstallationFolder(const QString& installerPathSetting = QString());
    // File name of the settings store inside the product data folder.
    static QString RegistryFilePath();
};

} // namespace clavora
