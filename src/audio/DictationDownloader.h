#pragma once

#include "platform/Downloader.h"

namespace clavora {

class ProgressReporter;
class SettingsStore;

// Fetches a built-in dictation's MP3 from the dictation server ("Settings\DictationServer";
// without one, the installation's own samples) under the "Downloading Dictation" window.
class DictationDownloader final
{
public:
    static const QString WindowTitle;

    explicit DictationDownloader(SettingsStore& settings) : m_settings(settings) {}

    // <server>/components/dictationsamples/<key>.mp3; a server without a scheme is plain http.
    QUrl UrlOf(const QString& key) const;
    Downloader::Outcome Download(const QString& key, const QString& title, const QString& targetPath,
                                 ProgressReporter& reporter) const;
    void SetStallTimeoutMs(int milliseconds) { m_downloader.SetStallTimeoutMs(milliseconds); }

private:
    SettingsStore& m_settings;
    Downloader m_downloader;
};

} // namespace clavora
