#include "content/SmallNumberField.h"

#include "services/XmlNode.h"

namespace clavora {

std::optional<quint8> ReadSmallNumberField(const XmlNode& element, const char16_t* name)
{
    QString text;
    if (!element.ReadChildTextFixed(name, text))
        return std::nullopt;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 0 || value > 255)
        return std::nullopt;
    return static_cast<quint8>(value);
}

} // namespace clavora
