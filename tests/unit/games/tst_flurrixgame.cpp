// Scripted falling-words games on a test clock with a fixed seed: completing words, special
// words, bombs, landings, game over, storing once, the course break, and spawns that cannot work.
#include "GameFixture.h"
#include "games/SceneButton.h"
#include "platform/KeyCodes.h"

#include <QTest>

using namespace clavora;
using namespace clavora::test;
using namespace Qt::StringLiterals;

namespace {

// Puts a word just above its landing line: by default the next frame's fall lands it.
FallingWord* AboutToLand(FlurrixField& field, const QString& text, int pixelsAbove = 1)
{
    FallingWord* word = field.InsertWord(text, 0);
    word->SetPosition(10, FlurrixFixture::Height - FlurrixRules::LandingMargin - pixelsAbove);
    return word;
}

// Scores one word, then loses the last of the health to a landing in one frame.
void ScoreThenLose(FlurrixFixture& game, const QString& text, int kind)
{
    game.Start();
    FlurrixField& field = game.Field();
    field.InsertWord(text, kind);
    game.Type(text);
    field.SetHealth(25);
    AboutToLand(field, u"lass"_s);
    game.Frame();
}

} // namespace

class TestFlurrixGame final : public QObject
{
    Q_OBJECT

private slots:
    void anyKey_startsAGame_andAWordFalls()
    {
        FlurrixFixture game;
        QCOMPARE(game.screen.State(), GameState::Menu);
        game.screen.KeyDown(VkEscape);
        QCOMPARE(game.screen.State(), GameState::Menu);
        game.Start();
        QCOMPARE(game.screen.State(), GameState::Playing);
        QCOMPARE(game.Field().FallingWords().size(), size_t(1));
        const FallingWord& word = *game.Field().FallingWords().front();
        QVERIFY(word.IsPlaced());
        QVERIFY(word.X() + 84 <= FlurrixFixture::Width);
        game.Frame();
        QCOMPARE(word.Y(), 2.0); // skill 0.1 on a 600-pixel field: one pixel a frame
    }

    void completingWords_scoresAndLevelsUp()
    {
        FlurrixFixture game;
        FlurrixField& field = game.Started();
        field.SetHealth(50);
        game.Type(field.FallingWords().front()->Text());
        QCOMPARE(field.Score(), 10);
        QCOMPARE(field.Level(), 2);
        QCOMPARE(field.Health(), 52);
        QVERIFY(field.TypedText().isEmpty());
        QCOMPARE(field.FallingWords().size(), size_t(1)); // the next word comes at once
    }

