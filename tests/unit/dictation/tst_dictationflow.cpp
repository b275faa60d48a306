// The dictation from the main window's commands: selection with its one-time download, playback
// into the in-memory sink, pause, stop, the comparison offer and the showing of the transcription.
#include "app/DictationController.h"
#include "app/MainController.h"
#include "FakeDictationPanel.h"
#include "FakeMainView.h"
#include "LocalHttpServer.h"
#include "MemoryAudioOut.h"
#include "platform/RegistryStore.h"
#include "settings/SettingsStore.h"
#include "settings/UserProfile.h"
#include "TestClock.h"
#include "TestDataFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;
using test::FakeDictationPanel;
using test::FakeMainView;
using test::MemoryAudioOut;

namespace {

const QString Sample = QStringLiteral(CLAVORA_SOURCE_DIR "/data/components/dictationsamples/800.mp3");
const QString FirstTitle = u"Dict1 - Pembrook Lease Dispute"_s;

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray SampleBytes()
{
    QFile file(Sample);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class DictationFlowTest final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void select_downloadsABuiltInDictationOnce();
    void failedSelection_leavesNothingSelected_data();
    void failedSelection_leavesNothingSelected();
    void playPauseStop_offerAndShowTheComparison();
    void dontShowAgain_stopsTheQuestionButNotTheCommand();
    void customDictation_isNeverCompared();
    void start_reportsWhatCannotPlay_data();
    void start_reportsWhatCannotPlay();

private:
    void StartController();
    void Select(const QString& key);
    QString BuiltInFile(const QString& key) const
    {
        return DictationPlayer::BuiltInFolder() + u'/' + key + u".mp3"_s;
    }
    void LetTheRecordingEnd();
    void AddCustomDictation(const QString& key, const QByteArray& audio);

    std::unique_ptr<test::TestDataFolder> m_data;
    std::unique_ptr<RegistryStore> m_registry;
    std::unique_ptr<SettingsStore> m_settings;
    test::TestClock m_clock;
    std::shared_ptr<MemoryAudioOut::State> m_output;
    FakeMainView m_view;
    FakeDictationPanel m_panel;
    std::unique_ptr<MainController> m_main;
    QString m_server;
};

void DictationFlowTest::init()
{
    m_data = std::make_unique<test::TestDataFolder>();
    // Test mode puts the shared folder of downloaded dictations below the home folder.
    qputenv("HOME", m_data->Path().toUtf8());
    m_registry = std::make_unique<RegistryStore>();
    QVERIFY(m_registry->Open(m_data->Path() + u"/registry.sqlite"_s) == RegistryStore::OpenResult::Opened);
    m_settings = std::make_unique<SettingsStore>(*m_registry);
    QVERIFY(m_settings->CreateUser(u"Alice"_s, 5));
    QVERIFY(m_settings->SelectUser(u"Alice"_s));
    m_settings->WriteText(SettingsStore::SettingsKey, u"CLFirstRun"_s, u"0"_s);
    m_server = m_data->Path() + u"/server"_s;
    QVERIFY(WriteFile(m_server + u"/components/dictationsamples/800.mp3"_s, SampleBytes()));
    m_settings->WriteText(SettingsStore::SettingsKey, u"DictationServer"_s,
                          QUrl::fromLocalFile(m_server).toString());
    m_output = std::make_shared<MemoryAudioOut::State>();
    m_output->holding = true;
    m_view = FakeMainView();
    m_panel = FakeDictationPanel();
}

void DictationFlowTest::cleanup()
{
    m_main.reset();
    m_settings.reset();
    m_registry.reset();
    m_data.reset();
}

void DictationFlowTest::StartController()
{
    m_main = std::make_unique<MainController>(*m_settings, m_clock, m_data->Path() + u"/product"_s);
    m_main->Dictation().AttachView(m_panel);
    m_main->Dictation().Player().SetOutputFactory(
        [this] { return std::make_unique<MemoryAudioOut>(m_output); });
    m_main->Initialize(m_view);
    QCoreApplication::processEvents();
    QVERIFY(m_main->StartupLoadDone());
}

void DictationFlowTest::Select(const QString& key)
{
    m_panel.choose_ = key;
    m_main->OnCommand(Command::SelectDictation);
}

void DictationFlowTest::LetTheRecordingEnd()
{
    {
        std::lock_guard lock(m_output->lock);
        m_output->holding = false;
    }
    MemoryAudioOut::PlayQueued(*m_output);
    QTRY_VERIFY(!m_main->Dictation().Player().IsPlaying());
    std::lock_guard lock(m_output->lock);
    m_output->holding = true;
}

void DictationFlowTest::AddCustomDictation(const QString& key, const QByteArray& audio)
{
    const QString custom = m_data->Path() + u"/product/Custom"_s;
    QVERIFY(WriteFile(custom + u"/dictationcustom.xml"_s,
                      "<customdictations><nextkey>1101</nextkey><dictation><key>" + key.toUtf8() +
                          "</key><filename>mine.mp3</filename><title>custom-" + key.toUtf8() +
                          "</title></dictation></customdictations>"));
    QVERIFY(WriteFile(custom + u"/Dictations/"_s + key + u".mp3"_s, audio));
}

void DictationFlowTest::select_downloadsABuiltInDictationOnce()
{
    StartController();
    Select(u"800"_s);
    QCOMPARE(m_panel.rows_.size(), 6);
    QCOMPARE(m_panel.rows_.first().onDisk, false);
    QCOMPARE(m_panel.progressTitles_, QStringList{u"Downloading Dictation"_s});
    QCOMPARE(m_panel.progressStatus_, u"Downloading Dictation...\n"_s + FirstTitle);
    QVERIFY(QFile(BuiltInFile(u"800"_s)).size() == SampleBytes().size());
    QCOMPARE(m_view.view_, View::Dictation);
    QCOMPARE(m_view.tab_, Tab::Practice);
    QCOMPARE(m_main->Kind(), int(ExerciseKind::Dictation));
    QCOMPARE(m_view.title_, u"Clavora by Oxley Software - Dictation - "_s + FirstTitle);

    // The file on disk is used from now on, even when the server no longer has it.
    QVERIFY(QFile::remove(m_server + u"/components/dictationsamples/800.mp3"_s));
    Select(u"800"_s);
    QCOMPARE(m_panel.progressTitles_.size(), 1);
    QCOMPARE(m_panel.rows_.first().onDisk, true);
    QVERIFY(m_main->Dictation().Player().IsLoaded());
    QVERIFY(m_panel.messages_.isEmpty());
}

void DictationFlowTest::failedSelection_leavesNothingSelected_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<int>("cancelAfter");
    QTest::addColumn<QString>("message");
    QTest::addRow("missing on the server")
        << u"empty"_s << -1 << u"Network Error: Clavora could not download"_s;
    QTest::addRow("no connection") << u"http://127.0.0.1:%1"_s.arg(test::LocalHttpServer::ClosedPort()) << -1
                                   << u"Network Error: Clavora could not connect to server."_s;
    QTest::addRow("cancelled") << QString() << 0 << QString();
}

