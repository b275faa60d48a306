#include "platform/KeyCodes.h"
#include "session/GuideKeyTables.h"
#include "session/GuideScene.h"
#include "session/KeyboardGuide.h"
#include "session/KeypadGuide.h"
#include "session/TargetText.h"
#include "session/TypedText.h"

#include <QTest>

using namespace clavora;
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

// Types keys as the typing view would hand them over: "\b" is Backspace, "\r" the Enter key.
void Type(TypedText& typed, const QString& keys)
{
    for (const QChar key : keys) {
        if (key == u'\b')
            typed.AcceptKey(VkBackspace, QString());
        else if (key == u'\r')
            typed.AcceptKey(VkReturn, u"\r"_s);
        else
            typed.AcceptKey(key == u' ' ? int(VkSpace) : int(key.toUpper().unicode()), QString(key));
    }
}

// An exercise with some of its text typed, for the guides to follow.
struct Exercise
{
    TargetText target;
    TypedText typed{target};

    Exercise(const QString& text, const QString& keys, bool correctionsForced)
    {
        target.LoadText(text);
        typed.SetRules({correctionsForced, false});
        Type(typed, keys);
    }
};

constexpr int KeyboardWidth = GuideKeyTables::KeyboardPictureSize.width();
constexpr int KeypadWidth = GuideKeyTables::KeypadPictureSize.width();

} // namespace

class GuideLogicTest : public QObject
{
    Q_OBJECT

private slots:
    void keyForCharacter_data();
    void keyForCharacter();
    void characterTables_coverTheirKeysOnly();
    void keyNumbersOutsideTables_haveNoKey();
    void alphaForOpacity_data();
    void alphaForOpacity();
    void keyboardScene_data();
    void keyboardScene();
    void keyboardScene_blendsEverythingAtHalfOpacity();
    void keyboardScene_centresPictureInWiderPanel();
    void keypadScene_data();
    void keypadScene();
    void keypadScene_keepsKeysSolidAndHandHalf();
    void pictureLists_holdEveryPictureOfTheTables();
};

void GuideLogicTest::keyForCharacter_data()
{
    QTest::addColumn<QChar>("character");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("keypadKey");

    QTest::addRow("a") << QChar(u'a') << 10 << -1 << -1;
    QTest::addRow("A, left hand, right Shift") << QChar(u'A') << 10 << 47 << -1;
    QTest::addRow("j") << QChar(u'j') << 19 << -1 << -1;
    QTest::addRow("J, right hand, left Shift") << QChar(u'J') << 19 << 46 << -1;
    QTest::addRow("1") << QChar(u'1') << 0 << -1 << 11;
    QTest::addRow("at sign") << QChar(u'@') << 1 << 47 << -1;
    QTest::addRow("caret, right hand") << QChar(u'^') << 5 << 46 << -1;
    QTest::addRow("5 on both") << QChar(u'5') << 4 << -1 << 9;
    QTest::addRow("plus") << QChar(u'+') << 42 << 46 << 7;
    QTest::addRow("minus") << QChar(u'-') << 43 << -1 << 3;
    QTest::addRow("star") << QChar(u'*') << 7 << 46 << 2;
    QTest::addRow("slash") << QChar(u'/') << 49 << -1 << 1;
    QTest::addRow("full stop") << QChar(u'.') << 44 << -1 << 16;
    QTest::addRow("0") << QChar(u'0') << 9 << -1 << 15;
    QTest::addRow("quote") << QChar(u'"') << 36 << 46 << -1;
    QTest::addRow("vertical bar") << QChar(u'|') << 48 << 46 << -1;
    QTest::addRow("tilde, left hand") << QChar(u'~') << 51 << 47 << -1;
    QTest::addRow("space bar") << QChar(u' ') << 50 << -1 << -1;
    QTest::addRow("line feed is Enter") << QChar(u'\n') << 41 << -1 << 14;
    QTest::addRow("carriage return") << QChar(u'\r') << -1 << -1 << -1;
    QTest::addRow("tab") << QChar(u'\t') << -1 << -1 << -1;
    QTest::addRow("e acute") << QChar(u'é') << -1 << -1 << -1;
    QTest::addRow("null") << QChar() << -1 << -1 << -1;
    QTest::addRow("last UTF-16 unit") << QChar(0xFFFF) << -1 << -1 << -1;
    QTest::addRow("lone surrogate") << QChar(0xD83D) << -1 << -1 << -1;
}

