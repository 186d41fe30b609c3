#include "game/game.h"
#include "sim/disasters.h"
#include "sim/sim_steps.h"

namespace {
constexpr int kQuakeLength = 100;  // ticks of shaking before the epicentre is struck
}  // namespace

void QuakeStart(Game& game) {
  SimState& s = game.sim;
  if (s.QuakeTicks >= 0 || game.random(s.QuakeOdds) != s.QuakeOdds - 1) return;
  s.QuakeTicks = 1;
  s.counts.Quakes += 1;
  game.view.QuakeCounter = 1;
  game.ui->PlayEffect("jishin.wav", false, false, 0, 0);
}

void QuakeStep(Game& game) {
  SimState& s = game.sim;
  if (s.QuakeTicks < 0) return;
  s.QuakeTicks += 1;
  // The view shakes on the odd ticks of the quake.
  game.view.QuakeCounter = s.QuakeTicks;
  if (s.QuakeTicks <= kQuakeLength) return;
  s.QuakeTicks = -1;
  game.view.QuakeCounter = 0;
  game.ui->StopEffect("jishin.wav");
  const World& w = game.world;
  int x = 1 + game.random(w.MapWidth - 1), y = 1 + game.random(w.MapHeight - 4);
  // Only a building falls: an epicentre on open ground, rock or rubble (or, on a
  // tiny map, off it) changes nothing.
  Destroyed d = DestroyBuildingAt(game, x, y);
  if (!d.any) {
    PostMail(game, "這裡發生了震度七級的地震，所幸沒有任何損失", -1, -1);
    return;
  }
  PostMail(game, "這裡發生了震度七級的地震" + d.name + (d.enclosure ? "的柵欄被地震震塌了" : "被地震震塌了"), x, y);
}
