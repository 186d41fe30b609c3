#include "view/construction.h"

#include <cstdint>

#include "shell/game.h"
#include "sim/sim_steps.h"
#include "view/geometry.h"

namespace {

bool IsObstacle(int land) { return land == 2 || land == 4; }

// Whether nothing stands on the cell and it is clear land. Cells outside the map are
// never clear.
bool ClearLand(Game& game, int x, int y) {
  if (!IsOnMap(game.world, x, y)) return false;
  if (game.world.LandMap[y][x] != 1) return false;
  int t = FindFacility(game.world, game.catalogue, x, y);
  return t < 0 || game.catalogue.BuildType[t].Size < 1;
}

bool Affordable(const Game& game, int64_t cost) { return int64_t{game.zoo.Money} - cost >= 0; }

// The first check a new building of the selected type fails at the cursor, or
// nullptr. The money check is skipped for the preview's own order (it sets the
// price text in between).
const char* SiteRefusal(Game& game, const Footprint& f) {
  for (int x = f.x0; x < f.x0 + f.size; ++x)
    for (int y = f.y0; y < f.y0 + f.size; ++y)
      if (!ClearLand(game, x, y)) return BuildText::CannotBuild;
  return nullptr;
}

const char* RulesRefusal(Game& game, int type, const Footprint& f) {
  const auto& bt = game.catalogue.BuildType[type];
  if (!Affordable(game, bt.Price)) return BuildText::BuildNoFunds;
  if (bt.Kind != BuildKind::Road && PeopleInArea(game.world, f)) return BuildText::RoadsOnlyNearPeople;
  if (type == kDirectorOffice && DirectorOfficeExists(game.world)) return BuildText::OneDirectorOffice;
  return nullptr;
}

// What levelling at the cursor would remove: the obstacle cell or the building's
// footprint. type is -1 for an obstacle; valid is false when there is nothing.
struct LevelArea {
  bool valid = false;
  int type = -1;
  Footprint area;
};

LevelArea FindLevelArea(Game& game, int cx, int cy) {
  if (!IsOnMap(game.world, cx, cy)) return {};
  if (IsObstacle(game.world.LandMap[cy][cx])) return {true, -1, {cx, cy, 1}};
  int t = FindFacility(game.world, game.catalogue, cx, cy);
  if (t < 0 || game.catalogue.BuildType[t].Size < 1) return {};
  return {true, t, {cx + game.world.FoundDX, cy + game.world.FoundDY, game.catalogue.BuildType[t].Size}};
}

int64_t LevelCost(const Game& game, const Footprint& f) {
  return int64_t{game.zoo.LevelCostPerCell} * f.size * f.size;
}

// Removing a management office must leave room for every employed member of staff.
bool OfficesStillSuffice(const Game& game, int type) {
  const auto& bt = game.catalogue.BuildType[type];
  if (bt.Kind != BuildKind::ManagementOffice) return true;
  return game.zoo.StaffCapacity - bt.StaffSlots >= game.zoo.StaffTotal;
}

void PlayAtMouse(Game& game, const std::string& file) {
  game.ui->PlayEffect(file, false, true, game.view.MouseY, game.view.MouseX);
}

void Refuse(ViewState& v, const char* why) {
  v.CostText = BuildText::Refused;
  v.HintText = why;
  v.outline.refused = true;
}

void PreviewLevel(Game& game) {
  ViewState& v = game.view;
  LevelArea la = FindLevelArea(game, v.CursorCellX, v.CursorCellY);
  if (!la.valid) {
    v.outline = {true, false, v.CursorCellX, v.CursorCellY, 1};
    Refuse(v, BuildText::CannotLevel);
    return;
  }
  v.outline = {true, false, la.area.x0, la.area.y0, la.area.size};
  int64_t cost = LevelCost(game, la.area);
  v.CostText = std::to_string(cost);
  if (!Affordable(game, cost)) return Refuse(v, BuildText::LevelNoFunds);
  if (la.type >= 0 && !OfficesStillSuffice(game, la.type)) return Refuse(v, BuildText::LevelOfficeNeeded);
  v.HintText = BuildText::LevelOk;
}

void PreviewBuild(Game& game) {
  ViewState& v = game.view;
  if (v.SelectedType < 0) {
    v.outline.shown = false;
    return;
  }
  const auto& bt = game.catalogue.BuildType[v.SelectedType];
  Footprint f = FootprintAt(v.CursorCellX, v.CursorCellY, bt.Size);
  v.outline = {true, false, f.x0, f.y0, f.size};
  if (const char* why = SiteRefusal(game, f)) return Refuse(v, why);
  v.CostText = std::to_string(bt.Price);
  if (const char* why = RulesRefusal(game, v.SelectedType, f)) return Refuse(v, why);
  v.HintText = BuildText::BuildOk;
}

// Sets up the record of a new building at its origin.
void InitFacility(Game& game, int type, const Footprint& f) {
  World& w = game.world;
  Facility& fac = w.Cells[f.y0][f.x0];
  fac = Facility{};
  fac.Type = static_cast<int16_t>(type);
  fac.Durability = 100;
  fac.ConstructionLeft = game.view.ToolMode == 2 ? 0 : 800;
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= 31; ++d) {
      w.DayStats1[f.y0][f.x0][m][d] = 0;
      w.DayStats2[f.y0][f.x0][m][d] = 0;
    }
  for (int x = f.x0; x < f.x0 + f.size; ++x)
    for (int y = f.y0; y < f.y0 + f.size; ++y) w.Litter[y][x] = kNoLitter;
}

