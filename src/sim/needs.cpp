#include "game/game.h"
#include "sim/sim_steps.h"
#include "sim/walkers.h"
#include "sim/world_query.h"

namespace {

// The four neighbours with the direction that faces each.
struct Neighbour {
  int dx, dy, dir;
};
constexpr Neighbour kLookOrder[4] = {{0, -1, 9}, {0, 1, 1}, {-1, 0, 7}, {1, 0, 3}};
constexpr Neighbour kSignOrder[4] = {{0, -1, 9}, {0, 1, 1}, {1, 0, 3}, {-1, 0, 7}};

void Face(Person& p, int dir) {
  p.PrevDir = p.Dir;
  p.Dir = static_cast<int16_t>(dir);
}

void StartActivity(Person& p, Activity activity) {
  p.Activity = activity;
  p.Frame = 0;
  p.AnimTicks = 0;
}

bool HasShape(Game& game, int x, int y, int shape) {
  CellCover c = CoverAt(game, x, y);
  return c.Origin >= 0 && c.Shape == shape;
}

void LeaveIfTimeIsUp(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  if (p.Dir == 9 || p.OffsetX != 0) return;
  if (p.StayTicks < 1500 + game.random(500)) return;
  int by = p.CellY + 1;
  if (!IsOnMap(game.world, p.CellX, by) || game.world.LandMap[by][p.CellX] != Land::Gate) return;
  if (p.Activity != Activity::Walking) return;
  p.Dir = 1;
  p.Activity = Activity::Leaving;
}

bool LookAround(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  int freeHere = -1;  // asked once, when first needed
  auto cellFree = [&] {
    if (freeHere < 0) freeHere = CellFreeOfVisitors(game, slot, p.CellX, p.CellY) ? 1 : 0;
    return freeHere == 1;
  };
  for (const Neighbour& n : kLookOrder) {
    // Mostly roads: the cover tells so without the building's record.
    int kind = CoverAt(game, p.CellX + n.dx, p.CellY + n.dy).Kind;
    if (kind != BuildKind::Shop && kind != BuildKind::Enclosure) continue;
    FacilityRef f = FacilityAt(game, p.CellX + n.dx, p.CellY + n.dy);
    int m = 0;
    if (IsOpenShop(f)) {
      if (cellFree() && game.random(3) == 0) m = 2;
    } else if (IsEnclosure(f) && f.record->AnimalCount >= 1) {
      if (cellFree() && (HasYoung(*f.record) || game.random(5) == 0)) m = 3;
    }
    if (m == 0) continue;
    Face(p, n.dir);
    Activity pose = Activity::LookingC;
    if (game.random(m) == 0) pose = Activity::LookingA;
    else if (game.random(m) == 1) pose = Activity::LookingB;
    p.Activity = pose;
    if (m == 3) AddComment(game, slot, f.def->Name.str(), 0);
    p.BoredTicks = 0;
    p.Frame = 0;
    p.AnimTicks = 0;
    p.MoodPoints += 10;
    return true;
  }
  return false;
}

bool SitDown(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  bool found = false;
  for (const Neighbour& n : kLookOrder) {
    int x = p.CellX + n.dx, y = p.CellY + n.dy;
    int bench = n.dy != 0 ? Shape::Bench91 : Shape::Bench73;
    if (!HasShape(game, x, y, bench) || !CellFreeOfVisitors(game, slot, x, y)) continue;
    Face(p, n.dir);
    found = true;
  }
  if (!found) return false;
  p.MoodPoints += 1;
  p.TiredTicks = 0;
  p.BoredTicks = 0;
  StartActivity(p, Activity::SteppingOntoBench);
  AddComment(game, slot, "", 6);
  return true;
}

bool ReadSign(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  bool found = false;
  for (const Neighbour& n : kSignOrder) {
    if (!HasShape(game, p.CellX + n.dx, p.CellY + n.dy, Shape::Signboard)) continue;
    Face(p, n.dir);
    found = true;
  }
  if (!found) return false;
  StartActivity(p, Activity::ReadingSign);
  p.LostTicks = 0;
  AddComment(game, slot, "", 7);
  return true;
}

bool UseToilet(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  bool found = false;
  for (const Neighbour& n : kLookOrder)
    if (HasShape(game, p.CellX + n.dx, p.CellY + n.dy, Shape::Toilet)) found = true;
  if (!found) return false;
  p.MoodPoints += 1;
  p.ToiletTicks = 0;
  p.Activity = Activity::InToilet;
  p.Visible = 0;
  AddComment(game, slot, "", 8);
  return true;
}

bool Deprived(int32_t counter) { return counter != 0 && counter % 300 == 0; }

// The cell ahead of a visitor, as a facility.
FacilityRef Ahead(Game& game, const Person& p) {
  CellStep d = CellDelta(p.Dir);
  return FacilityAt(game, p.CellX + d.dx, p.CellY + d.dy);
}

}  // namespace

