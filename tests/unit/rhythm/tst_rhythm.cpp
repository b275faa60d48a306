#include "games/TypingHeroField.h"
#include "games/TypingHeroScreen.h"
#include "games/TypingHeroStore.h"
#include "session/SessionTypes.h"
#include "testsupport/TestClock.h"
#include "testsupport/TestRegistry.h"
#include "unit/games/GameFixture.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

constexpr int RhythmKind = session::Kind::TypingHero;
// On a 1200 x 1024 field letters fall 3 pixels a frame; with a 114-pixel keyboard the hit line
// is at 810, which a letter released at 0 reaches after 270 frames.
constexpr int FramesToLine = 270;

struct Rhythm
{
    explicit Rhythm(const QString& text, qsizetype practiceLength = -1)
    {
        game = TypingHeroGame{u"A Poem"_s, text, practiceLength < 0 ? text.size() : practiceLength, 1.0};
        field.SetGameSource([this] { return game; });
        field.Layout(1200, 1024, 114);
        field.SetState(GameState::Playing);
    }
    void Frames(int count)
    {
        for (int i = 0; i < count; ++i) {
            field.Update();
            clock.Advance(16);
        }
    }
    QString Stored(const QString& name)
    {
        return reg.settings.ReadText(reg.settings.KindResultsKey(RhythmKind) + u"\\1"_s, name);
    }

    test::TestRegistry reg{u"Alice"_s};
    test::TestClock clock;
    TypingHeroStore store{reg.settings, clock};
    TypingHeroField field{clock, store};
    TypingHeroGame game;
};

} // namespace

class TestRhythm final : public QObject
{
    Q_OBJECT

private slots:
    void lanes_data()
    {
        QTest::addColumn<QChar>("character");
        QTest::addColumn<int>("lane");
        QTest::addRow("a") << QChar(u'a') << 0;
        QTest::addRow("@") << QChar(u'@') << 1;
        QTest::addRow("T") << QChar(u'T') << 3;
        QTest::addRow("&") << QChar(u'&') << 4;
        QTest::addRow("comma") << QChar(u',') << 5;
        QTest::addRow("double quote") << QChar(u'"') << 7;
        QTest::addRow("backslash") << QChar(u'\\') << 7;
        QTest::addRow("accented") << QChar(u'é') << -1;
        QTest::addRow("tab") << QChar(u'\t') << -1;
    }
    void lanes()
    {
        QFETCH(QChar, character);
        QTEST(TypingHeroRules::LaneOf(character), "lane");
    }

