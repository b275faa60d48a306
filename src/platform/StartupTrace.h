#pragma once

class QObject;

namespace clavora::StartupTrace {

// Logs how long the process has run when a start-up step ends, under the logging category
// "clavora.startup" (off unless QT_LOGGING_RULES="clavora.startup.debug=true"). Costs nothing
// measurable when off.
void Mark(const char* step);

// Marks "first paint" once the window has handled its first expose event, during which it
// paints. Pass the window's QWindow; nothing happens when tracing is off.
void MarkFirstPaint(QObject* window);

} // namespace clavora::StartupTrace
