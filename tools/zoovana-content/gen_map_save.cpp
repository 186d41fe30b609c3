// Map_Save/: the prepared starting zoo of a map (its MapStartSave), built on the
// generated map with the game's own construction code, as a player would, and
// written with the game's save writer.
#include <stdexcept>
#include <string>
#include <vector>

#include "view/headless_presentation.h"
#include "content.h"
#include "data/definitions.h"
#include "data/map_file.h"
#include "sim/saved_games.h"
#include "map_grounds.h"
#include "map_plans.h"
#include "scratch_output.h"
#include "game/game.h"
#include "sim/commands.h"

namespace {

void Check(const IoResult& r) {
  if (!r.ok()) throw std::runtime_error(r.error);
}

void Check(const CommandResult& r) {
  if (!r) throw std::runtime_error("starting zoo: " + r.refusal);
}

// Builds type with its footprint's origin at (x0, y0), levelling timber and stones
// there first; finished at once (a prepared zoo is not under construction).
void Place(Game& game, int type, int x0, int y0) {
  const int size = game.catalogue.BuildType[type].Size;
  for (int x = x0; x < x0 + size; ++x)
    for (int y = y0; y < y0 + size; ++y) {
      if (game.world.LandMap[y][x] != Land::Timber && game.world.LandMap[y][x] != Land::Stones) continue;
      Check(LevelAt(game, x, y));
      game.world.CellEffect[y][x] = -1.0;  // no dust cloud left in the save
    }
  CommandResult built = BuildAt(game, type, x0 + size / 2, y0 + size / 2);
  if (!built)
    throw std::runtime_error("starting zoo: type " + std::to_string(type) + " does not fit at " + std::to_string(x0) +
                             "," + std::to_string(y0) + ": " + built.refusal);
  game.world.Cells[y0][x0].ConstructionLeft = 0;
}

// The types the starting zoo uses (catalogue indexes).
constexpr int kRoad = 0, kRedFlowers = 17, kYellowFlowers = 18, kPine = 28, kCherry = 30, kJuiceMachine = 58,
              kToilet = 62, kBench73 = 64, kBench91 = 65, kSign = 68, kRabbits = 80, kGoats = 82, kSmallOffice = 130;

// Buys animals for the enclosure whose origin is (x, y) and hires its keeper, as a
// player would (the office that employs the keeper must stand already).
void Stock(Game& game, int x, int y, int animals) {
  for (int i = 0; i < animals; ++i) Check(BuyAnimal(game, x, y));
  Check(HireBuildingStaff(game, x, y));
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
  Place(game, kSmallOffice, gx - 2, middle + 1);
  Stock(game, gx + 1, middle + 1, 3);
  Stock(game, left + 1, top + 1, 2);
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
    auto game = MakeHeadlessGame();
    Check(LoadInfo(game->catalogue, out.Root() / "Data"));
    Check(LoadDefinitions(game->catalogue, out.Root() / "Data"));
    Check(LoadMap(out.Root() / "Maps" / plan.file, game->world, game->zoo));
    game->zoo.MapFileName = plan.file;
    game->zoo.Money = 99999999;  // the map's own money replaces it when the save is used
    LayStartingZoo(*game);
    game->zoo.Money = plan.money;
    WriteThroughScratch(out, "Map_Save", [&](const std::filesystem::path& scratch) {
      return WriteSavedGame(scratch, plan.startSave, game->world, game->zoo, SaveClockOf(game->clock));
    });
  }
}

RegisterGenerator reg("12-map-save", &GenerateMapSaves);

}  // namespace
