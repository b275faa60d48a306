// The options dialog in the real program: options changed and error sounds turned on through the
// X keyboard, then read back from the settings database.
#include "DesktopSession.h"
#include "platform/RegistryStore.h"

#include <QFileInfo>
#include <QTest>

using namespace clavora;
using clavora::test::DesktopSession;

class OptionsEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void optionsDialog_storesWhatTheKeyboardChose()
    {
        DesktopSession desktop;
        if (!desktop.IsReady())
            QSKIP("Xvfb and xdotool are needed");
        QProcess* tutor = desktop.Start(QStringLiteral(CLAVORA_BINARY_DIR "/bin/clavora"));
        QVERIFY(!desktop.FocusWindow(QStringLiteral("Getting Started")).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("Return")}));
        QTest::qWait(300);
        QVERIFY(desktop.Keys({QStringLiteral("Return")}));
        const QString mainTitle = QStringLiteral("Clavora by Oxley Software");
        QVERIFY(!desktop.FocusWindow(mainTitle).isEmpty());

        QVERIFY(desktop.Keys({QStringLiteral("ctrl+o")}));
        QVERIFY(!desktop.FocusWindow(QStringLiteral("Clavora Options")).isEmpty());
        // Timers on, A4 paper on, the font two sizes larger, a new report folder; then the sound
        // page: error sounds on; OK, and "Create" for the folder.
        const QString reports = desktop.DataFolder() + QStringLiteral("/My Reports");
        QVERIFY(desktop.Keys({QStringLiteral("alt+t"), QStringLiteral("alt+p"), QStringLiteral("alt+l"),
                              QStringLiteral("alt+l"), QStringLiteral("alt+f"), QStringLiteral("ctrl+a")},
                             300)); // a button's mnemonic clicks after a short animation
        QVERIFY(desktop.TypeText(reports));
        QVERIFY(
            desktop.Keys({QStringLiteral("ctrl+Tab"), QStringLiteral("alt+w"), QStringLiteral("Return")}));
        QVERIFY(!desktop.FocusWindow(QStringLiteral("Reports Folder")).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("Return")}));
        QVERIFY(!desktop.FocusWindow(mainTitle).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("alt+F4")}));
        QVERIFY(tutor->waitForFinished(10000));

        RegistryStore registry;
        QVERIFY(registry.Open(desktop.DataFolder() + QStringLiteral("/registry.sqlite")) ==
                RegistryStore::OpenResult::Opened);
        const QString user =
            registry.ReadValue(QStringLiteral("Settings"), QStringLiteral("CurrentUser")).value_or(QString());
        QVERIFY(!user.isEmpty());
        const auto profile = [&](const char* name) {
            return registry.ReadValue(QStringLiteral("Users\\") + user, QString::fromLatin1(name))
                .value_or(QString());
        };
        QCOMPARE(profile("ShowTimers"), QStringLiteral("1"));
        QCOMPARE(profile("IsUsingA4Paper"), QStringLiteral("1"));
        QCOMPARE(profile("FontSize"), QStringLiteral("22"));
        QCOMPARE(profile("PlayErrorSounds"), QStringLiteral("1"));
        QCOMPARE(profile("PlayAwardSounds"), QStringLiteral("0"));
        QCOMPARE(profile("ReportFolder"), reports);
        QVERIFY(QFileInfo(reports).isDir());
        QCOMPARE(registry.ReadValue(QStringLiteral("Player"), QStringLiteral("SoundOutDevice"))
                     .value_or(QString()),
                 QStringLiteral("[Default Sound Out]"));
    }
};

QTEST_MAIN(OptionsEndToEndTest)
#include "tst_options_e2e.moc"
