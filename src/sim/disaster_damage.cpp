#include <cmath>

#include "game/game.h"
#include "sim/disasters.h"
#include "sim/world_query.h"
#include "sim/construction.h"

namespace {
constexpr int kHalfW = 36, kHalfH = 18;  // half a tile, as the map is drawn
}  // namespace

MapCell CellUnder(const Game& game, int px, int py) {
  const World& w = game.world;
  double across = static_cast<double>(px) / kHalfW - (w.MapHeight - 1);  // x - y
  double down = static_cast<double>(py) / kHalfH;                          // x + y
  int x = static_cast<int>(std::floor((across + down) / 2 + 0.5));
  int y = static_cast<int>(std::floor((down - across) / 2 + 0.5));
  if (!IsOnMap(w, x, y)) return {};
  return {x, y};
}

MapPoint PersonPoint(const Game& game, int cellX, int cellY, int offsetX, int offsetY) {
  return {(game.world.MapHeight - 1 - cellY + cellX) * kHalfW + offsetX, (cellX + cellY) * kHalfH + offsetY};
}

Destroyed DestroyBuildingAt(Game& game, int x, int y) {
  // Looked up afresh: whatever stood here when the event began may be gone.
  FacilityRef f = FacilityAt(game, x, y);
  if (!f) return {};
  Destroyed d{true, IsEnclosure(f), f.def->Name.str(), x, y};
  ClearCells(game, x, y, true);
  game.sim.CoverValid = false;
  game.sim.counts.BuildingsDestroyed += 1;
  return d;
}

MapPoint PictureCorner(const Game& game, const FacilityRef& f) {
  MapPoint origin = PersonPoint(game, f.x, f.y, 0, 0);
  return {origin.x - kHalfW * (f.def->Size - 1), origin.y};
}
