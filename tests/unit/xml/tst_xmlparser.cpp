// Reading XML text: references, markup, errors with their positions and the recovery after them,
// limits, and documents too deep or too wide for a naive reader.
#include "services/XmlDocument.h"
#include "XmlTreeOutline.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

const QString SemicolonError =
    u"Strings starting with an ampersand (&) must end with a semicolon (;). Either replace the '&' with "
    u"'&amp;' or add a ';' at the end of the control string."_s;

QString Located(int line, int column, const QString& message)
{
    return u"Ln %1, Col %2: %3"_s.arg(line).arg(column).arg(message);
}

QString EndOfText(const QString& name)
{
    return u"(EOF) Element <%1> should be terminated with </%1>. Check you have terminated your element "
           u"properly."_s.arg(name);
}

QString Mismatch(const QString& open, const QString& closing)
{
    return u"Element <%1> should be terminated with </%1>, was with %2. Check you have terminated your "
           u"element properly."_s.arg(open, closing);
}

} // namespace

class TestXmlParser final : public QObject
{
    Q_OBJECT

private slots:
    // Content of <a>...</a>: the decoded text and the first error, if any.
    void references_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");

        QTest::addRow("predefined") << u"&amp;&lt;&gt;&quot;&apos;"_s << u"&<>\"'"_s << QString();
        QTest::addRow("undefined name between words") << u"one &nbsp; two"_s << u"one & two"_s << QString();
        QTest::addRow("names are case-sensitive") << u"&AMP;"_s << u"&"_s << QString();
        QTest::addRow("decimal") << u"&#65;&#66;"_s << u"AB"_s << QString();
        QTest::addRow("hexadecimal") << u"&#x41;&#x42;&#x4a;"_s << u"ABJ"_s << QString();
        QTest::addRow("non-digits skipped") << u"&#x4-1;"_s << u"A"_s << QString();
        QTest::addRow("number without digits") << u"&#;&#x;"_s << u"&&"_s << QString();
        QTest::addRow("beyond 16 bits") << u"&#x1F600;"_s << u"\U0001F600"_s << QString();
        QTest::addRow("beyond Unicode")
            << u"&#x110000;&#99999999999999999999;"_s << u"\uFFFD\uFFFD"_s << QString();
        QTest::addRow("23-character name") << u"&abcdefghijklmnopqrstuvw;"_s << u"&"_s << QString();
        // "<a>" then "x & y": the space after the ampersand is read at column 7, so the error is at 8.
        QTest::addRow("space before semicolon") << u"x & y"_s << u"x y"_s << Located(1, 8, SemicolonError);
        QTest::addRow("tab before semicolon") << u"x &amp\ty"_s << u"x y"_s << Located(1, 11, SemicolonError);
        QTest::addRow("line break before semicolon")
            << u"x &amp\ny"_s << u"x y"_s << Located(2, 1, SemicolonError);
        QTest::addRow("NUL before semicolon")
            << u"x &am\0p;"_s << u"x p;"_s << Located(1, 10, SemicolonError);
        // The 24th character ends the reference and is consumed with it.
        QTest::addRow("24-character name")
            << u"&abcdefghijklmnopqrstuvwx;z"_s << u";z"_s << Located(1, 29, SemicolonError);
        QTest::addRow("only the first error") << u"& &;"_s << u"&"_s << Located(1, 6, SemicolonError);
    }

    void references()
    {
        QFETCH(QString, content);
        QFETCH(QString, error);

        XmlDocument document;
        QString errorText = u"stale"_s;
        const XmlParseStatus status = document.ParseFromText(u"<a>"_s + content + u"</a>"_s, &errorText);
        XmlNode* a = document.RootElement();
        QVERIFY(a);
        QTEST(a->NodeText(), "text");
        QCOMPARE(errorText, error);
        QCOMPARE(status, error.isEmpty() ? XmlParseStatus::Loaded : XmlParseStatus::ParseError);
    }

    void documents_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("outline");

        QTest::addRow("nested with text") << u"<a>x<b>y</b>z</a>"_s << u"a('x',b('y'),'z')"_s;
        QTest::addRow("empty element") << u"<a/><b />"_s << u"a,b"_s;
        QTest::addRow("attributes in order") << u"<a z=\"1\" y='2' x=3/>"_s << u"a[z=1,y=2,x=3]"_s;
        QTest::addRow("quotes of the other kind kept")
            << u"<a t='say \"hi\"' u=\"it's\"/>"_s << u"a[t=say \"hi\",u=it's]"_s;
        QTest::addRow("quoted stretch inside a token") << u"<a t=x\"y z\"w/>"_s << u"a[t=xy zw]"_s;
        QTest::addRow("references in values") << u"<a t=\"&lt;&#65;&amp;\"/>"_s << u"a[t=<A&]"_s;
        QTest::addRow("attribute without value") << u"<a b c=\"1\">t</a>"_s << u"a[b=,c=1]('t')"_s;
        QTest::addRow("one space after equals") << u"<a b= \"1\"/>"_s << u"a[b=1]"_s;
        QTest::addRow("spaces before equals") << u"<a b =\"1\"/>"_s << u"a[b=1]"_s;
        QTest::addRow("line break in a value") << u"<a b=\"1\r\n2\"/>"_s << u"a[b=1\n2]"_s;
        QTest::addRow("comment") << u"<!-- a -- b --><r/>"_s << u"!--(' a -- b '),r"_s;
        QTest::addRow("empty comment") << u"<!----><r/>"_s << u"!--(''),r"_s;
        QTest::addRow("comment holding markup") << u"<r><!--<x>&amp;--></r>"_s << u"r(!--('<x>&amp;'))"_s;
        QTest::addRow("CDATA") << u"<r><![CDATA[<x> & ]] ]]></r>"_s << u"r(![CDATA[('<x> & ]] '))"_s;
        QTest::addRow("DOCTYPE with internal subset")
            << u"<!DOCTYPE r [ <!ENTITY e \"x\"> ]><r/>"_s << u"!DOCTYPE(' r [ <!ENTITY e \"x\"> ]'),r"_s;
        QTest::addRow("declaration") << u"<?xml version=\"1.0\"?><r/>"_s << u"?xml[version=1.0],r"_s;
        QTest::addRow("processing instruction") << u"<?pi a=\"1\"?><r/>"_s << u"?pi[a=1],r"_s;
        QTest::addRow("declaration without attributes") << u"<?xml?><r/>"_s << u"?xml,r"_s;
        QTest::addRow("declaration with space before ?>")
            << u"<?xml version=\"1.0\" ?><r/>"_s << u"?xml[version=1.0],r"_s;
        QTest::addRow("greater-than in text") << u"<a>1 > 0</a>"_s << u"a('1 > 0')"_s;
        QTest::addRow("text around the root") << u"x<a/>y"_s << u"'x',a,'y'"_s;
        QTest::addRow("closing tag with space") << u"<a>t</a ><b/>"_s << u"a('t'),b"_s;
        QTest::addRow("empty text") << QString() << QString();
    }

    void documents()
    {
        QFETCH(QString, xml);

        XmlDocument document;
        QString error;
        QCOMPARE(document.ParseFromText(xml, &error), XmlParseStatus::Loaded);
        QCOMPARE(error, QString());
        QTEST(test::Outline(document.Root()), "outline");
    }

    // Each error is reported once, where it was found, and what was read around it is kept.
    void errors_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("outline");

        QTest::addRow("b closed by a's tag")
            << u"<a>\n  <b>\n</a>\n<c/>"_s << Located(3, 4, Mismatch(u"b"_s, u"a"_s))
            << u"a('\\n  ',b('\\n'),'\\n',c)"_s;
        QTest::addRow("mismatch skips to the next >")
            << u"<a><b>x</c foo>y</a>"_s << Located(1, 11, Mismatch(u"b"_s, u"c"_s)) << u"a(b('x'),'y')"_s;
        QTest::addRow("less-than without name")
            << u"<a>x < y</a>"_s
            << Located(1, 7, u"Misplaced < without name. Use &lt; instead of < if appropriate."_s)
            << u"a('x '),' y'"_s;
        QTest::addRow("less-than at the end")
            << u"<a>x<"_s
            << Located(1, 6, u"Misplaced < without name. Use &lt; instead of < if appropriate."_s)
            << u"a('x')"_s;
        QTest::addRow("closing tag at document level ends reading")
            << u"<a/></x><b/>"_s << Located(1, 8, u"Misplaced </x> which does not match a <x>."_s) << u"a"_s;
        QTest::addRow("end inside an element")
            << u"<a><b>text"_s << Located(1, 11, EndOfText(u"b"_s)) << u"a(b('text'))"_s;
        QTest::addRow("end inside a tag")
            << u"<a b=\"1\" c"_s << Located(1, 11, u"Tag <a> does not have a closing '>'"_s)
            << u"a[b=1,c=]"_s;
        QTest::addRow("end inside a quoted value")
            << u"<a b=\"1>"_s << Located(1, 9, u"Tag <a> does not have a closing '>'"_s) << u"a[b=1>]"_s;
        QTest::addRow("end inside a comment")
            << u"<r/><!-- abc"_s << Located(1, 13, EndOfText(u"!--"_s)) << u"r,!--(' abc')"_s;
        QTest::addRow("end inside CDATA")
            << u"<r><![CDATA[x]]"_s << Located(1, 16, EndOfText(u"![CDATA["_s)) << u"r(![CDATA[('x]]'))"_s;
        QTest::addRow("end inside DOCTYPE brackets")
            << u"<!DOCTYPE r [ > "_s << Located(1, 17, EndOfText(u"!DOCTYPE"_s)) << u"!DOCTYPE(' r [ > ')"_s;
        QTest::addRow("only the first error")
            << u"<a>& <b></a>"_s << Located(1, 6, SemicolonError) << u"a(b)"_s;
    }

    void errors()
    {
        QFETCH(QString, xml);

        XmlDocument document;
        QString errorText;
        QCOMPARE(document.ParseFromText(xml, &errorText), XmlParseStatus::ParseError);
        QTEST(errorText, "error");
        QTEST(test::Outline(document.Root()), "outline");
    }

    void limits_cutLongNamesAndValues()
    {
        const QString longName(300, u'n');
        const QString longValue(300, u'v');
        XmlDocument document;
        QCOMPARE(document.ParseFromText(u"<%1 %1=\"%2\">%2</%1>"_s.arg(longName, longValue)),
                 XmlParseStatus::Loaded);
        XmlNode* element = document.RootElement();
        QVERIFY(element);
        QCOMPARE(element->Name(), longName.left(XmlFixedFieldLength));
        QCOMPARE(element->Attributes().size(), 1);
        QCOMPARE(element->Attributes()[0].name, longName.left(XmlFixedFieldLength));
        QCOMPARE(element->Attributes()[0].value, longValue.left(XmlFixedFieldLength));
        // Text is not a token: it is never cut.
        QCOMPARE(element->NodeText(), longValue);
    }

    void lineBreaks_foldToLfAndCountLines()
    {
        XmlDocument document;
        QString error;
        // CR LF, LF CR, CR and LF each count once; "\r\n\r\n" is two breaks.
        document.ParseFromText(u"<a>1\r\n2\n\r3\r4\n5\r\n\r\n6</b>"_s, &error);
        QCOMPARE(document.RootElement()->NodeText(), u"1\n2\n3\n4\n5\n\n6"_s);
        QCOMPARE(error, Located(7, 5, Mismatch(u"a"_s, u"b"_s)));
    }

    void whitespace_keptExactlyAndInherited()
    {
        XmlDocument document;
        QCOMPARE(document.ParseFromText(u"<r>\n\t<a xml:space=\"default\">  </a>\n</r>"_s),
                 XmlParseStatus::Loaded);
        QCOMPARE(test::Outline(document.Root()), u"r('\\n\t',a('  '),'\\n')"_s);
        QVERIFY(document.Root().PreservesWhitespace());
        QVERIFY(document.RootElement()->PreservesWhitespace());
        // xml:space sets the flag and is not kept as an attribute.
        QVERIFY(document.RootElement()->FirstChildNamed(u"a")->Attributes().isEmpty());
    }

    void deepNesting_loadsWithoutExhaustingStack()
    {
        constexpr int Depth = 1000000;
        const QString xml = u"<a>"_s.repeated(Depth) + u"x"_s + u"</a>"_s.repeated(Depth);
        auto document = std::make_unique<XmlDocument>();
        QString error;
        QCOMPARE(document->ParseFromText(xml, &error), XmlParseStatus::Loaded);
        QCOMPARE(error, QString());
        int depth = 0;
        const XmlNode* node = document->RootElement();
        for (; node && node->IsElement(); node = node->FirstChild())
            ++depth;
        QCOMPARE(depth, Depth);
        QCOMPARE(node->Text(), u"x"_s);
        // Writing and freeing such a tree must not recurse either.
        QCOMPARE(document->Serialise().size(), qsizetype(Depth) * 7 + 1 + 2 * Depth);
        document.reset();
    }

    void deepNesting_unclosedFailsWithText()
    {
        constexpr int Depth = 100000;
        XmlDocument document;
        QString error;
        QCOMPARE(document.ParseFromText(u"<a>"_s.repeated(Depth), &error), XmlParseStatus::ParseError);
        QCOMPARE(error, Located(1, 3 * Depth + 1, EndOfText(u"a"_s)));
    }

    void wideDocument_keepsEverySibling()
    {
        constexpr int Count = 100000;
        XmlDocument document;
        QCOMPARE(document.ParseFromText(u"<r>"_s + u"<e>1</e>"_s.repeated(Count) + u"</r>"_s),
                 XmlParseStatus::Loaded);
        int count = 0;
        for (XmlNode* e : document.RootElement()->ChildrenNamed(u"e"))
            count += e->NodeText() == u"1" ? 1 : 0;
        QCOMPARE(count, Count);
        QCOMPARE(document.RootElement()->LastChild()->Name(), u"e"_s);
    }
};

QTEST_GUILESS_MAIN(TestXmlParser)
#include "tst_xmlparser.moc"
