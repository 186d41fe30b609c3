#include <algorithm>
#include <iterator>

#include "game/game.h"
#include "sim/names.h"
#include "sim/sim_steps.h"
#include "sim/walkers.h"
#include "sim/world_query.h"

namespace {

constexpr PersonKind kCleaner = PersonKind::Cleaner, kMaintenance = PersonKind::Maintenance,
                     kResearcher = PersonKind::Researcher;

// Every definition of the first three groups can be researched; points stop
// growing past what the dearest of them could cost.
constexpr int kResearchCap = 500 * kMapTypes;

// A maintenance worker on a cell centre turns toward worn buildings beside the road.
void LookForRepairs(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  if (p.Kind != kMaintenance || p.Activity != Activity::Walking || p.OffsetX != 0) return;
  constexpr int kSides[] = {9, 1, 7, 3};
  auto worn = [&](int dir) {
    CellStep d = CellDelta(dir);
    CellCover c = CoverAt(game, p.CellX + d.dx, p.CellY + d.dy);
    if (c.Origin < 0 || IsRoad(c)) return false;
    FacilityRef f = FacilityAt(game, p.CellX + d.dx, p.CellY + d.dy);
    return f && f.record->Durability < 98;
  };
  // The colleagues are asked only when there is something to repair: it is the
  // dearer question.
  if (std::none_of(std::begin(kSides), std::end(kSides), worn)) return;
  if (!NoColleagueAt(game, slot, p.CellX, p.CellY, kMaintenance)) return;
  for (int dir : kSides) {
    if (!worn(dir)) continue;
    p.PrevDir = p.Dir;
    p.Dir = static_cast<int16_t>(dir);
  }
  p.Activity = Activity::Repairing;
  p.BoredTicks = 0;
  p.Frame = 0;
  p.AnimTicks = 0;
}

const char* QuitTitle(PersonKind kind) {
  switch (kind) {
    case kCleaner: return "因為管理處不敷使用，清掃員";
    case kResearcher: return "因為管理處不敷使用，研究員";
    default: return "因為管理處不敷使用，維護員";
  }
}

void QuitWalkers(Game& game, int& excess) {
  for (int slot = kFirstStaffSlot; slot < kWalkerSlots && excess >= 1; ++slot) {
    Person& p = game.world.Walkers[slot];
    if (p.Used != 1 || game.random(50) != 0) continue;
    p.Used = 0;
    if (game.view.TrackedVisitor == slot) game.view.TrackedVisitor = -1;
    excess -= 1;
    PostMail(game, std::string(QuitTitle(p.Kind)) + p.Name.str() + "離職了", -1, -1);
  }
}

void QuitBuildingStaff(Game& game, int& excess) {
  World& w = game.world;
  for (int x = 1; x <= w.MapWidth - 2; ++x) {
    for (int y = 1; y <= w.MapHeight - 4 && excess >= 1; ++y) {
      FacilityRef f = FacilityWithOrigin(game, x, y);
      if (!f || (f.def->Kind != BuildKind::Shop && f.def->Kind != BuildKind::Enclosure)) continue;
      Facility& r = *f.record;
      if (r.StaffCount < 1 || game.random(500) != 0) continue;
      int last = std::min<int>(r.StaffCount, kMaxStaff) - 1;
      std::string name = r.StaffName[last].str();
      r.StaffCount -= 1;
      excess -= 1;
      const char* role = f.def->Kind == BuildKind::Shop ? "的店員" : "的飼育員";
      PostMail(game, "因為管理處不敷使用，" + f.def->Name.str() + role + name + "離職了", x, y);
    }
  }
}

}  // namespace

int SulkOdds(int salaryLevel) {
  switch (salaryLevel) {
    case -1: return 1000;
    case -2: return 500;
    case -3: return 100;
    default: return 0;
  }
}

bool NoColleagueAt(const Game& game, int slot, int x, int y, PersonKind kind) {
  Activity job = kind == kCleaner ? Activity::Sweeping : Activity::Repairing;
  for (int j = kFirstStaffSlot; j < kWalkerSlots; ++j) {
    if (j == slot) continue;
    const Person& q = game.world.Walkers[j];
    if (q.Used == 1 && q.CellX == x && q.CellY == y && q.Kind == kind && q.Activity == job) return false;
  }
  return true;
}

