#include "game/game.h"
#include "sim/sim_steps.h"
#include "sim/walkers.h"
#include "sim/world_query.h"

namespace {

void AdvanceFrame(Person& p) {
  p.Frame += 1;
  if (p.Frame >= 9) p.Frame = 0;
}

void CountUp(int32_t& counter) {
  if (counter < kCounterCap) counter += 1;
}

void StopTracking(Game& game, int slot) {
  if (game.view.TrackedVisitor == slot) game.view.TrackedVisitor = -1;
}

// Alighting: up from the gate cell until the walker has crossed into the cell above.
void AlightStep(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  if (!FrameDue(p, kWalkerFramePeriod)) return;
  AdvanceFrame(p);
  CellCover above = CoverAt(game, p.CellX, p.CellY - 1);
  if (above.Origin >= 0 && !IsRoad(above)) return;
  p.OffsetX += 2;
  p.OffsetY -= 1;
  if (CrossCell(p)) p.Activity = Activity::Walking;
}

// Leaving: down through the gate, then along the row above the bus lane and off
// the map.
void LeaveStep(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  if (!FrameDue(p, kWalkerFramePeriod)) return;
  AdvanceFrame(p);
  CellStep step{-2, 1};
  if (p.CellY == game.world.MapHeight - 3) {
    if (p.OffsetY == 0 && p.Dir == 1) p.Dir = game.random(2) != 0 ? 3 : 7;
    if (p.Dir == 3 || p.Dir == 7) step = PixelDelta(p.Dir);
  }
  p.OffsetX += step.dx;
  p.OffsetY += step.dy;
  if (!CrossCell(p)) return;
  StopTracking(game, slot);
  if (!IsOnMap(game.world, p.CellX, p.CellY)) p.Used = 0;
}

// Walking.
void WalkStep(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  CountUp(p.BoredTicks);
  CountUp(p.ShopTicks);
  CountUp(p.ToiletTicks);
  CountUp(p.LostTicks);
  CountUp(p.TiredTicks);
  if (p.Kind == PersonKind::Visitor) CountUp(p.StayTicks);
  if (!FrameDue(p, kWalkerFramePeriod)) return;
  AdvanceFrame(p);
  if (p.OffsetX == 0) {
    int before = p.Dir;
    ChooseRoadDirection(game, slot);
    DropLitter(game, slot);
    if (p.Kind == PersonKind::Cleaner) FindLitter(game, slot);
    if (p.Dir != before) return;
  }
  CellStep step = PixelDelta(p.Dir);
  int speed = (p.Kind == PersonKind::Cleaner || p.Kind == PersonKind::Maintenance) ? 2 : 1;
  p.OffsetX += step.dx * speed;
  p.OffsetY += step.dy * speed;
  p.TurnMemo = 12;
  CrossCell(p);
}

// Killed: a visitor caught by an escaped animal shrinks into its cell and
// leaves remains.
void VanishStep(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  if (!FrameDue(p, kWalkerFramePeriod)) return;
  p.Frame += 1;
  if (p.OffsetX != 0) p.OffsetX += p.OffsetX > 0 ? -1 : 1;
  if (p.OffsetY != 0) p.OffsetY += p.OffsetY > 0 ? -1 : 1;
  if (p.Frame < 9) return;
  p.Used = 0;
  StopTracking(game, slot);
  if (IsOnMap(game.world, p.CellX, p.CellY)) game.world.Litter[p.CellY][p.CellX][7] = 7;
  game.clock.RedrawAll = 1;
}


// The forced direction on a road piece, or 0 when the piece does not force one.
int ForcedTurn(int shape, int dir) {
  switch (shape) {
    case Shape::Road7to1: return dir == 9 ? 7 : dir == 3 ? 1 : 0;
    case Shape::Road9to3: return dir == 7 ? 9 : dir == 1 ? 3 : 0;
    case Shape::Road7to9: return dir == 3 ? 9 : dir == 1 ? 7 : 0;
    case Shape::Road1to3: return dir == 7 ? 1 : dir == 9 ? 3 : 0;
    case Shape::Road7to3: return dir == 7 || dir == 3 ? dir : 0;
    case Shape::Road1to9: return dir == 9 || dir == 1 ? dir : 0;
    default: return 0;
  }
}

}  // namespace

bool PlainRoad(Game& game, int x, int y) {
  CellCover c = CoverAt(game, x, y);
  return IsRoad(c) && c.Shape == Shape::None;
}

// The turn toward side A or B of a direction.
int TurnTo(int dir, bool sideA) {
  switch (dir) {
    case 1: return sideA ? 7 : 3;
    case 3: return sideA ? 1 : 9;
    case 7: return sideA ? 9 : 1;
    default: return sideA ? 3 : 7;
  }
}

// Cells on side A and B of a direction: for 1, x-1 and x+1; for 3, y+1 and y-1;
// for 9, x+1 and x-1; for 7, y-1 and y+1.
CellStep SideDelta(int dir, bool sideA) { return CellDelta(TurnTo(dir, sideA)); }

bool ChooseSide(Game& game, bool sideA, bool sideB, int turnBias) {
  if (sideA != sideB) return sideA;
  return game.random(100) < (turnBias == 1 ? 20 : 80);
}