void DictationFlowTest::failedSelection_leavesNothingSelected()
{
    QFETCH(QString, server);
    QFETCH(int, cancelAfter);
    QFETCH(QString, message);
    StartController();
    Select(u"800"_s);
    QVERIFY(m_main->Dictation().Player().IsLoaded());
    QVERIFY(WriteFile(m_server + u"/components/dictationsamples/801.mp3"_s, SampleBytes()));
    if (server == u"empty")
        server = QUrl::fromLocalFile(m_data->Path() + u"/empty"_s).toString();
    if (!server.isEmpty())
        m_settings->WriteText(SettingsStore::SettingsKey, u"DictationServer"_s, server);
    m_panel.cancelAfter_ = cancelAfter;
    Select(u"801"_s);

    QVERIFY(!m_main->Dictation().Player().IsLoaded());
    QVERIFY(!QFileInfo::exists(BuiltInFile(u"801"_s)));
    QCOMPARE(QDir(DictationPlayer::BuiltInFolder()).entryList(QDir::Files | QDir::Hidden),
             QStringList{u"800.mp3"_s});
    QCOMPARE(m_panel.messages_.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY2(m_panel.messages_.first().startsWith(message), qPrintable(m_panel.messages_.first()));

    m_main->OnCommand(Command::Start);
    QCOMPARE(m_panel.messages_.last(), u"Clavora: Please select a dictation to play"_s);
    QVERIFY(!m_main->Dictation().Player().IsPlaying());
}

void DictationFlowTest::playPauseStop_offerAndShowTheComparison()
{
    StartController();
    Select(u"800"_s);
    m_main->OnCommand(Command::Start);
    DictationPlayer& player = m_main->Dictation().Player();
    QVERIFY(player.IsPlaying());
    QVERIFY(m_panel.typing_.isEmpty());
    QCOMPARE(m_main->Profile().Get(Profile::LastExercise), FirstTitle);
    QVERIFY(m_view.states_.ButtonEnabled(Command::PauseResume));
    QVERIFY(!m_view.states_.ButtonEnabled(Command::CompareDictation));
    QVERIFY(m_main->IsBusy());
    QTRY_VERIFY(!m_output->written.isEmpty());

    // Compare while the recording plays does nothing.
    m_main->OnCommand(Command::CompareDictation);
    QVERIFY(!m_panel.transcriptionShown_);

    m_main->OnCommand(Command::PauseResume);
    QVERIFY(player.IsPaused());
    QCOMPARE(m_view.pauseLabel_, u"Resume"_s);
    QVERIFY(m_view.states_.ButtonEnabled(Command::CompareDictation));
    m_main->OnCommand(Command::CompareDictation);
    QVERIFY(m_panel.transcriptionShown_);
    QVERIFY(m_panel.transcription_.startsWith(u"March 14, 2023\nMr. Douglas Fenwick"_s));

    // Resuming hides the transcription again.
    m_main->OnCommand(Command::PauseResume);
    QVERIFY(!player.IsPaused());
    QVERIFY(!m_panel.transcriptionShown_);
    QCOMPARE(m_view.pauseLabel_, u"Pause"_s);

    m_main->OnCommand(Command::PauseResume);
    m_main->OnCommand(Command::Stop);
    QVERIFY(!player.IsPlaying());
    QCOMPARE(m_panel.questions_, 1);
    QVERIFY(m_panel.transcriptionShown_);
    QCOMPARE(m_view.pauseLabel_, u"Pause"_s);
    QCOMPARE(m_main->Kind(), int(ExerciseKind::None));
    QVERIFY(!m_main->IsBusy());
    QVERIFY(!m_view.states_.ButtonEnabled(Command::CompareDictation));
}

void DictationFlowTest::dontShowAgain_stopsTheQuestionButNotTheCommand()
{
    StartController();
    Select(u"800"_s);
    m_panel.answerCompare_ = false;
    m_panel.tickDontAsk_ = true;
    m_main->OnCommand(Command::Start);
    LetTheRecordingEnd();
    QCOMPARE(m_panel.questions_, 1);
    QVERIFY(!m_panel.transcriptionShown_);

    m_main->OnCommand(Command::Start);
    QVERIFY(!m_panel.transcriptionShown_);
    LetTheRecordingEnd();
    QCOMPARE(m_panel.questions_, 1);
    m_main->OnCommand(Command::CompareDictation);
    QVERIFY(m_panel.transcriptionShown_);
}

void DictationFlowTest::customDictation_isNeverCompared()
{
    AddCustomDictation(u"1100"_s, SampleBytes());
    StartController();
    Select(u"1100"_s);
    QCOMPARE(m_panel.rows_.last().description, u"Custom Dictation"_s);
    QVERIFY(m_panel.rows_.last().onDisk);
    QVERIFY(m_panel.progressTitles_.isEmpty());
    m_main->OnCommand(Command::Start);
    QVERIFY(m_main->Dictation().Player().IsPlaying());
    m_main->OnCommand(Command::Stop);
    QCOMPARE(m_panel.questions_, 0);
    m_main->OnCommand(Command::CompareDictation);
    QVERIFY(!m_panel.transcriptionShown_);
    QVERIFY(m_panel.messages_.isEmpty());
}

void DictationFlowTest::start_reportsWhatCannotPlay_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("audio");
    QTest::addColumn<bool>("deleteAfterSelect");
    QTest::addColumn<bool>("refuseOutput");
    QTest::addColumn<QString>("message");
    const QString corrupt = u"Clavora: Could not play dictation. File not found or may be corrupt."_s;
    QTest::addRow("not an MP3") << u"800"_s << QByteArray("<html>Not Found</html>") << false << false
                                << corrupt;
    QTest::addRow("empty file") << u"800"_s << QByteArray() << false << false << corrupt;
    QTest::addRow("cut after the header") << u"800"_s << SampleBytes().left(3) << false << false << corrupt;
    QTest::addRow("custom file deleted") << u"1100"_s << SampleBytes() << true << false << corrupt;
    QTest::addRow("no audio output")
        << u"800"_s << SampleBytes() << false << true
        << u"Clavora: Could not play dictation. Possible problem with audio hardware."_s;
    QTest::addRow("key that is not a number")
        << u"..1"_s << SampleBytes() << false << false << u"Clavora: This dictation cannot be played"_s;
}

void DictationFlowTest::start_reportsWhatCannotPlay()
{
    QFETCH(QString, key);
    QFETCH(QByteArray, audio);
    QFETCH(bool, deleteAfterSelect);
    QFETCH(bool, refuseOutput);
    QFETCH(QString, message);
    if (key.startsWith(u'8'))
        QVERIFY(WriteFile(BuiltInFile(key), audio));
    else
        AddCustomDictation(key, audio);
    m_output->refuseEverything = refuseOutput;
    StartController();
    Select(key);
    if (deleteAfterSelect)
        QVERIFY(QFile::remove(m_data->Path() + u"/product/Custom/Dictations/"_s + key + u".mp3"_s));
    m_main->OnCommand(Command::Start);
    QVERIFY(!m_panel.messages_.isEmpty());
    QVERIFY2(m_panel.messages_.last().startsWith(message), qPrintable(m_panel.messages_.last()));
    QVERIFY(!m_main->Dictation().Player().IsPlaying());
    QVERIFY(!m_main->IsBusy());
}

QTEST_GUILESS_MAIN(DictationFlowTest)
#include "tst_dictationflow.moc"
