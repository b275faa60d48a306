#include "platform/RegistryStore.h"

#include <QTemporaryDir>
#include <QTest>

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

class TestRegistryBulk final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_fileNumber = 0;

    bool OpenFresh(RegistryStore& store)
    {
        const QString path = m_dir.filePath(u"registry-%1.sqlite"_s.arg(++m_fileNumber));
        return store.Open(path) == RegistryStore::OpenResult::Opened;
    }

private slots:
    void readsAskedValuesOfEverySubkey_inCreationOrder()
    {
        RegistryStore store;
        QVERIFY(OpenFresh(store));
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

    void matchesTheRowsOfSingleReads()
    {
        RegistryStore store;
        QVERIFY(OpenFresh(store));
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

    void valueNames_foldOnlyAToZ_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("found");
        QTest::addRow("same") << u"WPMNet"_s << u"WPMNet"_s << true;
        QTest::addRow("other case") << u"wpmnet"_s << u"WPMNET"_s << true;
        QTest::addRow("accented letters differ in case") << u"Été"_s << u"été"_s << false;
        QTest::addRow("prefix") << u"WPM"_s << u"WPMNet"_s << false;
        QTest::addRow("brackets are not letters") << u"a["_s << u"a{"_s << false;
    }
    void valueNames_foldOnlyAToZ()
    {
        QFETCH(QString, written);
        QFETCH(QString, asked);
        QFETCH(bool, found);
        RegistryStore store;
        QVERIFY(OpenFresh(store));
        QVERIFY(store.WriteValue(Folder + u"\\1"_s, written, u"data"_s));
        const auto subkeys = store.ReadSubkeyValues(Folder, {asked});
        QCOMPARE(subkeys.size(), size_t(1));
        QCOMPARE(subkeys[0].data[0].has_value(), found);
        // The single read follows the same rule.
        QCOMPARE(store.ReadValue(Folder + u"\\1"_s, asked).has_value(), found);
    }

    void subkeysWithoutValues_andDeeperKeys()
    {
        RegistryStore store;
        QVERIFY(OpenFresh(store));
        QVERIFY(store.WriteValue(Folder + u"\\1\\Deeper"_s, u"WPMNet"_s, u"9"_s)); // "1" itself holds nothing
        QVERIFY(store.WriteValue(Folder, u"WPMNet"_s, u"on the folder"_s));
        const auto subkeys = store.ReadSubkeyValues(Folder, {u"WPMNet"_s});
        QCOMPARE(NamesOf(subkeys), QStringList({u"1"_s}));
        QVERIFY(!subkeys[0].data[0]);
    }

    void nothingToRead()
    {
        RegistryStore store;
        QVERIFY(store.ReadSubkeyValues(Folder, {u"WPMNet"_s}).empty()); // never opened
        QVERIFY(OpenFresh(store));
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
};

QTEST_GUILESS_MAIN(TestRegistryBulk)

#include "tst_registrybulk.moc"