int MoodFromPoints(int points) {
  if (points >= 21) return 5;
  if (points >= 11) return 4;
  if (points >= -10) return 3;
  if (points >= -20) return 2;
  return 1;
}

void ThinkVisitor(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  LeaveIfTimeIsUp(game, slot);
  auto ready = [&] { return p.Activity == Activity::Walking && p.OffsetX == 0; };
  if (ready() && p.BoredTicks >= 150) LookAround(game, slot);
  if (ready() && game.random(p.TiredTicks / 100) >= 2) SitDown(game, slot);
  if (ready() && p.LostTicks >= 41) ReadSign(game, slot);
  if (ready() && game.random(p.ToiletTicks / 100) >= 2) UseToilet(game, slot);
  StopAndGo(game, p, 900, 50);
  // Summed rather than looped over an initializer list: copying the four counters
  // to the stack for the loop stalled every walker's tick.
  p.MoodPoints -= Deprived(p.BoredTicks) + Deprived(p.ToiletTicks) + Deprived(p.TiredTicks) + Deprived(p.LostTicks);
  p.Mood = static_cast<int16_t>(MoodFromPoints(p.MoodPoints));
}

void LookStep(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  if (!FrameDue(p, kWalkerFramePeriod)) return;
  p.AnimTicks = 0;
  p.Frame += 1;
  // A purchase turns each looking pose into its bought pose.
  bool looking = p.Activity <= Activity::LookingC;
  if (p.Frame == 4 && looking && TryPurchase(game, slot))
    p.Activity = static_cast<Activity>(static_cast<int16_t>(p.Activity) + 3);
  if (p.Frame < 9) return;
  FacilityRef f = Ahead(game, p);
  int s = f ? AttractionSum(game, f.x, f.y) : 0;
  if (p.Activity <= Activity::LookingC && game.random(s) != 0) {
    if (game.random(30) == 0) {
      Activity pose = Activity::LookingC;
      if (game.random(4) == 0) pose = Activity::LookingA;
      else if (game.random(4) == 1) pose = Activity::LookingB;
      p.Activity = pose;
    }
    p.Frame = game.random(2) != 0 ? 8 : 0;
    return;
  }
  p.Dir = p.PrevDir;
  p.Activity = Activity::Walking;
  p.Frame = 0;
  p.BoredTicks = 0;
}

int PurchaseDivisor(const Game& game, const Person& p, const FacilityRef& shop) {
  int d = (55 - 10 * game.zoo.Economy) + shop.record->SalePrice - shop.def->InitialPrice;
  if (p.MoodPoints >= 21) d /= 3;
  else if (p.MoodPoints >= 11) d /= 2;
  else if (p.MoodPoints < -20) d *= 3;
  else if (p.MoodPoints < -10) d *= 2;
  int m = game.clock.Month;
  bool cold = m >= 11 || m <= 3, warm = m >= 6 && m <= 10;
  if (shop.def->Season == Season::Winter) {
    if (cold) d /= 4;
    else if (warm) d *= 8;
  } else if (shop.def->Season == Season::Summer) {
    if (warm) d /= 4;
    else if (cold) d *= 8;
  }
  int difficulty = game.settings.Difficulty;
  if (difficulty == 0) d = RoundHalfEven(d * 1.3);
  else if (difficulty >= 2) d = RoundHalfEven(d * 0.7);
  return d < 1 ? 1 : d;
}