    void specialWords_haveTheirEffects_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("health");
        QTest::addColumn<int>("bombs");
        QTest::addRow("healing") << 1 << 100 << 100 << 3;
        QTest::addRow("ten times the points") << 2 << 1000 << 42 << 3;
        QTest::addRow("extra bomb") << 4 << 100 << 42 << 4;
    }
    void specialWords_haveTheirEffects()
    {
        QFETCH(int, kind);
        FlurrixFixture game;
        FlurrixField& field = game.Started();
        field.SetHealth(40);
        field.InsertWord(u"gask"_s, kind);
        game.Type(u"gask"_s);
        QTEST(field.Score(), "score");
        QTEST(field.Health(), "health");
        QTEST(field.Bombs(), "bombs");
    }

    void clearingWord_clearsTheScreenWithoutABomb()
    {
        FlurrixFixture game;
        FlurrixField& field = game.Started();
        const int waiting = FlurrixRules::PointsForLength(int(field.FallingWords().front()->Text().size()));
        field.InsertWord(u"flask"_s, 0);
        field.InsertWord(u"sad"_s, 3);
        game.Type(u"sad"_s);
        // sad, then the words cleared: flask, the waiting word and the word that came at once.
        QCOMPARE(field.Score(), 50 + 150 + waiting + 10);
        QCOMPARE(field.Bombs(), FlurrixRules::StartBombs);
        QCOMPARE(field.FallingWords().size(), size_t(1));
    }

    void bomb_clearsAndScores_untilNoneAreLeft()
    {
        FlurrixFixture game;
        FlurrixField& field = game.Started();
        field.InsertWord(u"glass"_s, 2); // no ten times for a bombed word
        game.screen.KeyDown(VkSpace);
        QCOMPARE(field.Score(), 150 + 10);
        QVERIFY(field.FallingWords().empty());
        QCOMPARE(field.Bombs(), 2);
        field.SetBombs(0);
        field.InsertWord(u"glass"_s, 0);
        game.screen.KeyDown(VkSpace);
        QCOMPARE(field.FallingWords().size(), size_t(1));
        QCOMPARE(field.Score(), 160);
    }

    void wordLands_exactlyAtTheLandingLine()
    {
        FlurrixFixture game;
        FlurrixField& field = game.Started();
        FallingWord* word = AboutToLand(field, u"lad"_s, 2);
        game.Frame();
        QCOMPARE(field.Health(), 100);
        QCOMPARE(field.FallingWords().front().get(), word);
        game.Frame();
        QCOMPARE(field.Health(), 75);
        QVERIFY(std::none_of(field.FallingWords().cbegin(), field.FallingWords().cend(),
                             [word](const auto& each) { return each.get() == word; }));
    }

    void wrongKey_costsHealthOnlyFromLevelSix_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("health");
        QTest::addRow("level 5") << 5 << 100;
        QTest::addRow("level 6") << 6 << 97;
    }
    void wrongKey_costsHealthOnlyFromLevelSix()
    {
        QFETCH(int, level);
        FlurrixFixture game;
        FlurrixField& field = game.Started();
        field.SetLevel(level);
        FallingWord* as = field.InsertWord(u"as"_s, 0);
        FallingWord* at = field.InsertWord(u"at"_s, 0);
        game.Type(u"a"_s);
        QCOMPARE(as->MatchedLength(), 1);
        QCOMPARE(at->MatchedLength(), 1);
        QCOMPARE(game.environment.errorSounds, 0);
        game.Type(u"x"_s);
        QVERIFY(field.TypedText().isEmpty());
        QTEST(field.Health(), "health");
        QCOMPARE(game.environment.errorSounds, 1);
        game.Frame();
        QCOMPARE(as->MatchedLength(), 0); // nothing typed, nothing shown as matched
    }

    void lastLanding_endsTheGameInTheSameFrame_andStoresOnce()
    {
        FlurrixFixture game;
        ScoreThenLose(game, u"gas"_s, 2);
        const FlurrixField& field = game.Field();
        QCOMPARE(game.screen.State(), GameState::GameOver);
        QCOMPARE(game.environment.endedScores, QList<int>{500});
        QCOMPARE(field.HighScore(), 500);
        game.Frame();
        game.screen.SetState(GameState::Menu); // "Return to menu"
        QCOMPARE(game.environment.endedScores.size(), 1);
        QCOMPARE(game.environment.breaksEnded, 0);
    }

    void menuFromPause_storesTheGame()
    {
        FlurrixFixture game;
        game.environment.highScore = 900;
        game.Start();
        game.screen.KeyDown(VkEscape);
        QCOMPARE(game.screen.State(), GameState::Paused);
        QVERIFY(game.screen.EndButton().IsShown());
        const_cast<SceneButton&>(game.screen.EndButton()).Click();
        QCOMPARE(game.screen.State(), GameState::Menu);
        QCOMPARE(game.environment.endedScores, QList<int>{0});
        QCOMPARE(game.environment.highScore, 900);
    }

    void pausedGame_resumesWithAnyKey_andPlaysIt()
    {
        FlurrixFixture game;
        FlurrixField& field = game.Started();
        game.screen.KeyDown(VkEscape);
        game.screen.KeyDown(VkEscape); // Esc resumes and pauses again at once
        QCOMPARE(game.screen.State(), GameState::Paused);
        game.screen.KeyDown(VkSpace);
        QCOMPARE(game.screen.State(), GameState::Playing);
        QCOMPARE(field.Bombs(), 2);
        QVERIFY(game.environment.endedScores.isEmpty());
    }

    void startButtonClick_startsAndReadsResumeWhenPaused()
    {
        FlurrixFixture game;
        game.Frame();
        const SceneButton& start = game.screen.StartButton();
        const QPointF middle(start.Left() + start.Size().width() / 2, start.Y() + start.Size().height() / 2);
        game.screen.MouseDown(middle.x(), middle.y());
        game.screen.MouseUp(middle.x() + 300, middle.y()); // released elsewhere: no click
        QCOMPARE(game.screen.State(), GameState::Menu);
        game.screen.MouseDown(middle.x(), middle.y());
        game.screen.MouseUp(middle.x(), middle.y());
        QCOMPARE(game.screen.State(), GameState::Playing);
        game.screen.KeyDown(VkEscape);
        QCOMPARE(start.Text(), u"Resume"_s);
    }

    void lostBreakGame_returnsToTheMenu_andHandsBackToTheCourse()
    {
        FlurrixFixture game;
        game.Field().SetBreakMode(true);
        ScoreThenLose(game, u"dad"_s, 0);
        const FlurrixField& field = game.Field();
        QCOMPARE(game.screen.State(), GameState::Menu);
        QCOMPARE(game.environment.endedScores, QList<int>{50});
        QCOMPARE(game.environment.breaksEnded, 1);
        QVERIFY(!field.BreakMode());
        QCOMPARE(field.Score(), 0);
        game.Frame();
        QCOMPARE(game.environment.endedScores.size(), 1);
    }

    void letterSet_keepsOtherWordsOff()
    {
        FlurrixFixture game(
            {u"a,q,s,x,d,z,f"_s, u"as,qa,ad,ax,za,fa,ok"_s, u"sad,ask,zap,dad,lad,fax,end"_s});
        game.Start();
        for (int frame = 0; frame < 3000; ++frame) {
            game.Field().SetLevel(3 + frame % 4);
            game.Field().SetHealth(100);
            game.Frame();
            for (const auto& word : game.Field().FallingWords()) {
                for (const QChar ch : word->Text())
                    QVERIFY2(u"asdfghjkl;"_s.contains(ch), qPrintable(word->Text()));
            }
        }
    }

    void noDrawableWord_endsTheGameWithAMessage_data()
    {
        QTest::addColumn<QStringList>("lists");
        QTest::addRow("no lists") << QStringList();
        QTest::addRow("only letters not learned") << QStringList{u"x,y,q,z"_s};
        QTest::addRow("only the last word fits") << QStringList{u"x,y,a"_s};
    }
    void noDrawableWord_endsTheGameWithAMessage()
    {
        QFETCH(QStringList, lists);
        FlurrixFixture game(lists);
        game.Start();
        QCOMPARE(game.screen.State(), GameState::Menu);
        QVERIFY(game.Field().Notice().contains(u"No words are available"_s));
        QVERIFY(game.environment.endedScores.isEmpty()); // no word shown: no game stored
    }

    void levelWithoutWords_endsAfterStoringTheScore()
    {
        FlurrixFixture game({u"a,s,d"_s}); // nothing for levels 11 and up
        game.Start();
        FlurrixField& field = game.Field();
        game.Type(field.FallingWords().front()->Text());
        field.SetLevel(11);
        game.Type(field.FallingWords().front()->Text());
        QCOMPARE(game.screen.State(), GameState::Menu);
        QCOMPARE(game.environment.endedScores, QList<int>{20});
        QVERIFY(!field.Notice().isEmpty());
        game.Start(); // a new game clears the message
        QCOMPARE(game.screen.State(), GameState::Playing);
        QVERIFY(field.Notice().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFlurrixGame)
#include "tst_flurrixgame.moc"
