#pragma once

#include <QString>

namespace clavora {

// Exercise texts end their lines with CR LF; text fields want plain line feeds.
QString PlainLines(QString text);

} // namespace clavora
