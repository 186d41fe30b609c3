#include <cstdlib>

#include "game/game.h"
#include "sim/animals.h"
#include "sim/disasters.h"
#include "sim/sim_steps.h"
#include "sim/world_query.h"

namespace {

constexpr int kAttackTicks = 50;  // hovering over a building before it falls
constexpr int kHoverTicks = 110;  // carrying off or releasing an animal
constexpr int kReach = 15;        // how near an animal must be to be taken

enum SaucerState { kFlying = 0, kLeaving = 1, kAttacking = 2, kCarrying = 3, kReleasing = 4 };

void Fly(Zoo& z) {
  CellStep d = PixelDelta(z.SkyDir);
  z.SkyX += d.dx;
  z.SkyY += d.dy;
}

void Hover(Zoo& z, MapCell c, int state) {
  z.SkyState = state;
  z.SkyTicks = 0;
  z.SkyTargetX = c.x;
  z.SkyTargetY = c.y;
}

// The flying saucer may leave an animal of any species behind.
bool SaucerBrings(const Game&, int) { return true; }

bool HasRoom(const FacilityRef& f) {
  return f.record->AnimalCount + 1 <= std::min<int>(f.def->MaxAnimals, kMaxAnimals);
}

// Takes every animal of the enclosure standing within reach of the saucer; true
// when one was taken.
bool CarryOff(Game& game, const FacilityRef& f) {
  const Zoo& z = game.zoo;
  // The point under the saucer, on the ground of the tile it hangs over.
  MapPoint under{z.SkyX + 37, z.SkyY + 81};
  MapPoint origin = PictureCorner(game, f);
  bool taken = false;
  for (int i = 0; i < f.record->AnimalCount;) {
    int ax = origin.x + f.record->AnimalX[i], ay = origin.y + f.record->AnimalY[i];
    if (std::abs(ax - under.x) <= kReach && std::abs(ay - under.y) <= kReach) {
      RemoveAnimal(*f.record, i);
      taken = true;
    } else {
      ++i;
    }
  }
  return taken;
}

void TryToLand(Game& game) {
  Zoo& z = game.zoo;
  MapCell c = CellUnder(game, z.SkyX, z.SkyY);
  if (c.x < 0) return;
  FacilityRef f = FacilityAt(game, c.x, c.y);
  if (!f) return;
  if (game.random(50) == 0) {
    game.ui->PlayEffectAtPoint(game, "Ufo2.wav", false, z.SkyX, z.SkyY);
    Hover(z, c, kAttacking);
    return;
  }
  if (!IsEnclosure(f)) return;
  if (game.random(2) == 0) {
    if (SaucerBrings(game, f.def->AnimalKind) && HasRoom(f)) Hover(z, c, kReleasing);
  } else if (f.record->AnimalCount > 0 && CarryOff(game, f)) {
    Hover(z, c, kCarrying);
  }
}

void Attack(Game& game) {
  Zoo& z = game.zoo;
  if (++z.SkyTicks < kAttackTicks) return;
  Destroyed d = DestroyBuildingAt(game, z.SkyTargetX, z.SkyTargetY);
  if (d.any) PostMail(game, "遭飛碟攻擊" + d.name + (d.enclosure ? "柵欄被破壞了" : "被破壞了"), d.x, d.y);
  game.ui->StopEffect("Ufo2.wav");
  z.SkyState = kLeaving;
}

void Carry(Game& game) {
  Zoo& z = game.zoo;
  if (++z.SkyTicks < kHoverTicks) return;
  FacilityRef f = FacilityAt(game, z.SkyTargetX, z.SkyTargetY);
  if (f) PostMail(game, f.def->Name.str() + "被飛碟抓走了", z.SkyTargetX, z.SkyTargetY);
  game.ui->StopEffect("Ufo2.wav");
  z.SkyState = kLeaving;
}

// A release over an enclosure that has filled up (or gone) meanwhile is abandoned
// without a word.
void Release(Game& game) {
  Zoo& z = game.zoo;
  FacilityRef f = FacilityAt(game, z.SkyTargetX, z.SkyTargetY);
  if (!IsEnclosure(f) || !HasRoom(f)) {
    z.SkyState = kLeaving;
    return;
  }
  if (++z.SkyTicks < kHoverTicks) return;
  z.SkyState = kLeaving;
  if (!AddAnimal(game, f.x, f.y, 1)) return;
  Facility& r = *f.record;
  int i = r.AnimalCount - 1;
  r.AnimalName[i].Assign("太空" + f.def->Name.str());
  r.AnimalHealth[i] = 100;
  r.AnimalAge[i] = 12;
  r.AnimalAction[i] = 0;
  PostMail(game, "太空飛碟放了" + f.def->Name.str(), f.x, f.y);
}

}  // namespace

void SaucerStep(Game& game) {
  Zoo& z = game.zoo;
  switch (z.SkyState) {
    case kFlying:
      Fly(z);
      if (z.SkyY >= 300) {
        static constexpr int16_t kTurns[4] = {1, 3, 7, 9};
        int r = game.random(300);
        if (r < 4) z.SkyDir = kTurns[r];
      }
      TryToLand(game);
      break;
    case kLeaving: Fly(z); break;
    case kAttacking: Attack(game); break;
    case kCarrying: Carry(game); break;
    case kReleasing: Release(game); break;
    default: z.SkyState = kLeaving; break;
  }
}
