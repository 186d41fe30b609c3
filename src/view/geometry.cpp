#include "view/geometry.h"

#include <algorithm>

#include "shell/game.h"

int ScreenWidth(const Game& game) { return game.settings.ScreenResW; }
int ScreenHeight(const Game& game) { return game.settings.ScreenResH; }

ScreenPoint CellToScreen(const Game& game, int x, int y) {
  return {(game.world.MapHeight - 1 - y + x) * kHalfW - game.view.ScrollX, (x + y) * kHalfH - game.view.ScrollY};
}

bool IsVisible(const Game& game, int sx, int sy) {
  int half = game.view.Letterbox / 2;
  return sx > -kTileWidth && sx <= MapViewRight(game) && sy > kTopBar - kTileHeight + half &&
         sy <= ScreenHeight(game) - half;
}

int MapPixelWidth(int mapWidth) { return mapWidth * 2 * kHalfW + 2; }
int MapPixelHeight(int mapHeight) { return mapHeight * 2 * kHalfH + kTileBase + 2; }

void ClampView(Game& game) {
  ViewState& v = game.view;
  int maxX = MapPixelWidth(game.world.MapWidth) - MapViewRight(game);
  int maxY = MapPixelHeight(game.world.MapHeight) - ScreenHeight(game);
  // A map smaller than the view pins it to the top-left rather than past it.
  v.ScrollX = std::max(0, std::min(v.ScrollX, maxX));
  v.ScrollY = std::max(-kTopBar, std::min(v.ScrollY, maxY));
}
