#pragma once

#include "games/SceneButton.h"

#include <memory>

namespace clavora::GameMenuStyle {

// The menus and game-over panels of the race and the rhythm game: Helvetica, light text, gold
// for the buttons that play.
inline const TextFont TitleFont{QStringLiteral("Helvetica"), 64, 700};
inline const TextFont ButtonFont{QStringLiteral("Helvetica"), 40, 700};
inline const TextFont LineFont{QStringLiteral("Helvetica"), 30, 400};
inline constexpr SceneColour Light{255, 255, 255};
inline constexpr SceneColour Gold{255, 215, 80};

inline std::unique_ptr<SceneButton> Button(const QString& text, std::function<void()> action,
                                           SceneColour colour, const TextFont& font = ButtonFont)
{
    auto button = std::make_unique<SceneButton>(text, font, std::move(action));
    button->SetColour(colour);
    return button;
}

// "Start", reading "Resume" while the game is paused.
inline std::unique_ptr<SceneButton> StartButton(std::function<void()> action)
{
    auto button = Button(QStringLiteral("Start"), std::move(action), Gold);
    button->SetPausedText(QStringLiteral("Resume"));
    return button;
}

// "End", shown only while the game is paused.
inline std::unique_ptr<SceneButton> EndButton(std::function<void()> action)
{
    auto button = Button(QStringLiteral("End"), std::move(action), Light);
    button->SetShownInStates({GameState::Paused});
    return button;
}

} // namespace clavora::GameMenuStyle
