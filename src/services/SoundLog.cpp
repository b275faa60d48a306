#include "services/SoundLog.h"

namespace clavora {

// Quiet unless asked for (QT_LOGGING_RULES): a machine without sound would log every error key.
Q_LOGGING_CATEGORY(lcSound, "clavora.sound", QtWarningMsg)

} // namespace clavora
