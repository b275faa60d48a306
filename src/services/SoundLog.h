#pragma once

#include <QLoggingCategory>

namespace clavora {

Q_DECLARE_LOGGING_CATEGORY(lcSound)

} // namespace clavora
