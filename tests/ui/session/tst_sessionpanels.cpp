// The session and guide panels as painted: colours, cells, frames and the keys lit.
#include "KeyInput.h"
#include "Pixels.h"
#include "session/ExerciseClock.h"
#include "session/widgets/ClockPanel.h"
#include "session/widgets/FinishedNotice.h"
#include "session/widgets/KeyboardGuidePanel.h"
#include "session/widgets/KeypadGuidePanel.h"
#include "session/widgets/TargetPanel.h"
#include "session/widgets/TypedLineStrip.h"

#include <cmath>
#include <QApplication>
#include <QImage>
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

// The text block of a target panel is 714 pixels wide, centred; its first line starts halfway down.
QRect Cell(const TargetPanel& panel, int index)
{
    const ExerciseFont& font = panel.Font();
    return QRect(panel.width() / 2 - 357 + index * font.cellWidth, panel.height() / 2, font.cellWidth,
                 font.lineHeight);
}

// The orange of a lit key, blended over the white cap: strong red, little blue.
bool IsHighlight(QRgb pixel)
{
    return qRed(pixel) > 225 && qRed(pixel) - qBlue(pixel) > 80 && qGreen(pixel) < 225;
}

bool IsBlack(QRgb pixel)
{
    return qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 0;
}

int CountLit(const QImage& image, const QRect& logical)
{
    return test::CountPixels(image, logical, IsHighlight);
}

// Lit pixels outside the given areas: the whole panel's lit pixels less those inside them.
int CountLitOutside(const QImage& image, const QList<QRect>& areas)
{
    int inside = 0;
    for (const QRect& area : areas)
        inside += CountLit(image, area);
    return CountLit(image, QRect(QPoint(0, 0), image.deviceIndependentSize().toSize())) - inside;
}

// A guide panel whose scene the test sets, for pictures that are not there.
class ScenePanel final : public GuidePanel
{
public:
    explicit ScenePanel(QList<int> pictures) : GuidePanel(QSize(100, 60), std::move(pictures), nullptr) {}
    GuideDemonstration& Demonstration() override { return m_demonstration; }
    QList<GuidePlacement> placements;

protected:
    GuideScene Scene(int panelWidth, bool enabled) const override
    {
        GuideScene scene(panelWidth, QSize(100, 60), enabled);
        for (const GuidePlacement& placement : placements)
            scene.Draw(placement, 1.0);
        return scene;
    }

private:
    GuideDemonstration m_demonstration{session::Guide::Keyboard};
};

