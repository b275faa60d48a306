#include "platform/RegistryStore.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>
#include <unistd.h>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

const QString Folder = u"Users\\Alice\\Results\\Lessons"_s;

QStringList NamesOf(const std::vector<RegistryStore::SubkeyValues>& subkeys)
{
    QStringList names;
    for (const auto& subkey : subkeys)
        names.append(subkey.name);
    return names;
}

} // namespace

class RegistryStoreTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString Path() const { return m_dir.filePath(QStringLiteral("registry.sqlite")); }

private slots:
    void init()
    {
        QFile::remove(Path());
        QFile::remove(Path() + QStringLiteral("-wal"));
        QFile::remove(Path() + QStringLiteral("-shm"));
    }

    void missingValues_readAsNothing()
    {
        RegistryStore store;
        QCOMPARE(store.Open(Path()), RegistryStore::OpenResult::Opened);
        QVERIFY(!store.ReadValue(QStringLiteral("Settings"), QStringLiteral("CurrentUser")));
        QVERIFY(store.SubkeyNames(QStringLiteral("Users")).isEmpty());
    }

    void names_compareWithoutCaseOfAToZ_data()
    {
        QTest::addColumn<QString>("writtenKey");
        QTest::addColumn<QString>("writtenName");
        QTest::addColumn<QString>("readKey");
        QTest::addColumn<QString>("readName");
        QTest::addColumn<bool>("found");
        QTest::addRow("same case") << u"Users\\Alice"_s << u"Type"_s << u"Users\\Alice"_s << u"Type"_s
                                   << true;
        QTest::addRow("key case differs")
            << u"Users\\Alice"_s << u"Type"_s << u"USERS\\alice"_s << u"Type"_s << true;
        QTest::addRow("value case differs")
            << u"Settings"_s << u"CurrentUser"_s << u"settings"_s << u"currentuser"_s << true;
        QTest::addRow("other letters keep case")
            << u"Users\\Ärger"_s << u"Type"_s << u"Users\\ärger"_s << u"Type"_s << false;
        QTest::addRow("value name with other letters keeps case")
            << u"Users"_s << u"Été"_s << u"Users"_s << u"été"_s << false;
        QTest::addRow("brackets are not letters") << u"Users"_s << u"a["_s << u"Users"_s << u"a{"_s << false;
        QTest::addRow("different key")
            << u"Users\\Alice"_s << u"Type"_s << u"Users\\Alicia"_s << u"Type"_s << false;
        QTest::addRow("doubled separators")
            << u"Users\\\\Bob\\"_s << u"Type"_s << u"Users\\Bob"_s << u"Type"_s << true;
    }

    void names_compareWithoutCaseOfAToZ()
    {
        QFETCH(QString, writtenKey);
        QFETCH(QString, writtenName);
        QFETCH(QString, readKey);
        QFETCH(QString, readName);
        QFETCH(bool, found);
        RegistryStore store;
        QVERIFY(store.Open(Path()) == RegistryStore::OpenResult::Opened);
        QVERIFY(store.WriteValue(writtenKey, writtenName, QStringLiteral("7")));
        QCOMPARE(store.ReadValue(readKey, readName).has_value(), found);
        // The bulk read of a folder's subkeys follows the same rule.
        QVERIFY(store.WriteValue(writtenKey + u"\\1"_s, writtenName, u"8"_s));
        const auto subkeys = store.ReadSubkeyValues(readKey, {readName});
        QCOMPARE(subkeys.empty() ? false : subkeys[0].data[0].has_value(), found);
    }

    void writeAgain_replacesValueKeepingOneRow()
    {
        RegistryStore store;
        store.Open(Path());
        store.WriteValue(QStringLiteral("Settings"), QStringLiteral("FirstRun"), QStringLiteral("1"));
        store.WriteValue(QStringLiteral("settings"), QStringLiteral("FIRSTRUN"), QStringLiteral("0"));
        QCOMPARE(store.ReadValue(QStringLiteral("Settings"), QStringLiteral("FirstRun")).value(),
                 QStringLiteral("0"));
        QCOMPARE(store.ValueNames(QStringLiteral("Settings")).size(), 1);
    }

    void subkeys_enumerateInCreationOrder()
    {
        RegistryStore store;
        store.Open(Path());
        const QStringList names = {QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("1"),
                                   QStringLiteral("b"), QStringLiteral("A")};
        for (const QString& name : names)
            store.WriteValue(QStringLiteral("Users\\u\\Results\\Lessons\\") + name, QStringLiteral("x"),
                             QStringLiteral("1"));
        QCOMPARE(store.SubkeyNames(QStringLiteral("Users\\u\\Results\\Lessons")), names);
    }

    void deleteKey_removesSubtreeOnly()
    {
        RegistryStore store;
        store.Open(Path());
        store.WriteValue(QStringLiteral("Users\\Alice\\Results\\Lessons\\1"), QStringLiteral("Award"),
                         QStringLiteral("3"));
        store.WriteValue(QStringLiteral("Users\\Alice"), QStringLiteral("Type"), QStringLiteral("5"));
        store.WriteValue(QStringLiteral("Users\\Bob"), QStringLiteral("Type"), QStringLiteral("2"));
        QVERIFY(store.DeleteKey(QStringLiteral("users\\ALICE")));
        QVERIFY(!store.KeyExists(QStringLiteral("Users\\Alice\\Results\\Lessons\\1")));
        QVERIFY(!store.ReadValue(QStringLiteral("Users\\Alice"), QStringLiteral("Type")));
        QCOMPARE(store.ReadValue(QStringLiteral("Users\\Bob"), QStringLiteral("Type")).value(),
                 QStringLiteral("2"));
        QVERIFY(!store.DeleteKey(QString())); // the root stays
    }

    void values_surviveReopen()
    {
        {
            RegistryStore store;
            store.Open(Path());
            store.WriteValue(QStringLiteral("Users\\Zoë"), QStringLiteral("Name"), QStringLiteral("Zoë ✓"));
        }
        RegistryStore store;
        QCOMPARE(store.Open(Path()), RegistryStore::OpenResult::Opened);
        QCOMPARE(store.ReadValue(QStringLiteral("Users\\Zoë"), QStringLiteral("Name")).value(),
                 QStringLiteral("Zoë ✓"));
    }

    void transaction_withoutCommit_leavesNothing()
    {
        RegistryStore store;
        store.Open(Path());
        {
            RegistryStore::Transaction outer(store);
            store.WriteValue(QStringLiteral("Users\\A"), QStringLiteral("Type"), QStringLiteral("1"));
            {
                RegistryStore::Transaction inner(store);
                store.WriteValue(QStringLiteral("Users\\B"), QStringLiteral("Type"), QStringLiteral("1"));
                QVERIFY(inner.Commit());
            }
        }
        QVERIFY(!store.KeyExists(QStringLiteral("Users\\A")));
        QVERIFY(!store.KeyExists(QStringLiteral("Users\\B")));
    }

    void failedInnerTransaction_rollsBackOuter()
    {
        RegistryStore store;
        store.Open(Path());
        RegistryStore::Transaction outer(store);
        store.WriteValue(QStringLiteral("Users\\A"), QStringLiteral("Type"), QStringLiteral("1"));
        {
            RegistryStore::Transaction inner(store);
        }
        QVERIFY(!outer.Commit());
        QVERIFY(!store.KeyExists(QStringLiteral("Users\\A")));
    }

    void fileThatIsNotADatabase_isMovedAsideNotDeleted_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addRow("text") << QByteArray("this is not a database\n");
        QTest::addRow("garbage header") << QByteArray(4096, '\x5a');
        QByteArray fakeHeader("SQLite format 3");
        fakeHeader.append('\0');
        fakeHeader.append(QByteArray(200, '\xff'));
        QTest::addRow("damaged header") << fakeHeader;
    }

    void fileThatIsNotADatabase_isMovedAsideNotDeleted()
    {
        QFETCH(QByteArray, content);
        QVERIFY(test::WriteFile(Path(), content));
        RegistryStore store;
        QCOMPARE(store.Open(Path()), RegistryStore::OpenResult::RecoveredFromDamage);
        const QString moved = store.DamagedFileMovedTo();
        QVERIFY(moved.startsWith(Path() + QStringLiteral(".damaged-")));
        QCOMPARE(test::ReadFile(moved), content);
        QVERIFY(
            store.WriteValue(QStringLiteral("Settings"), QStringLiteral("CLFirstRun"), QStringLiteral("0")));
        QFile::remove(moved);
    }

    void unwritableFolder_opensNothingAndWritesFail()
    {
        if (geteuid() == 0)
            QSKIP("root can write into read-only folders");
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        RegistryStore store;
        QCOMPARE(store.Open(dir.filePath(QStringLiteral("registry.sqlite"))),
                 RegistryStore::OpenResult::Failed);
        QVERIFY(!store.WriteValue(QStringLiteral("Settings"), QStringLiteral("X"), QStringLiteral("1")));
        QVERIFY(!store.ReadValue(QStringLiteral("Settings"), QStringLiteral("X")));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void closedStore_readsDefaultsAndRefusesWrites()
    {
        RegistryStore store;
        QVERIFY(!store.WriteValue(QStringLiteral("Settings"), QStringLiteral("X"), QStringLiteral("1")));
        QVERIFY(store.SubkeyNames(QString()).isEmpty());
        QVERIFY(!store.DeleteKey(QStringLiteral("Users")));
    }

    void bulkRead_readsAskedValuesOfEverySubkey_inCreationOrder()
    {
        RegistryStore store;
        QCOMPARE(store.Open(Path()), RegistryStore::OpenResult::Opened);
        for (const QString& index : {u"10"_s, u"2"_s, u"1"_s}) {
            QVERIFY(store.WriteValue(Folder + u'\\' + index, u"WPMNet"_s, index + u".5"_s));
            QVERIFY(store.WriteValue(Folder + u'\\' + index, u"Ignored"_s, u"x"_s));
        }
        QVERIFY(store.WriteValue(Folder + u"\\2"_s, u"Award"_s, u"Gold"_s));

        const auto subkeys = store.ReadSubkeyValues(Folder, {u"Award"_s, u"WPMNet"_s, u"Missing"_s});
        QCOMPARE(NamesOf(subkeys), QStringList({u"10"_s, u"2"_s, u"1"_s}));
        for (const auto& subkey : subkeys) {
            QCOMPARE(subkey.data.size(), size_t(3));
            QCOMPARE(subkey.data[1], std::optional<QString>(subkey.name + u".5"_s));
            QVERIFY(!subkey.data[2]);
        }
        QCOMPARE(subkeys[1].data[0], std::optional<QString>(u"Gold"_s));
        QVERIFY(!subkeys[0].data[0]);
    }

    void bulkRead_matchesTheRowsOfSingleReads()
    {
        RegistryStore store;
        QCOMPARE(store.Open(Path()), RegistryStore::OpenResult::Opened);
        for (int i = 1; i <= 50; ++i) {
            for (int v = 0; v < 4; ++v) {
                if ((i + v) % 3 != 0)
                    store.WriteValue(Folder + u'\\' + QString::number(i), u"V%1"_s.arg(v),
                                     u"%1-%2"_s.arg(i).arg(v));
            }
        }
        // Text beyond ASCII reads back the same both ways.
        store.WriteValue(Folder + u"\\7"_s, u"V1"_s, u"Été — 日本語 😀"_s);
        const QStringList names = {u"V0"_s, u"V1"_s, u"V2"_s, u"V3"_s};
        const auto subkeys = store.ReadSubkeyValues(Folder, names);
        QCOMPARE(NamesOf(subkeys), store.SubkeyNames(Folder));
        for (const auto& subkey : subkeys) {
            for (qsizetype v = 0; v < names.size(); ++v)
                QCOMPARE(subkey.data[size_t(v)], store.ReadValue(Folder + u'\\' + subkey.name, names[v]));
        }
    }

    void bulkRead_subkeysWithoutValues_andDeeperKeys()
    {
        RegistryStore store;
        QCOMPARE(store.Open(Path()), RegistryStore::OpenResult::Opened);
        QVERIFY(store.WriteValue(Folder + u"\\1\\Deeper"_s, u"WPMNet"_s, u"9"_s)); // "1" itself holds nothing
        QVERIFY(store.WriteValue(Folder, u"WPMNet"_s, u"on the folder"_s));
        const auto subkeys = store.ReadSubkeyValues(Folder, {u"WPMNet"_s});
        QCOMPARE(NamesOf(subkeys), QStringList({u"1"_s}));
        QVERIFY(!subkeys[0].data[0]);
    }

    void bulkRead_nothingToRead()
    {
        RegistryStore store;
        QVERIFY(store.ReadSubkeyValues(Folder, {u"WPMNet"_s}).empty()); // never opened
        QCOMPARE(store.Open(Path()), RegistryStore::OpenResult::Opened);
        QVERIFY(store.ReadSubkeyValues(Folder, {u"WPMNet"_s}).empty()); // missing key
        QVERIFY(store.WriteValue(Folder + u"\\1"_s, u"WPMNet"_s, u"1"_s));
        const auto noNames = store.ReadSubkeyValues(Folder, {});
        QCOMPARE(noNames.size(), size_t(1));
        QVERIFY(noNames[0].data.empty());
        // Paths are read as the single reads take them.
        QCOMPARE(store.ReadSubkeyValues(u"\\users\\ALICE\\\\Results\\Lessons\\"_s, {u"WPMNet"_s}).size(),
                 size_t(1));
        store.Close();
        QVERIFY(store.ReadSubkeyValues(Folder, {u"WPMNet"_s}).empty());
    }

    // A store with the documented tables but no schema version, as a backup tool or a script
    // leaves it, is taken as it is, every value kept.
    void unversionedStore_isAdoptedWithItsValues_data()
    {
        QTest::addColumn<QByteArray>("sql");
        QTest::addRow("restored backup") << QByteArray("PRAGMA user_version=0");
        QTest::addRow("without its root key")
            << QByteArray("DELETE FROM registry_keys WHERE path = ''; PRAGMA user_version=0");
    }

    void unversionedStore_isAdoptedWithItsValues()
    {
        QFETCH(QByteArray, sql);
        {
            RegistryStore own;
            QCOMPARE(own.Open(Path()), RegistryStore::OpenResult::Opened);
            QVERIFY(own.WriteValue(QStringLiteral("Settings"), QStringLiteral("CurrentUser"),
                                   QStringLiteral("Ann")));
        }
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(Path()).constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);

        RegistryStore store;
        QCOMPARE(store.Open(Path()), RegistryStore::OpenResult::Opened);
        QCOMPARE(store.ReadValue(QStringLiteral("Settings"), QStringLiteral("CurrentUser")),
                 QStringLiteral("Ann"));
        QVERIFY(store.WriteValue(QStringLiteral("Users\\Ann"), QStringLiteral("Type"), QStringLiteral("4")));
        QVERIFY(!store.DeleteKey(QString()));
        store.Close();
        QCOMPARE(store.Open(Path()), RegistryStore::OpenResult::Opened);
        QCOMPARE(store.ReadValue(QStringLiteral("Users\\Ann"), QStringLiteral("Type")), QStringLiteral("4"));
    }
};

QTEST_GUILESS_MAIN(RegistryStoreTest)
#include "tst_registrystore.moc"
