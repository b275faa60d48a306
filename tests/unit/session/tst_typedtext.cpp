#include "KeyInput.h"
#include "platform/KeyCodes.h"
#include "session/TargetText.h"
#include "session/TypedText.h"
#include "session/WordSeparators.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

class TypedTextTest : public QObject
{
    Q_OBJECT

private slots:
    // Keys written as text: '\b' is Backspace, '\r' Enter, '~' a dead key (no character).
    void acceptKey_followsTypingRules_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("forced");
        QTest::addColumn<bool>("doubleSpace");
        QTest::addColumn<QString>("buffer");
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("corrections");
        QTest::addColumn<int>("lineStart");
        QTest::addColumn<bool>("correct");

        QTest::addRow("right key") << u"abc"_s << u"a"_s << false << false << u"a"_s << 0 << 0 << 0 << true;
        QTest::addRow("wrong key") << u"abc"_s << u"b"_s << false << false << u"b"_s << 1 << 0 << 0 << false;
        QTest::addRow("forced refuses after wrong")
            << u"abc"_s << u"ba"_s << true << false << u"b"_s << 1 << 0 << 0 << false;
        QTest::addRow("forced, backspace then right")
            << u"abc"_s << u"b\ba"_s << true << false << u"a"_s << 1 << 1 << 0 << true;
        QTest::addRow("unforced types on after wrong")
            << u"abc"_s << u"bb"_s << false << false << u"bb"_s << 1 << 0 << 0 << true;
        QTest::addRow("dead key types nothing")
            << u"abc"_s << u"~a~"_s << true << false << u"a"_s << 0 << 0 << 0 << true;
        QTest::addRow("delete key types nothing")
            << u"abc"_s << u"\x7f"_s + u"a"_s << true << false << u"a"_s << 0 << 0 << 0 << true;
        QTest::addRow("tab is typable")
            << u"\tab"_s << u"\tab"_s << false << false << u"\tab"_s << 0 << 0 << 0 << true;
        QTest::addRow("line end by space")
            << u"ab\r\ncd"_s << u"ab c"_s << false << false << u"ab\r\nc"_s << 0 << 0 << 4 << true;
        QTest::addRow("line end by Enter")
            << u"ab\r\ncd"_s << u"ab\rc"_s << false << false << u"ab\r\nc"_s << 0 << 0 << 4 << true;
        QTest::addRow("line end by wrong key")
            << u"ab\r\ncd"_s << u"abxc"_s << false << false << u"abx\nc"_s << 1 << 0 << 4 << true;
        QTest::addRow("forced, mistyped line end: refused on, Backspace removes both")
            << u"a\r\nb"_s << u"axb\b b"_s << true << false << u"a\r\nb"_s << 1 << 1 << 3 << true;
        QTest::addRow("backspace over line break")
            << u"ab\r\ncd"_s << u"ab \b"_s << false << false << u"ab"_s << 0 << 1 << 0 << true;
        QTest::addRow("backspace over second line break")
            << u"a\r\nb\r\nc"_s << u"a b \b"_s << false << false << u"a\r\nb"_s << 0 << 1 << 3 << true;
        QTest::addRow("double space swallowed")
            << u"Hi. Yo"_s << u"Hi.  Y"_s << false << true << u"Hi. Y"_s << 0 << 0 << 0 << true;
        QTest::addRow("double space not accepted")
            << u"Hi. Yo"_s << u"Hi.  Y"_s << false << false << u"Hi.  Y"_s << 2 << 0 << 0 << false;
        QTest::addRow("second extra space compared")
            << u"A. B"_s << u"A.   "_s << false << true << u"A.  "_s << 1 << 0 << 0 << false;
        QTest::addRow("backspace forgives the next extra space again")
            << u"A. B"_s << u"A.   \b "_s << false << true << u"A. "_s << 1 << 1 << 0 << true;
        QTest::addRow("correction counted once")
            << u"abc"_s << u"a\ba\ba"_s << false << false << u"a"_s << 0 << 1 << 0 << true;
        QTest::addRow("backspace over right key corrects")
            << u"abc"_s << u"ab\b"_s << false << false << u"a"_s << 0 << 1 << 0 << true;
        QTest::addRow("backspace at start does nothing")
            << u"abc"_s << u"\b\b"_s << false << false << QString() << 0 << 0 << 0 << true;
        QTest::addRow("wrong key stays red after typing on")
            << u"abcd"_s << u"xbc"_s << false << false << u"xbc"_s << 1 << 0 << 0 << true;
        QTest::addRow("backspace after a typed line feed removes only it")
            << u"abc"_s << u"a\n\b"_s << false << false << u"a"_s << 1 << 1 << 0 << true;
    }

    void acceptKey_followsTypingRules()
    {
        QFETCH(QString, target);
        QFETCH(QString, keys);
        QFETCH(bool, forced);
        QFETCH(bool, doubleSpace);

        TargetText targetText;
        targetText.LoadText(target);
        TypedText typed(targetText);
        typed.SetRules({forced, doubleSpace});
        const int errors = test::TypeKeys(typed, keys);

        QTEST(typed.Buffer(), "buffer");
        QTEST(errors, "errors");
        QTEST(static_cast<int>(targetText.CorrectionCount()), "corrections");
        QTEST(static_cast<int>(typed.LineStart()), "lineStart");
        QTEST(typed.IsCorrect(), "correct");
        QCOMPARE(targetText.Cursor(), typed.Position());
    }

    void loadText_makesEveryLineBreakCrLf_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("loaded");
        QTest::addRow("CR LF kept") << u"a\r\nb"_s << u"a\r\nb"_s;
        QTest::addRow("lone LF") << u"a\nb\n"_s << u"a\r\nb\r\n"_s;
        QTest::addRow("lone CR") << u"a\rb"_s << u"a\r\nb"_s;
        QTest::addRow("CR at the end") << u"ab\r"_s << u"ab\r\n"_s;
        QTest::addRow("empty") << QString() << QString();
    }

    void loadText_makesEveryLineBreakCrLf()
    {
        QFETCH(QString, text);
        TargetText target;
        target.LoadText(text);
        QTEST(target.Text(), "loaded");
        for (qsizetype i = 0; i < target.Length(); ++i)
            QVERIFY(!target.IsMarked(i));
    }

    void endTest_withAndWithoutForcedCorrections_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("forced");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("complete");
        QTest::addRow("unforced, last wrong") << u"ab"_s << false << u"ax"_s << true;
        QTest::addRow("unforced, one short") << u"ab"_s << false << u"a"_s << false;
        QTest::addRow("forced, last wrong") << u"ab"_s << true << u"ax"_s << false;
        QTest::addRow("forced, last wrong, other keys refused") << u"ab"_s << true << u"axqb"_s << false;
        QTest::addRow("forced, last corrected") << u"ab"_s << true << u"ax\bb"_s << true;
        QTest::addRow("forced, all right") << u"ab"_s << true << u"ab"_s << true;
        QTest::addRow("empty text: the first key ends it") << QString() << false << u"a"_s << true;
    }

    void endTest_withAndWithoutForcedCorrections()
    {
        QFETCH(QString, text);
        QFETCH(bool, forced);
        QFETCH(QString, keys);
        test::Exercise exercise(text, keys, forced);
        QTEST(exercise.typed.IsComplete(), "complete");
    }

    void twoUnitKey_onLastCharacter_endsExercise()
    {
        for (const bool forced : {false, true}) {
            test::Exercise exercise(u"ab"_s, {}, forced);
            exercise.typed.AcceptKey('A', u"a");
            exercise.typed.AcceptKey('B', u"bc");
            QCOMPARE(exercise.typed.Position(), 3);
            QVERIFY2(exercise.typed.IsComplete(), forced ? "forced" : "unforced");
            QVERIFY(exercise.typed.IsLastCorrect());
            QCOMPARE(exercise.typed.NextExpected(), QChar());
        }
    }

    void layoutText_unitsThatCount_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("layoutText");
        QTest::addColumn<QString>("buffer");
        QTest::addColumn<bool>("correct");
        const QString smile = QString::fromUcs4(U"\U0001F600");
        QTest::addRow("surrogate pair") << smile + u"y"_s << smile << smile << true;
        QTest::addRow("both units compared") << u"abc"_s << u"ax"_s << u"ax"_s << false;
        QTest::addRow("only two units") << u"abcdef"_s << u"abcdef"_s << u"ab"_s << true;
        QTest::addRow("nothing from a NUL on")
            << u"abc"_s << QStringView(u"\0a", 2).toString() << QString() << true;
        QTest::addRow("cut at a NUL") << u"abc"_s << QStringView(u"a\0", 2).toString() << u"a"_s << true;
    }

    void layoutText_unitsThatCount()
    {
        QFETCH(QString, target);
        QFETCH(QString, layoutText);
        test::Exercise exercise(target);
        QTEST(exercise.typed.AcceptKey(VkNone, layoutText), "correct");
        QTEST(exercise.typed.Buffer(), "buffer");
    }

    void findProblemWord_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("word");
        QTest::addRow("inside a word") << u"the quick brown"_s << 6 << u"quick"_s;
        QTest::addRow("last letter of a word") << u"the quick brown"_s << 9 << u"quick"_s;
        QTest::addRow("nothing typed") << u"quick"_s << 0 << QString();
        QTest::addRow("short word") << u"the quick"_s << 2 << QString();
        QTest::addRow("separator: the word after") << u"go-there now"_s << 3 << u"there"_s;
        QTest::addRow("space then space: none") << u"go, there"_s << 3 << QString();
        QTest::addRow("fourteen letters") << u"abcdefghijklmn."_s << 3 << u"abcdefghijklmn"_s;
        QTest::addRow("fifteen letters") << u"abcdefghijklmno."_s << 3 << QString();
        QTest::addRow("cursor past the end") << u"word"_s << 9 << u"word"_s;
        QTest::addRow("line break ends a word") << u"word\r\nnext"_s << 2 << u"word"_s;
    }

    void findProblemWord()
    {
        QFETCH(QString, target);
        QFETCH(int, cursor);
        QTEST(FindProblemWord(target, cursor), "word");
    }
};

QTEST_GUILESS_MAIN(TypedTextTest)
#include "tst_typedtext.moc"
