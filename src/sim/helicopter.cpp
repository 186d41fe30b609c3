#include <cstdlib>

#include "game/game.h"
#include "sim/sim_steps.h"
#include "sim/disasters.h"

namespace {

constexpr Activity kLifted = Activity::TakenAway;
constexpr int kStartHeight = -140;
constexpr int kNear = 50;  // hovering this near the target, the winch goes down
enum HeliStates { kToTarget = 0, kLifting = 1, kAway = 2 };

bool Waiting(const Person& p) { return p.Used == 1 && p.Activity != kLifted; }

MapPoint TargetPoint(const Game& game, int slot) {
  const Person& p = game.world.Escapees[slot];
  return PersonPoint(game, p.CellX, p.CellY, p.OffsetX, p.OffsetY);
}

int Toward(int from, int to) { return from < to ? from + 1 : from > to ? from - 1 : from; }

// The last escaped animal still loose; -1 when none is.
int LastLoose(const Game& game) {
  for (int slot = kEscapeeSlots - 1; slot >= 0; --slot)
    if (Waiting(game.world.Escapees[slot])) return slot;
  return -1;
}

// On to the next animal, or home when none is left.
void NextTarget(Game& game) {
  Zoo& z = game.zoo;
  int next = LastLoose(game);
  z.HeliState = next >= 0 ? kToTarget : kAway;
  if (next >= 0) z.HeliTarget = next;
}

void End(Game& game) {
  Zoo& z = game.zoo;
  z.HeliActive = 0;
  z.HeliState = kToTarget;
  z.HeliFrame = 0;
  z.HeliRotor = 0;
  game.ui->StopEffect("Heri1.wav");
}

}  // namespace

void HeliCheck(Game& game, int slot) {
  Zoo& z = game.zoo;
  const Person& p = game.world.Escapees[slot];
  if (!Waiting(p)) return;
  if (!z.HeliActive) {
    z.HeliActive = 1;
    z.HeliX = TargetPoint(game, slot).x;
    z.HeliY = kStartHeight;
    z.HeliTarget = slot;
    z.HeliState = kToTarget;
    z.HeliFrame = 0;
    game.ui->PlayEffectAtPoint(game, "Heri1.wav", true, z.HeliX, z.HeliY);
  } else if (z.HeliState == kToTarget) {
    z.HeliTarget = slot;  // the last loose animal of the pass
  }
}

void HelicopterStep(Game& game) {
  Zoo& z = game.zoo;
  if (!z.HeliActive) return;
  z.HeliRotor = (z.HeliRotor + 1) % 6;
  if (z.HeliTarget < 0 || z.HeliTarget >= kEscapeeSlots) z.HeliTarget = 0;
  // The target may have gone while the helicopter flew (lifted by an earlier
  // flight, or the table emptied): it picks another or turns home.
  if (z.HeliState == kToTarget && !Waiting(game.world.Escapees[z.HeliTarget])) NextTarget(game);
  if (z.HeliState == kToTarget || z.HeliState == kLifting) {
    MapPoint t = TargetPoint(game, z.HeliTarget);
    z.HeliX = Toward(z.HeliX, t.x);
    z.HeliY = Toward(z.HeliY, t.y);
    if (z.HeliState == kToTarget) {
      if (std::abs(z.HeliX - t.x) < kNear && std::abs(z.HeliY - t.y) < kNear) {
        game.ui->PlayEffectAtPoint(game, "Heri2.wav", false, z.HeliX, z.HeliY);
        z.HeliState = kLifting;
        z.HeliFrame = 0;
      }
    } else {
      z.HeliFrame += 1;
      if (z.HeliFrame == 4) {
        Person& p = game.world.Escapees[z.HeliTarget];
        if (Waiting(p)) {
          p.Activity = kLifted;
          p.Frame = 0;
          p.AnimTicks = 0;
          game.sim.counts.Rescues += 1;
        }
      }
      if (z.HeliFrame >= 9) {
        z.HeliFrame = 0;
        NextTarget(game);
      }
    }
  } else {
    z.HeliX -= 2;
    z.HeliY += 1;
  }
  game.ui->MoveEffectToPoint(game, "Heri1.wav", z.HeliX, z.HeliY);
  if (z.HeliY + 100 > z.MapPixelHeight) End(game);
}