void ThinkStaff(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  LookForRepairs(game, slot);
  // On a break a walker neither stops nor goes on.
  if ((p.Kind == kCleaner || p.Kind == kMaintenance) && game.random(2000) == 0) p.Activity = Activity::Break;
  StopAndGo(game, p, 1500, 250);
  int odds = SulkOdds(game.sim.SalaryLevel);
  if (p.Activity == Activity::Walking && odds > 0 && game.random(odds) == 0) p.Activity = Activity::Sulking;
}

void FindLitter(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  if (!IsOnMap(game.world, p.CellX, p.CellY)) return;
  for (int8_t mark : game.world.Litter[p.CellY][p.CellX]) {
    if (mark < 0 || !NoColleagueAt(game, slot, p.CellX, p.CellY, kCleaner)) continue;
    p.Frame = 0;
    p.Activity = Activity::Sweeping;
  }
}

void SweepStep(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  if (!FrameDue(p, kWalkerFramePeriod)) return;
  p.Frame += 1;
  if (p.Frame < 5) return;
  p.Frame = 0;
  if (game.random(5) != 0) return;
  p.Activity = Activity::Walking;
  p.StayTicks += 1;
  if (IsOnMap(game.world, p.CellX, p.CellY)) game.world.Litter[p.CellY][p.CellX].fill(-1);
  game.clock.RedrawAll = 1;
}

void RepairStep(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  p.Frame += 1;
  if (p.Frame < 9) return;
  p.Frame = 0;
  CellStep d = CellDelta(p.Dir);
  FacilityRef f = FacilityAt(game, p.CellX + d.dx, p.CellY + d.dy);
  if (f) {
    int condition = f.record->Durability + 2;
    if (condition < 100) {
      f.record->Durability = static_cast<uint8_t>(condition);
      return;
    }
    f.record->Durability = 100;
  }
  p.Dir = p.PrevDir;
  p.Activity = Activity::Walking;
  p.StayTicks += 1;
}

void BreakStep(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  if (!FrameDue(p, kWalkerFramePeriod)) return;
  p.Frame += 1;
  if (p.Frame == 5 && game.random(80) < 79) p.Frame = 4;
  if (p.Frame >= 9) {
    p.Activity = Activity::Walking;
    p.Frame = 0;
  }
}

void SulkStep(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  if (!FrameDue(p, 2 * kWalkerFramePeriod)) return;
  p.Frame += 1;
  if (p.Frame < 9) return;
  p.Frame = 0;
  int level = game.sim.SalaryLevel;
  bool fair = level >= 1 && level <= 4;
  if (fair || game.random(1000) == 0) p.Activity = Activity::Walking;
}

void WalkerTallies(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  if (p.Used != 1 || p.Kind < kCleaner) return;
  game.sim.TickStaff += 1;
  if (p.Kind != kResearcher || p.Activity == Activity::Sulking) return;
  if (game.sim.ResearchAtTickStart % 100 == 0) p.StayTicks += 1;
  if (kResearchCap >= game.zoo.ResearchPoints) game.zoo.ResearchPoints += 1;
}

void FinishWalkerTallies(Game& game) {
  game.zoo.StaffTotal = game.sim.TickStaff;
  game.zoo.StaffCapacity = game.sim.TickCapacity;
}

void StaffQuitCheck(Game& game) {
  int excess = game.zoo.StaffTotal - game.zoo.StaffCapacity;
  if (excess <= 0) return;
  if (game.random(2) == 0) QuitWalkers(game, excess);
  else QuitBuildingStaff(game, excess);
}

bool HireWalkingStaff(Game& game, PersonKind kind) {
  if (!HasEntrance(game)) return false;
  for (int slot = kFirstStaffSlot; slot < kWalkerSlots; ++slot) {
    Person& p = game.world.Walkers[slot];
    if (p.Used == 1) continue;
    p.Name.Assign(DrawName(game.random));
    p.Used = 1;
    p.Mood = 3;
    p.MoodPoints = 1;
    p.Activity = Activity::Walking;
    p.CellX = static_cast<int16_t>(game.sim.EntranceX - 1 + game.random(2));
    // The row above the gate; a gate on the top row keeps them on the map.
    p.CellY = static_cast<int16_t>(std::max(0, game.sim.EntranceY - 1));
    p.OffsetX = p.OffsetY = 0;
    p.Dir = 9;
    p.Frame = 0;
    p.TurnBias = static_cast<int16_t>(game.random(2));
    p.Visible = 1;
    p.StayTicks = 0;
    p.BoredTicks = 0;
    p.Kind = kind;
    RecountStaff(game);
    return true;
  }
  return false;
}
