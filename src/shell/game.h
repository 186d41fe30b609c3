#pragma once
#include <memory>
#include <string>

#include "data/catalogue.h"
#include "data/world.h"
#include "data/zoo.h"
#include "shell/clock.h"
#include "shell/folders.h"
#include "shell/presentation.h"
#include "shell/random.h"
#include "shell/settings.h"
#include "sim/sim_state.h"
#include "view/view_state.h"

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
  Presentation* ui = &headless;
  Presentation headless;
};

std::unique_ptr<Game> MakeGame();