bool TryPurchase(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  FacilityRef shop = Ahead(game, p);
  if (!IsOpenShop(shop)) return false;
  Facility& f = *shop.record;
  int m = game.clock.Month;
  int d = PurchaseDivisor(game, p, shop);
  if (game.random(d) != 0 || p.Purse < f.SalePrice || f.Stock <= 0) return false;
  AddComment(game, slot, shop.def->Name.str(), 5);
  p.ShopTicks = 0;
  p.Purse = static_cast<int16_t>(p.Purse - f.SalePrice);
  AddMoney(game, f.SalePrice);
  game.zoo.MonthShopTakings += f.SalePrice;
  f.Stock -= 1;
  if (IsOnMap(game.world, p.CellX, p.CellY)) game.world.CellAnim[p.CellY][p.CellX] = 0;
  game.ui->PlayEffectAtCell(game, "Gold.wav", p.CellX, p.CellY);
  int day = game.clock.Day;
  if (m >= 1 && m <= 12 && day >= 1 && day <= 31) {
    game.world.DayStats1[shop.y][shop.x][m][day] += 1;
    game.world.DayStats2[shop.y][shop.x][m][day] += f.SalePrice;
  }
  return true;
}

void BenchStep(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  if (p.Activity == Activity::BenchUnused) return;
  if (!FrameDue(p, kWalkerFramePeriod)) return;
  if (p.Activity == Activity::SteppingOntoBench) {
    p.Frame += 1;
    if (p.Frame >= 9) p.Frame = 0;
    CellStep step = PixelDelta(p.Dir);
    p.OffsetX += step.dx;
    p.OffsetY += step.dy;
    CrossCell(p);
    bool seated = (p.OffsetX == -4 && (p.Dir == 9 || p.Dir == 3)) || (p.OffsetX == 4 && (p.Dir == 1 || p.Dir == 7));
    if (seated) {
      p.Frame = 0;
      p.Activity = Activity::Seated;
      p.Dir = static_cast<int16_t>(10 - p.Dir);
    }
    return;
  }
  p.Frame += 1;
  if (p.Frame == 5 && game.random(400) < 399) p.Frame = 4;
  CellCover under = CoverAt(game, p.CellX, p.CellY);
  if (under.Origin < 0 || (under.Shape != Shape::Bench73 && under.Shape != Shape::Bench91)) p.Frame = 9;
  if (p.Frame >= 9) {
    p.Activity = Activity::Walking;
    p.TurnMemo = 12;
    p.Frame = 0;
  }
}

void SignStep(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  if (!FrameDue(p, kWalkerFramePeriod)) return;
  p.Frame += 1;
  if (p.Frame < 9) return;
  p.TurnMemo = 12;
  p.Dir = p.PrevDir;
  p.Activity = Activity::Walking;
  p.Frame = 0;
}

void DropLitter(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  if (!IsOnMap(game.world, p.CellX, p.CellY)) return;
  auto& litter = game.world.Litter[p.CellY][p.CellX];
  if (p.ToiletTicks >= 20500 && litter[6] < 0 && p.Kind == PersonKind::Visitor) {
    litter[6] = 6;
    p.ToiletTicks = 0;
    game.clock.RedrawAll = 1;
  }
  if (game.random(400) != 0) return;
  int k = game.random(6);
  if (litter[k] < 0 && p.Kind == PersonKind::Visitor) {
    litter[k] = static_cast<int8_t>(k);
    game.clock.RedrawAll = 1;
  }
}
