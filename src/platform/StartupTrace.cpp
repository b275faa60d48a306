#include "platform/StartupTrace.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QLoggingCategory>
#include <QTimer>

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

class FirstExposeWatch final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose) {
            watched->removeEventFilter(this);
            // The paint runs while the expose event is handled; the mark follows it.
            QTimer::singleShot(0, [] { Mark("first paint"); });
            deleteLater();
        }
        return false;
    }
};

} // namespace

void Mark(const char* step)
{
    if (lcStartup().isDebugEnabled())
        qCDebug(lcStartup, "%7.1f ms  %s", double(ProcessClock().nsecsElapsed()) / 1e6, step);
}

void MarkFirstPaint(QObject* window)
{
    if (window && lcStartup().isDebugEnabled())
        window->installEventFilter(new FirstExposeWatch(window));
}

} // namespace clavora::StartupTrace
