#include "games/TextLabel.h"
#include "games/ThirtySecondsField.h"
#include "games/ThirtySecondsRules.h"
#include "games/ThirtySecondsScreen.h"
#include "games/ThirtySecondsStore.h"
#include "platform/RandomGenerator.h"
#include "session/SessionTypes.h"
#include "testsupport/TestClock.h"
#include "testsupport/TestRegistry.h"
#include "unit/games/GameFixture.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

constexpr int RaceKind = session::Kind::ThirtySeconds;

class CountingSounds final : public RaceSounds
{
public:
    void PlayErrorSound() override { ++errors; }
    void PlayMissedWord() override { ++missedWords; }
    void PlaySiren() override { ++sirens; }
    bool SirenPlaying() const override { return sirens > 0; }

    int errors = 0;
    int missedWords = 0;
    int sirens = 0;
};

// A user with a race field on a 1000 x 800 screen whose lists hold one word per length.
struct Race
{
    Race()
    {
        field.SetWordLists({{u"cat"_s},
                            {u"fish"_s},
                            {u"horse"_s},
                            {u"rabbit"_s},
                            {u"giraffe"_s},
                            {u"elephant"_s},
                            {u"crocodile"_s}});
        field.SetPlayErrorSounds(true);
        field.SetScoreHandOver([this](int score) { handedOver.append(score); });
        field.Layout(1000, 800);
    }
    void Start()
    {
        field.SetState(GameState::Playing);
        Frames(ThirtySecondsRules::QueueLength);
    }
    void Frames(int count)
    {
        for (int i = 0; i < count; ++i)
            field.Update();
    }
    void Type(const QString& text)
    {
        for (const QChar character : text)
            field.Character(character);
        field.Update();
    }
    void TypeCurrentWord() { Type(field.Queue().front().text); }
    int RecordCount() { return int(settings.SubkeyNames(settings.KindResultsKey(RaceKind)).size()); }

    test::TestRegistry reg{u"Alice"_s};
    SettingsStore& settings = reg.settings;
    test::TestClock clock;
    RandomGenerator random{7};
    CountingSounds sounds;
    ThirtySecondsStore store{settings, clock};
    ThirtySecondsField field{clock, random, store, sounds};
    QList<int> handedOver;
};

// The texts of the labels and buttons shown now.
QStringList ShownTexts(const SceneNode::Children& nodes)
{
    QStringList texts;
    for (const auto& node : nodes) {
        if (!node->IsShown())
            continue;
        if (const auto* label = dynamic_cast<const TextLabel*>(node.get()))
            texts.append(label->Text());
        texts += ShownTexts(node->ChildNodes());
    }
    return texts;
}

void Click(const SceneNode::Children& nodes, const QString& text)
{
    for (const auto& node : nodes) {
        if (node->IsShown() && node->WantsMouse() && dynamic_cast<const TextLabel&>(*node).Text() == text)
            return node->Click();
        Click(node->ChildNodes(), text);
    }
}

} // namespace

class TestRace final : public QObject
{
    Q_OBJECT

private slots:
    void progressAndStartLevel_data()
    {
        QTest::addColumn<int>("totalPoints");
        QTest::addColumn<int>("progressLevel");
        QTest::addColumn<int>("startLevel");
        QTest::addRow("nothing yet") << 0 << 1 << 1;
        QTest::addRow("3000 is not above 3000") << 3000 << 1 << 1;
        QTest::addRow("3001") << 3001 << 2 << 1;
        QTest::addRow("12000") << 12000 << 3 << 1;
        QTest::addRow("12001") << 12001 << 4 << 2;
        QTest::addRow("182001") << 182001 << 8 << 4;
        QTest::addRow("364001") << 364001 << 9 << 4;
        QTest::addRow("negative stored total") << -5 << 1 << 1;
    }
    void progressAndStartLevel()
    {
        QFETCH(int, totalPoints);
        QTEST(ThirtySecondsRules::ProgressLevel(totalPoints), "progressLevel");
        QTEST(ThirtySecondsRules::StartLevel(totalPoints), "startLevel");
    }

