#include "games/ThirtySecondsField.h"
#include "games/ThirtySecondsStore.h"
#include "games/TypingHeroField.h"
#include "games/TypingHeroStore.h"
#include "games/widgets/ThirtySecondsPainter.h"
#include "games/widgets/TypingHeroPainter.h"
#include "platform/RandomGenerator.h"
#include "testsupport/Pixels.h"
#include "testsupport/TestClock.h"
#include "testsupport/TestRegistry.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

class SilentSounds final : public RaceSounds
{
public:
    void PlayErrorSound() override {}
    void PlayMissedWord() override {}
    void PlaySiren() override {}
    bool SirenPlaying() const override { return true; }
};

bool IsWhite(QRgb pixel)
{
    return qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240;
}

// The field painted over its backdrop; saved for a look by eye when CLAVORA_SCREENSHOTS names a
// folder.
template <typename Painter, typename Field>
QImage Painted(const Field& field, QSize size, const QString& name)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    Painter painter;
    QPainter p(&image);
    painter.PaintBackdrop(p, size);
    painter.PaintField(p, field);
    p.end();
    if (const QString folder = qEnvironmentVariable("CLAVORA_SCREENSHOTS"); !folder.isEmpty())
        image.save(folder + u'/' + name + u".png"_s);
    return image;
}

} // namespace

class TestRaceRhythmDrawing final : public QObject
{
    Q_OBJECT

private slots:
    void race_drawsTheCurrentWordAtTheTopOfTheWheel()
    {
        test::TestRegistry reg(u"Alice"_s);
        test::TestClock clock;
        RandomGenerator random;
        SilentSounds sounds;
        ThirtySecondsStore store(reg.settings, clock);
        ThirtySecondsField field(clock, random, store, sounds);
        field.SetWordLists({{u"cat"_s, u"dog"_s, u"sun"_s, u"map"_s}});
        const QSize size(1600, 1000);
        field.Layout(size.width(), size.height());
        field.SetState(GameState::Playing);
        for (int frame = 0; frame < 8; ++frame)
            field.Update();
        field.Character(field.Queue().front().text.at(0));
        field.Character(u'#');
        for (int frame = 0; frame < 4; ++frame)
            field.Update();

        const QImage image = Painted<ThirtySecondsPainter>(field, size, u"race-field"_s);

        const QPoint top = field.WheelPoint(field.Queue().front().angle).toPoint();
        const auto purple = [](QRgb pixel) {
            return qBlue(pixel) > 200 && qGreen(pixel) < 80 && qRed(pixel) > 120;
        };
        QVERIFY(test::CountPixels(image, QRect(top - QPoint(40, 20), QSize(80, 40)), purple) > 50);
        QVERIFY(test::CountPixels(image, QRect(700, 300, 200, 70), IsWhite) > 200); // the clock
    }

    void rhythm_lightsTheNextKeyAndDrawsTheLetter()
    {
        test::TestRegistry reg;
        test::TestClock clock;
        TypingHeroStore store(reg.settings, clock);
        TypingHeroField field(clock, store);
        const QSize size(1600, 1000);
        field.SetGameSource([] { return TypingHeroGame{u"Poem"_s, u"Fog"_s, 3, 1.0}; });
        field.Layout(size.width(), size.height(), TypingHeroRules::KeyboardRect(size).height());
        field.SetState(GameState::Playing);
        for (int frame = 0; frame < 60; ++frame)
            field.Update();
        field.Character(u'x');

        const QImage image = Painted<TypingHeroPainter>(field, size, u"rhythm-field"_s);

        // F is lit where the guide lights it, and the right Shift key with it.
        const QRectF keyboard = TypingHeroRules::KeyboardRect(size);
        const double scale = keyboard.width() / GuideKeyTables::KeyboardPictureSize.width();
        const auto orange = [](QRgb pixel) { return qRed(pixel) > 225 && qRed(pixel) - qBlue(pixel) > 80; };
        for (const int key : {field.HighlightedKeys().key, field.HighlightedKeys().shift}) {
            const GuidePlacement place = GuideKeyTables::KeyboardKey(key)->highlight;
            const QPoint at = (keyboard.topLeft() + QPointF(place.x + 12, place.y + 12) * scale).toPoint();
            QVERIFY2(test::CountPixels(image, QRect(at, QSize(8, 8)), orange) > 40,
                     qPrintable(QString::number(key)));
        }
        // The falling F: a white square in lane 3.
        const FallingLetter& letter = field.Letters().front();
        const QPoint corner(int(field.LetterX(letter)) + 8, int(letter.y) + 8);
        QVERIFY(test::CountPixels(image, QRect(corner, QSize(10, 10)), IsWhite) > 80);
    }
};

QTEST_MAIN(TestRaceRhythmDrawing)
#include "tst_racerhythm_drawing.moc"
