#pragma once

#include <optional>
#include <QByteArray>
#include <QString>

namespace clavora {

// The numbered resources embedded in the program (texts, catalogues, pictures), by number.
class ResourceStore final
{
public:
    static bool Exists(int number);
    // The raw bytes, or nothing when there is no resource of that number.
    static std::optional<QByteArray> Bytes(int number);
    // A text resource: UTF-8 bytes converted to UTF-16 as a whole.
    static std::optional<QString> Text(int number);
    // The resource's path for readers that open files themselves (pictures).
    static QString Path(int number);
    // Makes every embedded resource (numbered ones, icons, help pages) reachable; idempotent.
    static void EnsureRegistered();
};

} // namespace clavora
