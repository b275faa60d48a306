#pragma once

namespace clavora {

// What the games controller asks of the games view: which game screen to show. Showing the view
// (or a screen) starts its idle animation when it is not running.
class GamesView
{
public:
    virtual ~GamesView() = default;
    // 0 the falling-words game, 1 the race, 2 the rhythm game.
    virtual void ShowScreen(int index) = 0;
};

} // namespace clavora
