#include <initializer_list>
#include <string>

#include "game/game.h"
#include "game/clock.h"
#include "sim/disasters.h"
#include "sim/sim_steps.h"
#include "sim/visitors.h"

namespace {
// Runs the steps in order until one leaves the game; false when one did.
bool StepsUntilLeaving(Game& game, std::initializer_list<void (*)(Game&)> steps) {
  for (auto step : steps) {
    step(game);
    if (IsLeaving(game.clock.GameMode)) return false;
  }
  return true;
}
}  // namespace

void SpecialObjects(Game& game) {
  if (!StepsUntilLeaving(game, {BusStep, EscapedAnimalsStep, HelicopterStep})) return;
  SlideMailIcons(game);
  if (!game.settings.Saigai) return;
  StepsUntilLeaving(game, {SkyStart, SkyStep, QuakeStart, QuakeStep});
}

void CrowdSound(Game& game) {
  if (game.random(500) != 0 || game.sim.VisitorsInZoo < 5) return;
  game.ui->PlayEffect("zattou" + std::to_string(1 + game.random(7)) + ".wav", false, false, 0, 0);
}
