#include "platform/KeyCodes.h"
#include "session/ExerciseClock.h"
#include "session/TargetText.h"
#include "session/TypedText.h"
#include "session/widgets/ClockPanel.h"
#include "session/widgets/FinishedNotice.h"
#include "session/widgets/TargetPanel.h"
#include "session/widgets/TypedLineStrip.h"

#include <cmath>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

QImage Paint(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}

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
    int count = 0;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += IsInk(image.pixel(x, y), ink) ? 1 : 0;
    return count;
}

// WCAG contrast ratio of two colours.
double Contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void TypeKeys(TypedText& typed, const QString& keys)
{
    for (const QChar key : keys) {
        if (key == u'\b')
            typed.AcceptKey(VkBackspace, QString());
        else
            typed.AcceptKey(key == u' ' ? int(VkSpace) : int(key.toUpper().unicode()), QString(key));
    }
}

} // namespace

class SessionPanelsTest : public QObject
{
    Q_OBJECT

private slots:
    void targetPanel_coloursTypedWrongAndCorrected();
    void targetPanel_framesTypingPosition();
    void targetPanel_keepsCharactersOnTheirCells_data();
    void targetPanel_keepsCharactersOnTheirCells();
    void targetPanel_characterMissingFromFont_keepsGrid();
    void targetPanel_wrapsLongLineInsideBlock();
    void targetPanel_scrollsWhenPositionReachesLastLines();
    void targetPanel_disabledIsShadedEnabledIsFramed();
    void typedStrip_showsWrongCharactersWhiteOnRed();
    void typedStrip_showsOnlyCurrentLine();
    void typedStrip_windowOntoLongLine();
    void clockPanel_blankWithTimersOff();
    void finishedNotice_showsCentredAndClosesItself();
};

void SessionPanelsTest::targetPanel_coloursTypedWrongAndCorrected()
{
    TargetText target;
    target.LoadText(u"HHHHHH"_s);
    TypedText typed(target);
    // Cell 1 corrected and right (green), cell 2 wrong (red), cells 0 and 3 right (black).
    TypeKeys(typed, u"HX\bHXH"_s);
    TargetPanel panel(target, typed);
    panel.resize(800, 200);
    const QImage image = Paint(panel);

    const ExerciseFont& font = panel.Font();
    const int left = 400 - 357;
    auto cell = [&](int i) { return QRect(left + i * font.cellWidth, 100, font.cellWidth, font.lineHeight); };
    QVERIFY(CountInk(image, cell(0), Ink::Dark) > 5);
    QCOMPARE(CountInk(image, cell(0), Ink::Red) + CountInk(image, cell(0), Ink::Green), 0);
    QVERIFY(CountInk(image, cell(1), Ink::Green) > 5);
    QCOMPARE(CountInk(image, cell(1), Ink::Red), 0);
    QVERIFY(CountInk(image, cell(2), Ink::Red) > 5);
    QCOMPARE(CountInk(image, cell(2), Ink::Green), 0);
    QVERIFY(CountInk(image, cell(3), Ink::Dark) > 5);
    QCOMPARE(CountInk(image, cell(3), Ink::Red), 0);
    // Untyped characters are black.
    QVERIFY(CountInk(image, cell(5), Ink::Dark) > 5);

    // The position's cell (4) is tinted inside its frame; the cell after it stays white.
    const QColor tint = image.pixelColor(cell(4).center().x(), cell(4).top() + 2);
    QVERIFY2(tint.red() > 200 && tint.blue() < 200, qPrintable(tint.name()));
    QCOMPARE(image.pixelColor(cell(5).left() + 1, cell(5).top() + 2), QColor(Qt::white));
    // Typed cells lie on a faint band, not on white.
    const QColor band = image.pixelColor(cell(0).left() + 1, cell(0).top() + 1);
    QVERIFY(band != QColor(Qt::white) && Contrast(band, Qt::white) < 1.2);
    // The corrected character carries a mark that reads at 3:1 or better against its background.
    double best = 1.0;
    for (int y = cell(1).top() + font.ascent; y <= cell(1).bottom(); ++y)
        for (int x = cell(1).left(); x <= cell(1).right(); ++x)
            best = std::max(best, Contrast(image.pixelColor(x, y), band));
    QVERIFY2(best >= 3.0, qPrintable(QString::number(best)));
}