void StopAndGo(Game& game, Person& p, int stopOdds, int goOdds) {
  if (p.Activity == Activity::Walking) {
    if (game.random(stopOdds) == 0) {
      p.Activity = Activity::Standing;
      p.Frame = 2;
      p.AnimTicks = 0;
    }
  } else if (p.Activity == Activity::Standing) {
    if (game.random(goOdds) == 0) p.Activity = Activity::Walking;
  }
}

bool FrameDue(Person& p, int period) {
  p.AnimTicks += 1;
  if (p.AnimTicks < period) return false;
  p.AnimTicks = 0;
  return true;
}

bool CrossCell(Person& p) {
  if (p.OffsetX >= 18 && p.OffsetY < -8) {
    p.CellY -= 1;
    p.OffsetY += 18;
    p.OffsetX -= 36;
  } else if (p.OffsetX >= 18 && p.OffsetY >= 9) {
    p.CellX += 1;
    p.OffsetY -= 18;
    p.OffsetX -= 36;
  } else if (p.OffsetX < -17 && p.OffsetY >= 9) {
    p.CellY += 1;
    p.OffsetY -= 18;
    p.OffsetX += 36;
  } else if (p.OffsetX < -17 && p.OffsetY < -8) {
    p.CellX -= 1;
    p.OffsetY += 18;
    p.OffsetX += 36;
  } else {
    return false;
  }
  return true;
}

bool CellFreeOfVisitors(const Game& game, int slot, int x, int y) {
  for (int j = 0; j < kVisitorSlots; ++j) {
    if (j == slot) continue;
    const Person& q = game.world.Walkers[j];
    if (q.Used == 1 && q.Activity != Activity::Killed && q.CellX == x && q.CellY == y) return false;
  }
  return true;
}

void ChooseRoadDirection(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  if (p.TurnMemo == 11) return;
  int oldDir = p.Dir;
  bool forced = false;
  CellCover here = CoverAt(game, p.CellX, p.CellY);
  if (IsRoad(here)) {
    int turn = ForcedTurn(here.Shape, p.Dir);
    if (turn != 0) {
      p.Dir = static_cast<int16_t>(turn);
      p.TurnMemo = 11;
      forced = true;
    }
  }
  CellStep ahead = CellDelta(p.Dir);
  int ax = p.CellX + ahead.dx, ay = p.CellY + ahead.dy;
  CellCover aheadCover = CoverAt(game, ax, ay);
  bool roadAhead = IsRoad(aheadCover);
  bool blockedAhead = !IsOnMap(game.world, ax, ay) || game.world.LandMap[ay][ax] != Land::Clear ||
                      (aheadCover.Origin >= 0 && !roadAhead);
  if (forced) {
    if (!blockedAhead) return;
    p.Dir = static_cast<int16_t>(oldDir);
    p.TurnMemo = 12;
  }
  CellStep a = SideDelta(p.Dir, true), b = SideDelta(p.Dir, false);
  bool sideA = PlainRoad(game, p.CellX + a.dx, p.CellY + a.dy);
  bool sideB = PlainRoad(game, p.CellX + b.dx, p.CellY + b.dy);
  if (roadAhead) {
    if (!sideA && !sideB) return;
    if (game.random(100) < 81) return;
    if (game.random(100) < (p.TurnMemo == 10 ? 96 : 81)) return;
  } else if (!blockedAhead && !sideA && !sideB) {
    if (game.random(100) == 1) return;
  }
  p.Dir = static_cast<int16_t>(TurnTo(p.Dir, ChooseSide(game, sideA, sideB, p.TurnBias)));
  p.TurnMemo = 10;
}

void UpdateWalker(Game& game, int slot) {
  Person& p = game.world.Walkers[slot];
  if (p.Kind == PersonKind::Visitor) {
    if (p.Activity != Activity::Killed) ThinkVisitor(game, slot);
  } else {
    ThinkStaff(game, slot);
  }
  // Most are walking: a plain test before the jump table, which mispredicts.
  if (p.Activity == Activity::Walking) {
    WalkStep(game, slot);
    return;
  }
  switch (p.Activity) {
    using A = Activity;
    case A::Alighting: AlightStep(game, slot); break;
    case A::Leaving: LeaveStep(game, slot); break;
    case A::Sweeping: SweepStep(game, slot); break;
    case A::Break: BreakStep(game, slot); break;
    case A::LookingA: case A::LookingB: case A::LookingC:
    case A::BoughtA: case A::BoughtB: case A::BoughtC: LookStep(game, slot); break;
    case A::Repairing: RepairStep(game, slot); break;
    case A::SteppingOntoBench: case A::BenchUnused: case A::Seated: BenchStep(game, slot); break;
    case A::InToilet:
      if (game.random(450) == 0) {
        p.Activity = Activity::Walking;
        p.Visible = 1;
      }
      break;
    case A::Killed: VanishStep(game, slot); break;
    case A::Sulking: SulkStep(game, slot); break;
    case A::ReadingSign: SignStep(game, slot); break;
    default: break;
  }
}
