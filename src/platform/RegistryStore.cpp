#include "platform/RegistryStore.h"

#include <array>
#include <functional>
#include <QDateTime>
#include <QFile>
#include <QLoggingCategory>
#include <sqlite3.h>

Q_LOGGING_CATEGORY(lcRegistry, "clavora.registry")

namespace clavora {

namespace {

constexpr int SchemaVersion = 1;

// Schema steps: entry i brings a store from version i to version i + 1. The first step also
// adopts a store that has the tables but no version (restored by a backup tool or made by a
// script): what exists is kept, and the root key is added when it is missing.
constexpr std::array<const char*, SchemaVersion> Migrations = {
    "CREATE TABLE IF NOT EXISTS registry_keys("
    "  id INTEGER PRIMARY KEY,"
    "  parent_id INTEGER REFERENCES registry_keys(id) ON DELETE CASCADE,"
    "  path TEXT NOT NULL UNIQUE COLLATE NOCASE,"
    "  name TEXT NOT NULL);"
    "CREATE TABLE IF NOT EXISTS registry_values("
    "  key_id INTEGER NOT NULL REFERENCES registry_keys(id) ON DELETE CASCADE,"
    "  name TEXT NOT NULL COLLATE NOCASE,"
    "  data TEXT NOT NULL,"
    "  PRIMARY KEY(key_id, name));"
    "CREATE INDEX IF NOT EXISTS registry_keys_parent ON registry_keys(parent_id);"
    "INSERT INTO registry_keys(id, parent_id, path, name)"
    "  SELECT CASE WHEN EXISTS(SELECT 1 FROM registry_keys WHERE id = 1) THEN NULL ELSE 1 END, NULL, '', ''"
    "  WHERE NOT EXISTS(SELECT 1 FROM registry_keys WHERE path = '');",
};

// A prepared statement that is reset and unbound whenever a use of it ends.
class Statement final
{
public:
    Statement() = default;
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool Prepare(sqlite3* db, const char* sql)
    {
        return sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &m_stmt, nullptr) == SQLITE_OK;
    }
    sqlite3_stmt* Get() const { return m_stmt; }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

class Use final
{
public:
    explicit Use(const Statement& statement) : m_stmt(statement.Get()) {}
    ~Use()
    {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    Use(const Use&) = delete;
    Use& operator=(const Use&) = delete;

    Use& Bind(int index, const QString& text)
    {
        sqlite3_bind_text16(m_stmt, index, text.utf16(), static_cast<int>(text.size() * 2), SQLITE_TRANSIENT);
        return *this;
    }
    Use& Bind(int index, qint64 value)
    {
        sqlite3_bind_int64(m_stmt, index, value);
        return *this;
    }
    int Step() { return sqlite3_step(m_stmt); }
    QString Text(int column) const
    {
        const auto* data = static_cast<const char16_t*>(sqlite3_column_text16(m_stmt, column));
        const int bytes = sqlite3_column_bytes16(m_stmt, column);
        return data ? QString::fromUtf16(data, bytes / 2) : QString();
    }
    // The stored form is UTF-8: decoding it directly skips SQLite's conversion to UTF-16, which
    // counts when thousands of values are read at once. Same text as Text() for valid Unicode.
    QString TextFromUtf8(int column) const
    {
        const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
        return data ? QString::fromUtf8(data, sqlite3_column_bytes(m_stmt, column)) : QString();
    }
    qint64 Int(int column) const { return sqlite3_column_int64(m_stmt, column); }
    bool IsNull(int column) const { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }

private:
    sqlite3_stmt* m_stmt;
};

bool Exec(sqlite3* db, const char* sql)
{
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    if (rc != SQLITE_OK)
        qCWarning(lcRegistry) << "SQL failed:" << sql << (error ? error : "");
    sqlite3_free(error);
    return rc == SQLITE_OK;
}

bool IsDamageCode(int rc)
{
    const int primary = rc & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

QString LastSegment(const QString& normalizedPath)
{
    const qsizetype slash = normalizedPath.lastIndexOf(u'\\');
    return slash < 0 ? normalizedPath : normalizedPath.mid(slash + 1);
}

QString ParentPath(const QString& normalizedPath)
{
    const qsizetype slash = normalizedPath.lastIndexOf(u'\\');
    return slash < 0 ? QString() : normalizedPath.left(slash);
}

} // namespace

struct RegistryStore::Statements
{
    Statement readValue;
    Statement keyId;
    Statement insertKey;
    Statement upsertValue;
    Statement deleteValue;
    Statement deleteKey;
    Statement subkeys;
    Statement valueNames;
    Statement begin;
    Statement commit;
    Statement rollback;

