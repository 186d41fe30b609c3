#include "view/cache_check.h"

#include <cstdint>

#include "game/game.h"
#include "view/sprite_layout.h"

namespace {

// What a cell puts into the cached picture, packed: its tile, the building whose origin
// it is with that building's construction stage, and which litter places are filled.
uint64_t CellLook(const World& w, int x, int y) {
  const Facility& f = w.Cells[y][x];
  uint64_t stage = 0;
  if (f.Type >= 0) stage = f.ConstructionLeft < 1 ? 4 : static_cast<uint64_t>(ConstructionStage(f.ConstructionLeft));
  uint64_t litter = 0;
  for (int k = 0; k < kLitterPlaces; ++k) litter |= static_cast<uint64_t>(w.Litter[y][x][k] >= 0) << k;
  uint64_t tile = static_cast<uint16_t>(w.TileMap[y][x]), type = static_cast<uint16_t>(f.Type);
  return tile | type << 16 | stage << 32 | litter << 40;
}

}  // namespace

bool CacheCurrent(const Game& game) {
  const World& w = game.world;
  for (int y = 0; y < w.MapHeight; ++y)
    for (int x = 0; x < w.MapWidth; ++x)
      if (game.view.CacheShows[y][x] != CellLook(w, x, y)) return false;
  return true;
}

void RememberCache(Game& game) {
  const World& w = game.world;
  for (int y = 0; y < w.MapHeight; ++y)
    for (int x = 0; x < w.MapWidth; ++x) game.view.CacheShows[y][x] = CellLook(w, x, y);
}