// Lets the animals of a destroyed enclosure out when their species escapes.
void ReleaseAnimals(Game& game, const Facility& fac, const Footprint& f) {
  const auto& bt = game.catalogue.BuildType[fac.Type];
  if (bt.Kind != BuildKind::Enclosure) return;
  int species = bt.AnimalKind;
  if (species < 0 || species >= kAnimalFlagEntries || game.catalogue.AnimalEscapes[species] != 1) return;
  const auto& at = game.catalogue.AnimalType[species];
  int slot = 0;
  for (int i = 0; i < fac.AnimalCount && i < kMaxAnimals; ++i) {
    while (slot < kEscapeeSlots && game.world.Escapees[slot].Used == 1) ++slot;
    if (slot == kEscapeeSlots) return;
    Person& p = game.world.Escapees[slot];
    static constexpr int16_t kDirs[4] = {1, 7, 9, 3};
    p.Used = 1;
    p.OffsetX = p.OffsetY = 0;
    p.Activity = 3;
    p.Look = static_cast<int16_t>(species);
    p.Name = CutToBig5Bytes(fac.AnimalName[i].str(), 10);
    p.Dir = kDirs[game.random(4)];
    p.CellX = static_cast<int16_t>(f.x0 + game.random(f.size));
    p.CellY = static_cast<int16_t>(f.y0 + game.random(f.size));
    p.FramePeriod = static_cast<int16_t>(at.AnimalValue3 / 2);
    p.EscWidth = at.FrameWidth;
    p.EscAge = static_cast<int16_t>(fac.AnimalAge[i]);
  }
}

}  // namespace

Footprint FootprintAt(int cx, int cy, int size) { return {cx - size / 2, cy - size / 2, size}; }

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

void PlacementPreview(Game& game) {
  ViewState& v = game.view;
  v.outline.shown = false;
  // Off the map nothing is priced: the last cell's price must not linger.
  v.CostText = "0";
  if (v.ToolMode < 1 || v.ToolMode > 5 || v.CursorCellX == -1 || v.CursorCellY == -1) return;
  if (v.MouseX >= MapViewRight(game)) return;
  if (v.ToolMode == 1) PreviewLevel(game);
  else PreviewBuild(game);
}

