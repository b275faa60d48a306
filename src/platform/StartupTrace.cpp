#include "platform/StartupTrace.h"

#include <QElapsedTimer>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcStartup, "clavora.startup", QtWarningMsg)

namespace clavora::StartupTrace {

namespace {

// Started while the program's static objects are made, before main().
const QElapsedTimer& ProcessClock()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock;
}
[[maybe_unused]] const QElapsedTimer& startedEarly = ProcessClock();

} // namespace

void Mark(const char* step)
{
    if (lcStartup().isDebugEnabled())
        qCDebug(lcStartup, "%7.1f ms  %s", double(ProcessClock().nsecsElapsed()) / 1e6, step);
}

} // namespace clavora::StartupTrace
