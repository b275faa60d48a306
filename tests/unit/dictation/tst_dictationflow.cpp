// The dictation from the main window's commands: selection with its one-time download, playback
// into the in-memory sink, pause, stop, the comparison offer and the transcription.
#include "app/DictationController.h"
#include "app/MainController.h"
#include "FakeDictationPanel.h"
#include "FakeMainView.h"
#include "LocalHttpServer.h"
#include "MemoryAudioOut.h"
#include "settings/UserProfile.h"
#include "TestClock.h"
#include "TestFiles.h"
#include "TestRegistry.h"

#include <optional>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;
using test::MemoryAudioOut;
using test::WriteFile;

namespace {

const QString FirstTitle = u"Dict1 - Pembrook Lease Dispute"_s;
const QString Corrupt = u"Clavora: Could not play dictation. File not found or may be corrupt."_s;

QByteArray Sample()
{
    return test::ReadFile(QStringLiteral(CLAVORA_SOURCE_DIR "/data/components/dictationsamples/800.mp3"));
}

} // namespace

class DictationFlowTest final : public QObject
{
    Q_OBJECT

private slots:
    // A user, a dictation server holding 800 and 801, and two imported dictations: 1100, and one
    // whose key is not a number.
    void init()
    {
        m_settings = &m_reg.emplace(u"Alice"_s).settings;
        // Test mode puts the shared folder of downloaded dictations below the home folder.
        qputenv("HOME", m_reg->Path().toUtf8());
        m_settings->WriteText(SettingsStore::SettingsKey, u"CLFirstRun"_s, u"0"_s);
        m_server = m_reg->Path() + u"/server/components/dictationsamples/"_s;
        m_custom = m_reg->Path() + u"/product/Custom/"_s;
        for (const QString& file : {m_server + u"800.mp3"_s, m_server + u"801.mp3"_s,
                                    m_custom + u"Dictations/1100.mp3"_s, m_custom + u"Dictations/..1.mp3"_s})
            QVERIFY(WriteFile(file, Sample()));
        QVERIFY(WriteFile(m_custom + u"dictationcustom.xml"_s,
                          "<customdictations><nextkey>1102</nextkey>"
                          "<dictation><key>1100</key><filename>a.mp3</filename><title>a</title></dictation>"
                          "<dictation><key>..1</key><filename>b.mp3</filename><title>b</title></dictation>"
                          "</customdictations>"));
        m_settings->WriteText(SettingsStore::SettingsKey, u"DictationServer"_s,
                              QUrl::fromLocalFile(m_reg->Path() + u"/server"_s).toString());
        m_output = std::make_shared<MemoryAudioOut::State>();
        m_output->holding = true;
        m_panel = test::FakeDictationPanel();
        m_main = std::make_unique<MainController>(*m_settings, m_clock, m_reg->Path() + u"/product"_s);
        m_main->Dictation().AttachView(m_panel);
        Player().SetOutputFactory([this] { return std::make_unique<MemoryAudioOut>(m_output); });
        m_main->Initialize(m_view);
        QCoreApplication::processEvents();
    }

    void cleanup()
    {
        m_main.reset();
        m_reg.reset();
    }

    void select_downloadsOnce_andAFailureLeavesNothingSelected_data()
    {
        // "local:" stands for the test's own HTTP server; its answer depends on the first path segment.
        QTest::addColumn<QString>("server");
        QTest::addColumn<int>("cancelAfter");
        QTest::addColumn<QString>("message");
        const QString failed = u"Network Error: Clavora could not download the dictation. "_s;
        QTest::addRow("missing local file") << u"file:///nonexistent"_s << -1 << failed;
        QTest::addRow("404 page") << u"local:/missing"_s << -1 << failed + u"The server answered 404"_s;
        QTest::addRow("server error") << u"local:/error"_s << -1 << failed + u"The server answered 500"_s;
        QTest::addRow("declared over 50 MB")
            << u"local:/huge"_s << -1 << failed + u"The file is larger than 50 MB."_s;
        QTest::addRow("stalls midway")
            << u"local:/stall"_s << -1 << failed + u"The server stopped sending."_s;
        QTest::addRow("cancelled while stalled") << u"local:/stall"_s << 2 << QString();
        QTest::addRow("cancelled") << QString() << 0 << QString();
        QTest::addRow("no connection") << u"http://127.0.0.1:%1"_s.arg(test::LocalHttpServer::ClosedPort())
                                       << -1 << u"Network Error: Clavora could not connect to server."_s;
    }

    void select_downloadsOnce_andAFailureLeavesNothingSelected()
    {
        QFETCH(QString, server);
        QFETCH(int, cancelAfter);
        QFETCH(QString, message);
        Select(u"800"_s);
        QCOMPARE(m_panel.progressStatus_, u"Downloading Dictation...\n"_s + FirstTitle);
        QCOMPARE(m_view.tab_, Tab::Practice);
        QCOMPARE(m_main->Kind(), int(ExerciseKind::Dictation));
        // From now on the file on disk is used, even when the server no longer has it.
        QVERIFY(QFile::remove(m_server + u"800.mp3"_s));
        Select(u"800"_s);
        QCOMPARE(m_panel.downloads_, 1);
        QVERIFY(m_panel.rows_.first().onDisk);

        test::LocalHttpServer http;
        const QString sample = u"/components/dictationsamples/801.mp3"_s;
        http.SetAnswer(u"/error"_s + sample, {500, "oops"});
        http.SetAnswer(u"/huge"_s + sample, {200, Sample(), -1, Downloader::MaxBytes + 1});
        http.SetAnswer(u"/stall"_s + sample, {200, Sample(), 1000});
        if (!server.isEmpty())
            m_settings->WriteText(SettingsStore::SettingsKey, u"DictationServer"_s,
                                  server.replace(u"local:/"_s, http.BaseUrl() + u'/'));
        Player().SetStallTimeoutMs(300);
        m_panel.cancelAfter_ = cancelAfter;
        Select(u"801"_s);
        QVERIFY(!Player().IsLoaded());
        QCOMPARE(QDir(DictationPlayer::BuiltInFolder()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"800.mp3"_s});
        QCOMPARE(m_panel.messages_.size(), message.isEmpty() ? 0 : 1);
        QVERIFY(m_panel.messages_.join(u'|').startsWith(message));
        m_main->OnCommand(Command::Start);
        QCOMPARE(m_panel.messages_.last(), u"Clavora: Please select a dictation to play"_s);
    }

