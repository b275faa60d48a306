#include "KeyInput.h"
#include "Pixels.h"
#include "session/ExerciseClock.h"
#include "session/widgets/ClockPanel.h"
#include "session/widgets/FinishedNotice.h"
#include "session/widgets/TargetPanel.h"
#include "session/widgets/TypedLineStrip.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

using test::Paint;

enum class Ink
{
    Dark,
    Red,
    Green,
    White,
    Grey
};

bool IsInk(QRgb pixel, Ink ink)
{
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    switch (ink) {
    case Ink::Dark:
        return r < 90 && g < 90 && b < 90;
    case Ink::Red:
        return r > 200 && g < 90 && b < 90;
    case Ink::Green:
        return g > 200 && r < 90 && b < 90;
    case Ink::White:
        return r > 240 && g > 240 && b > 240;
    case Ink::Grey:
        return r == g && g == b && r > 100 && r < 160;
    }
    return false;
}

int CountInk(const QImage& image, const QRect& area, Ink ink)
{
    return test::CountPixels(image, area, [ink](QRgb pixel) { return IsInk(pixel, ink); });
}

// The text block of a target panel is 714 pixels wide, centred; its first line starts halfway down.
QRect Cell(const TargetPanel& panel, int index)
{
    const ExerciseFont& font = panel.Font();
    return QRect(panel.width() / 2 - 357 + index * font.cellWidth, panel.height() / 2, font.cellWidth,
                 font.lineHeight);
}

} // namespace

class SessionPanelsTest : public QObject
{
    Q_OBJECT

private slots:
    void targetPanel_coloursTypedWrongAndCorrected()
    {
        // Cell 1 corrected and right (green), cell 2 wrong (red), cells 0 and 3 right (black).
        test::Exercise exercise(u"HHHHHH"_s, u"HX\bHXH"_s);
        TargetPanel panel(exercise.target, exercise.typed);
        panel.resize(800, 200);
        const QImage image = Paint(panel);
        const auto cell = [&](int i) { return Cell(panel, i); };
        QVERIFY(CountInk(image, cell(0), Ink::Dark) > 5);
        QCOMPARE(CountInk(image, cell(0), Ink::Red) + CountInk(image, cell(0), Ink::Green), 0);
        QVERIFY(CountInk(image, cell(1), Ink::Green) > 5);
        QCOMPARE(CountInk(image, cell(1), Ink::Red), 0);
        QVERIFY(CountInk(image, cell(2), Ink::Red) > 5);
        QCOMPARE(CountInk(image, cell(2), Ink::Green), 0);
        QVERIFY(CountInk(image, cell(3), Ink::Dark) > 5);
        QCOMPARE(CountInk(image, cell(3), Ink::Red), 0);
        QVERIFY(CountInk(image, cell(5), Ink::Dark) > 5); // untyped characters are black
    }

    void targetPanel_framesTypingPosition()
    {
        test::Exercise exercise(u"a b c d"_s, u"a "_s);
        TargetPanel panel(exercise.target, exercise.typed);
        panel.resize(800, 200);
        const QImage image = Paint(panel);
        // The top edge of the framed cell (index 2) is dotted; the cell after it has no frame.
        const QRect framedTop = Cell(panel, 2).adjusted(0, 0, 0, 1 - panel.Font().lineHeight);
        QVERIFY(CountInk(image, framedTop, Ink::Dark) >= framedTop.width() / 3);
        QCOMPARE(CountInk(image, framedTop.translated(2 * framedTop.width(), 0), Ink::Dark), 0);
    }

    void targetPanel_keepsCharactersOnTheirCells_data()
    {
        QTest::addColumn<int>("fontSize");
        QTest::addRow("default") << 0;
        QTest::addRow("small") << 12;
        QTest::addRow("large") << 28;
        QTest::addRow("odd") << 33;
    }

    void targetPanel_keepsCharactersOnTheirCells()
    {
        QFETCH(int, fontSize);
        // Forty characters drawn as one run must end in the fortieth cell: a red last character
        // marks it, the run before it is black.
        test::Exercise exercise(QString(40, u'M'), QString(39, u'M') + u"x"_s);
        TargetPanel panel(exercise.target, exercise.typed);
        panel.SetFontSize(fontSize);
        panel.resize(1600, 300);
        const QImage image = Paint(panel);
        QVERIFY(CountInk(image, Cell(panel, 39), Ink::Red) > 3);
        QVERIFY(CountInk(image, Cell(panel, 38), Ink::Dark) > 3);
        QCOMPARE(CountInk(image, Cell(panel, 38), Ink::Red), 0);
    }

    void targetPanel_characterMissingFromFont_keepsGrid()
    {
        // Characters the exercise font lacks come from other fonts, one cell each; a surrogate pair
        // takes two cells as it takes two typed units.
        test::Exercise exercise(u"MM\u6f22\u5b57"_s + QString::fromUcs4(U"\U0001F600") + u"MMMx"_s);
        TargetPanel panel(exercise.target, exercise.typed);
        panel.resize(800, 200);
        const QImage image = Paint(panel);
        QVERIFY(CountInk(image, Cell(panel, 0), Ink::Dark) > 5);
        QVERIFY(CountInk(image, Cell(panel, 8), Ink::Dark) > 5);
        QCOMPARE(CountInk(image, Cell(panel, 10), Ink::Dark), 0);
    }

