#pragma once
#include <memory>
#include <string>

#include "data/catalogue.h"
#include "data/world.h"
#include "data/zoo.h"
#include "game/clock.h"
#include "game/folders.h"
#include "game/presentation.h"
#include "game/random.h"
#include "game/settings.h"
#include "game/sim_state.h"
#include "game/view_state.h"

// Everything one running game consists of. Functions take the Game (or the part of
// it they work on), so a test can build a world of its own. It is large (the daily
// statistics grids alone are several megabytes): make it with MakeGame.
struct Game {
  Game() = default;
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Settings settings;
  Folders folders;
  Clock clock;
  Random random;
  Catalogue catalogue;
  World world;
  Zoo zoo;
  SimState sim;
  ViewState view;
  std::string MusicName = "bgm1A.wav";  // the in-game track, chosen by ChooseMapMusic
  // Where the rules show and sound things; the game owns the one it was made with,
  // and the program or a test may point it elsewhere.
  Presentation* ui = nullptr;
  std::unique_ptr<Presentation> ownUi;
};

// A game that presents through ui (owned by the game).
std::unique_ptr<Game> MakeGame(std::unique_ptr<Presentation> ui);
