// The figures and clock of an exercise and where its text is laid out in the panels.
#include "session/ExerciseClock.h"
#include "session/ExerciseResult.h"
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

    void figures_data()
    {
        QTest::addColumn<quint32>("durationMs");
        QTest::addColumn<quint32>("characters");
        QTest::addColumn<quint32>("errors");
        QTest::addColumn<double>("gross");
        QTest::addColumn<double>("net");
        QTest::addColumn<double>("kph");
        QTest::addColumn<double>("accuracy");

        QTest::addRow("one-minute speed test") << 60000u << 300u << 3u << 60.0 << 57.0 << 18000.0 << 99.0;
        QTest::addRow("nothing typed") << 60000u << 0u << 0u << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::addRow("stopped: all zero") << 0u << 0u << 0u << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::addRow("no time: no speed") << 0u << 100u << 0u << 0.0 << 0.0 << 0.0 << 100.0;
        QTest::addRow("net clipped at zero") << 60000u << 50u << 20u << 10.0 << 0.0 << 3000.0 << 60.0;
        QTest::addRow("more errors than characters") << 60000u << 5u << 10u << 1.0 << 0.0 << 300.0 << 0.0;
        QTest::addRow("half a minute") << 30000u << 150u << 0u << 60.0 << 60.0 << 18000.0 << 100.0;
    }

    void figures()
    {
        ExerciseResult result;
        QFETCH(quint32, durationMs);
        QFETCH(quint32, characters);
        QFETCH(quint32, errors);
        result.durationMs = durationMs;
        result.characters = characters;
        result.errors = errors;
        QTEST(result.GrossWpm(), "gross");
        QTEST(result.NetWpm(), "net");
        QTEST(result.Kph(), "kph");
        QTEST(result.AccuracyPercent(), "accuracy");
    }

    void clockText_byFormat_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("ms");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");

        QTest::addRow("hours") << 0 << 3725 << 0 << " 1:02:05" << 120;
        QTest::addRow("hours, start") << 0 << 0 << 0 << " 0:00:00" << 120;
        QTest::addRow("minutes") << 1 << 125 << 0 << "02:05" << 95;
        QTest::addRow("minutes past an hour wrap") << 1 << 3725 << 0 << "02:05" << 95;
        QTest::addRow("seconds alone") << 2 << 75 << 0 << ":75" << 70;
        QTest::addRow("milliseconds") << 3 << 9 << 42 << ".042" << 70;
        QTest::addRow("seconds and ms") << 4 << 5 << 7 << ":05.007" << 95;
        QTest::addRow("minutes and ms") << 5 << 125 << 7 << "02:05.007" << 120;
        QTest::addRow("all fields") << 6 << 3725 << 7 << "01:02:05.007" << 145;
        QTest::addRow("countdown past zero") << 1 << -5 << 0 << "00:-5" << 95;
    }

    void clockText_byFormat()
    {
        QFETCH(int, format);
        QFETCH(int, seconds);
        QFETCH(int, ms);
        ExerciseClock clock;
        clock.SetUpCountdown(seconds);
        clock.SetFormat(static_cast<ExerciseClock::Format>(format));
        clock.SetMilliseconds(ms);
        QTEST(clock.Text(), "text");
        QTEST(clock.TextWidth(), "width");
    }
};

QTEST_GUILESS_MAIN(PanelLayoutTest)
#include "tst_panellayout.moc"
