// The race and the rhythm game in the real program, one after the other on one X server: each is
// opened from the Games tab, played through the X keyboard until it ends by itself, and its stored
// record is read back from the settings database.
#include "DesktopSession.h"
#include "platform/RegistryStore.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;
using test::DesktopSession;

namespace {

const QString User = u"Tester"_s;
// The main window is put in the screen's corner at 1600x1000 (there is no window manager, so no
// frame); the game area starts below the menu bar, tabs and toolbar and fills the rest.
constexpr int HostTop = 110;
constexpr int HostHeight = 890;
constexpr int Centre = 800;

// A point inside a button whose label starts at this share of the game area's height.
int ButtonY(double share)
{
    return HostTop + int(share * HostHeight) + 20;
}

// The first letters of the poems and prose texts the rhythm game draws from, the most frequent
// first; fewer than twenty, so that pressing them all cannot empty the energy bar.
const QString FirstLetters = u"TIMAOFENWHBLDCRJYP"_s;

} // namespace

class RaceRhythmEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void raceAndRhythmGame_areStored()
    {
        DesktopSession desktop;
        if (!desktop.IsReady())
            QSKIP("Xvfb and xdotool are needed");
        // The race's words come from the installation folder: every word is "cat" at the first level.
        QTemporaryDir installation;
        QVERIFY(QDir().mkpath(installation.filePath(u"flurrix"_s)));
        {
            QFile words(installation.filePath(u"flurrix/3letterwords.csv"_s));
            QVERIFY(words.open(QIODevice::WriteOnly) && words.write("cat\n") == 4);
            QDir().mkpath(desktop.DataFolder());
            RegistryStore registry;
            QVERIFY(registry.Open(desktop.DataFolder() + u"/registry.sqlite"_s) ==
                    RegistryStore::OpenResult::Opened);
            SettingsStore settings(registry);
            QVERIFY(settings.CreateUser(User, 5));
            settings.WriteFlag(SettingsStore::SettingsKey, u"CLFirstRun"_s, false);
            settings.WriteText(SettingsStore::SettingsKey, u"InstallerPath"_s, installation.path());
        }
        QProcess* tutor = desktop.Start(DesktopSession::Program);
        const QString window = desktop.FocusWindow(DesktopSession::MainTitle);
        QVERIFY(!window.isEmpty());
        QVERIFY(desktop.RunXdotool(
            {u"windowmove"_s, window, u"0"_s, u"0"_s, u"windowsize"_s, window, u"1600"_s, u"1000"_s}, 15000));
        QTest::qWait(500);
        QVERIFY(desktop.OpenGamesTab(window));
        QVERIFY(desktop.Click(window, 144, 70)); // the race's toolbar button
        QTest::qWait(2000);

        // Three words, then the clock runs out thirty seconds after the first letter.
        QVERIFY(desktop.Click(window, Centre, ButtonY(0.55)));
        QTest::qWait(500);
        QVERIFY(desktop.TypeText(u"cat cat cat"_s, 80));
        const QString race = u"Users\\Tester\\Results\\ThirtySeconds"_s;
        QTRY_VERIFY_WITH_TIMEOUT(desktop.ReadKeys(race).contains(race + u"\\1"_s), 60000);
        const DesktopSession::Values raceValues = desktop.ReadKeys(race);
        QCOMPARE(raceValues.value(race).value(u"LastScore"_s), u"150"_s);
        QCOMPARE(raceValues.value(race).value(u"TotalPoints"_s), u"150"_s);
        QCOMPARE(raceValues.value(race + u"\\1"_s).value(u"Score"_s), u"150"_s);
        QCOMPARE(raceValues.size(), 2);

        // The rhythm game's first letter crosses the scoring band some 2.4 to 3.2 s after the start
        // at full frame rate; each try presses every possible first letter once at a later moment
        // (slower frames), then misses until the energy bar is empty and the game is over.
        QVERIFY(desktop.Click(window, 250, 70)); // the rhythm game's toolbar button
        QTest::qWait(2000);
        const QString rhythm = u"Users\\Tester\\Results\\TypingHero"_s;
        const QString record = rhythm + u"\\1"_s;
        for (const int waitMs : {2550, 2950, 3400, 3900, 4500, 5200}) {
            // "Start" in the menu, then "Play Again" on the game-over panel.
            QVERIFY(desktop.Click(window, Centre, ButtonY(0.46)));
            QTest::qWait(waitMs);
            QVERIFY(desktop.TypeText(FirstLetters, 10));
            QVERIFY(desktop.TypeText(QString(21, u'~'), 10));
            QTest::qWait(500);
            if (desktop.ReadKeys(rhythm).contains(record))
                break;
        }
        const DesktopSession::Values values = desktop.ReadKeys(rhythm);
        // One record: no try scored twice, and games that scored nothing are not stored.
        QCOMPARE(values.keys().filter(rhythm + u"\\"_s), QStringList{record});
        const auto value = [&](const QString& name) { return values.value(record).value(name); };
        QVERIFY(value(u"Score"_s).toInt() >= 10);
        QVERIFY(!value(u"Title"_s).isEmpty());
        QCOMPARE(value(u"Completed"_s), u"0"_s);
        QVERIFY(value(u"LongestStreak"_s).toInt() >= 1);
        QVERIFY(value(u"Accuracy"_s).toDouble() > 0.0 && value(u"Accuracy"_s).toDouble() < 100.0);
        QVERIFY(value(u"CompletionPercentage"_s).toDouble() > 0.0);

        QVERIFY(desktop.Keys({u"alt+F4"_s}));
        QVERIFY(tutor->waitForFinished(10000));
        QCOMPARE(tutor->exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(RaceRhythmEndToEndTest)
#include "tst_racerhythm_e2e.moc"
