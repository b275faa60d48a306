#include "games/ThirtySecondsField.h"
#include "games/ThirtySecondsStore.h"
#include "games/TypingHeroField.h"
#include "games/TypingHeroStore.h"
#include "games/widgets/ThirtySecondsPainter.h"
#include "games/widgets/TypingHeroPainter.h"
#include "platform/RandomGenerator.h"
#include "platform/RegistryStore.h"
#include "settings/SettingsStore.h"
#include "testsupport/TestClock.h"
#include "testsupport/TestDataFolder.h"

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

// Saved for a look by eye when CLAVORA_SCREENSHOTS names a folder.
void Keep(const QImage& image, const QString& name)
{
    const QString folder = qEnvironmentVariable("CLAVORA_SCREENSHOTS");
    if (!folder.isEmpty())
        image.save(folder + u'/' + name + u".png"_s);
}

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

} // namespace

class TestRaceRhythmDrawing final : public QObject
{
    Q_OBJECT

private slots:
    void race_drawsTheCurrentWordAtTheTopOfTheWheel()
    {
        test::TestDataFolder data;
        RegistryStore registry;
        registry.Open(data.Path() + u"/registry.sqlite"_s);
        SettingsStore settings(registry);
        settings.CreateUser(u"Alice"_s, 5);
        test::TestClock clock;
        RandomGenerator random;
        SilentSounds sounds;
        ThirtySecondsStore store(settings, clock);
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

        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        ThirtySecondsPainter painter;
        QPainter p(&image);
        painter.PaintBackdrop(p, size);
        painter.PaintField(p, field);
        p.end();
        Keep(image, u"race-field"_s);

        const QPoint top = field.WheelPoint(field.Queue().front().angle).toPoint();
        const auto purple = [](QRgb pixel) {
            return qBlue(pixel) > 200 && qGreen(pixel) < 80 && qRed(pixel) > 120;
        };
        QVERIFY(CountPixels(image, QRect(top - QPoint(40, 20), QSize(80, 40)), purple) > 50);
        const auto white = [](QRgb pixel) {
            return qRed(pixel) > 245 && qGreen(pixel) > 245 && qBlue(pixel) > 245;
        };
        QVERIFY(CountPixels(image, QRect(700, 300, 200, 70), white) > 200); // the clock
    }

    void rhythm_lightsTheNextKeyAndDrawsTheLetter()
    {
        test::TestDataFolder data;
        RegistryStore registry;
        registry.Open(data.Path() + u"/registry.sqlite"_s);
        SettingsStore settings(registry);
        test::TestClock clock;
        TypingHeroStore store(settings, clock);
        TypingHeroField field(clock, store);
        const QSize size(1600, 1000);
        field.SetGameSource([] { return TypingHeroGame{u"Poem"_s, u"Fog"_s, 3, 1.0}; });
        field.Layout(size.width(), size.height(), TypingHeroRules::KeyboardRect(size).height());
        field.SetState(GameState::Playing);
        for (int frame = 0; frame < 60; ++frame)
            field.Update();
        field.Character(u'x');

        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        TypingHeroPainter painter;
        QPainter p(&image);
        painter.PaintBackdrop(p, size);
        painter.PaintField(p, field);
        p.end();
        Keep(image, u"rhythm-field"_s);

        // F is lit where the guide lights it, and the right Shift key with it.
        const QRectF keyboard = TypingHeroRules::KeyboardRect(size);
        const double scale = keyboard.width() / GuideKeyTables::KeyboardPictureSize.width();
        const auto orange = [](QRgb pixel) { return qRed(pixel) > 225 && qRed(pixel) - qBlue(pixel) > 80; };
        for (const int key : {field.HighlightedKeys().key, field.HighlightedKeys().shift}) {
            const GuidePlacement place = GuideKeyTables::KeyboardKey(key)->highlight;
            const QPoint at = (keyboard.topLeft() + QPointF(place.x + 12, place.y + 12) * scale).toPoint();
            QVERIFY2(CountPixels(image, QRect(at, QSize(8, 8)), orange) > 40,
                     qPrintable(QString::number(key)));
        }
        // The falling F: a white square in lane 3.
        const FallingLetter& letter = field.Letters().front();
        const QPoint corner(int(field.LetterX(letter)) + 8, int(letter.y) + 8);
        const auto white = [](QRgb pixel) {
            return qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240;
        };
        QVERIFY(CountPixels(image, QRect(corner, QSize(10, 10)), white) > 80);
    }
};

QTEST_MAIN(TestRaceRhythmDrawing)
#include "tst_racerhythm_drawing.moc"
