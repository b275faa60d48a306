// The drawn field of the falling-words game, checked by its pixels: sky, ground, health bar and
// a word whose typed part shows in gold.
#include "HostedFlurrix.h"
#include "Pixels.h"

#include <QTest>

using namespace clavora;
using namespace clavora::test;
using namespace Qt::StringLiterals;

namespace {

bool Near(QRgb pixel, QColor colour, int tolerance)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
           std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

int CountNear(const QImage& image, const QRect& area, QColor colour, int tolerance)
{
    return CountPixels(image, area, [&](QRgb pixel) { return Near(pixel, colour, tolerance); });
}

} // namespace

class TestFlurrixDrawing final : public QObject
{
    Q_OBJECT

private slots:
    void playingField_drawsSkyGroundBarAndTypedPart()
    {
        constexpr int Width = 800;
        constexpr int Height = 600;
        QTemporaryDir folder;
        QVERIFY(WriteFile(folder.filePath(u"1letterwords.csv"_s), "a,s,d"));
        HostedFlurrix game(folder.path(), Width, Height);
        FallingWord* word = game.Field().InsertWord(u"sad"_s, 0);
        word->SetPosition(300, 200);
        game.screen.Character(u's');
        game.Frame();
        QCOMPARE(word->MatchedLength(), 1);

        QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
        game.Render(image);

        const QRect sky(0, 0, 60, 8);
        QVERIFY(CountNear(image, sky, QColor(102, 181, 223), 6) > sky.width() * sky.height() * 3 / 4);
        const QRect ground(0, Height - 6, 60, 6);
        QVERIFY(CountNear(image, ground, QColor(245, 249, 253), 12) >
                ground.width() * ground.height() * 3 / 4);
        // Full health: the fill stops just short of the bar's right end, which stays black.
        QVERIFY(Near(image.pixel(Width - 122, Height - 21), Qt::black, 10));
        QVERIFY(!Near(image.pixel(Width / 2, Height - 21), Qt::black, 60));
        const QSizeF size = word->Size();
        const int typedRight = int(word->X() + size.width() / 3);
        const QRect typed(int(word->X()), int(word->Y()), typedRight - int(word->X()), int(size.height()));
        const QRect rest(typedRight + 2, int(word->Y()), int(size.width() * 2 / 3) - 2, int(size.height()));
        QVERIFY(CountNear(image, typed, QColor(200, 160, 0), 40) > 20);
        QCOMPARE(CountNear(image, rest, QColor(200, 160, 0), 40), 0);
        QVERIFY(CountNear(image, rest, Qt::black, 40) > 20);
    }
};

QTEST_MAIN(TestFlurrixDrawing)
#include "tst_flurrixdrawing.moc"
