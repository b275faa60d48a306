#pragma once

#include "games/widgets/FlurrixDrawing.h"
#include "games/widgets/GameHost.h"
#include "unit/games/GameFixture.h"

#include <QImage>
#include <QPainter>

namespace clavora::test {

// The falling-words screen in a real game host (fonts, pictures, drawing), with a game started.
class HostedFlurrix
{
public:
    HostedFlurrix(const QString& wordListFolder, int width, int height) : host(clock, random)
    {
        environment.folder = wordListFolder;
        host.resize(width, height);
        host.SetScreen(&screen, &drawing);
        screen.Init(host);
        screen.Layout(host, 0, 0, width, height);
        screen.KeyDown('A');
        screen.Update(host);
    }

    FlurrixField& Field() { return screen.Field(); }
    void Frame()
    {
        clock.Advance(16);
        screen.Update(host);
    }
    void Render(QImage& image)
    {
        QPainter painter(&image);
        host.Render(painter);
    }

    TestClock clock;
    RandomGenerator random{7};
    FakeFlurrixEnvironment environment;
    GameHost host;
    FlurrixScreen screen{environment};
    FlurrixDrawing drawing;
};

} // namespace clavora::test
