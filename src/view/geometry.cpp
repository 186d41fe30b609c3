#include "view/geometry.h"

#include <algorithm>

#include "game/game.h"
#include "view/sprite_sheets.h"

int ScreenWidth(const Game& game) { return game.settings.ScreenResW; }
int ScreenHeight(const Game& game) { return game.settings.ScreenResH; }

ScreenPoint CellToScreen(const Game& game, int x, int y) {
  return {(game.world.MapHeight - 1 - y + x) * kHalfW - game.view.ScrollX, (x + y) * kHalfH - game.view.ScrollY};
}

ScreenPoint CellCentre(const Game& game, int x, int y) {
  ScreenPoint s = CellToScreen(game, x, y);
  return {s.x + kTileWidth / 2, s.y + kTileBase + kHalfH};
}

ScreenPoint MapToScreen(const Game& game, int mapX, int mapY) {
  return {mapX - game.view.ScrollX, mapY - game.view.ScrollY};
}

bool IsVisible(const Game& game, int sx, int sy) {
  int half = game.view.Letterbox / 2;
  return sx > -kTileWidth && sx <= MapViewRight(game) && sy > kTopBar - kTileHeight + half &&
         sy <= ScreenHeight(game) - half;
}

// The diamond spans MapWidth + MapHeight half tiles across and as many half rows down,
// plus one tile; on a square map these are the map's pixel size of the map file's rules.
int MapPictureWidth(const World& w) { return (w.MapWidth + w.MapHeight) * kHalfW + 2; }
int MapPictureHeight(const World& w) { return (w.MapWidth + w.MapHeight) * kHalfH + kTileBase + 2; }

void ClampView(Game& game) {
  ViewState& v = game.view;
  // Measured on the map's picture, so that a map longer one way than the other can
  // be seen to its bottom corner and not scrolled past its side corners.
  int maxX = MapPictureWidth(game.world) - MapViewRight(game);
  int maxY = MapPictureHeight(game.world) - ScreenHeight(game);
  // A map smaller than the view pins it to the top-left rather than past it.
  v.ScrollX = std::max(0, std::min(v.ScrollX, maxX));
  v.ScrollY = std::max(-kTopBar, std::min(v.ScrollY, maxY));
}

void CentreViewOn(Game& game, int x, int y) {
  int size = 1;
  if (IsOnMap(game.world, x, y)) {
    int type = game.world.Cells[y][x].Type;
    if (type >= 0 && type < kBuildTypes) size = std::clamp<int>(game.catalogue.BuildType[type].Size, 1, 6);
  }
  // The footprint's middle lies (size - 1) / 2 cells further along x and y: straight
  // down the screen from the origin's middle.
  ScreenPoint c = CellCentre(game, x, y);
  c.y += (size - 1) * kHalfH;
  ViewState& v = game.view;
  v.ScrollX += c.x - (ScreenWidth(game) - kToolbarWidth) / 2;
  v.ScrollY += c.y - (kTopBar + (ScreenHeight(game) - kTopBar) / 2);
  ClampView(game);
  game.clock.RedrawAll = 1;
}

bool BusInView(const Game& game) {
  ScreenPoint b = MapToScreen(game, game.zoo.BusX, game.zoo.BusY);
  return b.x > -sheets::kBusWidth && b.x < ScreenWidth(game) - kToolbarWidth && b.y > -200 && b.y < ScreenHeight(game);
}