    void targetPanel_paintWritesTheScrollLineBack()
    {
        // The layout rules are tested without painting; here only the hand-over after a paint.
        test::Exercise exercise(u"line\r\n"_s.repeated(40), u"line "_s.repeated(10));
        TargetPanel panel(exercise.target, exercise.typed);
        panel.resize(800, 400);
        QCOMPARE(exercise.target.ScrollLine(), 0);
        Paint(panel);
        QVERIFY(exercise.target.ScrollLine() > 0);
    }

    void targetPanel_disabledIsShadedEnabledIsFramed()
    {
        test::Exercise exercise(u"text"_s);
        TargetPanel panel(exercise.target, exercise.typed);
        panel.resize(400, 100);
        QImage image = Paint(panel);
        QVERIFY(IsInk(image.pixel(0, 0), Ink::Dark));
        QVERIFY(IsInk(image.pixel(399, 99), Ink::Dark));
        QVERIFY(IsInk(image.pixel(5, 5), Ink::White));

        panel.setEnabled(false);
        image = Paint(panel);
        QVERIFY(!IsInk(image.pixel(5, 5), Ink::White));
        QVERIFY(!IsInk(image.pixel(0, 0), Ink::Dark));
    }

    void typedStrip_showsWrongCharactersWhiteOnRed()
    {
        test::Exercise exercise(u"HHHH"_s, u"HXH"_s);
        TypedLineStrip strip(exercise.target, exercise.typed);
        strip.resize(600, 26);
        const QImage image = Paint(strip);
        const ExerciseFont& font = strip.Font();
        const auto cell = [&](int i) {
            return QRect(15 + i * font.cellWidth, 2, font.cellWidth, font.lineHeight - 1);
        };
        QVERIFY(CountInk(image, cell(0), Ink::Dark) > 5);
        QCOMPARE(CountInk(image, cell(0), Ink::Red), 0);
        // The wrong cell is filled red with the character in white.
        const int cellPixels = cell(1).width() * std::min(cell(1).height(), 24 - 2);
        QVERIFY(CountInk(image, cell(1), Ink::Red) > cellPixels / 2);
        QVERIFY(CountInk(image, cell(1), Ink::White) > 3);
        QVERIFY(CountInk(image, cell(2), Ink::Dark) > 5);
        // Nothing after the typed characters.
        QCOMPARE(CountInk(image, QRect(15 + 3 * font.cellWidth, 2, 200, 20), Ink::Dark), 0);
    }

    void typedStrip_showsOnlyCurrentLine()
    {
        test::Exercise exercise(u"HHHH\r\nMM"_s, u"HHHH "_s);
        TypedLineStrip strip(exercise.target, exercise.typed);
        strip.resize(600, 26);
        QCOMPARE(CountInk(Paint(strip), QRect(2, 2, 596, 22), Ink::Dark), 0);
        test::TypeKeys(exercise.typed, u"M"_s);
        const QImage image = Paint(strip);
        const int cw = strip.Font().cellWidth;
        QVERIFY(CountInk(image, QRect(15, 2, cw, 20), Ink::Dark) > 5);
        QCOMPARE(CountInk(image, QRect(15 + cw, 2, 300, 20), Ink::Dark), 0);
    }

    void clockPanel_blankWithTimersOff()
    {
        ExerciseClock clock;
        clock.SetUpCountdown(60);
        ClockPanel panel(clock);
        panel.resize(200, 50);
        QVERIFY(CountInk(Paint(panel), panel.rect(), Ink::Grey) > 20);

        panel.SetShowTimers(false);
        const QImage blank = Paint(panel);
        const QRgb background = panel.palette().color(QPalette::Button).rgb();
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 200; ++x)
                QCOMPARE(blank.pixel(x, y), background);
    }

    void finishedNotice_showsCentredAndClosesItself()
    {
        QWidget window;
        window.setGeometry(100, 80, 900, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        FinishedNotice notice(&window);
        QSignalSpy finished(&notice, &QDialog::finished);
        notice.open();
        QVERIFY(notice.isVisible());
        QVERIFY(notice.isModal());
        QVERIFY(notice.windowFlags() & Qt::FramelessWindowHint);
        const QList<QLabel*> labels = notice.findChildren<QLabel*>();
        QStringList texts;
        for (const QLabel* label : labels)
            texts << label->text();
        QVERIFY(texts.contains(u"Finished"_s));
        QVERIFY(texts.contains(u"Remember to strive for accuracy."_s));
        const QPoint offset = notice.geometry().center() - window.geometry().center();
        QVERIFY2(offset.manhattanLength() <= 4, qPrintable(u"%1,%2"_s.arg(offset.x()).arg(offset.y())));

        QTimer* closer = notice.findChild<QTimer*>();
        QVERIFY(closer);
        QVERIFY(closer->isSingleShot());
        QCOMPARE(closer->interval(), FinishedNotice::ShownMs);
        QVERIFY(closer->isActive());
        closer->start(1); // rather than wait the two seconds
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(!notice.isVisible());
    }
};

QTEST_MAIN(SessionPanelsTest)
#include "tst_sessionpanels.moc"
