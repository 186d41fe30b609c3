#include "game/game.h"

std::unique_ptr<Game> MakeGame(std::unique_ptr<Presentation> ui) {
  auto game = std::make_unique<Game>();
  game->ui = ui.get();
  game->ownUi = std::move(ui);
  return game;
}
