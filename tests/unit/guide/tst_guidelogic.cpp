#include "FakeSessionHost.h"
#include "KeyInput.h"
#include "session/GuideKeyTables.h"
#include "session/GuideScene.h"
#include "session/KeyboardGuide.h"
#include "session/KeypadGuide.h"
#include "TestClock.h"

#include <QTest>

using namespace clavora;
using namespace clavora::session;
using namespace Qt::StringLiterals;

namespace {

// A scene as "picture@x,y" words in painting order, easy to compare and to read in a failure.
QString Describe(const GuideScene& scene)
{
    QStringList words;
    for (const GuideDrawing& drawing : scene.Drawings())
        words << u"%1@%2,%3"_s.arg(drawing.picture).arg(drawing.position.x()).arg(drawing.position.y());
    return words.join(u' ');
}

// The first highlight a scene shows, as "picture@x,y", or "none".
QString FirstHighlight(const GuideScene& scene)
{
    return scene.Drawings().size() < 3 ? u"none"_s : Describe(scene).split(u' ').at(1);
}

// Every picture a scene draws must be among those its panel decodes ahead.
void VerifyPicturesArePreloaded(const GuideScene& scene, const QList<int>& preloaded)
{
    for (const GuideDrawing& drawing : scene.Drawings())
        QVERIFY2(preloaded.contains(drawing.picture), qPrintable(QString::number(drawing.picture)));
}

constexpr int KeyboardWidth = GuideKeyTables::KeyboardPictureSize.width();
constexpr int KeypadWidth = GuideKeyTables::KeypadPictureSize.width();

// Starts and stops the guides' demonstrations as the main window does, and fires the
// demonstration timer each time the test clock has moved on by its period.
class GuideHost final : public test::FakeSessionHost
{
public:
    explicit GuideHost(test::TestClock& clock) : m_clock(clock)
    {
        coursePosition = 1;
        options.displayAnimations = true;
    }

    KeyboardGuide* keyboard = nullptr;
    KeypadGuide* keypad = nullptr;

    void StopGuideDemonstration() override
    {
        keyboard->Demonstration().Stop();
        keypad->Demonstration().Stop();
        m_armedAt.reset();
    }
    void StartGuideDemonstration(Guide guide, const QString& keys) override
    {
        m_running = guide == Guide::Keypad ? &keypad->Demonstration() : &keyboard->Demonstration();
        if (m_running->Start(keys))
            m_armedAt = m_clock.TickMs();
    }

    // Lets time pass, stepping the running demonstration whenever its timer comes due.
    void Advance(qint64 ms)
    {
        const qint64 until = m_clock.TickMs() + ms;
        while (m_armedAt && *m_armedAt + GuideDemonstration::StepMs <= until) {
            m_clock.Advance(*m_armedAt + GuideDemonstration::StepMs - m_clock.TickMs());
            m_armedAt.reset();
            if (m_running->Step(state, kind))
                m_armedAt = m_clock.TickMs();
        }
        m_clock.Advance(until - m_clock.TickMs());
    }
    bool IsTimerArmed() const { return m_armedAt.has_value(); }

private:
    test::TestClock& m_clock;
    GuideDemonstration* m_running = nullptr;
    std::optional<qint64> m_armedAt;
};

} // namespace

class GuideLogicTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::TestClock> m_clock;
    std::unique_ptr<GuideHost> m_host;
    std::unique_ptr<TypingSession> m_session;
    std::unique_ptr<KeyboardGuide> m_keyboard;
    std::unique_ptr<KeypadGuide> m_keypad;

    void StartLesson(int kind, const QString& text, const QString& introducedKeys)
    {
        m_host->introducedKeys = introducedKeys;
        m_session->LoadText(text, 1001);
        m_host->SetState(Typing, kind);
    }

