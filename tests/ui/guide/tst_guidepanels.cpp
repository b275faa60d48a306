#include "KeyInput.h"
#include "Pixels.h"
#include "session/widgets/KeyboardGuidePanel.h"
#include "session/widgets/KeypadGuidePanel.h"

#include <QApplication>
#include <QImage>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

using test::Paint;

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

class GuidePanelsTest : public QObject
{
    Q_OBJECT

private slots:
    void panels_takeTheirPictureSize()
    {
        const test::Exercise exercise(u"a"_s);
        KeyboardGuidePanel keyboard(exercise.typed);
        KeypadGuidePanel keypad(exercise.typed);
        QCOMPARE(keyboard.size(), QSize(514, 189));
        QCOMPARE(keyboard.sizeHint(), QSize(514, 189));
        QCOMPARE(keypad.size(), QSize(143, 189));
        // Pictures are decoded by the first paint, not while the window is built.
        QVERIFY(keyboard.Pictures().Picture(397).isNull());
        keyboard.grab();
        keypad.grab();
        QVERIFY(!keyboard.Pictures().Picture(397).isNull());
        QVERIFY(!keypad.Pictures().Picture(470).isNull());
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

    void keyboard_framedWhileEnabledShadedWhileDisabled()
    {
        const test::Exercise exercise(u"é"_s);
        KeyboardGuidePanel panel(exercise.typed);
        const QImage enabled = Paint(panel);
        panel.setEnabled(false);
        const QImage disabled = Paint(panel);

        for (const QPoint edge : {QPoint(0, 0), QPoint(513, 0), QPoint(0, 188), QPoint(513, 188),
                                  QPoint(257, 0), QPoint(0, 94), QPoint(513, 94), QPoint(257, 188)}) {
            QVERIFY2(IsBlack(enabled.pixel(edge)), qPrintable(u"%1,%2"_s.arg(edge.x()).arg(edge.y())));
            QVERIFY(!IsBlack(disabled.pixel(edge)));
        }
        // Inside, the frame leaves the picture alone and the shading greys it.
        QVERIFY(!IsBlack(enabled.pixel(1, 1)));
        const QPoint spaceBar(250, 165);
        QVERIFY(qGray(enabled.pixel(spaceBar)) > 235);
        QVERIFY(qGray(disabled.pixel(spaceBar)) < qGray(enabled.pixel(spaceBar)) - 20);
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
};

QTEST_MAIN(GuidePanelsTest)
#include "tst_guidepanels.moc"
