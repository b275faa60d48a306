#include "platform/KeyCodes.h"
#include "session/TargetText.h"
#include "session/TypedText.h"
#include "session/WordSeparators.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

// Keys written as text: '\b' is Backspace, '\r' Enter, '~' a dead key (no character).
int VirtualKeyOf(QChar c)
{
    switch (c.unicode()) {
    case u'\b':
        return VkBackspace;
    case u'\r':
        return VkReturn;
    case u' ':
        return VkSpace;
    case u'\t':
        return VkTab;
    default:
        return c.toUpper().unicode();
    }
}

// Types keys and returns the number of keys that produced a wrong character.
int TypeKeys(TypedText& typed, const QString& keys)
{
    int errors = 0;
    for (const QChar key : keys) {
        const QString text = key == u'~' || key == u'\b' ? QString() : QString(key);
        if (!typed.AcceptKey(VirtualKeyOf(key), text))
            ++errors;
    }
    return errors;
}

} // namespace

class TypedTextTest : public QObject
{
    Q_OBJECT

private slots:
    void acceptKey_followsTypingRules_data();
    void acceptKey_followsTypingRules();
    void loadText_makesEveryLineBreakCrLf_data();
    void loadText_makesEveryLineBreakCrLf();
    void endTest_withAndWithoutForcedCorrections_data();
    void endTest_withAndWithoutForcedCorrections();
    void twoUnitKey_onLastCharacter_endsExercise();
    void layoutText_unitsThatCount_data();
    void layoutText_unitsThatCount();
    void forcedCorrections_lastWrong_onlyBackspaceHelps();
    void backspaceOverMistypedLineEnd_removesBoth();
    void findProblemWord_data();
    void findProblemWord();
};

void TypedTextTest::acceptKey_followsTypingRules_data()
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

    QTest::addRow("right key") << "abc"
                               << "a" << false << false << "a" << 0 << 0 << 0 << true;
    QTest::addRow("wrong key") << "abc"
                               << "b" << false << false << "b" << 1 << 0 << 0 << false;
    QTest::addRow("forced refuses after wrong") << "abc"
                                                << "ba" << true << false << "b" << 1 << 0 << 0 << false;
    QTest::addRow("forced, backspace then right") << "abc"
                                                  << "b\ba" << true << false << "a" << 1 << 1 << 0 << true;
    QTest::addRow("unforced types on after wrong") << "abc"
                                                   << "bb" << false << false << "bb" << 1 << 0 << 0 << true;
    QTest::addRow("dead key types nothing") << "abc"
                                            << "~a~" << true << false << "a" << 0 << 0 << 0 << true;
    QTest::addRow("delete key types nothing") << "abc"
                                              << "\x7f"
                                                 "a"
                                              << true << false << "a" << 0 << 0 << 0 << true;
    QTest::addRow("tab is typable") << "\tab"
                                    << "\tab" << false << false << "\tab" << 0 << 0 << 0 << true;
    QTest::addRow("line end by space") << "ab\r\ncd"
                                       << "ab c" << false << false << "ab\r\nc" << 0 << 0 << 4 << true;
    QTest::addRow("line end by Enter") << "ab\r\ncd"
                                       << "ab\rc" << false << false << "ab\r\nc" << 0 << 0 << 4 << true;
    QTest::addRow("line end by wrong key") << "ab\r\ncd"
                                           << "abxc" << false << false << "abx\nc" << 1 << 0 << 4 << true;
    QTest::addRow("backspace over line break") << "ab\r\ncd"
                                               << "ab \b" << false << false << "ab" << 0 << 1 << 0 << true;
    QTest::addRow("backspace over second line break")
        << "a\r\nb\r\nc"
        << "a b \b" << false << false << "a\r\nb" << 0 << 1 << 3 << true;
    QTest::addRow("double space swallowed") << "Hi. Yo"
                                            << "Hi.  Y" << false << true << "Hi. Y" << 0 << 0 << 0 << true;
    QTest::addRow("double space not accepted")
        << "Hi. Yo"
        << "Hi.  Y" << false << false << "Hi.  Y" << 2 << 0 << 0 << false;
    QTest::addRow("second extra space compared")
        << "A. B"
        << "A.   " << false << true << "A.  " << 1 << 0 << 0 << false;
    QTest::addRow("backspace forgives the next extra space again")
        << "A. B"
        << "A.   \b " << false << true << "A. " << 1 << 1 << 0 << true;
    QTest::addRow("correction counted once") << "abc"
                                             << "a\ba\ba" << false << false << "a" << 0 << 1 << 0 << true;
    QTest::addRow("backspace over right key corrects")
        << "abc"
        << "ab\b" << false << false << "a" << 0 << 1 << 0 << true;
    QTest::addRow("backspace at start does nothing") << "abc"
                                                     << "\b\b" << false << false << "" << 0 << 0 << 0 << true;
    QTest::addRow("wrong key stays red after typing on")
        << "abcd"
        << "xbc" << false << false << "xbc" << 1 << 0 << 0 << true;
    QTest::addRow("backspace after a typed line feed removes only it")
        << "abc"
        << "a\n\b" << false << false << "a" << 1 << 1 << 0 << true;
}

