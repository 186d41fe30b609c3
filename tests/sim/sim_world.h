#pragma once
// Small hand-made worlds for the simulation tests: a clear map, a few building
// types and one species set up directly in the catalogue.
#include <memory>
#include <string>
#include <vector>

#include "view/headless_presentation.h"
#include "game/game.h"
#include "support/test_world.h"
#include "shell/tick.h"

namespace simtest {

// Types of the test catalogue.
constexpr int kRoad = 0, kRoad7to3 = 5, kRoad1to9 = 6;
constexpr int kShop = 40, kBench73 = 41, kBench91 = 42, kToilet = 43, kSign = 44, kStatue = 45, kVending = 46;
constexpr int kPen = 80;      // 2 x 2 enclosure for up to 4 animals and 2 keepers
constexpr int kOffice = 130;  // management office for 10 staff
constexpr int kSpecies = 0;

// Records the windows the rules open and the effects they play.
class Recorder : public HeadlessPresentation {
 public:
  void RunWindow(Game& game, int mode) override {
    windows.push_back(mode);
    if (mode == Mode::Event) events.push_back(game.sim.Event);
    HeadlessPresentation::RunWindow(game, mode);
  }
  void PlayEffect(const std::string& file, bool, bool, int, int) override { effects.push_back(file); }
  std::vector<int> windows;
  std::vector<EventRequest> events;
  std::vector<std::string> effects;
};

struct SimGame {
  std::unique_ptr<Game> owner = MakeHeadlessGame();
  Game& g = *owner;
  Recorder recorder;
  SimGame(int width = 16, int height = 16);
};

// Puts a new building of a type with its origin at (x, y), as construction does.
Facility& Place(Game& g, int type, int x, int y);
// A road cell, optionally of a shape.
void Road(Game& g, int x, int y, int type = kRoad);
// A visitor (slot < 150) or staff member standing on a cell centre, walking.
Person& PutWalker(Game& g, int slot, int kind, int x, int y, int dir);

}  // namespace simtest
