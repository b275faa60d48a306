#include "MemoryAudioOut.h"
#include "services/AlsaAudioOut.h"
#include "services/SoundPlayer.h"

#include <functional>
#include <QElapsedTimer>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;
using test::MemoryAudioOut;

namespace {

// A tone of known samples: sample i of the stream is (i * 37) mod 65536, so any lost, doubled or
// reordered sample shows.
class PatternSource final : public SoundSource
{
public:
    PatternSource(PcmFormat format, qint64 frames)
        : SoundSource(format), m_samplesLeft(frames * SamplesPerFrame())
    {}
    static QByteArray Expected(PcmFormat format, qint64 frames)
    {
        PatternSource source(format, frames);
        std::vector<qint16> all;
        while (source.DecodeMore(all)) {
        }
        return QByteArray(reinterpret_cast<const char*>(all.data()), qsizetype(all.size() * 2));
    }

protected:
    bool DecodeMore(std::vector<qint16>& out) override
    {
        const qint64 chunk = std::min<qint64>(m_samplesLeft, 1000);
        for (qint64 i = 0; i < chunk; ++i)
            out.push_back(static_cast<qint16>((m_next++ * 37) & 0xffff));
        m_samplesLeft -= chunk;
        return m_samplesLeft > 0;
    }

private:
    int SamplesPerFrame() const { return std::max(Format().channels, 1); }

    qint64 m_samplesLeft;
    qint64 m_next = 0;
};

std::unique_ptr<SoundSource> Pattern(int rate, int channels, qint64 frames)
{
    return std::make_unique<PatternSource>(PcmFormat{rate, channels}, frames);
}

class RecordingListener final : public SoundPlayerListener
{
public:
    void PlaybackStarted() override { Record(u"started"_s); }
    void PlaybackStopped() override { Record(u"stopped"_s); }
    void PlaybackReserved() override { Record(u"reserved"_s); }
    void PlaybackPaused() override { Record(u"paused"_s); }
    void PlaybackEndOfData() override { Record(u"end"_s); }

    QStringList calls;
    std::function<void(const QString&)> onCall;

private:
    void Record(const QString& call)
    {
        calls.append(call);
        if (onCall)
            onCall(call);
    }
};

// A player on an in-memory output, with the output's state kept for the test.
struct Rig
{
    explicit Rig(bool holding = false)
    {
        auto output = std::make_unique<MemoryAudioOut>();
        state = output->SharedState();
        state->holding = holding;
        player = std::make_unique<SoundPlayer>(&listener, std::move(output));
    }
    RecordingListener listener;
    std::shared_ptr<MemoryAudioOut::State> state;
    std::unique_ptr<SoundPlayer> player;

    QByteArray Written() const
    {
        std::lock_guard lock(state->lock);
        return state->written;
    }
    template <typename T> T Read(T MemoryAudioOut::State::*field) const
    {
        std::lock_guard lock(state->lock);
        return (*state).*field;
    }
};

QString Sound(const char* name)
{
    return QStringLiteral(CLAVORA_SOURCE_DIR "/data/sounds/") + QString::fromLatin1(name);
}

const QStringList PlayedToEnd{u"started"_s, u"end"_s, u"stopped"_s};

} // namespace

class TestSoundPlayer final : public QObject
{
    Q_OBJECT

private slots:
    void shortSound_playsWholeThenEndsThenStops()
    {
        Rig rig(/*holding=*/true);
        const PcmFormat format{44100, 2};
        QVERIFY(rig.player->Play(Pattern(44100, 2, 1000)));
        QTRY_COMPARE(rig.Written(), PatternSource::Expected(format, 1000));
        // The sound is queued but the device has not played it: no end yet.
        QTest::qWait(50);
        QCOMPARE(rig.listener.calls, QStringList{u"started"_s});
        QVERIFY(rig.player->IsPlaying());

        MemoryAudioOut::PlayQueued(*rig.state);
        QTRY_COMPARE(rig.listener.calls, PlayedToEnd);
        QVERIFY(!rig.player->IsPlaying());
        QCOMPARE(rig.Read(&MemoryAudioOut::State::closes), 1);
    }