const QRect KeyA(73, 78, 29, 29);
const QRect KeyJ(274, 78, 29, 29);
const QRect RightShift(430, 114, 77, 29);
const QRect Backspace(446, 6, 60, 30);

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

        // The position's cell (4) is tinted inside its frame; the cell after it stays white.
        const QColor tint = image.pixelColor(cell(4).center().x(), cell(4).top() + 2);
        QVERIFY2(tint.red() > 200 && tint.blue() < 200, qPrintable(tint.name()));
        QCOMPARE(image.pixelColor(cell(5).left() + 1, cell(5).top() + 2), QColor(Qt::white));
        // Typed cells lie on a faint band, not on white.
        const QColor band = image.pixelColor(cell(0).left() + 1, cell(0).top() + 1);
        QVERIFY(band != QColor(Qt::white) && Contrast(band, Qt::white) < 1.2);
        // The corrected character carries a mark that reads at 3:1 or better against its background.
        double best = 1.0;
        for (int y = cell(1).top() + panel.Font().ascent; y <= cell(1).bottom(); ++y)
            for (int x = cell(1).left(); x <= cell(1).right(); ++x)
                best = std::max(best, Contrast(image.pixelColor(x, y), band));
        QVERIFY2(best >= 3.0, qPrintable(QString::number(best)));
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
        const QRgb background = panel.palette().color(QPalette::Button).rgb();
        QCOMPARE(
            test::CountPixels(Paint(panel), panel.rect(), [=](QRgb pixel) { return pixel != background; }),
            0);
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
        QVERIFY(notice.isVisible() && notice.isModal());
        const QPoint offset = notice.geometry().center() - window.geometry().center();
        QVERIFY2(offset.manhattanLength() <= 4, qPrintable(u"%1,%2"_s.arg(offset.x()).arg(offset.y())));

        QTimer* closer = notice.findChild<QTimer*>();
        QVERIFY(closer && closer->isActive());
        closer->start(1); // rather than wait the two seconds
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(!notice.isVisible());
    }

    void panels_lightExactlyTheKeysToPress_data()
    {
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QList<QRect>>("lit");

        QTest::addRow("A with right Shift")
            << false << u"A"_s << QString() << true << QList<QRect>{KeyA, RightShift};
        QTest::addRow("wrong key, forced: Backspace")
            << false << u"ab"_s << u"x"_s << true << QList<QRect>{Backspace};
        QTest::addRow("disabled: nothing") << false << u"a"_s << QString() << false << QList<QRect>{};
        QTest::addRow("keypad, line end: Enter")
            << true << u"1\r\n2"_s << u"1"_s << true << QList<QRect>{QRect(108, 114, 29, 65)};
        QTest::addRow("keypad, 0: wide key")
            << true << u"0"_s << QString() << true << QList<QRect>{QRect(7, 150, 62, 29)};
    }

    void panels_lightExactlyTheKeysToPress()
    {
        QFETCH(bool, keypad);
        QFETCH(QString, text);
        QFETCH(QString, keys);
        QFETCH(bool, enabled);
        QFETCH(QList<QRect>, lit);

        const test::Exercise exercise(text, keys, true);
        std::unique_ptr<QWidget> panel;
        if (keypad)
            panel = std::make_unique<KeypadGuidePanel>(exercise.typed);
        else
            panel = std::make_unique<KeyboardGuidePanel>(exercise.typed);
        panel->setEnabled(enabled);
        const QImage image = Paint(*panel);
        for (const QRect& key : lit) {
            const int litPixels = CountLit(image, key);
            QVERIFY2(litPixels > key.width() * key.height() / 4,
                     qPrintable(u"%1 lit pixels at %2,%3"_s.arg(litPixels).arg(key.x()).arg(key.y())));
        }
        QCOMPARE(CountLitOutside(image, lit), 0);
    }

    void keyboard_sharpOnHighDpi()
    {
        const test::Exercise exercise(u"j"_s);
        KeyboardGuidePanel panel(exercise.typed);
        const QImage image = Paint(panel, 2.0);
        QCOMPARE(panel.Pictures().Scale(), 2);
        QCOMPARE(panel.Pictures().Picture(397).deviceIndependentSize(), QSizeF(514, 189));
        QVERIFY(CountLit(image, KeyJ) > 2 * 2 * KeyJ.width() * KeyJ.height() / 4);
        QCOMPARE(CountLitOutside(image, {KeyJ}), 0);
        // The frame is one device pixel wide: the drawing is not a blown-up plain picture.
        QVERIFY(IsBlack(image.pixel(0, 100)));
        QVERIFY(!IsBlack(image.pixel(2, 100)));

        // Back on a plain screen, the plain drawings come back.
        Paint(panel, 1.0);
        QCOMPARE(panel.Pictures().Scale(), 1);
    }

    void missingPicture_drawsNothing()
    {
        ScenePanel panel({463, 99999});
        QVERIFY(panel.Pictures().Picture(99999).isNull());
        panel.placements = {{99999, 0, 0}, {463, 40, 20}, {88888, -5, -5}};
        const QImage image = Paint(panel);
        const QRgb background = panel.palette().color(QPalette::Button).rgb();
        QCOMPARE(image.pixel(10, 10), background);
        QCOMPARE(image.pixel(90, 50), background);
        QVERIFY(CountLit(image, QRect(40, 20, 29, 29)) > 29 * 29 / 2);
    }

    void charactersBeyondSixteenBits_areDrawn()
    {
        // A character outside the 16-bit range takes two cells, as it takes two typed units.
        const QString wide = QString::fromUcs4(U"\U0001F600");
        test::Exercise exercise(u"MM"_s + wide + u"MM"_s, u"MM"_s);
        exercise.typed.AcceptKey(0, wide);
        TargetPanel panel(exercise.target, exercise.typed);
        panel.resize(800, 200);
        TypedLineStrip strip(exercise.target, exercise.typed);
        strip.resize(600, 26);
        const int cw = panel.Font().cellWidth;
        const int lh = panel.Font().lineHeight;
        auto drawn = [&](const QImage& image, QRect cells) {
            return cells.width() * cells.height() - CountInk(image, cells, Ink::White);
        };
        QVERIFY(drawn(Paint(panel), QRect(400 - 357 + 2 * cw, 100, 2 * cw, lh)) > 5);
        QVERIFY(drawn(Paint(strip), QRect(15 + 2 * cw, 2, 2 * cw, 20)) > 5);
    }
};

QTEST_MAIN(SessionPanelsTest)
#include "tst_sessionpanels.moc"
