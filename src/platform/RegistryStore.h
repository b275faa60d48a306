#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <QString>
#include <QStringList>
#include <vector>

struct sqlite3;

namespace clavora {

// The settings store ("registry") on SQLite: a tree of keys addressed by backslash-separated
// paths below the product root, each key holding named text values. Key and value names compare
// without regard to the case of A-Z; subkeys enumerate in creation order. All operations report
// failure by their result and never throw; a store that could not be opened reads as empty.
class RegistryStore final
{
public:
    enum class OpenResult
    {
        Opened,
        // The file was not a readable database: it was moved aside and a fresh store created.
        RecoveredFromDamage,
        Failed,
    };

    RegistryStore();
    ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    OpenResult Open(const QString& filePath);
    void Close();
    bool IsOpen() const;
    QString FilePath() const;
    // Where a damaged file was moved by the last Open, or empty.
    QString DamagedFileMovedTo() const;

    std::optional<QString> ReadValue(const QString& keyPath, const QString& name) const;
    // Creates the key and its ancestors when missing.
    bool WriteValue(const QString& keyPath, const QString& name, const QString& data);
    bool DeleteValue(const QString& keyPath, const QString& name);
    // Deletes the key with all its subkeys and values; the root itself cannot be deleted.
    bool DeleteKey(const QString& keyPath);
    bool KeyExists(const QString& keyPath) const;
    QStringList SubkeyNames(const QString& keyPath) const;
    QStringList ValueNames(const QString& keyPath) const;

    // One direct subkey of a key with the data of the values asked for, in the order asked;
    // nullopt where the subkey has no such value.
    struct SubkeyValues
    {
        QString name;
        std::vector<std::optional<QString>> data;
    };
    // Reads the named values of every direct subkey of a key in one query, subkeys in enumeration
    // order: listing many numbered records this way costs one statement instead of one per value.
    std::vector<SubkeyValues> ReadSubkeyValues(const QString& keyPath, const QStringList& valueNames) const;
    // The same, one subkey at a time; reading stops as soon as `visit` returns false.
    void VisitSubkeyValues(const QString& keyPath, const QStringList& valueNames,
                           const std::function<bool(SubkeyValues&)>& visit) const;

    // Writes that belong together run in one transaction; transactions nest (only the outermost
    // one commits), and a failed inner one makes the outermost roll back.
    class Transaction final
    {
    public:
        explicit Transaction(RegistryStore& store);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        bool Commit();

    private:
        RegistryStore& m_store;
        bool m_active = false;
    };

    // Canonical form of a key path: segments joined by one backslash, empty segments dropped.
    static QString NormalizePath(const QString& keyPath);

private:
    struct Statements;

    bool Begin();
    bool End(bool commit);
    bool PrepareSchema();
    std::optional<qint64> KeyId(const QString& normalizedPath) const;
    std::optional<qint64> EnsureKey(const QString& normalizedPath);

    sqlite3* m_db = nullptr;
    std::unique_ptr<Statements> m_statements;
    QString m_filePath;
    QString m_damagedMovedTo;
    int m_transactionDepth = 0;
    bool m_rollbackOnly = false;
};

} // namespace clavora
