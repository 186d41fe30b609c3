#include "sim/construction.h"

#include <string>

#include "game/game.h"
#include "sim/disasters.h"
#include "sim/sim_steps.h"

namespace {

bool IsObstacle(Land land) { return land == Land::Timber || land == Land::Stones; }

// Whether nothing stands on the cell and it is clear land. Cells outside the map are
// never clear.
bool ClearLand(const Game& game, int x, int y) {
  if (!IsOnMap(game.world, x, y)) return false;
  if (game.world.LandMap[y][x] != Land::Clear) return false;
  int t = FindFacilityAt(game.world, game.catalogue, x, y).type;
  return t < 0 || game.catalogue.BuildType[t].Size < 1;
}

int GroupOfType(int type) {
  int g = 0;
  while (g < 3 && type >= kGroupEnd[g]) ++g;
  return g;
}

}  // namespace

Footprint FootprintAt(int cx, int cy, int size) { return {cx - size / 2, cy - size / 2, size}; }

bool Affordable(const Game& game, int64_t cost) { return int64_t{game.zoo.Money} - cost >= 0; }

const char* BuildSiteRefusal(const Game& game, const Footprint& f) {
  // A type without a definition has no footprint: nothing can stand on no cells.
  if (f.size < 1) return ActionText::CannotBuild;
  for (int x = f.x0; x < f.x0 + f.size; ++x)
    for (int y = f.y0; y < f.y0 + f.size; ++y)
      if (!ClearLand(game, x, y)) return ActionText::CannotBuild;
  return nullptr;
}

const char* BuildRulesRefusal(const Game& game, int type, const Footprint& f) {
  const auto& bt = game.catalogue.BuildType[type];
  if (!Affordable(game, bt.Price)) return ActionText::BuildNoFunds;
  if (bt.Kind != BuildKind::Road && PeopleInArea(game.world, f)) return ActionText::RoadsOnlyNearPeople;
  if (type == kDirectorOffice && DirectorOfficeExists(game.world)) return ActionText::OneDirectorOffice;
  return nullptr;
}

LevelArea FindLevelArea(const Game& game, int cx, int cy) {
  if (!IsOnMap(game.world, cx, cy)) return {};
  if (IsObstacle(game.world.LandMap[cy][cx])) return {true, -1, {cx, cy, 1}};
  FacilityHit hit = FindFacilityAt(game.world, game.catalogue, cx, cy);
  if (hit.type < 0 || game.catalogue.BuildType[hit.type].Size < 1) return {};
  return {true, hit.type, {cx + hit.dx, cy + hit.dy, game.catalogue.BuildType[hit.type].Size}};
}

int64_t LevelCost(const Game& game, const Footprint& f) {
  return int64_t{game.zoo.LevelCostPerCell} * f.size * f.size;
}

bool OfficesStillSuffice(const Game& game, int type) {
  const auto& bt = game.catalogue.BuildType[type];
  if (bt.Kind != BuildKind::ManagementOffice) return true;
  return game.zoo.StaffCapacity - bt.StaffSlots >= game.zoo.StaffTotal;
}

void PlaceBuilding(Game& game, int type, const Footprint& f) {
  const auto& bt = game.catalogue.BuildType[type];
  int group = GroupOfType(type);
  game.zoo.Money -= bt.Price;
  game.zoo.MonthBuildSpend += bt.Price;
  game.ui->PlayEffectAtCell(game, "Const.wav", f.x0, f.y0);

  World& w = game.world;
  Facility& fac = w.Cells[f.y0][f.x0];
  fac = Facility{};
  fac.Type = static_cast<int16_t>(type);
  fac.Durability = 100;
  // Roads and planting of the first group are done at once; the rest are built.
  fac.ConstructionLeft = group == 0 ? 0 : 800;
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= 31; ++d) {
      w.DayStats1[f.y0][f.x0][m][d] = 0;
      w.DayStats2[f.y0][f.x0][m][d] = 0;
    }
  for (int x = f.x0; x < f.x0 + f.size; ++x)
    for (int y = f.y0; y < f.y0 + f.size; ++y) w.Litter[y][x] = kNoLitter;
  game.clock.RedrawAll = 1;
  game.sim.CoverValid = false;

  if (group == 1) {
    fac.PurchaseQty = fac.Stock = bt.InitialStock;
    fac.SalePrice = bt.InitialPrice;
  }
  // With automatic hiring a shop gets its clerk (a vending machine has none) and an
  // enclosure its keeper.
  bool clerk = group == 1 && bt.Kind == BuildKind::Shop && bt.Shape != Shape::VendingMachine;
  bool keeper = group == 2;
  if (game.settings.AutoKoyou && (clerk || keeper)) AddStaff(game, f.x0, f.y0, 1);
  // An office employs from the moment it stands.
  RecountStaff(game);
}

bool PeopleInArea(const World& world, const Footprint& f) {
  for (const Person& p : world.Walkers)
    if (p.Used == 1 && p.CellX >= f.x0 && p.CellX < f.x0 + f.size && p.CellY >= f.y0 && p.CellY < f.y0 + f.size)
      return true;
  return false;
}

bool DirectorOfficeExists(const World& world) {
  for (int y = 0; y < world.MapHeight; ++y)
    for (int x = 0; x < world.MapWidth; ++x)
      if (world.Cells[y][x].Type == kDirectorOffice) return true;
  return false;
}

void ClearCells(Game& game, int x, int y, bool byDisaster) {
  if (!IsOnMap(game.world, x, y)) return;
  World& w = game.world;
  if (IsObstacle(w.LandMap[y][x])) {
    w.LandMap[y][x] = Land::Clear;
    w.TileMap[y][x] = 0;
    w.CellEffect[y][x] = 0.0;
    w.Litter[y][x] = kNoLitter;
    game.ui->PlayEffectAtCell(game, "Destroy.wav", x, y);
    game.clock.RedrawAll = 1;
    return;
  }
  // The origin is found here, not taken from an earlier search.
  FacilityHit hit = FindFacilityAt(w, game.catalogue, x, y);
  if (hit.type < 0) return;
  Footprint f{x + hit.dx, y + hit.dy, game.catalogue.BuildType[hit.type].Size};
  game.clock.RedrawAll = 1;
  game.sim.CoverValid = false;
  for (int cx = f.x0; cx < f.x0 + f.size; ++cx)
    for (int cy = f.y0; cy < f.y0 + f.size; ++cy) {
      if (!IsOnMap(game.world, cx, cy)) continue;
      w.CellEffect[cy][cx] = 0.0;
      if (!byDisaster) {
        game.ui->PlayEffectAtCell(game, "Destroy.wav", cx, cy);
        w.TileMap[cy][cx] = 0;
      } else {
        game.ui->PlayEffectAtCell(game, "Destroy_b" + std::to_string(1 + game.random(3)) + ".wav", cx, cy);
        w.TileMap[cy][cx] = game.random(2) == 0 ? 63 : 71;
        w.LandMap[cy][cx] = Land::Stones;
      }
    }
  Facility& fac = w.Cells[f.y0][f.x0];
  if (byDisaster) ReleaseAnimals(game, f.x0, f.y0);
  fac.Type = -1;
  fac.AnimalCount = 0;
  fac.StaffCount = 0;
  w.Litter[y][x] = kNoLitter;
}
