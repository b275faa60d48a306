#pragma once

#include "app/SubsystemController.h"

namespace clavora {

// The game commands: the Games tab, the three games from menu and toolbar, the screen choice
// and the course's game break.
class GamesController final : public SubsystemController
{
public:
    explicit GamesController(MainController& main);

    bool HandleCommand(int commandId) override;

    // Which game screen the games view shows: 0 the falling-words game, 1 the race, 2 the rhythm
    // game.
    int GameScreen() const { return m_gameScreen; }

private:
    void ShowGame(int screen);

    int m_gameScreen = 0;
};

} // namespace clavora
