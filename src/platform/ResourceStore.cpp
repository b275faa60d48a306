#include "platform/ResourceStore.h"

#include <QFile>

namespace clavora {

QString ResourceStore::Path(int number)
{
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