void GuideLogicTest::keyForCharacter()
{
    QFETCH(QChar, character);
    QFETCH(int, key);
    QFETCH(int, shift);
    QFETCH(int, keypadKey);
    QCOMPARE(GuideKeyTables::KeyForCharacter(character), (GuideKeyAndShift{key, shift}));
    QCOMPARE(GuideKeyTables::KeypadKeyForCharacter(character), keypadKey);
}

void GuideLogicTest::characterTables_coverTheirKeysOnly()
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

void GuideLogicTest::keyNumbersOutsideTables_haveNoKey()
{
    for (const int key : {-1, 52, 1000, std::numeric_limits<int>::min()})
        QVERIFY2(!GuideKeyTables::KeyboardKey(key), qPrintable(QString::number(key)));
    for (const int key : {-1, 17, std::numeric_limits<int>::max()})
        QVERIFY2(!GuideKeyTables::KeypadKey(key), qPrintable(QString::number(key)));
    QVERIFY(GuideKeyTables::KeyboardKey(51));
    QVERIFY(GuideKeyTables::KeypadKey(16));
}

void GuideLogicTest::alphaForOpacity_data()
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

void GuideLogicTest::alphaForOpacity()
{
    QFETCH(double, opacity);
    QFETCH(int, alpha);
    QCOMPARE(GuideScene::AlphaForOpacity(opacity), alpha);
}

void GuideLogicTest::keyboardScene_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("correctionsForced");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("scene");

    const QString plain = u"397@0,0 394@0,0"_s;
    QTest::addRow("A: key and right Shift with their hands, none at rest")
        << u"Aa"_s << QString() << false << true
        << u"397@0,0 463@73,78 415@5,80 466@430,114 442@310,82 394@0,0"_s;
    QTest::addRow("j: right hand on it, left hand at rest")
        << u"jk"_s << QString() << false << true << u"397@0,0 463@274,78 435@278,82 415@5,80 394@0,0"_s;
    QTest::addRow("f: left hand on it, right hand at rest")
        << u"if"_s << u"i"_s << false << true << u"397@0,0 463@174,78 415@5,80 435@278,82 394@0,0"_s;
    QTest::addRow("colon: right hand, left Shift")
        << u":"_s << QString() << false << true
        << u"397@0,0 463@375,78 435@278,82 465@9,114 418@5,80 394@0,0"_s;
    QTest::addRow("line end: space bar and right hand at rest")
        << u"ab\r\ncd"_s << u"ab"_s << false << true << u"397@0,0 467@159,150 415@5,80 435@278,82 394@0,0"_s;
    QTest::addRow("after the line end: first key of the next line")
        << u"ab\r\ncd"_s << u"ab\r"_s << false << true
        << u"397@0,0 463@159,114 425@17,83 435@278,82 394@0,0"_s;
    QTest::addRow("wrong key, forced: Backspace and left hand at rest")
        << u"abc"_s << u"x"_s << true << true << u"397@0,0 462@446,6 437@318,15 415@5,80 394@0,0"_s;
    QTest::addRow("wrong key, not forced: the next character at once")
        << u"abc"_s << u"x"_s << false << true << u"397@0,0 463@226,114 424@15,95 435@278,82 394@0,0"_s;
    QTest::addRow("wrong key, forced, taken back: the character again")
        << u"abc"_s << u"x\b"_s << true << true << u"397@0,0 463@73,78 415@5,80 435@278,82 394@0,0"_s;
    QTest::addRow("mistyped line end, forced: Backspace")
        << u"a\r\nb"_s << u"ax"_s << true << true << u"397@0,0 462@446,6 437@318,15 415@5,80 394@0,0"_s;
    QTest::addRow("wrong last character, forced: Backspace")
        << u"ab"_s << u"ax"_s << true << true << u"397@0,0 462@446,6 437@318,15 415@5,80 394@0,0"_s;
    QTest::addRow("e acute: the plain keyboard") << u"é"_s << QString() << false << true << plain;
    QTest::addRow("tab: the plain keyboard") << u"\tx"_s << QString() << false << true << plain;
    QTest::addRow("text typed to its end: the plain keyboard")
        << u"ab"_s << u"ab"_s << false << true << plain;
    QTest::addRow("no exercise: the plain keyboard") << QString() << QString() << false << true << plain;
    QTest::addRow("disabled: no hint, disabled overlay")
        << u"abc"_s << QString() << false << false << u"397@0,0 395@0,0"_s;
    QTest::addRow("disabled after a wrong key: still no hint")
        << u"abc"_s << u"x"_s << true << false << u"397@0,0 395@0,0"_s;
}

