#include "platform/ResourceStore.h"

#include <QFile>

// The embedded resources live in a static library; registering them here means every user of
// the store (and of ":/icons", ":/help") finds them without a linker trick.
static bool RegisterEmbeddedResources()
{
    Q_INIT_RESOURCE(clavora);
    return true;
}

namespace clavora {

void ResourceStore::EnsureRegistered()
{
    static const bool registered = RegisterEmbeddedResources();
    (void)registered;
}

QString ResourceStore::Path(int number)
{
    EnsureRegistered();
    return QStringLiteral(":/res/") + QString::number(number);
}

bool ResourceStore::Exists(int number)
{
    return QFile::exists(Path(number));
}

std::optional<QByteArray> ResourceStore::Bytes(int number)
{
    QFile file(Path(number));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

std::optional<QString> ResourceStore::Text(int number)
{
    const auto bytes = Bytes(number);
    if (!bytes)
        return std::nullopt;
    return QString::fromUtf8(*bytes);
}

} // namespace clavora
