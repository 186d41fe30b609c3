#include "game/game.h"
#include "sim/disasters.h"
#include "sim/sim_steps.h"

namespace {

constexpr int kMeteorite = 10, kSaucer = 11, kMissile = 12;

void StartFalling(Game& game) {
  Zoo& z = game.zoo;
  bool missile = game.random(2) == 0;
  z.SkyKind = missile ? kMissile : kMeteorite;
  z.SkyLook = missile ? 2 : 1;
  z.SkyX = 300 + game.random(z.MapPixelWidth - 600);
  (missile ? game.sim.counts.Missiles : game.sim.counts.Meteorites) += 1;
  game.ui->PlayEffectAtPoint(game, "Inseki.wav", true, z.SkyX, z.SkyY);
}

void StartSaucer(Game& game) {
  Zoo& z = game.zoo;
  z.SkyLook = game.random(2) == 0 ? 3 : 0;
  z.SkyKind = kSaucer;
  z.SkyDir = 1;
  z.SkyX = z.MapPixelWidth / 2 + 50 + game.random(z.MapPixelWidth / 2 - 100);
  game.sim.counts.SkyVisits += 1;
  game.ui->PlayEffectAtPoint(game, "Ufo1.wav", true, z.SkyX, z.SkyY);
}

// A falling object strikes with a chance of 1 in 30 a tick, and only where a
// building stands: over roads and open land it falls on.
void FallingStep(Game& game) {
  Zoo& z = game.zoo;
  z.SkyY += 2;
  if (game.random(30) != 0) return;
  MapCell c = CellUnder(game, z.SkyX, z.SkyY);
  if (c.x < 0) return;
  Destroyed d = DestroyBuildingAt(game, c.x, c.y);
  if (!d.any) return;
  game.ui->StopEffect("Inseki.wav");
  z.SkyActive = 0;
  z.SkyBlastFrame = 0;
  z.SkyTargetX = c.x;
  z.SkyTargetY = c.y;
  PostMail(game, z.SkyKind == kMissile ? "遭受不明來歷的飛彈攻擊建築物被破壞了！" : "建築物被墜落的隕石破壞", c.x, c.y);
}

// Flying or leaving objects end once they are off the map.
void EndWhenGone(Game& game) {
  Zoo& z = game.zoo;
  if (z.SkyState != 0 && z.SkyState != 1) return;
  if (z.SkyX > -100 && z.SkyX < z.MapPixelWidth && z.SkyY > -100 && z.SkyY < z.MapPixelHeight) return;
  game.ui->StopEffect("Inseki.wav");
  game.ui->StopEffect("Ufo1.wav");
  game.ui->StopEffect("Ufo2.wav");
  z.SkyBlastFrame = -1;
  z.SkyActive = 0;
}

}  // namespace

void SkyStart(Game& game) {
  Zoo& z = game.zoo;
  int odds = game.sim.SkyOdds;
  if (z.SkyActive || game.random(odds) != odds - 1) return;
  z.SkyState = 0;
  z.SkyTicks = 0;
  z.SkyY = 0;
  z.SkyFrame = 0.0;
  z.SkyActive = 1;
  if (game.random(2) == 0) StartFalling(game);
  else StartSaucer(game);
}

void SkyStep(Game& game) {
  Zoo& z = game.zoo;
  if (z.SkyBlastFrame >= 0 && ++z.SkyBlastFrame >= kBlastTicks) z.SkyBlastFrame = -1;
  if (!z.SkyActive) return;
  z.SkyFrame += 0.25;
  if (z.SkyFrame >= 4.0) z.SkyFrame = 0.0;
  if (z.SkyKind == kSaucer) SaucerStep(game);
  else FallingStep(game);
  if (z.SkyActive) EndWhenGone(game);
  if (z.SkyActive && z.SkyState <= 1)
    game.ui->MoveEffectToPoint(game, z.SkyKind == kSaucer ? "Ufo1.wav" : "Inseki.wav", z.SkyX, z.SkyY);
}
