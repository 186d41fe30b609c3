#include "view/hover.h"

#include <tuple>

#include "game/game.h"
#include "view/geometry.h"
#include "view/view_steps.h"

namespace {

static_assert(TileMask::kWidth == kTileWidth && TileMask::kHeight == kTileHeight, "the mask covers one tile");

// A tile's box for picking is its ground part: the full width, the rows below the
// tile's base. (The whole 100-row picture would also hold points over cells up to
// three rows further back, which the mask cannot name.)
constexpr int kBoxHeight = kTileHeight - kTileBase;  // 37

int FloorDiv(int a, int b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

bool BoxHolds(ScreenPoint tile, int px, int py) {
  int u = px - tile.x, v = py - tile.y - kTileBase;
  return u >= 0 && u < kTileWidth && v >= 0 && v < kBoxHeight;
}

}  // namespace

CellPick HoverCellAt(Game& game, int px, int py) {
  const TileMask& mask = game.view.Surfaces.tileMask;
  if (!mask.loaded) return {};
  if (px < 0 || py < 0 || px >= ScreenWidth(game) || py >= ScreenHeight(game)) return {};
  const World& w = game.world;
  // Tiles sit on a lattice of half-tile steps: column c = MapHeight - 1 - y + x at
  // c * kHalfW, row r = x + y at r * kHalfH (both minus the scroll). Only the few
  // lattice places whose box can reach the point are looked at; the one that comes
  // first in the scan over rows y, then columns x, is the tile whose mask is read.
  const int mx = px + game.view.ScrollX, my = py + game.view.ScrollY - kTileBase;
  CellPick first;
  for (int r = FloorDiv(my - kBoxHeight, kHalfH); r <= FloorDiv(my, kHalfH); ++r)
    for (int c = FloorDiv(mx - kTileWidth, kHalfW); c <= FloorDiv(mx, kHalfW); ++c) {
      int twiceX = r + c - (w.MapHeight - 1), twiceY = r - c + (w.MapHeight - 1);
      if (twiceX % 2 != 0) continue;  // no cell has its tile there
      CellPick cell{twiceX / 2, twiceY / 2};
      if (!IsOnMap(w, cell.x, cell.y) || !BoxHolds(CellToScreen(game, cell.x, cell.y), px, py)) continue;
      if (first.x < 0 || std::tie(cell.y, cell.x) < std::tie(first.y, first.x)) first = cell;
    }
  if (first.x < 0) return {};
  ScreenPoint s = CellToScreen(game, first.x, first.y);
  CellPick c = first;
  switch (mask.At(px - s.x, py - s.y)) {
    case 7: c.x -= 1; break;
    case 3: c.x += 1; break;
    case 9: c.y -= 1; break;
    case 1: c.y += 1; break;
    default: break;
  }
  if (!IsOnMap(w, c.x, c.y)) return {};
  return c;
}

void FindHoverCell(Game& game) {
  CellPick c = HoverCellAt(game, game.view.MouseX, game.view.MouseY);
  game.view.CursorCellX = c.x;
  game.view.CursorCellY = c.y;
}