void SessionPanelsTest::targetPanel_framesTypingPosition()
{
    TargetText target;
    target.LoadText(u"a b c d"_s);
    TypedText typed(target);
    TypeKeys(typed, u"a "_s);
    TargetPanel panel(target, typed);
    panel.resize(800, 200);
    const QImage image = Paint(panel);
    const ExerciseFont& font = panel.Font();
    const int left = 400 - 357;
    // The top edge of the framed cell (index 2) is dotted; the cell after it has no frame.
    const QRect framedTop(left + 2 * font.cellWidth, 100, font.cellWidth, 1);
    const QRect plainTop(left + 4 * font.cellWidth, 100, font.cellWidth, 1);
    QVERIFY(CountInk(image, framedTop, Ink::Dark) >= font.cellWidth / 3);
    QCOMPARE(CountInk(image, plainTop, Ink::Dark), 0);
}

void SessionPanelsTest::targetPanel_keepsCharactersOnTheirCells_data()
{
    QTest::addColumn<int>("fontSize");
    QTest::addRow("default") << 0;
    QTest::addRow("small") << 12;
    QTest::addRow("large") << 28;
    QTest::addRow("odd") << 33;
}

void SessionPanelsTest::targetPanel_keepsCharactersOnTheirCells()
{
    QFETCH(int, fontSize);
    // Forty characters drawn as one run must end in the fortieth cell: a red last character
    // marks it, the run before it is black.
    const QString text = QString(40, u'M');
    TargetText target;
    target.LoadText(text);
    TypedText typed(target);
    TypeKeys(typed, QString(39, u'M') + u"x"_s);
    TargetPanel panel(target, typed);
    panel.SetFontSize(fontSize);
    panel.resize(1600, 300);
    const ExerciseFont& font = panel.Font();
    if (fontSize == 0)
        QCOMPARE(font.font.pixelSize(), 20);
    const QImage image = Paint(panel);
    const int left = 800 - 357;
    const QRect lastCell(left + 39 * font.cellWidth, 150, font.cellWidth, font.lineHeight);
    const QRect cellBefore(left + 38 * font.cellWidth, 150, font.cellWidth, font.lineHeight);
    QVERIFY(CountInk(image, lastCell, Ink::Red) > 3);
    QVERIFY(CountInk(image, cellBefore, Ink::Dark) > 3);
    QCOMPARE(CountInk(image, cellBefore, Ink::Red), 0);
}

void SessionPanelsTest::targetPanel_characterMissingFromFont_keepsGrid()
{
    // Characters the exercise font lacks come from other fonts, one cell each; a surrogate pair
    // takes two cells as it takes two typed units.
    const QString text = u"MM\u6f22\u5b57"_s + QString::fromUcs4(U"\U0001F600") + u"MMMx"_s;
    TargetText target;
    target.LoadText(text);
    TypedText typed(target);
    TargetPanel panel(target, typed);
    panel.resize(800, 200);
    const QImage image = Paint(panel);
    const ExerciseFont& font = panel.Font();
    const int left = 400 - 357;
    auto cell = [&](int i) { return QRect(left + i * font.cellWidth, 100, font.cellWidth, font.lineHeight); };
    QVERIFY(CountInk(image, cell(0), Ink::Dark) > 5);
    QVERIFY(CountInk(image, cell(8), Ink::Dark) > 5);
    QCOMPARE(CountInk(image, cell(10), Ink::Dark), 0);
}

void SessionPanelsTest::targetPanel_wrapsLongLineInsideBlock()
{
    QString text;
    while (text.size() < 600)
        text += u"lorem ipsum dolor sit amet, "_s;
    TargetText target;
    target.LoadText(text);
    TypedText typed(target);
    TargetPanel panel(target, typed);
    panel.resize(1200, 800);
    const QImage image = Paint(panel);
    const ExerciseFont& font = panel.Font();
    const int left = 600 - 357;
    const int lh = font.lineHeight;
    // Several lines of text below the middle, none of it right of the block (plus one cell for a
    // trailing space) nor left of it.
    for (int line = 0; line < 5; ++line)
        QVERIFY2(CountInk(image, QRect(left, 400 + line * lh, 714, lh), Ink::Dark) > 20,
                 qPrintable(QString::number(line)));
    QCOMPARE(CountInk(image, QRect(left + 714 + font.cellWidth, 400, 200, 5 * lh), Ink::Dark), 0);
    QCOMPARE(CountInk(image, QRect(1, 400, left - 2, 5 * lh), Ink::Dark), 0);
    // Nothing above the first line.
    QCOMPARE(CountInk(image, QRect(1, 1, 1198, 398), Ink::Dark), 0);
}

