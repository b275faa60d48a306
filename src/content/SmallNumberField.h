#pragma once

#include <optional>
#include <QtGlobal>

namespace clavora {

class XmlNode;

// The 8-bit number held by an optional child element ("difficulty", "usertype"): nothing when the
// child is missing or empty, or when its text is not a decimal number from 0 to 255.
std::optional<quint8> ReadSmallNumberField(const XmlNode& element, const char16_t* name);

} // namespace clavora
