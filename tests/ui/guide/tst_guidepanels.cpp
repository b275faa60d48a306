#include "platform/KeyCodes.h"
#include "session/TargetText.h"
#include "session/TypedText.h"
#include "session/widgets/KeyboardGuidePanel.h"
#include "session/widgets/KeypadGuidePanel.h"

#include <QApplication>
#include <QImage>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

QImage Paint(QWidget& widget, qreal ratio = 1.0)
{
    QImage image(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
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

// Lit pixels inside an area given in logical pixels of an image painted at any ratio.
int CountLit(const QImage& image, const QRect& logical)
{
    const qreal ratio = image.devicePixelRatio();
    const QRect area = QRect(logical.topLeft() * ratio, logical.size() * ratio) & image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += IsHighlight(image.pixel(x, y)) ? 1 : 0;
    return count;
}

int CountLitOutside(const QImage& image, const QList<QRect>& areas)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QPoint logical(int(x / image.devicePixelRatio()), int(y / image.devicePixelRatio()));
            const bool inside = std::any_of(areas.begin(), areas.end(),
                                            [&](const QRect& area) { return area.contains(logical); });
            count += !inside && IsHighlight(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// An exercise with its first keys typed, as the guide panels follow it.
struct Exercise
{
    TargetText target;
    TypedText typed{target};

    Exercise(const QString& text, const QString& keys, bool correctionsForced = false)
    {
        target.LoadText(text);
        typed.SetRules({correctionsForced, false});
        for (const QChar key : keys)
            typed.AcceptKey(key == u' ' ? int(VkSpace) : int(key.toUpper().unicode()), QString(key));
    }
};

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
const QRect KeyB(226, 114, 29, 29);
const QRect KeyJ(274, 78, 29, 29);
const QRect RightShift(430, 114, 77, 29);
const QRect SpaceBar(159, 150, 196, 29);
const QRect Backspace(446, 6, 60, 30);

} // namespace

class GuidePanelsTest : public QObject
{
    Q_OBJECT

private slots:
    void panels_takeTheirPictureSize();
    void keyboard_lightsExactlyTheKeysToPress_data();
    void keyboard_lightsExactlyTheKeysToPress();
    void keyboard_drawsHandsOnlyWithAKey();
    void keyboard_framedWhileEnabledShadedWhileDisabled();
    void keyboard_sharpOnHighDpi();
    void keypad_lightsItsKeys_data();
    void keypad_lightsItsKeys();
    void missingPicture_drawsNothing();
};

void GuidePanelsTest::panels_takeTheirPictureSize()
{
    const Exercise exercise(u"a"_s, QString());
    KeyboardGuidePanel keyboard(exercise.typed);
    KeypadGuidePanel keypad(exercise.typed);
    // The picture with the finger's caption strip under it.
    QCOMPARE(keyboard.size(), QSize(514, 189 + GuidePanel::CaptionHeight));
    QCOMPARE(keyboard.sizeHint(), keyboard.size());
    QCOMPARE(keypad.size(), QSize(143, 189 + GuidePanel::CaptionHeight));
    // Pictures are decoded by the first paint, not while the window is built.
    QVERIFY(keyboard.Pictures().Picture(397).isNull());
    keyboard.grab();
    keypad.grab();
    QVERIFY(!keyboard.Pictures().Picture(397).isNull());
    QVERIFY(!keypad.Pictures().Picture(470).isNull());
}

void GuidePanelsTest::keyboard_lightsExactlyTheKeysToPress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("correctionsForced");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QList<QRect>>("lit");

    QTest::addRow("A with right Shift")
        << u"A"_s << QString() << false << true << QList<QRect>{KeyA, RightShift};
    QTest::addRow("j") << u"j"_s << QString() << false << true << QList<QRect>{KeyJ};
    QTest::addRow("line end: space bar") << u"a\r\nb"_s << u"a"_s << false << true << QList<QRect>{SpaceBar};
    QTest::addRow("wrong key, forced: Backspace")
        << u"ab"_s << u"x"_s << true << true << QList<QRect>{Backspace};
    QTest::addRow("wrong key, not forced: next key")
        << u"ab"_s << u"x"_s << false << true << QList<QRect>{KeyB};
    QTest::addRow("e acute: nothing") << u"é"_s << QString() << false << true << QList<QRect>{};
    QTest::addRow("disabled: nothing") << u"a"_s << QString() << false << false << QList<QRect>{};
}

void GuidePanelsTest::keyboard_lightsExactlyTheKeysToPress()
{
    QFETCH(QString, text);
    QFETCH(QString, keys);
    QFETCH(bool, correctionsForced);
    QFETCH(bool, enabled);
    QFETCH(QList<QRect>, lit);

    const Exercise exercise(text, keys, correctionsForced);
    KeyboardGuidePanel panel(exercise.typed);
    panel.setEnabled(enabled);
    const QImage image = Paint(panel);
    for (const QRect& key : lit) {
        const int litPixels = CountLit(image, key);
        QVERIFY2(litPixels > key.width() * key.height() / 4,
                 qPrintable(u"%1 lit pixels at %2,%3"_s.arg(litPixels).arg(key.x()).arg(key.y())));
    }
    QCOMPARE(CountLitOutside(image, lit), 0);
}

void GuidePanelsTest::keyboard_drawsHandsOnlyWithAKey()
{
    // The hands change the bottom of the picture on both sides; a character off the keyboard
    // leaves the picture as it is at the end of the text.
    const Exercise accented(u"é"_s, QString());
    const Exercise finished(u"a"_s, u"a"_s);
    const Exercise letter(u"j"_s, QString());
    KeyboardGuidePanel accentedPanel(accented.typed);
    KeyboardGuidePanel finishedPanel(finished.typed);
    KeyboardGuidePanel letterPanel(letter.typed);
    const QImage bare = Paint(finishedPanel);
    QCOMPARE(Paint(accentedPanel), bare);

    const QImage hands = Paint(letterPanel);
    const auto changedIn = [&](const QRect& area) {
        int changed = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                changed += hands.pixel(x, y) != bare.pixel(x, y) ? 1 : 0;
        return changed;
    };
    const QRect leftPalm(60, 160, 80, 25);
    const QRect rightPalm(340, 160, 80, 25);
    QVERIFY(changedIn(leftPalm) > leftPalm.width() * leftPalm.height() / 2);
    QVERIFY(changedIn(rightPalm) > rightPalm.width() * rightPalm.height() / 2);
}

void GuidePanelsTest::keyboard_framedWhileEnabledShadedWhileDisabled()
{
    const Exercise exercise(u"é"_s, QString());
    KeyboardGuidePanel panel(exercise.typed);
    const QImage enabled = Paint(panel);
    panel.setEnabled(false);
    const QImage disabled = Paint(panel);

    for (const QPoint edge : {QPoint(0, 0), QPoint(513, 0), QPoint(0, 188), QPoint(513, 188), QPoint(257, 0),
                              QPoint(0, 94), QPoint(513, 94), QPoint(257, 188)}) {
        QVERIFY2(IsBlack(enabled.pixel(edge)), qPrintable(u"%1,%2"_s.arg(edge.x()).arg(edge.y())));
        QVERIFY(!IsBlack(disabled.pixel(edge)));
    }
    // Inside, the frame leaves the picture alone and the shading greys it.
    QVERIFY(!IsBlack(enabled.pixel(1, 1)));
    const QPoint spaceBar(250, 165);
    QVERIFY(qGray(enabled.pixel(spaceBar)) > 235);
    QVERIFY(qGray(disabled.pixel(spaceBar)) < qGray(enabled.pixel(spaceBar)) - 20);
}

void GuidePanelsTest::keyboard_sharpOnHighDpi()
{
    const Exercise exercise(u"j"_s, QString());
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

void GuidePanelsTest::keypad_lightsItsKeys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QList<QRect>>("lit");
    QTest::addRow("line end: Enter") << u"1\r\n2"_s << u"1"_s << QList<QRect>{QRect(108, 114, 29, 65)};
    QTest::addRow("5") << u"5"_s << QString() << QList<QRect>{QRect(41, 78, 29, 29)};
    QTest::addRow("0: wide key") << u"0"_s << QString() << QList<QRect>{QRect(7, 150, 62, 29)};
    QTest::addRow("letter: nothing") << u"a"_s << QString() << QList<QRect>{};
}

void GuidePanelsTest::keypad_lightsItsKeys()
{
    QFETCH(QString, text);
    QFETCH(QString, keys);
    QFETCH(QList<QRect>, lit);
    const Exercise exercise(text, keys);
    KeypadGuidePanel panel(exercise.typed);
    const QImage image = Paint(panel);
    for (const QRect& key : lit)
        QVERIFY(CountLit(image, key) > key.width() * key.height() / 3);
    QCOMPARE(CountLitOutside(image, lit), 0);
}

void GuidePanelsTest::missingPicture_drawsNothing()
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

QTEST_MAIN(GuidePanelsTest)
#include "tst_guidepanels.moc"