void TypedTextTest::acceptKey_followsTypingRules()
{
    QFETCH(QString, target);
    QFETCH(QString, keys);
    QFETCH(bool, forced);
    QFETCH(bool, doubleSpace);

    TargetText targetText;
    targetText.LoadText(target);
    TypedText typed(targetText);
    typed.SetRules({forced, doubleSpace});
    const int errors = TypeKeys(typed, keys);

    QTEST(typed.Buffer(), "buffer");
    QTEST(errors, "errors");
    QTEST(static_cast<int>(targetText.CorrectionCount()), "corrections");
    QTEST(static_cast<int>(typed.LineStart()), "lineStart");
    QTEST(typed.IsCorrect(), "correct");
    QCOMPARE(targetText.Cursor(), typed.Position());
}

void TypedTextTest::loadText_makesEveryLineBreakCrLf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("loaded");
    QTest::addRow("CR LF kept") << "a\r\nb"
                                << "a\r\nb";
    QTest::addRow("lone LF") << "a\nb\n"
                             << "a\r\nb\r\n";
    QTest::addRow("lone CR") << "a\rb"
                             << "a\r\nb";
    QTest::addRow("CR at the end") << "ab\r"
                                   << "ab\r\n";
    QTest::addRow("empty") << ""
                           << "";
}

void TypedTextTest::loadText_makesEveryLineBreakCrLf()
{
    QFETCH(QString, text);
    TargetText target;
    target.LoadText(text);
    QTEST(target.Text(), "loaded");
    for (qsizetype i = 0; i < target.Length(); ++i)
        QVERIFY(!target.IsMarked(i));
}

void TypedTextTest::endTest_withAndWithoutForcedCorrections_data()
{
    QTest::addColumn<bool>("forced");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("complete");
    QTest::addRow("unforced, last wrong") << false << "ax" << true;
    QTest::addRow("unforced, one short") << false << "a" << false;
    QTest::addRow("forced, last wrong") << true << "ax" << false;
    QTest::addRow("forced, last corrected") << true << "ax\bb" << true;
    QTest::addRow("forced, all right") << true << "ab" << true;
}

void TypedTextTest::endTest_withAndWithoutForcedCorrections()
{
    QFETCH(bool, forced);
    QFETCH(QString, keys);
    TargetText target;
    target.LoadText(QStringLiteral("ab"));
    TypedText typed(target);
    typed.SetRules({forced, false});
    TypeKeys(typed, keys);
    QTEST(typed.IsComplete(), "complete");
}

void TypedTextTest::twoUnitKey_onLastCharacter_endsExercise()
{
    for (const bool forced : {false, true}) {
        TargetText target;
        target.LoadText(QStringLiteral("ab"));
        TypedText typed(target);
        typed.SetRules({forced, false});
        typed.AcceptKey('A', u"a");
        typed.AcceptKey('B', u"bc");
        QCOMPARE(typed.Position(), 3);
        QVERIFY2(typed.IsComplete(), forced ? "forced" : "unforced");
        QVERIFY(typed.IsLastCorrect());
        QCOMPARE(typed.NextExpected(), QChar());
    }
}

