#pragma once
#include <cstdlib>

#include "game/game.h"
#include "view/geometry.h"

// Pictures made in the tests, in place of the generated game folder.
namespace view_test {

constexpr Color16 kKey = Rgb565(255, 0, 255);

// Whether (px, py) of a building picture of side s lies on its footprint diamond or
// at most 63 rows above it: the part of a picture the game can show.
inline bool InBuildingShape(int px, int py, int s) {
  for (int d = 0; d <= kTileBase; ++d) {
    double u = (px - (36.0 * s + 0.5)) / (36.0 * s);
    double v = (py + d - kTileBase - 18.0 * s) / (18.0 * s);
    if (std::abs(u) + std::abs(v) <= 1.0) return true;
  }
  return false;
}

// A building picture of side s, every visible pixel a colour of its own position.
inline Surface BuildingPicture(int s) {
  Surface pic(72 * s + 2, 36 * s + 64, kKey);
  pic.SetColorKey(kKey);
  for (int y = 0; y < pic.Height(); ++y)
    for (int x = 0; x < pic.Width(); ++x)
      if (InBuildingShape(x, y, s)) pic.SetPixel(x, y, Rgb565(40 + x % 200, 30 + y % 200, 90));
  return pic;
}

// A tile sheet whose tile t is a diamond of its own colour.
inline Surface TileSheet() {
  Surface sheet(9 * kTileWidth, 8 * kTileHeight, kKey);
  sheet.SetColorKey(kKey);
  for (int t = 0; t < 72; ++t) {
    int ox = kTileWidth * (t / 8), oy = kTileHeight * (t % 8);
    for (int v = 0; v < 37; ++v)
      for (int u = 0; u < kTileWidth; ++u)
        if (std::abs((u - 36.5) / 36.0) + std::abs((v - 18.0) / 18.0) <= 1.0)
          sheet.SetPixel(ox + u, oy + kTileBase + v, Rgb565(20 + 3 * t, 120, 20 + t));
  }
  return sheet;
}

// The fixed set as far as the map view needs it, at the game's screen size.
inline void ArmSurfaces(Game& g) {
  SurfaceSet& s = g.view.Surfaces;
  s.tiles = TileSheet();
  s.mapCache = Surface(g.settings.ScreenResW, g.settings.ScreenResH, 0);
  s.overviewBase = Surface(100, 100, 0);
  s.loaded = true;
}

inline void GiveBuildingPicture(Game& g, int type) {
  LazySurface& l = g.view.Surfaces.buildings[type];
  l.surface = BuildingPicture(g.catalogue.BuildType[type].Size);
  l.tried = true;
}

}  // namespace view_test
