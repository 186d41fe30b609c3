#include <ctime>
#include <memory>
#include <utility>

#include "data/map_file.h"
#include "game/game.h"
#include "shell/tick.h"
#include "shell/setup.h"
#include "shell/setup_parts.h"
#include "view/geometry.h"

namespace {

void ClearMonthLines(Zoo& z) {
  z.MonthShopTakings = z.MonthEntryFees = z.MonthSalaries = z.MonthShopPurchasing = 0;
  z.MonthUpkeep = z.MonthLevelSpend = z.MonthBuildSpend = z.MonthBribery = 0;
  z.MonthAnimalKeeping = z.MonthAnimalPurchases = z.MonthAnimalSales = z.MonthAdvertising = 0;
}

void BusToStart(Zoo& z) {
  z.BusWaitTicks = 0;
  z.BusInterval = 1500;
  z.BusState = 3;
}

}  // namespace

void ResetWorld(Game& game) {
  game.random.Seed(static_cast<uint64_t>(std::time(nullptr)));

  // The view starts afresh; its pictures stay until the surfaces are reloaded, and
  // the pointer stays where the player's hand left it.
  SurfaceSet pictures = std::move(game.view.Surfaces);
  int mouseX = game.view.MouseX, mouseY = game.view.MouseY;
  game.view = ViewState{};
  game.view.Surfaces = std::move(pictures);
  game.view.MouseX = mouseX;
  game.view.MouseY = mouseY;
  game.sim = SimState{};

  // The zoo keeps only what the caller chose for the coming game: its map, its name
  // and its campaign place. Nothing of the last game's zoo carries over (its visitor
  // total, a standing bribe, a closed gate, the bus on its way, objects in flight).
  Zoo& z = game.zoo;
  Zoo fresh;
  fresh.MapFileName = std::move(z.MapFileName);
  fresh.ZooName = z.ZooName;
  fresh.CampaignMode = z.CampaignMode;
  fresh.CampaignMap = z.CampaignMap;
  z = std::move(fresh);
  z.Salary = 50;
  z.AdLevel = -1;
  // The management offices are always offered; the director's office waits for the
  // ranking.
  for (int t = kGroupStart[3]; t < kDirectorOffice; ++t) z.TypeAvailable[t] = 1;
  z.TypeAvailable[kDirectorOffice] = 0;

  Clock& c = game.clock;
  c.TicksPerDay = kTicksPerDay;
  c.GameMode = Mode::Playing;
  c.Year = c.Month = c.Day = 1;
  c.TickOfDay = 0;
  c.NewDay = 0;
  c.GoalReached = 0;
  c.FastForward = 0;
  c.RedrawAll = 1;

  ResetWorldTables(game.world);
}

void AfterMapLoad(Game& game) {
  auto gate = FindGate(game.world);
  if (gate) {
    auto [gx, gy] = *gate;
    ViewState& v = game.view;
    v.ScrollX = kHalfW * (game.world.MapHeight - 1 - gy + gx) - ((ScreenWidth(game) - kToolbarWidth) - 4 * kHalfW) / 2;
    v.ScrollY = kHalfH * (gx + gy) - (ScreenHeight(game) - 130) / 2;
    v.GateX = gx;
    v.GateY = gy;
    v.GateCells = 0;
    while (gx + v.GateCells < game.world.MapWidth && game.world.LandMap[gy][gx + v.GateCells] == Land::Gate) ++v.GateCells;
    game.zoo.BusStopX = kHalfW * gx;
    // Visitors step off on the gate cell or the one to its right.
    game.sim.EntranceX = gx + 1;
    game.sim.EntranceY = gy;
  }
  ClampView(game);
  // The coin sound of every visitor's fee is ready before the first one arrives.
  game.ui->LoadEffect("Gold.wav", 0);
  game.clock.CellStepCounter = 2;
}

void LoadPlacedSprites(Game& game) {
  World& w = game.world;
  for (int y = 0; y < w.MapHeight; ++y)
    for (int x = 0; x < w.MapWidth; ++x) {
      int t = w.Cells[y][x].Type;
      if (t < 0 || t >= kBuildTypes) continue;
      LoadBuildPicture(game, t);
      const auto& bt = game.catalogue.BuildType[t];
      if (bt.Kind == BuildKind::Enclosure && bt.AnimalKind >= 0 && bt.AnimalKind < kMaxAnimalTypes) {
        LoadAnimalSheet(game, bt.AnimalKind, false);
        LoadAnimalSheet(game, bt.AnimalKind, true);
      }
    }
}

// A map's prepared starting save gives the world, but the game starts fresh.
void FreshFromStartingSave(Game& game) {
  Clock& c = game.clock;
  c.Year = c.Month = c.Day = 1;
  c.TickOfDay = 0;
  c.GoalReached = 0;
  c.RedrawAll = 1;
  Zoo& z = game.zoo;
  z.EntryFee = 50;
  BusToStart(z);
  z.Rank = 0;
  z.Attraction = 0;
  ClearMonthLines(z);
  World& w = game.world;
  auto blank = std::make_unique<World>();
  ResetWorldTables(*blank);
  w.Walkers = blank->Walkers;
  for (auto& row : w.Cells)
    for (Facility& f : row) f.StaffCount = 0;
  for (auto& row : w.DayStats1) row.fill({});
  for (auto& row : w.DayStats2) row.fill({});
}