private slots:
    void init()
    {
        m_keypad.reset();
        m_keyboard.reset();
        m_session.reset();
        m_clock = std::make_unique<test::TestClock>();
        m_host = std::make_unique<GuideHost>(*m_clock);
        m_session = std::make_unique<TypingSession>(*m_host, *m_clock);
        m_keyboard = std::make_unique<KeyboardGuide>(m_session->Typed());
        m_keypad = std::make_unique<KeypadGuide>(m_session->Typed());
        m_host->session = m_session.get();
        m_host->keyboard = m_keyboard.get();
        m_host->keypad = m_keypad.get();
    }

    void keyForCharacter_data()
    {
        QTest::addColumn<QChar>("character");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("keypadKey");

        QTest::addRow("a") << QChar(u'a') << 10 << -1 << -1;
        QTest::addRow("A, left hand, right Shift") << QChar(u'A') << 10 << 47 << -1;
        QTest::addRow("J, right hand, left Shift") << QChar(u'J') << 19 << 46 << -1;
        QTest::addRow("1") << QChar(u'1') << 0 << -1 << 11;
        QTest::addRow("caret, right hand") << QChar(u'^') << 5 << 46 << -1;
        QTest::addRow("5 on both") << QChar(u'5') << 4 << -1 << 9;
        QTest::addRow("plus") << QChar(u'+') << 42 << 46 << 7;
        QTest::addRow("star") << QChar(u'*') << 7 << 46 << 2;
        QTest::addRow("slash") << QChar(u'/') << 49 << -1 << 1;
        QTest::addRow("tilde, left hand") << QChar(u'~') << 51 << 47 << -1;
        QTest::addRow("space bar") << QChar(u' ') << 50 << -1 << -1;
        QTest::addRow("line feed is Enter") << QChar(u'\n') << 41 << -1 << 14;
        QTest::addRow("carriage return") << QChar(u'\r') << -1 << -1 << -1;
        QTest::addRow("e acute") << QChar(u'é') << -1 << -1 << -1;
        QTest::addRow("null") << QChar() << -1 << -1 << -1;
        QTest::addRow("lone surrogate") << QChar(0xD83D) << -1 << -1 << -1;
    }

    void keyForCharacter()
    {
        QFETCH(QChar, character);
        QFETCH(int, key);
        QFETCH(int, shift);
        QCOMPARE(GuideKeyTables::KeyForCharacter(character), (GuideKeyAndShift{key, shift}));
        QTEST(GuideKeyTables::KeypadKeyForCharacter(character), "keypadKey");
    }

    void characterTables_coverTheirKeysOnly()
    {
        // 96 characters on the keyboard (47 of them shifted), 16 on the keypad; every key but
        // Backspace, the Shift keys and Num Lock types one.
        int keyboard = 0;
        int shifted = 0;
        int keypad = 0;
        QSet<int> keyboardKeys;
        QSet<int> keypadKeys;
        for (int code = 0; code <= 0xFFFF; ++code) {
            const QChar character(static_cast<char16_t>(code));
            const GuideKeyAndShift keys = GuideKeyTables::KeyForCharacter(character);
            if (keys.key >= 0) {
                ++keyboard;
                keyboardKeys.insert(keys.key);
            }
            shifted += keys.shift >= 0 ? 1 : 0;
            const int keypadKey = GuideKeyTables::KeypadKeyForCharacter(character);
            if (keypadKey >= 0) {
                ++keypad;
                keypadKeys.insert(keypadKey);
            }
        }
        QCOMPARE(keyboard, 96);
        QCOMPARE(shifted, 47);
        QCOMPARE(keypad, 16);
        QCOMPARE(keyboardKeys.size(), GuideKeyTables::KeyboardKeyCount - 3);
        for (const int key : {int(GuideKey::Backspace), int(GuideKey::LeftShift), int(GuideKey::RightShift)})
            QVERIFY(!keyboardKeys.contains(key));
        QVERIFY(!keypadKeys.contains(0));
    }

    void keyNumbersOutsideTables_haveNoKey()
    {
        for (const int key : {-1, 52, 1000, std::numeric_limits<int>::min()})
            QVERIFY2(!GuideKeyTables::KeyboardKey(key), qPrintable(QString::number(key)));
        for (const int key : {-1, 17, std::numeric_limits<int>::max()})
            QVERIFY2(!GuideKeyTables::KeypadKey(key), qPrintable(QString::number(key)));
        QVERIFY(GuideKeyTables::KeyboardKey(51));
        QVERIFY(GuideKeyTables::KeypadKey(16));
    }

    void alphaForOpacity_data()
    {
        QTest::addColumn<double>("opacity");
        QTest::addColumn<int>("alpha");
        QTest::addRow("half") << 0.5 << 153;
        QTest::addRow("full") << 1.0 << 255;
        QTest::addRow("quarter") << 0.25 << 95;
        QTest::addRow("none") << 0.0 << 0;
        QTest::addRow("below range") << -0.5 << 0;
        QTest::addRow("above range") << 2.0 << 255;
        QTest::addRow("not a number") << std::nan("") << 0;
    }

    void alphaForOpacity()
    {
        QFETCH(double, opacity);
        QTEST(GuideScene::AlphaForOpacity(opacity), "alpha");
    }

    void keyboardScene_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("correctionsForced");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("scene");

        const int width = KeyboardWidth;
        const QString plain = u"397@0,0 394@0,0"_s;
        QTest::addRow("A: key and right Shift with their hands, none at rest")
            << u"Aa"_s << QString() << false << true << width
            << u"397@0,0 463@73,78 415@5,80 466@430,114 442@310,82 394@0,0"_s;
        QTest::addRow("j: right hand on it, left hand at rest")
            << u"jk"_s << QString() << false << true << width
            << u"397@0,0 463@274,78 435@278,82 415@5,80 394@0,0"_s;
        QTest::addRow("j in a wider panel: centred")
            << u"j"_s << QString() << false << true << 600
            << u"397@43,0 463@317,78 435@321,82 415@48,80 394@43,0"_s;
        QTest::addRow("f: left hand on it, right hand at rest")
            << u"if"_s << u"i"_s << false << true << width
            << u"397@0,0 463@174,78 415@5,80 435@278,82 394@0,0"_s;
        QTest::addRow("colon: right hand, left Shift")
            << u":"_s << QString() << false << true << width
            << u"397@0,0 463@375,78 435@278,82 465@9,114 418@5,80 394@0,0"_s;
        QTest::addRow("line end: space bar and right hand at rest")
            << u"ab\r\ncd"_s << u"ab"_s << false << true << width
            << u"397@0,0 467@159,150 415@5,80 435@278,82 394@0,0"_s;
        QTest::addRow("after the line end: first key of the next line")
            << u"ab\r\ncd"_s << u"ab\r"_s << false << true << width
            << u"397@0,0 463@159,114 425@17,83 435@278,82 394@0,0"_s;
        QTest::addRow("wrong key, forced: Backspace and left hand at rest")
            << u"abc"_s << u"x"_s << true << true << width
            << u"397@0,0 462@446,6 437@318,15 415@5,80 394@0,0"_s;
        QTest::addRow("wrong key, not forced: the next character at once")
            << u"abc"_s << u"x"_s << false << true << width
            << u"397@0,0 463@226,114 424@15,95 435@278,82 394@0,0"_s;
        QTest::addRow("wrong key, forced, taken back: the character again")
            << u"abc"_s << u"x\b"_s << true << true << width
            << u"397@0,0 463@73,78 415@5,80 435@278,82 394@0,0"_s;
        QTest::addRow("e acute: the plain keyboard")
            << u"é"_s << QString() << false << true << width << plain;
        QTest::addRow("text typed to its end: the plain keyboard")
            << u"ab"_s << u"ab"_s << false << true << width << plain;
        QTest::addRow("no exercise: the plain keyboard")
            << QString() << QString() << false << true << width << plain;
        QTest::addRow("disabled: no hint, disabled overlay")
            << u"abc"_s << QString() << false << false << width << u"397@0,0 395@0,0"_s;
    }

    void keyboardScene()
    {
        QFETCH(QString, text);
        QFETCH(QString, keys);
        QFETCH(bool, correctionsForced);
        QFETCH(bool, enabled);
        QFETCH(int, width);

        const test::Exercise exercise(text, keys, correctionsForced);
        const GuideScene shown = KeyboardGuide(exercise.typed).Scene(width, enabled);
        QTEST(Describe(shown), "scene");
        QCOMPARE(shown.IsEnabled(), enabled);
        QCOMPARE(shown.PictureRect(), QRect((width - KeyboardWidth) / 2, 0, 514, 189));
        VerifyPicturesArePreloaded(shown, GuideKeyTables::KeyboardPictures());
    }

    void keyboardScene_blendsEverythingAtHalfOpacity()
    {
        const test::Exercise exercise(u"A"_s);
        const GuideScene scene = KeyboardGuide(exercise.typed).Scene(KeyboardWidth, true);
        QCOMPARE(scene.Drawings().size(), 6);
        QCOMPARE(scene.Drawings().first().alpha, 255);
        for (qsizetype i = 1; i < scene.Drawings().size(); ++i)
            QCOMPARE(scene.Drawings().at(i).alpha, 153);
    }

    void keypadScene_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("scene");

        QTest::addRow("5: highlight 2 px left of its key, hand at the key")
            << u"5"_s << QString() << true << u"398@0,0 468@41,78 401@-30,85 399@4,2"_s;
        QTest::addRow("line end: Enter, key 14")
            << u"1\r\n2"_s << u"1"_s << true << u"398@0,0 470@108,114 406@-30,90 399@4,2"_s;
        QTest::addRow("line feed: Enter")
            << u"\n"_s << QString() << true << u"398@0,0 470@108,114 406@-30,90 399@4,2"_s;
        QTest::addRow("plus: tall key")
            << u"+"_s << QString() << true << u"398@0,0 470@108,41 405@-30,50 399@4,2"_s;
        QTest::addRow("0: wide key") << u"0"_s << QString() << true
                                     << u"398@0,0 469@7,150 408@0,85 399@4,2"_s;
        QTest::addRow("wrong key: no Backspace on the keypad")
            << u"12"_s << u"9"_s << true << u"398@0,0 468@41,114 410@-30,90 399@4,2"_s;
        QTest::addRow("letter: the plain keypad") << u"a"_s << QString() << true << u"398@0,0 399@4,2"_s;
        QTest::addRow("disabled: disabled overlay") << u"5"_s << QString() << false << u"398@0,0 400@4,2"_s;
    }

    void keypadScene()
    {
        QFETCH(QString, text);
        QFETCH(QString, keys);
        QFETCH(bool, enabled);

        const test::Exercise exercise(text, keys, true);
        const GuideScene shown = KeypadGuide(exercise.typed).Scene(KeypadWidth, enabled);
        QTEST(Describe(shown), "scene");
        VerifyPicturesArePreloaded(shown, GuideKeyTables::KeypadPictures());
    }

    void keypadScene_keepsKeysSolidAndHandHalf()
    {
        const test::Exercise exercise(u"7"_s);
        const GuideScene scene = KeypadGuide(exercise.typed).Scene(KeypadWidth, true);
        QList<int> alphas;
        for (const GuideDrawing& drawing : scene.Drawings())
            alphas << drawing.alpha;
        QCOMPARE(alphas, (QList<int>{255, 255, 153, 255}));
    }

    void overviewLesson_stepsThroughNewKeysOncePerSecond()
    {
        StartLesson(Kind::Lesson, u"jjj fff"_s, u"fjA"_s);
        QVERIFY(m_keyboard->Demonstration().IsOn());
        // The demonstration shows even on a disabled guide.
        QCOMPARE(FirstHighlight(m_keyboard->Scene(514, false)), u"463@174,78"_s);

        // f, j, A (with its Shift) and round again, a step per second; nothing in between.
        const QStringList expected{u"463@174,78"_s, u"463@274,78"_s, u"463@73,78"_s, u"463@174,78"_s};
        for (qsizetype step = 0; step < expected.size(); ++step) {
            const GuideScene scene = m_keyboard->Scene(514, true);
            QCOMPARE(FirstHighlight(scene), expected.at(step));
            QCOMPARE(scene.Drawings().last().picture, int(GuidePicture::KeyboardOverlayEnabled));
            m_host->Advance(999);
            QCOMPARE(FirstHighlight(m_keyboard->Scene(514, true)), expected.at(step));
            m_host->Advance(1);
        }
        // A shows its right Shift and no resting hand.
        m_host->Advance(1000);
        const GuideScene capital = m_keyboard->Scene(514, true);
        QCOMPARE(capital.Drawings().size(), 6);
        QCOMPARE(capital.Drawings().at(3).picture, 466);
    }

    void firstKey_stopsDemonstrationAndShowsNextCharacter()
    {
        StartLesson(Kind::Lesson, u"jf"_s, u"fj"_s);
        m_host->Advance(1000);
        QCOMPARE(FirstHighlight(m_keyboard->Scene(514, true)), u"463@274,78"_s);

        QVERIFY(m_session->HandleTypingKey(u'J', u"j"_s));
        QVERIFY(!m_keyboard->Demonstration().IsOn());
        QVERIFY(!m_host->IsTimerArmed());
        // Now the exercise leads: "f" is next.
        QCOMPARE(FirstHighlight(m_keyboard->Scene(514, true)), u"463@174,78"_s);
        m_host->Advance(5000);
        QCOMPARE(FirstHighlight(m_keyboard->Scene(514, true)), u"463@174,78"_s);
    }

    void keypadLesson_demonstratesOnKeypadGuide()
    {
        StartLesson(Kind::KeypadLesson, u"456"_s, u"0123456789/*-+"_s);
        QVERIFY(m_keypad->Demonstration().IsOn());
        QVERIFY(!m_keyboard->Demonstration().IsOn());
        QCOMPARE(FirstHighlight(m_keypad->Scene(143, true)), u"469@7,150"_s);
        m_host->Advance(13000);
        QCOMPARE(m_keypad->Demonstration().Current(), QChar(u'+'));
        QCOMPARE(FirstHighlight(m_keypad->Scene(143, true)), u"470@108,41"_s);
        m_host->Advance(1000);
        QCOMPARE(m_keypad->Demonstration().Index(), 0);
    }

    void pause_endsDemonstrationAtNextStep_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("kind");
        QTest::addRow("paused") << int(Paused) << int(Kind::Lesson);
        QTest::addRow("results") << int(Results) << int(Kind::Lesson);
        QTest::addRow("idle") << int(Idle) << int(Kind::None);
        QTest::addRow("kind no longer a keyboard lesson") << int(Typing) << int(Kind::KeypadLesson);
        QTest::addRow("practice") << int(Typing) << int(Kind::Practice);
    }

    void pause_endsDemonstrationAtNextStep()
    {
        QFETCH(int, state);
        QFETCH(int, kind);
        StartLesson(Kind::Lesson, u"asdf"_s, u"asdf"_s);
        m_host->state = state;
        m_host->kind = kind;
        m_host->Advance(1000);
        QVERIFY(!m_keyboard->Demonstration().IsOn());
        QVERIFY(!m_host->IsTimerArmed());
        QCOMPARE(m_keyboard->Demonstration().Current(), QChar());
    }

    void start_refusesEmptyAndCutsLongStrings()
    {
        GuideDemonstration demonstration(Guide::Keyboard);
        QVERIFY(!demonstration.Start(QString()));
        QVERIFY(!demonstration.IsOn());
        QVERIFY(!demonstration.Step(Typing, Kind::Lesson));
        QCOMPARE(demonstration.Current(), QChar());

        QVERIFY(demonstration.Start(QString(300, u'k') + u"z"_s));
        QCOMPARE(demonstration.Keys().size(), GuideDemonstration::MaxLength);
        for (int step = 0; step < 259; ++step)
            QVERIFY(demonstration.Step(Typing, Kind::Lesson));
        QCOMPARE(demonstration.Index(), 0);

        // A string without a single key on the keyboard shows the plain keyboard, step after step.
        const test::Exercise exercise{QString()};
        KeyboardGuide guide(exercise.typed);
        QVERIFY(guide.Demonstration().Start(u"éè"_s));
        QCOMPARE(guide.Scene(514, true).Drawings().size(), 2);
        QVERIFY(guide.Demonstration().Step(Typing, Kind::Lesson));
        QCOMPARE(guide.Scene(514, true).Drawings().size(), 2);
    }
};

QTEST_GUILESS_MAIN(GuideLogicTest)
#include "tst_guidelogic.moc"