    bool Prepare(sqlite3* db)
    {
        return readValue.Prepare(
                   db, "SELECT v.data FROM registry_values v JOIN registry_keys k ON k.id = v.key_id "
                       "WHERE k.path = ?1 AND v.name = ?2") &&
               keyId.Prepare(db, "SELECT id FROM registry_keys WHERE path = ?1") &&
               insertKey.Prepare(db, "INSERT INTO registry_keys(parent_id, path, name) VALUES(?1, ?2, ?3)") &&
               upsertValue.Prepare(db, "INSERT INTO registry_values(key_id, name, data) VALUES(?1, ?2, ?3) "
                                       "ON CONFLICT(key_id, name) DO UPDATE SET data = excluded.data") &&
               deleteValue.Prepare(db, "DELETE FROM registry_values WHERE key_id = "
                                       "(SELECT id FROM registry_keys WHERE path = ?1) AND name = ?2") &&
               deleteKey.Prepare(db, "DELETE FROM registry_keys WHERE path = ?1 AND path <> ''") &&
               subkeys.Prepare(
                   db, "SELECT c.name FROM registry_keys c JOIN registry_keys p ON c.parent_id = p.id "
                       "WHERE p.path = ?1 ORDER BY c.id") &&
               valueNames.Prepare(
                   db, "SELECT v.name FROM registry_values v JOIN registry_keys k ON k.id = v.key_id "
                       "WHERE k.path = ?1 ORDER BY v.rowid") &&
               begin.Prepare(db, "BEGIN IMMEDIATE") && commit.Prepare(db, "COMMIT") &&
               rollback.Prepare(db, "ROLLBACK");
    }
};

RegistryStore::RegistryStore() = default;

RegistryStore::~RegistryStore()
{
    Close();
}

QString RegistryStore::NormalizePath(const QString& keyPath)
{
    if (!keyPath.contains(u'\\'))
        return keyPath;
    QString out;
    out.reserve(keyPath.size());
    for (const auto segment : QStringView(keyPath).split(u'\\', Qt::SkipEmptyParts)) {
        if (!out.isEmpty())
            out += u'\\';
        out += segment;
    }
    return out;
}

RegistryStore::OpenResult RegistryStore::Open(const QString& filePath)
{
    Close();
    m_filePath = filePath;
    m_damagedMovedTo.clear();

    const auto tryOpen = [this, &filePath]() -> int {
        const QByteArray path = QFile::encodeName(filePath);
        int rc =
            sqlite3_open_v2(path.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        if (rc != SQLITE_OK)
            return rc;
        sqlite3_busy_timeout(m_db, 5000);
        // The first statement reads the header: a file that is not a database fails here.
        rc = sqlite3_exec(m_db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            return rc;
        Exec(m_db, "PRAGMA synchronous=NORMAL");
        Exec(m_db, "PRAGMA foreign_keys=ON");
        if (PrepareSchema())
            return SQLITE_OK;
        // A refused schema (a newer version, a failed step) must not pass for an open store.
        const int code = sqlite3_errcode(m_db);
        return code == SQLITE_OK ? SQLITE_ERROR : code;
    };

    int rc = tryOpen();
    if (rc == SQLITE_OK)
        return OpenResult::Opened;
    if (!IsDamageCode(rc)) {
        qCWarning(lcRegistry) << "cannot open settings store" << filePath << sqlite3_errstr(rc);
        Close();
        m_filePath = filePath;
        return OpenResult::Failed;
    }

    // Keep the damaged file for the user (never delete it) and start with fresh settings.
    Close();
    m_filePath = filePath;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = filePath + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFile::exists(target); ++n)
        target = filePath + QStringLiteral(".damaged-") + stamp + u'-' + QString::number(n);
    if (!QFile::rename(filePath, target)) {
        qCWarning(lcRegistry) << "cannot move damaged settings store aside" << filePath;
        return OpenResult::Failed;
    }
    for (const auto* suffix : {"-wal", "-shm"}) {
        const QString side = filePath + QLatin1String(suffix);
        if (QFile::exists(side))
            QFile::rename(side, target + QLatin1String(suffix));
    }
    m_damagedMovedTo = target;
    rc = tryOpen();
    if (rc != SQLITE_OK) {
        Close();
        m_filePath = filePath;
        return OpenResult::Failed;
    }
    return OpenResult::RecoveredFromDamage;
}

bool RegistryStore::PrepareSchema()
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, "PRAGMA user_version", -1, &stmt, nullptr) != SQLITE_OK)
        return false;
    int version = 0;
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW)
        version = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    if (rc != SQLITE_ROW)
        return false;
    if (version > SchemaVersion) {
        qCWarning(lcRegistry) << "settings store is of a newer version" << version;
        return false;
    }
    if (version < SchemaVersion) {
        if (!Exec(m_db, "BEGIN IMMEDIATE"))
            return false;
        for (int step = version; step < SchemaVersion; ++step) {
            if (!Exec(m_db, Migrations[static_cast<size_t>(step)])) {
                Exec(m_db, "ROLLBACK");
                return false;
            }
        }
        const QByteArray setVersion = "PRAGMA user_version=" + QByteArray::number(SchemaVersion);
        if (!Exec(m_db, setVersion.constData()) || !Exec(m_db, "COMMIT")) {
            Exec(m_db, "ROLLBACK");
            return false;
        }
    }
    m_statements = std::make_unique<Statements>();
    return m_statements->Prepare(m_db);
}

