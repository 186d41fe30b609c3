#include <algorithm>

#include "platform/big5.h"
#include "game/game.h"
#include "sim/disasters.h"
#include "sim/walkers.h"
#include "sim/world_query.h"

namespace {

constexpr Activity kRoaming = Activity::Walking, kLifted = Activity::TakenAway, kAttacking = Activity::Mauling;
constexpr int kLiftFramePeriod = 15;  // a lifted animal is gone after five of these
constexpr Activity kVanishedVisitor = Activity::Killed;

void AdvanceFrame(Person& p) {
  p.Frame += 1;
  if (p.Frame >= 9) p.Frame = 0;
}

bool Dangerous(const Game& game, int species) {
  return species >= 0 && species < kAnimalFlagEntries && game.catalogue.AnimalDangerous[species] == 1;
}

// The first visitor on the animal's cell that a draw of one in two picks; -1 none.
int VictimOn(Game& game, const Person& animal) {
  for (int slot = 0; slot < kVisitorSlots; ++slot) {
    const Person& v = game.world.Walkers[slot];
    if (v.Used != 1 || v.Kind != PersonKind::Visitor || v.Activity == kVanishedVisitor || v.Visible == 0) continue;
    if (v.CellX != animal.CellX || v.CellY != animal.CellY) continue;
    if (game.random(2) == 0) return slot;
  }
  return -1;
}

// Roads (benches aside) lead an escaped animal; any other building, the map's edge
// and the water and fences of the land stop it. Rubble does not.
struct Ahead {
  bool road, blocked;
};
Ahead LookAhead(Game& game, int x, int y) {
  if (!IsOnMap(game.world, x, y)) return {false, true};
  CellCover c = CoverAt(game, x, y);
  bool roadKind = IsRoad(c);
  bool road = roadKind && c.Shape != Shape::Bench73 && c.Shape != Shape::Bench91;
  Land land = game.world.LandMap[y][x];
  return {road, (land != Land::Clear && land != Land::Stones) || (c.Origin >= 0 && !roadKind)};
}

// At a cell centre: straight on along a road, on across open land half the time,
// else a turn the way a visitor turns. Returns false when the way ahead is blocked
// (the animal waits at the centre and chooses again).
bool ChooseWay(Game& game, Person& p) {
  CellStep d = CellDelta(p.Dir);
  Ahead ahead = LookAhead(game, p.CellX + d.dx, p.CellY + d.dy);
  if (ahead.road) return true;
  CellStep a = SideDelta(p.Dir, true), b = SideDelta(p.Dir, false);
  bool sideA = PlainRoad(game, p.CellX + a.dx, p.CellY + a.dy);
  bool sideB = PlainRoad(game, p.CellX + b.dx, p.CellY + b.dy);
  if (!ahead.blocked && !sideA && !sideB && game.random(2) == 0) return true;
  p.Dir = static_cast<int16_t>(TurnTo(p.Dir, ChooseSide(game, sideA, sideB, p.TurnBias)));
  p.TurnMemo = 10;
  d = CellDelta(p.Dir);
  return !LookAhead(game, p.CellX + d.dx, p.CellY + d.dy).blocked;
}

void Roam(Game& game, int slot) {
  Person& p = game.world.Escapees[slot];
  if (!FrameDue(p, p.FramePeriod)) return;
  AdvanceFrame(p);
  if (p.OffsetX == 0 && p.OffsetY == 0) {
    if (Dangerous(game, p.Look)) {
      int victim = VictimOn(game, p);
      if (victim >= 0) {
        Person& v = game.world.Walkers[victim];
        p.Activity = kAttacking;
        p.Frame = 0;
        p.AnimTicks = 0;
        v.Activity = kVanishedVisitor;
        v.Frame = 0;
        game.sim.counts.VisitorsKilled += 1;
        game.ui->PlayEffectAtCell(game, game.random(2) == 0 ? "Dead2.wav" : "Dead3.wav", p.CellX, p.CellY);
        return;
      }
    }
    if (!ChooseWay(game, p)) return;
  }
  CellStep step = PixelDelta(p.Dir);
  p.OffsetX += step.dx;
  p.OffsetY += step.dy;
  p.TurnMemo = 12;
  CrossCell(p);
}

// The attack's counter gets a second tick each tick and a frame takes twice the
// period: one frame a period, like roaming.
void Attack(Person& p) {
  p.AnimTicks += 1;
  if (p.AnimTicks < 2 * p.FramePeriod) return;
  p.AnimTicks = 0;
  p.Frame += 1;
  if (p.Frame >= 9) {
    p.Frame = 0;
    p.Activity = kRoaming;
  }
}

void Lifted(Person& p) {
  if (p.AnimTicks < kLiftFramePeriod) return;
  p.AnimTicks = 0;
  if (++p.Frame >= 5) p.Used = 0;
}

}  // namespace

void ReleaseAnimals(Game& game, int x, int y) {
  FacilityRef f = FacilityWithOrigin(game, x, y);
  if (!IsEnclosure(f)) return;
  int species = f.def->AnimalKind;
  if (species < 0 || species >= kAnimalFlagEntries || game.catalogue.AnimalEscapes[species] != 1) return;
  const auto& at = game.catalogue.AnimalType[species];
  const Facility& fac = *f.record;
  int slot = 0;
  for (int i = 0; i < std::min<int>(fac.AnimalCount, kMaxAnimals); ++i) {
    while (slot < kEscapeeSlots && game.world.Escapees[slot].Used == 1) ++slot;
    if (slot == kEscapeeSlots) return;  // the table is full: the rest are lost
    Person& p = game.world.Escapees[slot];
    static constexpr int16_t kDirs[4] = {1, 7, 9, 3};
    p = Person{};
    p.Used = 1;
    p.Activity = kRoaming;
    p.Look = static_cast<int16_t>(species);
    p.Name = CutToBig5Bytes(fac.AnimalName[i].str(), 10);
    p.Dir = kDirs[game.random(4)];
    p.CellX = static_cast<int16_t>(x + game.random(f.def->Size));
    p.CellY = static_cast<int16_t>(y + game.random(f.def->Size));
    p.FramePeriod = static_cast<int16_t>(at.AnimalValue3 / 2);
    p.EscWidth = at.FrameWidth;
    p.EscAge = static_cast<int16_t>(fac.AnimalAge[i]);
    p.Visible = 1;
    game.sim.counts.Escapes += 1;
  }
}

void EscapedAnimalsStep(Game& game) {
  for (int slot = 0; slot < kEscapeeSlots; ++slot) {
    Person& p = game.world.Escapees[slot];
    if (p.Used != 1) continue;
    switch (p.Activity) {
      case kRoaming: Roam(game, slot); break;
      case kLifted: p.AnimTicks += 1; Lifted(p); break;
      case kAttacking: p.AnimTicks += 1; Attack(p); break;
      default: p.Activity = kRoaming; break;
    }
  }
}
