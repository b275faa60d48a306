// A dictation in the real program: chosen through the selection dialog, fetched once from a local
// HTTP server, played on ALSA's null device, typed into, and compared.
#include "DesktopSession.h"
#include "LocalHttpServer.h"
#include "platform/RegistryStore.h"
#include "services/AlsaAudioOut.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;
using test::DesktopSession;
using test::LocalHttpServer;

namespace {

const QString DictationTitle = u"Dict1 - Pembrook Lease Dispute"_s;

QByteArray Sample()
{
    QFile file(QStringLiteral(CLAVORA_SOURCE_DIR "/data/components/dictationsamples/800.mp3"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class DictationEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void selectPlayTypeAndCompare()
    {
        AlsaAudioOut probe;
        if (!probe.Open(u"[ALSA] null"_s, {16000, 1}, 1600, 64, true))
            QSKIP("ALSA's null device cannot be opened on this machine");
        probe.Close();
        DesktopSession desktop;
        if (!desktop.IsReady())
            QSKIP("Xvfb and xdotool are needed");
        LocalHttpServer server;
        server.SetAnswer(u"/components/dictationsamples/800.mp3"_s, {200, Sample()});
        {
            QDir().mkpath(desktop.DataFolder());
            RegistryStore registry;
            QVERIFY(registry.Open(desktop.DataFolder() + u"/registry.sqlite"_s) ==
                    RegistryStore::OpenResult::Opened);
            SettingsStore settings(registry);
            QVERIFY(settings.CreateUser(u"Tester"_s, 5));
            settings.WriteFlag(SettingsStore::SettingsKey, u"CLFirstRun"_s, false);
            settings.WriteText(SettingsStore::SettingsKey, u"DictationServer"_s, server.BaseUrl());
            settings.WriteText(u"Player"_s, u"SoundOutDevice"_s, u"[ALSA] null"_s);
        }
        QProcess* tutor = desktop.Start(DesktopSession::Program);
        QVERIFY(!desktop.FocusWindow(DesktopSession::MainTitle).isEmpty());
        QVERIFY(desktop.Keys({u"alt+s"_s}));
        QVERIFY(!desktop.FocusWindow(u"Select Dictation"_s).isEmpty());
        QVERIFY(desktop.Keys({u"Return"_s})); // the first row is preselected
        const QString dictationWindow = DesktopSession::MainTitle + u" - Dictation - "_s + DictationTitle;
        QVERIFY(!desktop.FocusWindow(dictationWindow).isEmpty());
        QCOMPARE(server.Requests(), 1);

        // The null device takes the recording as fast as it comes, so it ends at once and the
        // question follows; "Compare" is its default button.
        QVERIFY(desktop.Keys({u"F9"_s}));
        QVERIFY(!desktop.FocusWindow(u"Dictation"_s, 20000).isEmpty());
        QVERIFY(desktop.Keys({u"Return"_s}));
        QVERIFY(!desktop.FocusWindow(DesktopSession::MainTitle).isEmpty());
        QVERIFY(desktop.TypeText(u"This office represents Pembrook Holdings"_s, 30));

        QVERIFY(desktop.Keys({u"alt+F4"_s}));
        QVERIFY(tutor->waitForFinished(10000));
        QCOMPARE(server.Requests(), 1);
    }
};

QTEST_GUILESS_MAIN(DictationEndToEndTest)
#include "tst_dictation_e2e.moc"