void TypedTextTest::layoutText_unitsThatCount_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("layoutText");
    QTest::addColumn<QString>("buffer");
    QTest::addColumn<bool>("correct");
    const QString smile = QString::fromUcs4(U"\U0001F600");
    QTest::addRow("surrogate pair") << smile + u"y"_s << smile << smile << true;
    QTest::addRow("both units compared") << "abc"
                                         << "ax"
                                         << "ax" << false;
    QTest::addRow("only two units") << "abcdef"
                                    << "abcdef"
                                    << "ab" << true;
    QTest::addRow("nothing from a NUL on") << "abc" << QStringView(u"\0a", 2).toString() << "" << true;
    QTest::addRow("cut at a NUL") << "abc" << QStringView(u"a\0", 2).toString() << "a" << true;
}

void TypedTextTest::layoutText_unitsThatCount()
{
    QFETCH(QString, target);
    QFETCH(QString, layoutText);
    TargetText targetText;
    targetText.LoadText(target);
    TypedText typed(targetText);
    QTEST(typed.AcceptKey(VkNone, layoutText), "correct");
    QTEST(typed.Buffer(), "buffer");
}

void TypedTextTest::forcedCorrections_lastWrong_onlyBackspaceHelps()
{
    TargetText target;
    target.LoadText(QStringLiteral("ab"));
    TypedText typed(target);
    typed.SetRules({true, false});
    typed.AcceptKey(VkNone, u"ax"); // last character wrong: not complete with forced corrections
    QVERIFY(!typed.IsComplete());
    QVERIFY(typed.AcceptKey('Q', u"q"));
    QCOMPARE(typed.Buffer(), u"ax"_s);
    TypeKeys(typed, QStringLiteral("\bb"));
    QVERIFY(typed.IsComplete());

    TargetText empty;
    TypedText none(empty);
    QVERIFY(none.AcceptKey('A', u"a"));
    QVERIFY(none.Buffer().isEmpty());
    QVERIFY(none.IsComplete());
}

void TypedTextTest::backspaceOverMistypedLineEnd_removesBoth()
{
    TargetText target;
    target.LoadText(QStringLiteral("a\r\nb"));
    TypedText typed(target);
    typed.SetRules({true, false});
    QCOMPARE(TypeKeys(typed, QStringLiteral("ax")), 1);
    QCOMPARE(typed.Buffer(), u"ax\n"_s);
    QVERIFY(typed.AcceptKey('B', u"b")); // refused: the line end is wrong
    QCOMPARE(typed.Position(), 3);
    TypeKeys(typed, QStringLiteral("\b b"));
    QCOMPARE(typed.Buffer(), u"a\r\nb"_s);
    QVERIFY(target.IsMarked(1));
    QVERIFY(typed.IsComplete());
}

void TypedTextTest::findProblemWord_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("word");
    QTest::addRow("inside a word") << "the quick brown" << 6 << "quick";
    QTest::addRow("last letter of a word") << "the quick brown" << 9 << "quick";
    QTest::addRow("nothing typed") << "quick" << 0 << "";
    QTest::addRow("short word") << "the quick" << 2 << "";
    QTest::addRow("separator: the word after") << "go-there now" << 3 << "there";
    QTest::addRow("space then space: none") << "go, there" << 3 << "";
    QTest::addRow("fourteen letters") << "abcdefghijklmn." << 3 << "abcdefghijklmn";
    QTest::addRow("fifteen letters") << "abcdefghijklmno." << 3 << "";
    QTest::addRow("cursor past the end") << "word" << 9 << "word";
    QTest::addRow("line break ends a word") << "word\r\nnext" << 2 << "word";
}

void TypedTextTest::findProblemWord()
{
    QFETCH(QString, target);
    QFETCH(int, cursor);
    QTEST(FindProblemWord(target, cursor), "word");
}

QTEST_GUILESS_MAIN(TypedTextTest)
#include "tst_typedtext.moc"
