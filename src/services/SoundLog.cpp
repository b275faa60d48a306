#include "services/SoundLog.h"

namespace clavora {

Q_LOGGING_CATEGORY(lcSound, "clavora.sound")

} // namespace clavora
