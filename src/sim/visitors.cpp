#include "sim/visitors.h"

#include <algorithm>

#include "game/game.h"
#include "sim/names.h"
#include "sim/sim_steps.h"
#include "sim/world_query.h"

namespace {

// Tile metrics of the map projection (ground tiles 74 x 100, base 63).
constexpr int kHalfTileWidth = 36, kHalfTileHeight = 18, kTileWidth = 74;

constexpr int kAway = 3, kDriving = 2, kAtStop = 1;

void StartBus(Game& game) {
  Zoo& z = game.zoo;
  z.BusWaitTicks = 0;
  z.BusState = kDriving;
  z.BusX = -kBusWidth;
  // Along the lower edge of the map, whose slope is one pixel down per two across.
  z.BusY = kHalfTileHeight * (game.world.MapHeight + 1) + z.BusX / 2;
}

void Drive(Game& game) {
  Zoo& z = game.zoo;
  z.BusFrame += 0.25;
  if (z.BusFrame >= 3.0) z.BusFrame = 0.0;
  int distance = z.BusX - z.BusStopX;
  if (distance > -100 && distance < 100) {
    z.BusX += 2;
    z.BusY += 1;
  } else if (distance > -200 && distance < 200) {
    z.BusX += 4;
    z.BusY += 2;
  } else {
    z.BusX += 6;
    z.BusY += 3;
  }
  if (game.ui->BusOnScreen(game)) {
    if (!game.ui->EffectPlaying("Bus1.wav")) game.ui->PlayEffectAtPoint(game, "Bus1.wav", true, z.BusX, z.BusY);
  } else {
    game.ui->StopEffect("Bus1.wav");
  }
  if (z.BusX == z.BusStopX) {
    game.ui->StopEffect("Bus1.wav");
    if (game.ui->BusOnScreen(game)) game.ui->PlayEffectAtPoint(game, "Bus2.wav", false, z.BusX, z.BusY);
    z.BusState = kAtStop;
    game.sim.DepartTicks = 0;
    VisitorsPerBus(game);
  } else if (z.BusX > (game.world.MapWidth - 1) * (kTileWidth / 2)) {
    game.ui->StopEffect("Bus1.wav");
    z.BusState = kAway;
    z.BusWaitTicks = 0;
  }
}

void AtStop(Game& game) {
  Zoo& z = game.zoo;
  z.BusFrame = 0.0;
  z.AlightTicks += 1;
  if (z.AlightTicks < 60) return;
  if (z.BusUnloaded < z.BusLoad) {
    game.sim.DepartTicks = 0;
    z.AlightTicks = 0;
    SpawnVisitor(game);
    z.TotalVisitors += 1;
    z.BusUnloaded += 1;
    return;
  }
  if (game.sim.DepartTicks == 0) game.ui->PlayEffectAtPoint(game, "Bus3.wav", false, z.BusX, z.BusY);
  game.sim.DepartTicks += 1;
  if (game.sim.DepartTicks >= 150) z.BusState = kDriving;
}

}  // namespace

void BusStep(Game& game) {
  Zoo& z = game.zoo;
  switch (z.BusState) {
    case kAway:
      z.BusWaitTicks += 1;
      if (z.BusWaitTicks >= z.BusInterval) StartBus(game);
      break;
    case kDriving: Drive(game); break;
    case kAtStop: AtStop(game); break;
    default: break;
  }
}

void VisitorsPerBus(Game& game) {
  Zoo& z = game.zoo;
  int divisor = 800;
  switch (game.settings.Difficulty) {
    case 0: divisor = 1200; break;
    case 1: divisor = 1000; break;
    default: break;
  }
  int64_t wide = 2LL * z.Population * z.Attraction / divisor;
  int n = static_cast<int>(std::clamp<int64_t>(wide, -1, 1000000));
  switch (game.sim.TicketLevel) {
    case 2: n = RoundHalfEven(n * 0.75); break;
    case 3: n = RoundHalfEven(n * 0.5); break;
    case 4: n = RoundHalfEven(n * 0.25); break;
    case -1: n = RoundHalfEven(n * 1.3); break;
    case -2: n = RoundHalfEven(n * 1.6); break;
    case -3: n = RoundHalfEven(n * 2.0); break;
    default: break;
  }
  if (z.Attraction <= 0 || n < 0) n = -1;
  if (n > 15) n = 15;
  z.BusLoad = n;
  z.BusUnloaded = 0;
  if (z.ZooOpen != 1) z.BusLoad = 0;
}

bool SpawnVisitor(Game& game) {
  // Visitors step off the bus upwards: a gate on the top row has no row to send them to.
  if (!HasEntrance(game) || game.sim.EntranceY < 1) return false;
  for (int slot = 0; slot < kVisitorSlots; ++slot) {
    Person& p = game.world.Walkers[slot];
    if (p.Used == 1) continue;
    p.Name.Assign(DrawName(game.random));
    p.Used = 1;
    p.Purse = static_cast<int16_t>(100 + game.random(400 + 30 * game.zoo.Economy));
    p.Mood = 3;
    p.MoodPoints = 1;
    p.Activity = Activity::Alighting;
    p.CellX = static_cast<int16_t>(game.sim.EntranceX - 1 + game.random(2));
    p.CellY = static_cast<int16_t>(game.sim.EntranceY);
    p.OffsetX = p.OffsetY = 0;
    p.Dir = 9;
    p.Frame = 0;
    p.TurnBias = static_cast<int16_t>(game.random(2));
    p.Look = static_cast<int16_t>(game.random(13));
    p.Kind = PersonKind::Visitor;
    p.BoredTicks = p.ShopTicks = p.ToiletTicks = p.LostTicks = p.TiredTicks = 100;
    p.Visible = 1;
    p.StayTicks = 0;
    p.AnimTicks = 0;
    p.TurnMemo = 0;
    for (auto& c : p.Comments) c.Assign("-");
    AddMoney(game, game.zoo.EntryFee);
    game.zoo.MonthEntryFees += game.zoo.EntryFee;
    int ex = game.sim.EntranceX, ey = game.sim.EntranceY;
    if (IsOnMap(game.world, ex, ey)) game.world.CellAnim[ey][ex] = 0;
    game.ui->PlayEffectAtCell(game, "Gold.wav", ex, ey);
    return true;
  }
  return false;
}