    void blockSize_followsRate_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("blockFrames");
        QTest::addColumn<int>("outputChannels");
        QTest::addRow("8 kHz mono") << 8000 << 1 << 800 << 1;
        QTest::addRow("44.1 kHz stereo") << 44100 << 2 << 4410 << 2;
        QTest::addRow("96 kHz stereo, capped") << 96000 << 2 << 8192 << 2;
        QTest::addRow("100 Hz, at least 20") << 100 << 1 << 20 << 1;
        QTest::addRow("no channel count plays mono") << 22050 << 0 << 2205 << 1;
    }

    void blockSize_followsRate()
    {
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, blockFrames);
        QFETCH(int, outputChannels);
        QCOMPARE(SoundPlayer::BlockFrames(rate), blockFrames);

        Rig rig;
        QVERIFY(rig.player->Play(Pattern(rate, channels, 3 * blockFrames + 7)));
        QTRY_COMPARE(rig.listener.calls, PlayedToEnd);
        const auto opens = rig.Read(&MemoryAudioOut::State::opens);
        QCOMPARE(opens.size(), 1);
        QCOMPARE(opens[0].blockFrames, blockFrames);
        QCOMPARE(opens[0].blockCount, 64);
        QCOMPARE(opens[0].format, (PcmFormat{rate, outputChannels}));
        QCOMPARE(rig.Written(), PatternSource::Expected({rate, outputChannels}, 3 * blockFrames + 7));
        QVERIFY(rig.Read(&MemoryAudioOut::State::largestWriteBytes) <= SoundPlayer::MaxWriteBytes);
    }

    void controls_inAnyState_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<int>("devicePauses");
        QTest::addColumn<int>("deviceResumes");
        QTest::addColumn<bool>("playingAfter");
        const QString s = u"started"_s, p = u"paused"_s, x = u"stopped"_s;
        QTest::addRow("stop with nothing open") << u"stop stop"_s << QStringList{} << 0 << 0 << false;
        QTest::addRow("pause with nothing open") << u"pause"_s << QStringList{} << 0 << 0 << false;
        // Resume always reports started, even with nothing to resume.
        QTest::addRow("resume with nothing open") << u"resume"_s << QStringList{s} << 0 << 0 << false;
        QTest::addRow("pause twice") << u"play pause pause"_s << QStringList{s, p} << 1 << 0 << true;
        QTest::addRow("pause, resume") << u"play pause resume"_s << QStringList{s, p, s} << 1 << 1 << true;
        QTest::addRow("resume while playing") << u"play resume"_s << QStringList{s, s} << 0 << 0 << true;
        QTest::addRow("stop twice") << u"play stop stop"_s << QStringList{s, x} << 0 << 0 << false;
        QTest::addRow("pause, stop") << u"play pause stop"_s << QStringList{s, p, x} << 1 << 0 << false;
        QTest::addRow("pause after stop")
            << u"play stop pause resume"_s << QStringList{s, x, s} << 0 << 0 << false;
        QTest::addRow("play while paused")
            << u"play pause play"_s << QStringList{s, p, x, s} << 1 << 0 << true;
    }

    void controls_inAnyState()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, calls);
        QFETCH(bool, playingAfter);
        Rig rig(/*holding=*/true);
        for (const QString& step : steps.split(u' ')) {
            if (step == u"play")
                QVERIFY(rig.player->Play(Pattern(22050, 1, 22050 * 30)));
            else if (step == u"pause")
                rig.player->Pause();
            else if (step == u"resume")
                rig.player->Resume();
            else if (step == u"stop")
                rig.player->Stop();
        }
        QCoreApplication::processEvents();
        QCOMPARE(rig.listener.calls, calls);
        QTEST(rig.Read(&MemoryAudioOut::State::pauses), "devicePauses");
        QTEST(rig.Read(&MemoryAudioOut::State::resumes), "deviceResumes");
        QCOMPARE(rig.player->IsPlaying(), playingAfter);
        QCOMPARE(rig.player->IsPaused(), playingAfter && calls.last() == u"paused");
        if (!playingAfter)
            QCOMPARE(rig.Read(&MemoryAudioOut::State::isOpen), false);
    }

    void exactFormatRefused_playsThroughConversion()
    {
        Rig rig;
        rig.state->refuseExactFormat = true;
        QVERIFY(rig.player->Play(Pattern(11025, 1, 500)));
        QTRY_COMPARE(rig.listener.calls, PlayedToEnd);
        const auto opens = rig.Read(&MemoryAudioOut::State::opens);
        QCOMPARE(opens.size(), 2);
        QVERIFY(!opens[0].allowConversion);
        QVERIFY(opens[1].allowConversion);
    }

    void noOutput_playFailsAndStaysSilent()
    {
        Rig rig;
        rig.state->refuseEverything = true;
        QVERIFY(!rig.player->Play(Pattern(44100, 2, 500)));
        QVERIFY(!rig.player->Play(nullptr));
        QTest::qWait(30);
        QVERIFY(rig.listener.calls.isEmpty());
        QVERIFY(!rig.player->IsPlaying());
        QVERIFY(rig.Written().isEmpty());
    }

    void deviceFailure_endsThePlayback()
    {
        Rig rig;
        rig.state->failWrites = true;
        QVERIFY(rig.player->Play(Pattern(44100, 2, 44100)));
        QTRY_COMPARE(rig.listener.calls, PlayedToEnd);
        QVERIFY(!rig.player->IsPlaying());
    }

    void newPlay_stopsThePreviousSound()
    {
        Rig rig(/*holding=*/true);
        QVERIFY(rig.player->Play(Pattern(44100, 2, 100)));
        QTRY_VERIFY(!rig.Written().isEmpty());
        QVERIFY(rig.player->Play(Pattern(8000, 1, 100)));
        QTRY_COMPARE(rig.Written(), PatternSource::Expected({8000, 1}, 100));
        MemoryAudioOut::PlayQueued(*rig.state);
        QTRY_COMPARE(rig.listener.calls,
                     (QStringList{u"started"_s, u"stopped"_s, u"started"_s, u"end"_s, u"stopped"_s}));
        QTest::qWait(30);
        QCOMPARE(rig.listener.calls.size(), 5);
        QCOMPARE(rig.Written(), PatternSource::Expected({8000, 1}, 100));
    }

    void listenerStopsDuringEndOfData_stoppedOnce()
    {
        Rig rig;
        rig.listener.onCall = [&rig](const QString& call) {
            if (call == u"end")
                rig.player->Stop();
        };
        QVERIFY(rig.player->Play(Pattern(44100, 2, 300)));
        QTRY_COMPARE(rig.listener.calls, PlayedToEnd);
        QTest::qWait(30);
        QCOMPARE(rig.listener.calls, PlayedToEnd);
    }

    void destroyMidPlayback_noLaterListenerCalls_data()
    {
        QTest::addColumn<bool>("holding");
        QTest::addColumn<int>("waitMs");
        QTest::addRow("while the device plays") << true << 20;
        QTest::addRow("with the end notice on its way") << false << 0;
        QTest::addRow("while decoding") << false << 1;
    }

    void destroyMidPlayback_noLaterListenerCalls()
    {
        QFETCH(bool, holding);
        QFETCH(int, waitMs);
        Rig rig(holding);
        QVERIFY(rig.player->Play(holding ? Pattern(44100, 2, 44100 * 60)
                                         : SoundPlayer::Open(Sound("applause3.mp3"))));
        if (waitMs > 0) {
            QThread::msleep(static_cast<unsigned long>(waitMs));
        } else {
            // Wait for the end without handling events, so its notice is still queued.
            QElapsedTimer timer;
            timer.start();
            while (rig.player->IsPlaying() && timer.elapsed() < 20000)
                QThread::msleep(1);
            QVERIFY(!rig.player->IsPlaying());
        }
        rig.player.reset();
        QCoreApplication::processEvents();
        QTest::qWait(20);
        QCOMPARE(rig.listener.calls, QStringList{u"started"_s});
        QCOMPARE(rig.Read(&MemoryAudioOut::State::isOpen), false);
    }

    void play1000TimesInARow_endsCleanly()
    {
        Rig rig;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 1000; ++i)
            QVERIFY(rig.player->Play(Pattern(44100, 2, 2000)));
        QTRY_VERIFY(!rig.player->IsPlaying());
        QTRY_COMPARE(rig.listener.calls.count(u"stopped"_s), 1000);
        QCOMPARE(rig.listener.calls.count(u"started"_s), 1000);
        QVERIFY(rig.listener.calls.count(u"end"_s) <= 1000);
        QCOMPARE(rig.listener.calls.last(), u"stopped"_s);
        QCOMPARE(rig.Read(&MemoryAudioOut::State::isOpen), false);
        qInfo("1000 plays took %lld ms", timer.elapsed());
    }

    void alsaNullDevice_playsFileToItsEnd()
    {
        QCOMPARE(AlsaAudioOut::PcmNameOf(u"[ALSA] null"_s), QByteArray("null"));
        QCOMPARE(AlsaAudioOut::PcmNameOf(u"[Default Sound Out]"_s), QByteArray("default"));
        QCOMPARE(AlsaAudioOut::PcmNameOf(u"[MME] Speakers"_s), QByteArray("default"));
        QCOMPARE(AlsaAudioOut::Devices().value(0).choice, u"[Default Sound Out]"_s);

        // A stored device that is gone plays wherever the default device plays (if anywhere).
        AlsaAudioOut defaultDevice, vanishedDevice;
        const bool defaultOpens = defaultDevice.Open(u"[Default Sound Out]"_s, {44100, 2}, 4410, 64, true);
        QCOMPARE(vanishedDevice.Open(u"[ALSA] clavora-no-such-device"_s, {44100, 2}, 4410, 64, true),
                 defaultOpens);
        defaultDevice.Close();
        vanishedDevice.Close();

        AlsaAudioOut probe;
        if (!probe.Open(u"[ALSA] null"_s, {44100, 2}, 4410, 64, true))
            QSKIP("ALSA's null device cannot be opened on this machine");
        probe.Close();

        RecordingListener listener;
        SoundPlayer player(&listener);
        player.SetOutputDevice(u"[ALSA] null"_s);
        QVERIFY(player.Play(SoundPlayer::Open(Sound("softbeep.mp3"))));
        QTRY_COMPARE_WITH_TIMEOUT(listener.calls, PlayedToEnd, 10000);
        QVERIFY(!player.IsPlaying());
    }
};

QTEST_GUILESS_MAIN(TestSoundPlayer)
#include "tst_soundplayer.moc"