    void playPauseStop_offerAndShowTheComparison()
    {
        // An imported dictation has no transcription: no question, and Compare does nothing.
        Select(u"1100"_s);
        QCOMPARE(m_panel.rows_.at(6).description, u"Custom Dictation"_s);
        m_main->OnCommand(Command::Start);
        m_main->OnCommand(Command::Stop);
        m_main->OnCommand(Command::CompareDictation);
        QCOMPARE(m_panel.questions_, 0);
        QVERIFY(!m_panel.transcriptionShown_);
        QCOMPARE(m_panel.downloads_, 0);

        Select(u"800"_s);
        m_main->OnCommand(Command::Start);
        QCOMPARE(m_main->Profile().Get(Profile::LastExercise), FirstTitle);
        QVERIFY(m_main->IsBusy());
        QTRY_VERIFY(!m_output->written.isEmpty());
        m_main->OnCommand(Command::CompareDictation); // nothing while the recording plays
        QVERIFY(!m_panel.transcriptionShown_);

        m_main->OnCommand(Command::PauseResume);
        QCOMPARE(m_view.pauseLabel_, u"Resume"_s);
        m_main->OnCommand(Command::CompareDictation);
        QVERIFY(m_panel.transcription_.startsWith(u"March 14, 2023\nMr. Douglas Fenwick"_s));
        m_main->OnCommand(Command::PauseResume); // resuming hides the transcription again
        QVERIFY(!m_panel.transcriptionShown_);
        QCOMPARE(m_view.pauseLabel_, u"Pause"_s);

        m_main->OnCommand(Command::Stop);
        QCOMPARE(m_panel.questions_, 1);
        QVERIFY(m_panel.transcriptionShown_);
        QCOMPARE(m_main->Kind(), int(ExerciseKind::None));
        QVERIFY(!m_main->IsBusy());

        // Ticking "Don't show this dialog again." ends the questions; the command still compares.
        m_panel.answerCompare_ = false;
        m_panel.tickDontAsk_ = true;
        for (int run = 0; run < 2; ++run) {
            m_main->OnCommand(Command::Start);
            QVERIFY(!m_panel.transcriptionShown_);
            LetTheRecordingEnd();
        }
        QCOMPARE(m_panel.questions_, 2);
        m_main->OnCommand(Command::CompareDictation);
        QVERIFY(m_panel.transcriptionShown_);
    }

    void start_reportsWhatCannotPlay_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("builtInAudio");
        QTest::addColumn<bool>("refuseOutput");
        QTest::addColumn<QString>("message");
        QTest::addRow("error page as MP3")
            << u"800"_s << QByteArray("<html>Not Found</html>") << false << Corrupt;
        QTest::addRow("custom file gone") << u"1100"_s << QByteArray() << false << Corrupt;
        QTest::addRow("no audio output")
            << u"800"_s << Sample() << true
            << u"Clavora: Could not play dictation. Possible problem with audio hardware."_s;
        QTest::addRow("key that is not a number")
            << u"..1"_s << QByteArray() << false << u"Clavora: This dictation cannot be played"_s;
    }

    void start_reportsWhatCannotPlay()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, builtInAudio);
        QFETCH(bool, refuseOutput);
        QFETCH(QString, message);
        QVERIFY(WriteFile(DictationPlayer::BuiltInFolder() + u"/800.mp3"_s, builtInAudio));
        m_output->refuseEverything = refuseOutput;
        Select(key);
        QFile::remove(m_custom + u"Dictations/1100.mp3"_s);
        m_main->OnCommand(Command::Start);
        QVERIFY2(m_panel.messages_.join(u'|').startsWith(message), qPrintable(m_panel.messages_.join(u'|')));
        QVERIFY(!m_main->IsBusy());
    }

private:
    void Select(const QString& key)
    {
        m_panel.choose_ = key;
        m_main->OnCommand(Command::SelectDictation);
    }
    void LetTheRecordingEnd()
    {
        const auto hold = [this](bool holding) {
            std::lock_guard lock(m_output->lock);
            m_output->holding = holding;
        };
        hold(false);
        MemoryAudioOut::PlayQueued(*m_output);
        QTRY_VERIFY(!Player().IsPlaying());
        hold(true);
    }

    DictationPlayer& Player() { return m_main->Dictation().Player(); }

    std::optional<test::TestRegistry> m_reg;
    SettingsStore* m_settings = nullptr;
    test::TestClock m_clock;
    std::shared_ptr<MemoryAudioOut::State> m_output;
    test::FakeMainView m_view;
    test::FakeDictationPanel m_panel;
    std::unique_ptr<MainController> m_main;
    QString m_server;
    QString m_custom;
};

QTEST_GUILESS_MAIN(DictationFlowTest)
#include "tst_dictationflow.moc"
