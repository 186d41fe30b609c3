#include "view/hover.h"

#include <array>
#include <cmath>

#include "shell/game.h"
#include "view/geometry.h"
#include "view/view_steps.h"

namespace {

constexpr int kGroundH = kTileHeight - kTileBase;  // 37

// Ground diamonds tile the map exactly: in units of half a tile, the point's
// distance from the centre along x - y and x + y rounds to the cell it lies in.
using Mask = std::array<std::array<int8_t, kTileWidth>, kGroundH>;

Mask MakeMask() {
  Mask m{};
  for (int v = 0; v < kGroundH; ++v)
    for (int u = 0; u < kTileWidth; ++u) {
      double across = (u - (kTileWidth - 1) / 2.0) / kHalfW;
      double down = (v - (kGroundH - 1) / 2.0) / kHalfH;
      int dx = static_cast<int>(std::lround((down + across) / 2));
      int dy = static_cast<int>(std::lround((down - across) / 2));
      m[v][u] = dx < 0 ? 7 : dx > 0 ? 3 : dy < 0 ? 9 : dy > 0 ? 1 : 0;
    }
  return m;
}

const Mask kMask = MakeMask();

}  // namespace

int TileMaskAt(int u, int v) { return kMask[v][u]; }

CellPick HoverCellAt(Game& game, int px, int py) {
  if (px < 0 || py < 0 || px >= ScreenWidth(game) || py >= ScreenHeight(game)) return {};
  for (int y = 0; y < game.world.MapHeight; ++y)
    for (int x = 0; x < game.world.MapWidth; ++x) {
      ScreenPoint s = CellToScreen(game, x, y);
      int u = px - s.x, v = py - s.y - kTileBase;
      if (u < 0 || u >= kTileWidth || v < 0 || v >= kGroundH) continue;
      CellPick c{x, y};
      switch (TileMaskAt(u, v)) {
        case 7: c.x -= 1; break;
        case 3: c.x += 1; break;
        case 9: c.y -= 1; break;
        case 1: c.y += 1; break;
        default: break;
      }
      if (!IsOnMap(game.world, c.x, c.y)) return {};
      return c;
    }
  return {};
}

void FindHoverCell(Game& game) {
  CellPick c = HoverCellAt(game, game.view.MouseX, game.view.MouseY);
  game.view.CursorCellX = c.x;
  game.view.CursorCellY = c.y;
}
