#pragma once

namespace clavora::StartupTrace {

// Logs how long the process has run when a start-up step ends, under the logging category
// "clavora.startup" (off unless QT_LOGGING_RULES="clavora.startup.debug=true"). Costs nothing
// measurable when off.
void Mark(const char* step);

} // namespace clavora::StartupTrace
