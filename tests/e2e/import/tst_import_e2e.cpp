#include "DesktopSession.h"
#include "platform/RegistryStore.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace clavora;
using clavora::test::DesktopSession;

namespace {

const QString PracticeText = QStringLiteral("my own words to type");

} // namespace

class ImportEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void importedText_isTypedAsAPractice()
    {
        DesktopSession desktop;
        if (!desktop.IsReady())
            QSKIP("Xvfb and xdotool are needed");
        {
            QDir().mkpath(desktop.DataFolder());
            RegistryStore registry;
            QVERIFY(registry.Open(desktop.DataFolder() + QStringLiteral("/registry.sqlite")) ==
                    RegistryStore::OpenResult::Opened);
            SettingsStore settings(registry);
            QVERIFY(settings.CreateUser(QStringLiteral("Tester"), 5));
            settings.WriteFlag(SettingsStore::SettingsKey, QStringLiteral("CLFirstRun"), false);
        }
        const QString source = desktop.DataFolder() + QStringLiteral("/../mine.txt");
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(PracticeText.toUtf8());
        file.close();

        desktop.Start(DesktopSession::Program);
        const QString mainWindow = desktop.FocusWindow(DesktopSession::MainTitle);
        QVERIFY(!mainWindow.isEmpty());
        // The shortcut waits while the start-up load's progress window is up.
        bool opened = false;
        for (int attempt = 0; attempt < 10 && !opened; ++attempt) {
            QVERIFY(desktop.Keys({QStringLiteral("ctrl+shift+i")}));
            opened = !desktop.FocusWindow(QStringLiteral("Import Custom Exercise"), 2000).isEmpty();
        }
        QVERIFY(opened);
        QVERIFY(desktop.Keys({QStringLiteral("alt+f")}));
        QVERIFY(desktop.TypeText(QDir::cleanPath(source), 20));
        QVERIFY(desktop.Keys({QStringLiteral("Return")}));
        QTRY_VERIFY_WITH_TIMEOUT(
            QFileInfo::exists(desktop.DataFolder() + QStringLiteral("/Custom/practice/mine.txt")) ||
                QFileInfo::exists(desktop.DataFolder() + QStringLiteral("/Custom/Practice/mine.txt")),
            10000);

        // The practice selection lists it under "Custom", the last category. Without a window
        // manager nobody hands the focus back to the main window when the dialog goes.
        desktop.Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), mainWindow});
        QTest::qWait(300);
        QVERIFY(desktop.Keys({QStringLiteral("ctrl+p")}));
        QVERIFY(!desktop.FocusWindow(QStringLiteral("Select Practice Text")).isEmpty());
        QVERIFY(desktop.Keys(
            {QStringLiteral("End"), QStringLiteral("Tab"), QStringLiteral("Down"), QStringLiteral("Return")},
            150));
        desktop.Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), mainWindow});
        QTest::qWait(500);
        QVERIFY(desktop.TypeText(PracticeText, 50));
        QVERIFY(!desktop.FocusWindow(QStringLiteral("Finished"), 10000).isEmpty());
    }
};

QTEST_GUILESS_MAIN(ImportEndToEndTest)
#include "tst_import_e2e.moc"
