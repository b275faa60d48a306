#pragma once

#include <QHash>
#include <QString>
#include <sqlite3.h>

namespace clavora::test {

// Every value of every key whose path starts with the prefix, by key path and value name, read
// straight from the settings database as any outside tool would. Link PkgConfig::SQLITE3.
using RegistryValues = QHash<QString, QHash<QString, QString>>;

inline RegistryValues ReadRegistryKeys(const QString& dataFolder, const QString& pathPrefix)
{
    RegistryValues values;
    sqlite3* db = nullptr;
    const QByteArray file = (dataFolder + QStringLiteral("/registry.sqlite")).toUtf8();
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db,
                           "SELECT k.path, v.name, v.data FROM registry_keys k "
                           "JOIN registry_values v ON v.key_id = k.id WHERE k.path LIKE ?1 || '%'",
                           -1, &stmt, nullptr);
        const QByteArray prefix = pathPrefix.toUtf8();
        sqlite3_bind_text(stmt, 1, prefix.constData(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const auto text = [stmt](int column) {
                return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)));
            };
            values[text(0)].insert(text(1), text(2));
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return values;
}

inline QString ReadCurrentUser(const QString& dataFolder)
{
    return ReadRegistryKeys(dataFolder, QStringLiteral("Settings"))
        .value(QStringLiteral("Settings"))
        .value(QStringLiteral("CurrentUser"));
}

} // namespace clavora::test
