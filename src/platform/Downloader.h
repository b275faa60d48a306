#pragma once

#include <functional>
#include <QString>
#include <QUrl>

namespace clavora {

// Fetches one http, https or file URL into a file. Only a complete transfer ever appears under the
// target name: the body goes to a temporary file beside it that is renamed into place at the end,
// and is removed when the transfer fails or is cancelled. Runs its own event loop and returns
// when the transfer is over.
class Downloader final
{
public:
    enum class Result
    {
        Fetched = 0,
        Failed = 1,      // also when cancelled
        NoConnection = 2 // no connection to the server could be made
    };
    struct Outcome
    {
        Result result = Result::NoConnection;
        bool cancelled = false;
        QString error; // what went wrong, for the user
    };

    static constexpr qint64 MaxBytes = 50LL * 1024 * 1024;
    static constexpr int DefaultStallTimeoutMs = 30000;
    static constexpr int ProgressPollMs = 50;

    // Called as bytes arrive and every ProgressPollMs while waiting (total is -1 when unknown);
    // returning false cancels the transfer.
    using Progress = std::function<bool(qint64 received, qint64 total)>;

    void SetStallTimeoutMs(int milliseconds) { m_stallTimeoutMs = milliseconds; }

    Outcome Fetch(const QUrl& url, const QString& targetPath, const Progress& progress) const;

private:
    int m_stallTimeoutMs = DefaultStallTimeoutMs;
};

} // namespace clavora