void RegistryStore::Close()
{
    m_statements.reset();
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_transactionDepth = 0;
    m_rollbackOnly = false;
}

bool RegistryStore::IsOpen() const
{
    return m_db && m_statements;
}

QString RegistryStore::FilePath() const
{
    return m_filePath;
}

QString RegistryStore::DamagedFileMovedTo() const
{
    return m_damagedMovedTo;
}

std::optional<QString> RegistryStore::ReadValue(const QString& keyPath, const QString& name) const
{
    if (!IsOpen())
        return std::nullopt;
    Use use(m_statements->readValue);
    use.Bind(1, NormalizePath(keyPath)).Bind(2, name);
    if (use.Step() != SQLITE_ROW)
        return std::nullopt;
    return use.Text(0);
}

std::optional<qint64> RegistryStore::KeyId(const QString& normalizedPath) const
{
    Use use(m_statements->keyId);
    use.Bind(1, normalizedPath);
    if (use.Step() != SQLITE_ROW)
        return std::nullopt;
    return use.Int(0);
}

std::optional<qint64> RegistryStore::EnsureKey(const QString& normalizedPath)
{
    if (auto id = KeyId(normalizedPath))
        return id;
    const auto parent = EnsureKey(ParentPath(normalizedPath));
    if (!parent)
        return std::nullopt;
    Use use(m_statements->insertKey);
    use.Bind(1, *parent).Bind(2, normalizedPath).Bind(3, LastSegment(normalizedPath));
    if (use.Step() != SQLITE_DONE)
        return std::nullopt;
    return sqlite3_last_insert_rowid(m_db);
}

bool RegistryStore::WriteValue(const QString& keyPath, const QString& name, const QString& data)
{
    if (!IsOpen())
        return false;
    const QString path = NormalizePath(keyPath);
    std::optional<qint64> id = KeyId(path);
    if (!id) {
        // Creating a key with its ancestors is several statements: keep them together.
        Transaction transaction(*this);
        id = EnsureKey(path);
        if (!id)
            return false;
        {
            Use use(m_statements->upsertValue);
            use.Bind(1, *id).Bind(2, name).Bind(3, data);
            if (use.Step() != SQLITE_DONE)
                return false;
        }
        return transaction.Commit();
    }
    Use use(m_statements->upsertValue);
    use.Bind(1, *id).Bind(2, name).Bind(3, data);
    return use.Step() == SQLITE_DONE;
}

bool RegistryStore::DeleteValue(const QString& keyPath, const QString& name)
{
    if (!IsOpen())
        return false;
    Use use(m_statements->deleteValue);
    use.Bind(1, NormalizePath(keyPath)).Bind(2, name);
    return use.Step() == SQLITE_DONE && sqlite3_changes(m_db) > 0;
}

bool RegistryStore::DeleteKey(const QString& keyPath)
{
    if (!IsOpen())
        return false;
    Use use(m_statements->deleteKey);
    use.Bind(1, NormalizePath(keyPath));
    return use.Step() == SQLITE_DONE && sqlite3_changes(m_db) > 0;
}

bool RegistryStore::KeyExists(const QString& keyPath) const
{
    return IsOpen() && KeyId(NormalizePath(keyPath)).has_value();
}

QStringList RegistryStore::SubkeyNames(const QString& keyPath) const
{
    QStringList names;
    if (!IsOpen())
        return names;
    Use use(m_statements->subkeys);
    use.Bind(1, NormalizePath(keyPath));
    while (use.Step() == SQLITE_ROW)
        names.append(use.Text(0));
    return names;
}