void GuideLogicTest::keyboardScene()
{
    QFETCH(QString, text);
    QFETCH(QString, keys);
    QFETCH(bool, correctionsForced);
    QFETCH(bool, enabled);
    QFETCH(QString, scene);

    const Exercise exercise(text, keys, correctionsForced);
    const KeyboardGuide guide(exercise.typed);
    const GuideScene shown = guide.Scene(KeyboardWidth, enabled);
    QCOMPARE(Describe(shown), scene);
    QCOMPARE(shown.IsEnabled(), enabled);
    QCOMPARE(shown.PictureRect(), QRect(0, 0, 514, 189));
}

void GuideLogicTest::keyboardScene_blendsEverythingAtHalfOpacity()
{
    const Exercise exercise(u"A"_s, QString(), false);
    const GuideScene scene = KeyboardGuide(exercise.typed).Scene(KeyboardWidth, true);
    QCOMPARE(scene.Drawings().size(), 6);
    QCOMPARE(scene.Drawings().first().alpha, 255);
    for (qsizetype i = 1; i < scene.Drawings().size(); ++i)
        QCOMPARE(scene.Drawings().at(i).alpha, 153);
}

void GuideLogicTest::keyboardScene_centresPictureInWiderPanel()
{
    const Exercise exercise(u"j"_s, QString(), false);
    const GuideScene scene = KeyboardGuide(exercise.typed).Scene(600, true);
    QCOMPARE(scene.PictureRect(), QRect(43, 0, 514, 189));
    QCOMPARE(Describe(scene), u"397@43,0 463@317,78 435@321,82 415@48,80 394@43,0"_s);
}

void GuideLogicTest::keypadScene_data()
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
    QTest::addRow("plus: tall key") << u"+"_s << QString() << true
                                    << u"398@0,0 470@108,41 405@-30,50 399@4,2"_s;
    QTest::addRow("0: wide key") << u"0"_s << QString() << true << u"398@0,0 469@7,150 408@0,85 399@4,2"_s;
    QTest::addRow("wrong key: no Backspace on the keypad")
        << u"12"_s << u"9"_s << true << u"398@0,0 468@41,114 410@-30,90 399@4,2"_s;
    QTest::addRow("letter: the plain keypad") << u"a"_s << QString() << true << u"398@0,0 399@4,2"_s;
    QTest::addRow("disabled: disabled overlay") << u"5"_s << QString() << false << u"398@0,0 400@4,2"_s;
}

void GuideLogicTest::keypadScene()
{
    QFETCH(QString, text);
    QFETCH(QString, keys);
    QFETCH(bool, enabled);
    QFETCH(QString, scene);

    const Exercise exercise(text, keys, true);
    QCOMPARE(Describe(KeypadGuide(exercise.typed).Scene(KeypadWidth, enabled)), scene);
}

void GuideLogicTest::keypadScene_keepsKeysSolidAndHandHalf()
{
    const Exercise exercise(u"7"_s, QString(), false);
    const GuideScene scene = KeypadGuide(exercise.typed).Scene(KeypadWidth, true);
    QList<int> alphas;
    for (const GuideDrawing& drawing : scene.Drawings())
        alphas << drawing.alpha;
    QCOMPARE(alphas, (QList<int>{255, 255, 153, 255}));
}

void GuideLogicTest::pictureLists_holdEveryPictureOfTheTables()
{
    QList<int> keyboard{394, 395, 397};
    for (int picture = 415; picture <= 467; ++picture) {
        if (picture != 416 && picture != 436)
            keyboard << picture;
    }
    QCOMPARE(GuideKeyTables::KeyboardPictures(), keyboard);
    QList<int> keypad;
    for (int picture = 398; picture <= 414; ++picture)
        keypad << picture;
    keypad << 468 << 469 << 470;
    QCOMPARE(GuideKeyTables::KeypadPictures(), keypad);
}

QTEST_GUILESS_MAIN(GuideLogicTest)
#include "tst_guidelogic.moc"
