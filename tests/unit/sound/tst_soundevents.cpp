#include "audio/SoundEvents.h"
#include "MemoryAudioOut.h"
#include "Mpg123Reference.h"
#include "services/SoundPlayer.h"
#include "settings/UserProfile.h"
#include "TestRegistry.h"

#include <optional>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;
using test::MemoryAudioOut;

namespace {

const QString ShippedData = QStringLiteral(CLAVORA_SOURCE_DIR "/data");

QString EventKey(const QString& name)
{
    return SoundEvents::AssignmentsKey + u'\\' + name;
}

} // namespace

class TestSoundEvents final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_settings = &m_reg.emplace(u"Alice"_s).settings;
        QVERIFY(GlobalSettings(*m_settings).Set(Profile::InstallerPath, ShippedData));
        m_output = std::make_shared<MemoryAudioOut::State>();
        m_events = std::make_unique<SoundEvents>(
            *m_settings, [state = m_output] { return std::make_unique<MemoryAudioOut>(state); });
    }

    void cleanup()
    {
        m_events.reset();
        m_reg.reset();
    }

    void installStep_writesTheDefaultTableInOrder()
    {
        QVERIFY(!m_reg->registry.KeyExists(SoundEvents::AssignmentsKey));
        QVERIFY(SoundEvents::InstallDefaultAssignments(*m_settings));

        // Which sound each award plays, and so the table's order, is proven by the tests below.
        const QStringList names = m_settings->SubkeyNames(SoundEvents::AssignmentsKey);
        QCOMPARE(names.size(), 6);
        for (const QString& name : names) {
            QCOMPARE(m_settings->ReadText(EventKey(name), u"EventName"_s), name);
            const QString sound = m_settings->ReadText(EventKey(name), u"AssignedSound"_s);
            QCOMPARE(m_settings->ReadText(EventKey(name), u"DefaultSound"_s), sound);
            QVERIFY2(QFile::exists(SoundEvents::SoundFilePath(*m_settings, sound)), qPrintable(sound));
        }
    }

    void installStep_leavesAnExistingTableAlone()
    {
        QVERIFY(SoundEvents::InstallDefaultAssignments(*m_settings));
        QVERIFY(m_settings->WriteText(EventKey(u"Gold Award"_s), u"AssignedSound"_s, u"hypebeat"_s));
        QVERIFY(m_settings->DeleteKey(EventKey(u"Error"_s)));

        QVERIFY(SoundEvents::InstallDefaultAssignments(*m_settings));
        QCOMPARE(m_settings->SubkeyNames(SoundEvents::AssignmentsKey).size(), 5);
        QCOMPARE(SoundEvents::AssignedSound(*m_settings, 3), u"hypebeat"_s);
        QCOMPARE(SoundEvents::AssignedSound(*m_settings, SoundEvents::ErrorAward), QString());

        // Deleting the whole table lets the installation step write the defaults again.
        QVERIFY(m_settings->DeleteKey(SoundEvents::AssignmentsKey));
        QVERIFY(SoundEvents::InstallDefaultAssignments(*m_settings));
        QCOMPARE(SoundEvents::AssignedSound(*m_settings, 3), u"trumpet-n-sax1"_s);
        QCOMPARE(SoundEvents::AssignedSound(*m_settings, SoundEvents::ErrorAward), u"softbeep"_s);
    }

    void playEventSound_followsLookupAndOptionRules_data()
    {
        QTest::addColumn<bool>("awardSounds");
        QTest::addColumn<bool>("errorSounds");
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("award");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("heard"); // the file heard, or empty for silence

        QTest::addRow("both options off: silent") << false << false << QString() << 1 << true << QString();
        QTest::addRow("bronze") << true << false << QString() << 1 << true << u"sounds/applause3.mp3"_s;
        QTest::addRow("diamond") << true << false << QString() << 5 << true << u"sounds/rockguitar.mp3"_s;
        // The callers filter by option, not the player.
        QTest::addRow("error with only award sounds on")
            << true << false << QString() << -2 << true << u"sounds/softbeep.mp3"_s;
        QTest::addRow("award with only error sounds on")
            << false << true << QString() << 2 << true << u"sounds/trumpets1.mp3"_s;
        QTest::addRow("no event for the award") << true << true << QString() << 0 << true << QString();
        QTest::addRow("table deleted") << true << true << u"delete table"_s << -2 << true << QString();
        QTest::addRow("assigned sound reassigned")
            << true << true << u"bronze=hypebeat"_s << 1 << true << u"sounds/hypebeat.mp3"_s;
        QTest::addRow("assigned file missing")
            << true << true << u"bronze=fanfare-gone"_s << 1 << false << QString();
        QTest::addRow("assigned sound empty") << true << true << u"bronze="_s << 1 << true << QString();
        QTest::addRow("name leaving the sounds folder")
            << true << true << u"bronze=../thirtyseconds/siren"_s << 1 << false << QString();
        QTest::addRow("first matching event wins")
            << true << true << u"extra bronze"_s << 1 << true << u"sounds/applause3.mp3"_s;
        QTest::addRow("award stored unreadable")
            << true << true << u"bronze award=abc"_s << 1 << true << QString();
        QTest::addRow("installation folder without sounds")
            << true << true << u"installer elsewhere"_s << 1 << false << QString();
    }

    void playEventSound_followsLookupAndOptionRules()
    {
        QFETCH(bool, awardSounds);
        QFETCH(bool, errorSounds);
        QFETCH(QString, change);
        QFETCH(int, award);
        QFETCH(QString, heard);

        QVERIFY(SoundEvents::InstallDefaultAssignments(*m_settings));
        UserProfile profile(*m_settings);
        QVERIFY(profile.Set(Profile::PlayAwardSounds, awardSounds));
        QVERIFY(profile.Set(Profile::PlayErrorSounds, errorSounds));
        const QString bronze = EventKey(u"Bronze Award"_s);
        if (change == u"delete table") {
            QVERIFY(m_settings->DeleteKey(SoundEvents::AssignmentsKey));
        } else if (change.startsWith(u"bronze award=")) {
            QVERIFY(m_settings->WriteText(bronze, u"Award"_s, change.section(u'=', 1)));
        } else if (change.startsWith(u"bronze=")) {
            QVERIFY(m_settings->WriteText(bronze, u"AssignedSound"_s, change.section(u'=', 1)));
        } else if (change == u"extra bronze") {
            QVERIFY(m_settings->WriteText(EventKey(u"Extra"_s), u"AssignedSound"_s, u"hypebeat"_s));
            QVERIFY(m_settings->WriteInt(EventKey(u"Extra"_s), u"Award"_s, 1));
        } else if (change == u"installer elsewhere") {
            QVERIFY(GlobalSettings(*m_settings).Set(Profile::InstallerPath, m_reg->Path()));
        }

        QTEST(m_events->PlayEventSound(award), "result");
        if (heard.isEmpty()) {
            QVERIFY(PlayedSound().isEmpty());
        } else {
            const test::ReferenceDecode reference = test::DecodeWithMpg123(ShippedData + u'/' + heard);
            QVERIFY(reference.ok);
            QVERIFY(PlayedSound() == reference.pcm);
        }
        // Both options off never even creates the player.
        QCOMPARE(m_events->EventPlayer() == nullptr, !awardSounds && !errorSounds);
    }

    void playEventSound_usesTheChosenDevice()
    {
        QVERIFY(SoundEvents::InstallDefaultAssignments(*m_settings));
        QVERIFY(UserProfile(*m_settings).Set(Profile::PlayErrorSounds, true));
        QVERIFY(m_events->PlayEventSound(-2));
        QVERIFY(m_settings->WriteText(SoundEvents::PlayerKey, SoundEvents::SoundOutDeviceValue,
                                      u"[ALSA] hw:3,0"_s));
        SoundPlayer* player = m_events->EventPlayer();
        QVERIFY(m_events->PlayEventSound(-2));
        QCOMPARE(m_events->EventPlayer(), player); // one event player for the process
        PlayedSound();
        std::lock_guard lock(m_output->lock);
        QCOMPARE(m_output->opens.size(), 2);
        QCOMPARE(m_output->opens[0].deviceName, QString());
        QCOMPARE(m_output->opens[1].deviceName, u"[ALSA] hw:3,0"_s);
    }

    void playEventSound_stopsWhatThePlayerPlayed()
    {
        QVERIFY(SoundEvents::InstallDefaultAssignments(*m_settings));
        QVERIFY(UserProfile(*m_settings).Set(Profile::PlayAwardSounds, true));
        m_output->holding = true;
        QVERIFY(m_events->PlayEventSound(1));
        QVERIFY(m_events->EventPlayer()->IsPlaying());
        {
            std::lock_guard lock(m_output->lock);
            m_output->holding = false;
        }
        QVERIFY(m_events->PlayEventSound(-2));
        const test::ReferenceDecode beep = test::DecodeWithMpg123(ShippedData + u"/sounds/softbeep.mp3"_s);
        QVERIFY(PlayedSound() == beep.pcm);
        std::lock_guard lock(m_output->lock);
        QCOMPARE(m_output->opens.size(), 2);
        QCOMPARE(m_output->closes, 2);
    }

    void playEventSound_withoutAudioOutput_failsQuietly()
    {
        QVERIFY(SoundEvents::InstallDefaultAssignments(*m_settings));
        QVERIFY(UserProfile(*m_settings).Set(Profile::PlayErrorSounds, true));
        m_output->refuseEverything = true;
        for (int i = 0; i < 3; ++i)
            QVERIFY(!m_events->PlayEventSound(-2));
        QVERIFY(!m_events->EventPlayer()->IsPlaying());
    }

private:
    // Waits until the event player has played its sound out and returns what reached the output.
    QByteArray PlayedSound() const
    {
        SoundPlayer* player = m_events->EventPlayer();
        if (!player)
            return {};
        if (!QTest::qWaitFor([player] { return !player->IsPlaying(); }, 10000))
            return QByteArray("still playing");
        std::lock_guard lock(m_output->lock);
        return m_output->written;
    }

    std::optional<test::TestRegistry> m_reg;
    SettingsStore* m_settings = nullptr;
    std::shared_ptr<MemoryAudioOut::State> m_output;
    std::unique_ptr<SoundEvents> m_events;
};

QTEST_GUILESS_MAIN(TestSoundEvents)
#include "tst_soundevents.moc"
