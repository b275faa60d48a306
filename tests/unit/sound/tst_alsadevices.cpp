// The ALSA output's device list and device choice, on devices this test defines for ALSA.
#include "services/AlsaAudioOut.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

class TestAlsaDevices final : public QObject
{
    Q_OBJECT

private slots:
    // ALSA reads $XDG_CONFIG_HOME/alsa/asoundrc on first use: a default that always opens, a
    // device that plays 48 kHz only (its plug converts when asked) and one that is described.
    void initTestCase()
    {
        QVERIFY(test::WriteFile(
            m_config.filePath(u"alsa/asoundrc"_s),
            "pcm.!default { type null }\n"
            "pcm.clavora_48k { type plug slave { pcm \"null\" rate 48000 }\n"
            "  hint { show on description \"Test Card\nFixed at 48 kHz\" } }\n"
            "pcm.clavora_twin { type null hint { show on description \"Test Card\nFixed at 48 kHz\" } }\n"));
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    }

    void devices_areDescribedWithTheDefaultFirst()
    {
        const QList<SoundOutputDevice> devices = AlsaAudioOut::Devices();
        QVERIFY(!devices.isEmpty());
        QCOMPARE(devices.first(),
                 (SoundOutputDevice{u"[Default Sound Out]"_s, u"Default Playback Device"_s}));
        QStringList choices;
        for (const SoundOutputDevice& device : devices)
            choices.append(device.choice);
        QVERIFY(!choices.contains(u"[ALSA] null"_s));
        QVERIFY(!choices.contains(u"[ALSA] default"_s));
        const qsizetype fixed = choices.indexOf(u"[ALSA] clavora_48k"_s);
        const qsizetype twin = choices.indexOf(u"[ALSA] clavora_twin"_s);
        QVERIFY(fixed > 0 && twin > 0);
        const QString first = u"Test Card: Fixed at 48 kHz"_s;
        QCOMPARE(devices[std::min(fixed, twin)].description, first);
        QCOMPARE(devices[std::max(fixed, twin)].description,
                 first + u" ("_s + choices[std::max(fixed, twin)].mid(7) + u')');
    }

    // Exact format refused, then the player asks for conversion: it must come from the chosen
    // device, not from the default one.
    void deviceChoice_convertsBeforeFallingBack_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("exactOpens");
        QTest::addColumn<bool>("onFallback");
        QTest::addRow("48 kHz device") << u"[ALSA] clavora_48k"_s << false << false;
        QTest::addRow("unplugged device") << u"[ALSA] clavora-no-such-device"_s << false << true;
        QTest::addRow("default device") << u"[Default Sound Out]"_s << true << false;
    }
    void deviceChoice_convertsBeforeFallingBack()
    {
        QFETCH(QString, device);
        AlsaAudioOut output;
        QTEST(output.Open(device, {44100, 2}, 4410, 64, false), "exactOpens");
        QVERIFY(!output.OpenedFallbackDevice());
        QVERIFY(output.Open(device, {44100, 2}, 4410, 64, true));
        QTEST(output.OpenedFallbackDevice(), "onFallback");
        output.Close();
        QVERIFY(!output.OpenedFallbackDevice());
    }

private:
    QTemporaryDir m_config;
};

QTEST_GUILESS_MAIN(TestAlsaDevices)
#include "tst_alsadevices.moc"
