#pragma once
// The one small test world: a map of clear land, a set of building types of every
// kind and one species, defined straight into the catalogue.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/game.h"
#include "view/headless_presentation.h"

namespace test_world {

// Types of the test catalogue.
constexpr int kRoad = 0;                                 // 1 x 1 roads, shapes 0..6, price 10
constexpr int kShop = 40;                                // 1 x 1 shop with two clerks
constexpr int kBench73 = 41, kBench = kBench73;          // 1 x 1 objects, the bench for 50
constexpr int kBench91 = 42, kToilet = 43, kSign = 44, kStatue = 45;
constexpr int kVending = 46;                             // 1 x 1 vending machine, price 80
constexpr int kBigShop = 47;                             // 2 x 2 shop, price 300
constexpr int kPen = 80;                                 // 2 x 2 enclosure for up to 4 lions and 2 keepers
constexpr int kMidPen = 81;                              // 3 x 3 enclosure, price 1000
constexpr int kBigPen = 82;                              // 4 x 4 enclosure, price 2000
constexpr int kOffice = 130;                             // 2 x 2 management office for 10 staff, price 500
constexpr int kDirector = 134;                           // 2 x 2 director's office, price 5000
constexpr int kSpecies = 0;

// A width x height map of clear land on bare ground (tile 0), with the map fields
// a map file needs to read back.
void ClearMap(World& w, Zoo& z, int width, int height);

// Records the windows the rules open and the effects they play and stop.
class Recorder : public HeadlessPresentation {
 public:
  void RunWindow(Game& game, int mode) override;
  void PlayEffect(const std::string& file, bool, bool, int, int) override { effects.push_back(file); }
  void StopAllEffects() override { ++effectStops; }
  std::vector<int> windows;
  std::vector<EventRequest> events;
  std::vector<std::string> effects;
  int effectStops = 0;
};

// The test world with a recorder for its windows and effects.
struct SimGame {
  std::unique_ptr<Game> owner = MakeHeadlessGame();
  Game& g = *owner;
  Recorder recorder;
  SimGame(int width = 16, int height = 16);
};

// A test of the rules on the default test world: `g` is the game, `s.recorder` what it showed.
class SimTest : public testing::Test {
 protected:
  SimGame s;
  Game& g = s.g;
};

// The test world as the player finds it: money to build with and an 800 x 600 screen.
std::unique_ptr<Game> MakePark(int width = 20, int height = 20);

// Puts a new building of a type with its origin at (x, y), as construction does.
Facility& Place(Game& g, int type, int x, int y);
// A road cell, optionally of a shape.
void Road(Game& g, int x, int y, int type = kRoad);
// A visitor (slot < 150) or staff member standing on a cell centre, walking.
Person& PutWalker(Game& g, int slot, int kind, int x, int y, int dir = 1);

}  // namespace test_world
