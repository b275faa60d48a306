#include "app/GamesController.h"

#include "app/CommandIds.h"
#include "app/MainController.h"

namespace clavora {

GamesController::GamesController(MainController& main) : SubsystemController(main) {}

void GamesController::ShowGame(int screen)
{
    if (screen >= 0)
        m_gameScreen = screen;
    if (MainView* view = Main().Window())
        view->SelectTab(Tab::Games);
    Main().ShowGamesView();
}

bool GamesController::HandleCommand(int commandId)
{
    switch (commandId) {
    case Command::Flurrix:
    case Command::MenuFlurrix:
    case Command::ThirtySeconds:
    case Command::MenuThirtySeconds:
    case Command::TypingHero:
    case Command::MenuTypingHero:
    case Command::TabGames:
        ShowGame(-1);
        return true;
    case Command::FlurrixGameBreak:
        Main().OnCommand(Command::MenuFlurrix);
        return true;
    case Command::GameScreenFlurrix:
    case Command::GameScreenThirtySeconds:
    case Command::GameScreenTypingHero:
        ShowGame(commandId - Command::GameScreenFlurrix);
        return true;
    default:
        return false;
    }
}

} // namespace clavora
