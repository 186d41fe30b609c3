#include "shell/game.h"

std::unique_ptr<Game> MakeGame() { return std::make_unique<Game>(); }