    void gradingWindows_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("grade");
        QTest::addColumn<int>("score");
        QTest::addRow("on the line") << FramesToLine << 6 << 30;
        QTest::addRow("9 px past (under 1 percent)") << FramesToLine + 3 << 6 << 30;
        QTest::addRow("15 px past (1 to 5 percent)") << FramesToLine + 5 << 5 << 25;
        QTest::addRow("24 px past") << FramesToLine + 8 << 5 << 25;
        QTest::addRow("27 px past: already missed") << FramesToLine + 9 << 1 << 0;
        QTest::addRow("15 px above") << FramesToLine - 5 << 5 << 25;
        QTest::addRow("24 px above") << FramesToLine - 8 << 4 << 20;
        QTest::addRow("60 px above") << FramesToLine - 20 << 3 << 15;
        QTest::addRow("90 px above") << FramesToLine - 30 << 2 << 10;
        QTest::addRow("210 px above") << FramesToLine - 70 << 1 << 0;
    }
    void gradingWindows()
    {
        QFETCH(int, frames);
        QFETCH(int, grade);
        Rhythm rhythm(u"ab"_s);
        rhythm.Frames(frames);
        rhythm.field.Character(u'a');
        QCOMPARE(rhythm.field.LastGrade(), grade);
        QTEST(rhythm.field.Score(), "score");
        QCOMPARE(rhythm.field.GradeDisplay(), TypingHeroField::GradeDisplayFrames);
        QCOMPARE(rhythm.field.Letters().front().hit, grade > 1);
        QCOMPARE(TypingHeroRules::GradeText(grade).isEmpty(), false);
    }

    void twentyMisses_endTheGame()
    {
        Rhythm rhythm(u"abcdefghijklmnopqrstuvwxyz"_s);
        for (int press = 0; press < 19; ++press)
            rhythm.field.Character(u'#');
        QCOMPARE(int(rhythm.field.State()), int(GameState::Playing));
        QVERIFY(rhythm.field.Meter() > 0.0);
        rhythm.field.Character(u'#');
        QCOMPARE(int(rhythm.field.State()), int(GameState::GameOver));
        QCOMPARE(rhythm.field.Meter(), 0.0);
        // A game that scored nothing leaves no record.
        rhythm.Frames(1);
        QCOMPARE(rhythm.field.LastOutcome().score, 0);
        QVERIFY(!rhythm.field.LastOutcome().completed);
        QVERIFY(rhythm.reg.settings.SubkeyNames(rhythm.reg.settings.KindResultsKey(RhythmKind)).isEmpty());
    }

    void finishedText_storesTheWholeRecordOnce()
    {
        Rhythm rhythm(u"a\tb \r\nc"_s);
        QList<int> handedOver;
        rhythm.field.SetScoreHandOver([&](int score) { handedOver.append(score); });
        rhythm.Frames(FramesToLine);
        rhythm.field.Character(u'a');
        rhythm.field.Character(u'x');
        rhythm.Frames(25);
        rhythm.field.Character(u'b');
        // Spaces and line ends were never released: b and c fall 25 frames apart.
        QCOMPARE(rhythm.field.Letters().size(), 3);
        QCOMPARE(rhythm.field.Letters().at(2).character, QChar(u'c'));
        rhythm.Frames(25);
        rhythm.field.Character(u'c');
        QCOMPARE(int(rhythm.field.State()), int(GameState::GameOver));
        rhythm.Frames(2);
        QCOMPARE(handedOver.size(), 1);
        const TypingHeroOutcome& outcome = rhythm.field.LastOutcome();
        QVERIFY(outcome.completed);
        QCOMPARE(outcome.figures.longestStreak, 2);
        QCOMPARE(rhythm.Stored(u"Score"_s), QString::number(outcome.score));
        QCOMPARE(rhythm.Stored(u"Title"_s), u"A Poem"_s);
        QCOMPARE(rhythm.Stored(u"LongestStreak"_s), u"2"_s);
        QCOMPARE(rhythm.Stored(u"Completed"_s), u"1"_s);
        QCOMPARE(rhythm.Stored(u"CompletionPercentage"_s).toDouble(), 100.0);
        QCOMPARE(rhythm.Stored(u"Accuracy"_s).toDouble(), 75.0);
    }

    void figures_data()
    {
        QTest::addColumn<QList<int>>("judgements");
        QTest::addColumn<int>("textLength");
        QTest::addColumn<int>("streak");
        QTest::addColumn<double>("completion");
        QTest::addColumn<double>("accuracy");
        QTest::addRow("no judgements") << QList<int>{} << 10 << 0 << 0.0 << 0.0;
        QTest::addRow("empty text") << QList<int>{6, 6} << 0 << 2 << 0.0 << 100.0;
        QTest::addRow("more hits than text") << QList<int>{6, 5, 4} << 2 << 3 << 100.0 << 100.0;
        QTest::addRow("streak broken") << QList<int>{2, 1, 3, 3, 3, 1} << 20 << 3 << 20.0 << 4 * 100.0 / 6;
    }
    void figures()
    {
        QFETCH(QList<int>, judgements);
        QFETCH(int, textLength);
        const TypingHeroFigures figures = TypingHeroRules::FiguresOf(judgements, false, textLength);
        QTEST(figures.longestStreak, "streak");
        QTEST(figures.completionPercentage, "completion");
        QTEST(figures.accuracy, "accuracy");
    }

    void letterInNoLane_fallsAtTheLeftEdgeAndCanBePressed()
    {
        Rhythm rhythm(u"éa"_s);
        rhythm.Frames(1);
        QCOMPARE(rhythm.field.LetterX(rhythm.field.Letters().front()), 0.0);
        QCOMPARE(rhythm.field.HighlightedKeys(), GuideKeyAndShift{});
        rhythm.Frames(FramesToLine - 1);
        rhythm.field.Character(u'é');
        QCOMPARE(rhythm.field.LastGrade(), 6);
        QCOMPARE(rhythm.field.CurrentIndex(), 1);
    }

    void highlight_usesTheKeyboardGuidesTable()
    {
        Rhythm rhythm(u"  A"_s);
        QCOMPARE(rhythm.field.HighlightedKeys(), GuideKeyTables::KeyForCharacter(u'A'));
        QVERIFY(rhythm.field.HighlightedKeys().shift >= 0);
    }

    void screen_laysTheHitLineAboveTheKeyboardPicture()
    {
        Rhythm rhythm(u"a"_s);
        TypingHeroScreen screen(rhythm.field);
        test::TestSceneHost host;
        screen.Init(host);
        screen.Layout(host, 0, 0, 1600, 1000);
        const QRectF keyboard = TypingHeroRules::KeyboardRect(QSizeF(1600, 1000));
        QCOMPARE(rhythm.field.HitLine(), keyboard.top() - 100.0);
    }

    void emptyText_neverReleasesAndEndsOnAKey()
    {
        Rhythm rhythm(QString(), 0);
        rhythm.Frames(100);
        QVERIFY(rhythm.field.Letters().isEmpty());
        rhythm.field.Character(u'a');
        QCOMPARE(int(rhythm.field.State()), int(GameState::GameOver));
        rhythm.Frames(1);
        QCOMPARE(rhythm.field.LastOutcome().figures.completionPercentage, 100.0);
    }
};

QTEST_GUILESS_MAIN(TestRhythm)
#include "tst_rhythm.moc"
