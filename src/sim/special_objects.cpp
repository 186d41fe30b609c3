#include <string>

#include "game/game.h"
#include "game/clock.h"
#include "sim/disasters.h"
#include "sim/sim_steps.h"
#include "sim/visitors.h"

void SpecialObjects(Game& game) {
  auto leaving = [&] { return IsLeaving(game.clock.GameMode); };
  BusStep(game);
  if (leaving()) return;
  EscapedAnimalsStep(game);
  if (leaving()) return;
  HelicopterStep(game);
  if (leaving()) return;
  SlideMailIcons(game);
  if (!game.settings.Saigai) return;
  SkyStart(game);
  if (leaving()) return;
  SkyStep(game);
  if (leaving()) return;
  QuakeStart(game);
  if (leaving()) return;
  QuakeStep(game);
}

void CrowdSound(Game& game) {
  if (game.random(500) != 0 || game.sim.VisitorsInZoo < 5) return;
  game.ui->PlayEffect("zattou" + std::to_string(1 + game.random(7)) + ".wav", false, false, 0, 0);
}
