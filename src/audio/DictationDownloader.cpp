#include "audio/DictationDownloader.h"

#include "content/ProgressReporter.h"
#include "platform/KnownFolders.h"
#include "settings/SettingsStore.h"
#include "settings/UserProfile.h"

namespace clavora {

const QString DictationDownloader::WindowTitle = QStringLiteral("Downloading Dictation");

QUrl DictationDownloader::UrlOf(const QString& key) const
{
    const GlobalSettings global(m_settings);
    QString server = global.Get(Profile::DictationServer).trimmed();
    if (server.isEmpty())
        server = QUrl::fromLocalFile(KnownFolders::InstallationFolder(global.Get(Profile::InstallerPath)))
                     .toString();
    else if (!server.contains(QStringLiteral("://")))
        server.prepend(QStringLiteral("http://"));
    while (server.endsWith(u'/'))
        server.chop(1);
    return QUrl(server + QStringLiteral("/components/dictationsamples/") + key + QStringLiteral(".mp3"));
}

Downloader::Outcome DictationDownloader::Download(const QString& key, const QString& title,
                                                  const QString& targetPath, ProgressReporter& reporter) const
{
    reporter.SetStatus(QStringLiteral("Downloading Dictation...\n") + title);
    reporter.SetFraction(0.0);
    return m_downloader.Fetch(UrlOf(key), targetPath, [&reporter](qint64 received, qint64 total) {
        if (total > 0)
            reporter.SetFraction(double(received) / double(total));
        return !reporter.IsCancelled();
    });
}

} // namespace clavora
