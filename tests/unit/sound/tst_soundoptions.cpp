// The sound page of the options dialog, and the notice when a chosen device is replaced.
#include "audio/SoundOptions.h"
#include "MemoryAudioOut.h"
#include "services/SoundPlayer.h"
#include "settings/UserProfile.h"
#include "TestRegistry.h"

#include <optional>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;
using test::MemoryAudioOut;

namespace {

const QList<SoundOutputDevice> Devices{{u"[Default Sound Out]"_s, u"Default Playback Device"_s},
                                       {u"[ALSA] front"_s, u"Card: Front speakers"_s}};

} // namespace

class TestSoundOptions final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_settings = &m_reg.emplace(u"Alice"_s).settings;
        m_settings->WriteText(u"Settings"_s, u"InstallerPath"_s, QStringLiteral(CLAVORA_SOURCE_DIR "/data"));
        QVERIFY(SoundEvents::InstallDefaultAssignments(*m_settings));
        m_output = std::make_shared<MemoryAudioOut::State>();
        m_output->holding = true;
        m_events = std::make_unique<SoundEvents>(*m_settings, Output());
    }
    void cleanup()
    {
        m_events.reset();
        m_reg.reset();
    }

    // A table with a gap in its award numbers: every event keeps its own row's sound.
    void apply_writesEachRowToItsOwnEvent()
    {
        m_settings->DeleteKey(SoundEvents::AssignmentsKey + u"\\Silver Award"_s);
        m_settings->WriteText(u"Player"_s, u"SoundOutDevice"_s, u"[ALSA] usb-headset"_s);
        SoundOptions page(*m_settings, *m_events, Devices);
        // The device chosen earlier is offered though it is not connected now.
        QCOMPARE(page.DeviceIndex(), 2);
        QCOMPARE(page.Devices().at(2).choice, u"[ALSA] usb-headset"_s);
        page.SetAssignedSound(2, u"hypebeat"_s); // Gold, the third row
        page.SetPlayErrorSounds(true);
        QCOMPARE(SoundEvents::AssignedSound(*m_settings, 3), u"trumpet-n-sax1"_s); // nothing before Apply
        QVERIFY(page.Apply());
        QCOMPARE(SoundEvents::AssignedSound(*m_settings, 3), u"hypebeat"_s);
        QCOMPARE(SoundEvents::AssignedSound(*m_settings, 4), u"hypebeat"_s);
        QCOMPARE(SoundEvents::AssignedSound(*m_settings, 5), u"rockguitar"_s);
        QVERIFY(UserProfile(*m_settings).Get(Profile::PlayErrorSounds));
        QVERIFY(!UserProfile(*m_settings).Get(Profile::PlayAwardSounds));
        QCOMPARE(SoundEvents::OutputDevice(*m_settings), u"[ALSA] usb-headset"_s);
    }

    void restoreDefaults_writesAtOnce()
    {
        SoundEvents::WriteAssignedSound(*m_settings, u"Error"_s, u"rockguitar"_s);
        SoundOptions page(*m_settings, *m_events, Devices);
        QCOMPARE(page.Rows().first().assignedSound, u"rockguitar"_s);
        page.RestoreDefaults();
        QCOMPARE(page.Rows().first().assignedSound, u"softbeep"_s);
        QCOMPARE(SoundEvents::AssignedSound(*m_settings, SoundEvents::ErrorAward), u"softbeep"_s);
    }

    void preview_playsOnTheDeviceChosenOnThePage_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<int>("result");
        QTest::addRow("no row") << -1 << QString() << int(SoundOptions::PreviewResult::NoSelection);
        QTest::addRow("past the rows") << 6 << QString() << int(SoundOptions::PreviewResult::NoSelection);
        QTest::addRow("missing file") << 0 << u"gone"_s << int(SoundOptions::PreviewResult::Failed);
        QTest::addRow("outside the folder")
            << 0 << u"../sounds/softbeep"_s << int(SoundOptions::PreviewResult::Failed);
        QTest::addRow("shipped sound") << 1 << QString() << int(SoundOptions::PreviewResult::Playing);
    }
    void preview_playsOnTheDeviceChosenOnThePage()
    {
        QFETCH(int, row);
        QFETCH(QString, sound);
        SoundOptions page(*m_settings, *m_events, Devices, Output());
        page.SetDeviceIndex(1);
        if (!sound.isEmpty())
            page.SetAssignedSound(row, sound);
        QTEST(int(page.Preview(row)), "result");
        std::lock_guard lock(m_output->lock);
        QCOMPARE(m_output->isOpen, row == 1);
        if (row == 1)
            QCOMPARE(m_output->opens.last().deviceName, u"[ALSA] front"_s);
    }

    void deviceReplacedByDefault_isToldOnce()
    {
        m_output->opensOnFallbackDevice = true;
        QStringList told;
        m_events->SetDeviceFallbackNotice([&told](const QString& device) { told.append(device); });
        UserProfile(*m_settings).Set(Profile::PlayErrorSounds, true);
        m_settings->WriteText(u"Player"_s, u"SoundOutDevice"_s, u"[ALSA] front"_s);
        QVERIFY(m_events->PlayEventSound(SoundEvents::ErrorAward));
        QVERIFY(m_events->PlayEventSound(1));
        SoundOptions page(*m_settings, *m_events, Devices, Output());
        QCOMPARE(int(page.Preview(0)), int(SoundOptions::PreviewResult::Playing));
        QCOMPARE(told, QStringList{u"[ALSA] front"_s});
    }

private:
    SoundEvents::OutputFactory Output() const
    {
        return [state = m_output] { return std::make_unique<MemoryAudioOut>(state); };
    }

    std::optional<test::TestRegistry> m_reg;
    SettingsStore* m_settings = nullptr;
    std::shared_ptr<MemoryAudioOut::State> m_output;
    std::unique_ptr<SoundEvents> m_events;
};

QTEST_GUILESS_MAIN(TestSoundOptions)
#include "tst_soundoptions.moc"