void Build(Game& game) {
  ViewState& v = game.view;
  int type = v.SelectedType;
  if (type < 0 || type >= kBuildTypes || v.ToolMode < 2 || v.ToolMode > 5) return;
  const auto& bt = game.catalogue.BuildType[type];
  Footprint f = FootprintAt(v.CursorCellX, v.CursorCellY, bt.Size);
  if (SiteRefusal(game, f) || RulesRefusal(game, type, f)) return;

  game.zoo.Money -= bt.Price;
  game.zoo.MonthBuildSpend += bt.Price;
  PlayAtMouse(game, "Const.wav");
  InitFacility(game, type, f);
  game.clock.RedrawAll = 1;

  Facility& fac = game.world.Cells[f.y0][f.x0];
  if (v.ToolMode == 3) {
    fac.PurchaseQty = fac.Stock = bt.InitialStock;
    fac.SalePrice = bt.InitialPrice;
  }
  // With automatic hiring a shop gets its clerk (a vending machine has none) and an
  // enclosure its keeper.
  bool clerk = v.ToolMode == 3 && bt.Kind == BuildKind::Shop && bt.Shape != Shape::VendingMachine;
  bool keeper = v.ToolMode == 4;
  if (game.settings.AutoKoyou && (clerk || keeper)) {
    v.SelectedX = f.x0;
    v.SelectedY = f.y0;
    AddStaff(game, f.x0, f.y0, 1);
  }
}

void LevelOrClear(Game& game) {
  ViewState& v = game.view;
  LevelArea la = FindLevelArea(game, v.CursorCellX, v.CursorCellY);
  if (!la.valid) return;
  if (la.type >= 0 && !OfficesStillSuffice(game, la.type)) {
    v.HintText = BuildText::OfficesShort;
    return;
  }
  int64_t cost = LevelCost(game, la.area);
  if (!Affordable(game, cost)) return;
  ClearCells(game, v.CursorCellX, v.CursorCellY, false);
  game.zoo.Money -= static_cast<int32_t>(cost);
  game.zoo.MonthLevelSpend += static_cast<int32_t>(cost);
}

void ClearCells(Game& game, int x, int y, bool byDisaster) {
  if (!IsOnMap(game.world, x, y)) return;
  World& w = game.world;
  if (IsObstacle(w.LandMap[y][x])) {
    w.LandMap[y][x] = 1;
    w.TileMap[y][x] = 0;
    w.CellEffect[y][x] = 0.0;
    w.Litter[y][x] = kNoLitter;
    PlayAtMouse(game, "Destroy.wav");
    game.clock.RedrawAll = 1;
    return;
  }
  int t = FindFacility(game.world, game.catalogue, x, y);
  if (t < 0) return;
  Footprint f{x + w.FoundDX, y + w.FoundDY, game.catalogue.BuildType[t].Size};
  game.clock.RedrawAll = 1;
  for (int cx = f.x0; cx < f.x0 + f.size; ++cx)
    for (int cy = f.y0; cy < f.y0 + f.size; ++cy) {
      if (!IsOnMap(game.world, cx, cy)) continue;
      w.CellEffect[cy][cx] = 0.0;
      if (!byDisaster) {
        PlayAtMouse(game, "Destroy.wav");
        w.TileMap[cy][cx] = 0;
      } else {
        PlayAtMouse(game, "Destroy_b" + std::to_string(1 + game.random(3)) + ".wav");
        w.TileMap[cy][cx] = game.random(2) == 0 ? 63 : 71;
        w.LandMap[cy][cx] = 4;
      }
    }
  Facility& fac = w.Cells[f.y0][f.x0];
  if (byDisaster) ReleaseAnimals(game, fac, f);
  fac.Type = -1;
  fac.AnimalCount = 0;
  fac.StaffCount = 0;
  w.Litter[y][x] = kNoLitter;
}
