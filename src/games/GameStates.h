#pragma once

namespace clavora {

// The states a game screen and its play field share.
namespace GameState {
enum : int
{
    Paused = 0,
    Playing = 1,
    Menu = 2,
    GameOver = 3,
};
} // namespace GameState

} // namespace clavora
