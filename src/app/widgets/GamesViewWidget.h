#pragma once

#include "app/GamesView.h"

#include <array>
#include <memory>
#include <QWidget>

namespace clavora {

class Clock;
class GameHost;
class GamesController;
class RandomGenerator;
class ScreenDrawing;

// The games view: one game host that runs the game screen chosen in the games controller, with
// the drawing that belongs to each screen.
class GamesViewWidget final : public QWidget, public GamesView
{
    Q_OBJECT

public:
    GamesViewWidget(GamesController& games, const Clock& clock, RandomGenerator& random,
                    QWidget* parent = nullptr);
    ~GamesViewWidget() override;

    void ShowScreen(int index) override;
    GameHost* Host() const { return m_host; }

private:
    GamesController& m_games;
    GameHost* m_host = nullptr;
    std::array<std::unique_ptr<ScreenDrawing>, 3> m_drawings;
};

} // namespace clavora
