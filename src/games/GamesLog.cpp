#include "games/GamesLog.h"

Q_LOGGING_CATEGORY(lcGames, "clavora.games")
