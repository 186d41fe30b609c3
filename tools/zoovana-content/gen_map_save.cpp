// Map_Save/: the prepared starting zoo of a map (its MapStartSave), built on the
// generated map with the game's own construction code, as a player would, and
// written with the game's save writer.
#include <stdexcept>
#include <string>
#include <vector>

#include "content.h"
#include "data/definitions.h"
#include "data/map_file.h"
#include "data/save_game.h"
#include "map_grounds.h"
#include "map_plans.h"
#include "scratch_output.h"
#include "shell/game.h"
#include "sim/sim_steps.h"
#include "view/construction.h"

namespace {

void Check(const IoResult& r) {
  if (!r.ok()) throw std::runtime_error(r.error);
}

// The tool that builds a type: 2 roads and plants, 3 shops and objects, 4 enclosures, 5 offices.
int ToolFor(int type) {
  int tool = 2;
  for (int g = 1; g < 4; ++g)
    if (type >= kGroupStart[g]) tool = g + 2;
  return tool;
}

// Builds type with its footprint's origin at (x0, y0), levelling timber and stones
// there first; finished at once (a prepared zoo is not under construction).
void Place(Game& game, int type, int x0, int y0) {
  const int size = game.catalogue.BuildType[type].Size;
  game.view.ToolMode = 1;
  for (int x = x0; x < x0 + size; ++x)
    for (int y = y0; y < y0 + size; ++y) {
      if (game.world.LandMap[y][x] != 2 && game.world.LandMap[y][x] != 4) continue;
      game.view.CursorCellX = x;
      game.view.CursorCellY = y;
      LevelOrClear(game);
      game.world.CellEffect[y][x] = -1.0;  // no dust cloud left in the save
    }
  game.view.ToolMode = ToolFor(type);
  game.view.SelectedType = type;
  game.view.CursorCellX = x0 + size / 2;
  game.view.CursorCellY = y0 + size / 2;
  Build(game);
  game.view.ToolMode = 0;
  Facility& f = game.world.Cells[y0][x0];
  if (f.Type != type) throw std::runtime_error("starting zoo: type " + std::to_string(type) + " does not fit at " +
                                               std::to_string(x0) + "," + std::to_string(y0));
  f.ConstructionLeft = 0;
}

// The types the starting zoo uses (catalogue indexes).
constexpr int kRoad = 0, kRedFlowers = 17, kYellowFlowers = 18, kPine = 28, kCherry = 30, kJuiceMachine = 58,
              kToilet = 62, kBench73 = 64, kBench91 = 65, kSign = 68, kRabbits = 80, kGoats = 82, kSmallOffice = 130;

// Buys animals for the enclosure whose origin is (x, y) and hires its keeper, with the
// game's own rules (they find places on the walk mask).
void Stock(Game& game, int x, int y, int animals) {
  for (int i = 0; i < animals; ++i)
    if (!AddAnimal(game, x, y, 0)) throw std::runtime_error("starting zoo: no room for an animal");
  if (!AddStaff(game, x, y, 0)) throw std::runtime_error("starting zoo: no room for a keeper");
}

// A loop of road around the middle of the map with a spine from the gate, two small
// enclosures with their animals and keepers, an office, a toilet, a bench, a vending
// machine, a sign and planting.
void LayStartingZoo(Game& game) {
  const World& w = game.world;
  const int gx = GateColumn(w.MapWidth), gy = GateRow(w.MapHeight);
  const int top = 5, middle = gy - 5, left = 3, right = w.MapWidth - 4;
  for (int y = top; y < gy; ++y) Place(game, kRoad, gx, y);
  Place(game, kRoad, gx + 1, gy - 1);
  for (int x = left; x <= right; ++x)
    for (int y : {top, middle})
      if (x != gx) Place(game, kRoad, x, y);
  for (int y = top + 1; y < middle; ++y)
    for (int x : {left, right}) Place(game, kRoad, x, y);
  Place(game, kRabbits, gx + 1, middle + 1);
  Place(game, kGoats, left + 1, top + 1);
  Stock(game, gx + 1, middle + 1, 3);
  Stock(game, left + 1, top + 1, 2);
  Place(game, kSmallOffice, gx - 2, middle + 1);
  Place(game, kToilet, gx - 1, gy - 2);
  Place(game, kBench73, gx + 2, gy - 1);
  Place(game, kBench91, gx + 1, top + 1);
  Place(game, kJuiceMachine, gx - 1, middle + 1);
  Place(game, kSign, gx + 1, top + 3);
  Place(game, kRedFlowers, gx - 1, gy - 1);
  Place(game, kYellowFlowers, gx + 3, gy - 1);
  Place(game, kCherry, right - 1, top + 1);
  Place(game, kPine, right - 1, middle - 1);
}

void GenerateMapSaves(Output& out) {
  for (const MapPlan& plan : MapPlans()) {
    if (plan.startSave.empty()) continue;
    auto game = MakeGame();
    Check(LoadInfo(game->catalogue, out.Root() / "Data"));
    Check(LoadDefinitions(game->catalogue, out.Root() / "Data"));
    Check(LoadMap(out.Root() / "Maps" / plan.file, game->world, game->zoo));
    game->zoo.MapFileName = plan.file;
    game->zoo.Money = 99999999;  // the map's own money replaces it when the save is used
    LayStartingZoo(*game);
    game->zoo.Money = plan.money;
    WriteThroughScratch(out, "Map_Save", [&](const std::filesystem::path& scratch) {
      return WriteSavedGame(scratch, plan.startSave, game->world, game->zoo, game->clock);
    });
  }
}

RegisterGenerator reg("12-map-save", &GenerateMapSaves);

}  // namespace
