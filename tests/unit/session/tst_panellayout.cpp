#include "session/PanelLayout.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

// A panel of 1000 x 200 pixels with 10-pixel cells and 20-pixel lines: the block starts at
// x 143, the first line at y 100, the scroll band at y 140.
TargetGeometry SmallPanel(int scrollLine = 0)
{
    return TargetGeometry{1000, 200, 10, 20, scrollLine};
}

// Ten lines "aa", "bb", ... separated by CR LF: line k starts at index 4k.
QString TenLines()
{
    QString text;
    for (char16_t c = u'a'; c < u'a' + 10; ++c) {
        if (!text.isEmpty())
            text += u"\r\n";
        text += QString(2, QChar(c));
    }
    return text;
}

} // namespace

class PanelLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void fontSize_defaultsTo20_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("pixels");
        QTest::addRow("zero") << 0 << 20;
        QTest::addRow("negative") << -4 << 20;
        QTest::addRow("set") << 28 << 28;
    }

    void fontSize_defaultsTo20()
    {
        QFETCH(int, stored);
        QTEST(TextFontPixelSize(stored), "pixels");
    }

    void longLine_wrapsOnlyAtSeparators()
    {
        QString text;
        while (text.size() < 2000)
            text += u"word, other-thing; again. "_s;
        const TargetLayout layout = LayOutTarget(text, 0, TargetGeometry{1920, 100000, 10, 20, 0});
        QCOMPARE(layout.left, 960 - 357);
        QVERIFY(layout.lines.size() > 20);
        for (size_t k = 0; k + 1 < layout.lines.size(); ++k) {
            const TargetLine& line = layout.lines[k];
            QVERIFY2(line.end - line.first <= 72, qPrintable(QString::number(k)));
            QVERIFY(line.end - line.first > 60); // no early breaks
            QVERIFY(text.at(line.end - 1) == u' ' || text.at(line.end - 1) == u'-' ||
                    text.at(line.end - 1) == u';' || text.at(line.end - 1) == u',' ||
                    text.at(line.end - 1) == u'.');
            QCOMPARE(layout.lines[k + 1].first, line.end);
            QCOMPARE(layout.lines[k + 1].y, line.y + 20);
        }
        QCOMPARE(layout.lines.back().end, text.size());
    }

    void longWord_runsPastTheMargin()
    {
        const QString text = u"short "_s + QString(100, u'x') + u" end"_s;
        const TargetLayout layout = LayOutTarget(text, 0, SmallPanel());
        QCOMPARE(layout.lines.size(), size_t(3));
        QCOMPARE(layout.lines[1].first, 6);
        QCOMPARE(layout.lines[1].end, 107); // the word and its space, 1010 pixels
        QCOMPARE(layout.lines[2].first, 107);
    }

    void lineFeed_alwaysStartsNewLine()
    {
        const TargetLayout layout = LayOutTarget(u"ab\r\ncd\r\n\r\ne"_s, 0, SmallPanel());
        QCOMPARE(layout.lines.size(), size_t(4));
        QCOMPARE(layout.lines[1].first, 4);
        QCOMPARE(layout.lines[2].first, 8);
        QCOMPARE(layout.lines[3].first, 10);
        QCOMPARE(layout.lines[0].y, 100);
        QCOMPARE(layout.lines[3].y, 160);
    }

    void scrolling_followsTypingPosition_data()
    {
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("scrollBefore");
        QTest::addColumn<int>("scrollAfter");
        QTest::addRow("first line") << 0 << 0 << 0;
        QTest::addRow("second line") << 4 << 0 << 0;
        QTest::addRow("end of second line") << 6 << 0 << 0;
        QTest::addRow("third line reaches the band") << 8 << 0 << 1;
        QTest::addRow("scrolled, steady") << 8 << 1 << 1;
        QTest::addRow("next line scrolls again") << 12 << 1 << 2;
        QTest::addRow("far below: all at once") << 20 << 0 << 4;
        QTest::addRow("backspaced up a line: back down") << 4 << 1 << 0;
        QTest::addRow("backspaced up two lines: one per paint") << 8 << 3 << 2;
    }

    void scrolling_followsTypingPosition()
    {
        QFETCH(int, cursor);
        QFETCH(int, scrollBefore);
        const TargetLayout layout = LayOutTarget(TenLines(), cursor, SmallPanel(scrollBefore));
        QTEST(layout.scrollLine, "scrollAfter");
        QCOMPARE(layout.lines.front().y, 100 - 20 * scrollBefore);
    }

    void scrolling_settlesAfterOnePaint()
    {
        const QString text = TenLines();
        for (int cursor = 0; cursor < text.size(); ++cursor) {
            int scroll = 0;
            for (int paint = 0; paint < 12; ++paint)
                scroll = LayOutTarget(text, cursor, SmallPanel(scroll)).scrollLine;
            const int settled = LayOutTarget(text, cursor, SmallPanel(scroll)).scrollLine;
            QCOMPARE(settled, scroll);
            // The typing position's line sits above the band of the last three lines.
            const int cursorLine = cursor / 4;
            QVERIFY2(100 + (cursorLine - scroll) * 20 < 140, qPrintable(QString::number(cursor)));
        }
    }

    void layout_stopsBelowPanelAfterCursor()
    {
        QString text;
        for (int i = 0; i < 500; ++i)
            text += u"line\r\n"_s;
        const TargetLayout layout = LayOutTarget(text, 0, SmallPanel());
        QVERIFY(layout.lines.size() < 10);
        QVERIFY(layout.lines.back().y < 200);
    }

    void typedStrip_showsLastCharactersOfLongLine_data()
    {
        QTest::addColumn<int>("lineStart");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("first");
        QTest::addRow("fits") << 0 << 10 << 330 << 0;
        QTest::addRow("fits from line start") << 40 << 60 << 330 << 40;
        QTest::addRow("exactly full") << 5 << 35 << 330 << 5;
        QTest::addRow("too long") << 0 << 100 << 330 << 70;
        QTest::addRow("narrower than its margins") << 0 << 5 << 20 << 5;
    }

    void typedStrip_showsLastCharactersOfLongLine()
    {
        QFETCH(int, lineStart);
        QFETCH(int, position);
        QFETCH(int, width);
        QTEST(static_cast<int>(TypedStripFirstIndex(lineStart, position, width, 10)), "first");
    }
};

QTEST_GUILESS_MAIN(PanelLayoutTest)
#include "tst_panellayout.moc"
