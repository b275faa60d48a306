#include "app/ImportController.h"
#include "app/ImportView.h"
#include "app/MainController.h"
#include "content/ExerciseCatalogue.h"
#include "FakeMainView.h"
#include "platform/RegistryStore.h"
#include "settings/SettingsStore.h"
#include "settings/UserProfile.h"
#include "TestClock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace clavora;

namespace {

// Imports the files a test names, as if the user pressed Import once for each.
class ScriptedImportView final : public ImportView
{
public:
    QList<std::pair<ImportKind, QString>> files;
    void RunImportDialog(const QString&, const ImportFile& import) override
    {
        for (const auto& [kind, path] : std::as_const(files))
            import(kind, path);
    }
};

} // namespace

class ImportFlowTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    RegistryStore m_registry;
    std::unique_ptr<SettingsStore> m_settings;
    test::TestClock m_clock;
    test::FakeMainView m_view;
    std::unique_ptr<MainController> m_main;
    ScriptedImportView m_imports;

    QString Source(const QString& name) const
    {
        QFile file(m_dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write("Words to type.");
        return file.fileName();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_registry.Open(m_dir.filePath(QStringLiteral("r.sqlite"))) ==
                RegistryStore::OpenResult::Opened);
        m_settings = std::make_unique<SettingsStore>(m_registry);
        m_settings->WriteFlag(SettingsStore::SettingsKey, QStringLiteral("FirstRun"), false);
        m_main =
            std::make_unique<MainController>(*m_settings, m_clock, m_dir.filePath(QStringLiteral("data")));
        m_main->Initialize(m_view);
        m_main->Import().Attach(m_imports);
    }

    void onlyTheFirstImportedListIsReloaded()
    {
        GlobalSettings settings(*m_settings);
        m_imports.files = {{ImportKind::SpeedTest, Source(QStringLiteral("t.txt"))},
                           {ImportKind::Practice, Source(QStringLiteral("p.txt"))}};
        m_main->OnCommand(Command::ImportCustom);
        QCOMPARE(m_main->Catalogue().CustomPractices().Count(), 1);
        QCOMPARE(m_main->Catalogue().CustomSpeedTests().Count(), 0);
        QVERIFY(!settings.Get(Profile::NewCustomPracticeImported));
        QVERIFY(settings.Get(Profile::NewCustomSpeedTestImported));

        m_imports.files.clear();
        m_main->OnCommand(Command::MenuImportCustomSpeedTest);
        QCOMPARE(m_main->Catalogue().CustomSpeedTests().Count(), 1);
        QVERIFY(!settings.Get(Profile::NewCustomSpeedTestImported));
    }

    void deletedPracticeLeavesTheList()
    {
        QCOMPARE(m_main->Catalogue().CustomPractices().Count(), 1);
        m_main->Import().DeleteCustomPractice(QStringLiteral("P.TXT"));
        QCOMPARE(m_main->Catalogue().CustomPractices().Count(), 0);
    }
};

QTEST_GUILESS_MAIN(ImportFlowTest)
#include "tst_importflow.moc"