void SessionPanelsTest::targetPanel_scrollsWhenPositionReachesLastLines()
{
    QString text;
    for (int i = 0; i < 40; ++i)
        text += u"line\r\n"_s;
    TargetText target;
    target.LoadText(text);
    TypedText typed(target);
    TargetPanel panel(target, typed);
    panel.resize(800, 400);
    const int lh = panel.Font().lineHeight;
    // Lines start at y 200; the band of the last three lines starts at 400 - 3 lh.
    const int linesToBand = (400 - 3 * lh - 200 + lh - 1) / lh;
    for (int line = 0; line < linesToBand - 1; ++line)
        TypeKeys(typed, u"line "_s);
    Paint(panel);
    QCOMPARE(target.ScrollLine(), 0);

    TypeKeys(typed, u"line "_s); // onto the first line inside the band
    Paint(panel);
    QCOMPARE(target.ScrollLine(), 1);
    // The next paint shows the text a line higher: the first line now starts at 200 - lh.
    const QImage image = Paint(panel);
    const int left = 400 - 357;
    QVERIFY(CountInk(image, QRect(left, 200 - lh, 100, lh), Ink::Dark) > 10);

    TypeKeys(typed, u"\b\b"_s); // back over the line break: the text scrolls back down
    Paint(panel);
    QCOMPARE(target.ScrollLine(), 0);
}

void SessionPanelsTest::targetPanel_disabledIsShadedEnabledIsFramed()
{
    TargetText target;
    target.LoadText(u"text"_s);
    TypedText typed(target);
    TargetPanel panel(target, typed);
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

void SessionPanelsTest::typedStrip_showsWrongCharactersWhiteOnRed()
{
    TargetText target;
    target.LoadText(u"HHHH"_s);
    TypedText typed(target);
    TypeKeys(typed, u"HXH"_s);
    TypedLineStrip strip(target, typed);
    strip.resize(600, 26);
    const QImage image = Paint(strip);
    const ExerciseFont& font = strip.Font();
    auto cell = [&](int i) { return QRect(15 + i * font.cellWidth, 2, font.cellWidth, font.lineHeight - 1); };
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

void SessionPanelsTest::typedStrip_showsOnlyCurrentLine()
{
    TargetText target;
    target.LoadText(u"HHHH\r\nMM"_s);
    TypedText typed(target);
    TypeKeys(typed, u"HHHH "_s);
    TypedLineStrip strip(target, typed);
    strip.resize(600, 26);
    QCOMPARE(CountInk(Paint(strip), QRect(2, 2, 596, 22), Ink::Dark), 0);
    TypeKeys(typed, u"M"_s);
    const QImage image = Paint(strip);
    const int cw = strip.Font().cellWidth;
    QVERIFY(CountInk(image, QRect(15, 2, cw, 20), Ink::Dark) > 5);
    QCOMPARE(CountInk(image, QRect(15 + cw, 2, 300, 20), Ink::Dark), 0);
}

void SessionPanelsTest::typedStrip_windowOntoLongLine()
{
    TargetText target;
    target.LoadText(QString(300, u'H'));
    TypedText typed(target);
    TypeKeys(typed, QString(149, u'H') + u"X"_s);
    TypedLineStrip strip(target, typed);
    strip.resize(330, 26);
    const int cw = strip.Font().cellWidth;
    const qsizetype first = 150 - 300 / cw;
    // The wrong last character sits in the last cell that fits; the strip starts at position - a / cw.
    const QImage image = Paint(strip);
    const int wrongX = 15 + int(149 - first) * cw;
    QVERIFY(CountInk(image, QRect(wrongX, 2, cw, 20), Ink::Red) > 20);
    QVERIFY(CountInk(image, QRect(15, 2, cw, 20), Ink::Dark) > 5);
    QCOMPARE(CountInk(image, QRect(15, 2, wrongX - 15, 20), Ink::Red), 0);
}

void SessionPanelsTest::clockPanel_blankWithTimersOff()
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

void SessionPanelsTest::finishedNotice_showsCentredAndClosesItself()
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

QTEST_MAIN(SessionPanelsTest)
#include "tst_sessionpanels.moc"