QStringList RegistryStore::ValueNames(const QString& keyPath) const
{
    QStringList names;
    if (!IsOpen())
        return names;
    Use use(m_statements->valueNames);
    use.Bind(1, NormalizePath(keyPath));
    while (use.Step() == SQLITE_ROW)
        names.append(use.Text(0));
    return names;
}

std::vector<RegistryStore::SubkeyValues> RegistryStore::ReadSubkeyValues(const QString& keyPath,
                                                                         const QStringList& valueNames) const
{
    std::vector<SubkeyValues> subkeys;
    VisitSubkeyValues(keyPath, valueNames, [&subkeys](SubkeyValues& subkey) {
        subkeys.push_back(std::move(subkey));
        return true;
    });
    return subkeys;
}

void RegistryStore::VisitSubkeyValues(const QString& keyPath, const QStringList& valueNames,
                                      const std::function<bool(SubkeyValues&)>& visit) const
{
    if (!IsOpen())
        return;
    if (valueNames.isEmpty()) {
        for (const QString& name : SubkeyNames(keyPath)) {
            SubkeyValues subkey{name, {}};
            if (!visit(subkey))
                return;
        }
        return;
    }
    // Only the values asked for are fetched, each tagged with its position in the request; the
    // comparisons use the value column's NOCASE collation, as single reads do.
    QByteArray positions;
    QByteArray names;
    for (qsizetype i = 0; i < valueNames.size(); ++i) {
        const QByteArray parameter = '?' + QByteArray::number(i + 2);
        positions += " WHEN " + parameter + " THEN " + QByteArray::number(i);
        names += (i == 0 ? "" : ", ") + parameter;
    }
    QByteArray sql = "SELECT c.id, c.name, CASE v.name" + positions + " END, v.data";
    sql += " FROM registry_keys p JOIN registry_keys c ON c.parent_id = p.id";
    sql += " LEFT JOIN registry_values v ON v.key_id = c.id AND v.name IN (" + names + ')';
    sql += " WHERE p.path = ?1 ORDER BY c.id";
    Statement statement;
    if (!statement.Prepare(m_db, sql.constData())) {
        qCWarning(lcRegistry) << "cannot read subkey values:" << sqlite3_errmsg(m_db);
        return;
    }
    Use use(statement);
    use.Bind(1, NormalizePath(keyPath));
    for (qsizetype i = 0; i < valueNames.size(); ++i)
        use.Bind(int(i) + 2, valueNames[i]);
    // Rows come grouped by subkey: a subkey is complete when the next one begins.
    std::optional<SubkeyValues> current;
    qint64 currentId = -1;
    while (use.Step() == SQLITE_ROW) {
        const qint64 id = use.Int(0);
        if (id != currentId) {
            if (current && !visit(*current))
                return;
            currentId = id;
            current = SubkeyValues{use.TextFromUtf8(1),
                                   std::vector<std::optional<QString>>(size_t(valueNames.size()))};
        }
        // A subkey without any of the values comes as one row whose value columns are NULL.
        if (use.IsNull(2))
            continue;
        const qint64 position = use.Int(2);
        if (position >= 0 && position < valueNames.size())
            current->data[size_t(position)] = use.TextFromUtf8(3);
    }
    if (current)
        visit(*current);
}

bool RegistryStore::Begin()
{
    if (!IsOpen())
        return false;
    if (m_transactionDepth++ > 0)
        return true;
    m_rollbackOnly = false;
    Use use(m_statements->begin);
    if (use.Step() != SQLITE_DONE) {
        m_transactionDepth = 0;
        return false;
    }
    return true;
}

bool RegistryStore::End(bool commit)
{
    if (m_transactionDepth <= 0)
        return false;
    if (!commit)
        m_rollbackOnly = true;
    if (--m_transactionDepth > 0)
        return commit;
    if (m_rollbackOnly) {
        Use use(m_statements->rollback);
        use.Step();
        return false;
    }
    Use use(m_statements->commit);
    if (use.Step() != SQLITE_DONE) {
        Use rollback(m_statements->rollback);
        rollback.Step();
        return false;
    }
    return true;
}

RegistryStore::Transaction::Transaction(RegistryStore& store) : m_store(store)
{
    m_active = m_store.Begin();
}

RegistryStore::Transaction::~Transaction()
{
    if (m_active)
        m_store.End(false);
}

bool RegistryStore::Transaction::Commit()
{
    if (!m_active)
        return false;
    m_active = false;
    return m_store.End(true);
}

} // namespace clavora