    void clockText_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::addRow("over a minute") << 70.5 << u"1:10.50"_s;
        QTest::addRow("below ten") << 9.5 << u"0:09.50"_s;
        QTest::addRow("rounds up to ten") << 9.999 << u"0:10.00"_s;
        QTest::addRow("rounds up to a minute") << 59.999 << u"1:00.00"_s;
        QTest::addRow("zero") << 0.0 << u"0:00.00"_s;
        QTest::addRow("negative") << -3.0 << u"0:00.00"_s;
    }
    void clockText()
    {
        QFETCH(double, seconds);
        QTEST(ThirtySecondsRules::ClockText(seconds), "text");
    }

    void levelBonus_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("secondsLeft");
        QTest::addColumn<int>("missed");
        QTest::addColumn<double>("bonusSeconds");
        QTest::addColumn<int>("bonusPoints");
        QTest::addRow("level 1, no miss, 22 s") << 1 << 22.0 << 0 << 25.0 << 1250;
        QTest::addRow("level 1, a miss, 22 s") << 1 << 22.0 << 1 << 20.0 << 1000;
        QTest::addRow("level 3, no miss, 10 s exactly") << 3 << 10.0 << 0 << 15.0 << 2250;
        QTest::addRow("level 2, misses, 2 s") << 2 << 2.0 << 4 << 10.0 << 1000;
    }
    void levelBonus()
    {
        QFETCH(int, level);
        QFETCH(double, secondsLeft);
        QFETCH(int, missed);
        const LevelBonus bonus = ThirtySecondsRules::BonusFor(level, secondsLeft, missed);
        QTEST(bonus.seconds, "bonusSeconds");
        QTEST(bonus.points, "bonusPoints");
    }

    void twelveWordsWithoutMiss_raiseTheLevelWithBonus()
    {
        Race race;
        race.Start();
        race.Type(u"c"_s); // the first key starts the clock
        race.clock.Advance(8000);
        race.Type(u"at"_s);
        for (int word = 1; word < 12; ++word)
            race.TypeCurrentWord();
        QCOMPARE(race.field.Level(), 2);
        QCOMPARE(race.field.Score(), 12 * 50 + 1250);
        QCOMPARE(race.field.TimeLeft(), 47.0);
        QCOMPARE(race.field.BonusText(), u"+25 Seconds!"_s);
        // The words queued after the eleventh were already one letter longer.
        QCOMPARE(race.field.Queue().front().text, u"fish"_s);
    }

    void wrongLetter_losesTheWordAtOnce()
    {
        Race race;
        race.Start();
        race.Type(u" cx"_s);
        QCOMPARE(race.field.MissedThisLevel(), 1);
        QVERIFY(race.field.Done().front().missed);
        QCOMPARE(race.sounds.errors, 1);
        QCOMPARE(race.sounds.missedWords, 1);
        QCOMPARE(race.field.Score(), 0);
        // A second space before a word is a wrong letter.
        race.Type(u"  "_s);
        QCOMPARE(race.field.MissedThisLevel(), 2);
    }

    void clock_runsOnlyFromTheFirstKeyAndNotWhilePaused()
    {
        Race race;
        race.Start();
        race.clock.Advance(5000);
        race.Frames(1);
        QCOMPARE(race.field.ClockText(), u"0:30.00"_s);
        race.Type(u"c"_s);
        race.clock.Advance(2500);
        race.Frames(1);
        QCOMPARE(race.field.ClockText(), u"0:27.50"_s);
        race.field.SetState(GameState::Paused);
        race.clock.Advance(10000);
        race.field.SetState(GameState::Playing);
        race.Frames(1);
        QCOMPARE(race.field.TimeLeft(), 27.5);
        race.Type(u"a"_s);
        race.clock.Advance(500);
        race.Frames(1);
        QCOMPARE(race.field.TimeLeft(), 27.0);
    }

    void clockRunningOut_storesOnceAndEndsTheGame()
    {
        Race race;
        race.settings.WriteKindInt(RaceKind, u"TotalPoints"_s, 2950);
        race.Start();
        race.TypeCurrentWord();
        race.TypeCurrentWord();
        race.clock.Advance(24000);
        race.Frames(1);
        QVERIFY(race.field.ClockPulses());
        QCOMPARE(race.sounds.sirens, 1);
        race.Frames(3);
        QCOMPARE(race.sounds.sirens, 1);
        race.clock.Advance(7000);
        race.Frames(3);
        QCOMPARE(int(race.field.State()), int(GameState::GameOver));
        QCOMPARE(race.field.LastOutcome().score, 100);
        QVERIFY(race.field.LastOutcome().levelUp);
        QCOMPARE(race.handedOver, QList<int>{100});
        QCOMPARE(race.store.LastScore(), 100);
        QCOMPARE(race.store.TotalPoints(), 3050);
        QCOMPARE(race.RecordCount(), 1);
        QCOMPARE(race.settings.ReadText(race.settings.KindResultsKey(RaceKind) + u"\\1"_s, u"Score"_s),
                 u"100"_s);
        // The field is ready for the next game.
        QCOMPARE(race.field.ClockText(), u"0:30.00"_s);
        QCOMPARE(race.field.Score(), 0);
    }

    void startLevelFromTotalPoints_choosesLongerWords()
    {
        Race race;
        race.settings.WriteKindInt(RaceKind, u"TotalPoints"_s, 12001);
        race.Start();
        QCOMPARE(race.field.Level(), 2);
        QCOMPARE(race.field.Queue().front().text, u"fish"_s);
        race.TypeCurrentWord();
        QCOMPARE(race.field.Score(), 100);
    }

    void reset_forgetsEveryGameAndLeavesNoRecord()
    {
        Race race;
        race.Start();
        race.TypeCurrentWord();
        race.field.SetState(GameState::Paused);
        race.field.EndGame();
        QCOMPARE(race.RecordCount(), 1);
        race.field.ResetProgress();
        QCOMPARE(race.RecordCount(), 0);
        QCOMPARE(race.store.TotalPoints(), 0);
        QCOMPARE(race.store.LastScore(), 0);
    }

    void screen_gameOverShowsLevelUpOnlyWhenTheLevelRose_andResetAsksFirst_data()
    {
        QTest::addColumn<int>("totalBefore");
        QTest::addColumn<bool>("levelUp");
        QTest::addRow("level rose, reset confirmed") << 2990 << true;
        QTest::addRow("same level, reset cancelled") << 0 << false;
    }

    void screen_gameOverShowsLevelUpOnlyWhenTheLevelRose_andResetAsksFirst()
    {
        QFETCH(int, totalBefore);
        QFETCH(bool, levelUp);
        Race race;
        race.settings.WriteKindInt(RaceKind, u"TotalPoints"_s, totalBefore);
        test::TestSceneHost host;
        ThirtySecondsScreen screen(race.field, race.store);
        int questions = 0;
        screen.SetResetQuestion([&] {
            ++questions;
            return levelUp;
        });
        screen.Init(host);
        screen.Layout(host, 0, 0, 1000, 800);
        Click(screen.MenuItems(), u"Start"_s);
        for (int frame = 0; frame < ThirtySecondsRules::QueueLength; ++frame)
            screen.Update(host);
        race.TypeCurrentWord();
        race.clock.Advance(31000);
        screen.Update(host);
        QCOMPARE(screen.State(), GameState::GameOver);
        const QStringList panel = ShownTexts(screen.GameChildren());
        QVERIFY(panel.contains(u"50"_s));
        QCOMPARE(panel.contains(u"Level Up!"_s), levelUp);
        Click(screen.GameChildren(), u"Return to Menu"_s);
        const QString total = QString::number(totalBefore + 50);
        QVERIFY(ShownTexts(screen.MenuItems()).contains(total));

        Click(screen.MenuItems(), u"Reset"_s); // confirmed only where the level rose
        QCOMPARE(questions, 1);
        QCOMPARE(race.RecordCount(), levelUp ? 0 : 1);
        QCOMPARE(ShownTexts(screen.MenuItems()).contains(total), !levelUp);
    }

    void emptyWordLists_neverQueueOrCrash()
    {
        Race race;
        race.field.SetWordLists({{}, {u""_s}});
        race.Start();
        race.Type(u"abc"_s);
        QVERIFY(race.field.Queue().isEmpty());
        QCOMPARE(race.field.Score(), 0);
    }

    void noUser_storesNothing()
    {
        Race race;
        race.settings.WriteText(SettingsStore::SettingsKey, u"CurrentUser"_s, QString());
        race.Start();
        race.TypeCurrentWord();
        race.field.EndGame();
        QCOMPARE(race.handedOver, QList<int>{50});
        QCOMPARE(race.store.TotalPoints(), 0);
    }
};

QTEST_GUILESS_MAIN(TestRace)
#include "tst_race.moc"
