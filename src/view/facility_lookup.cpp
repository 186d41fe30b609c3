#include "view/facility_lookup.h"

#include "shell/game.h"

int FindFacility(Game& game, int x, int y) {
  World& w = game.world;
  w.FoundDX = w.FoundDY = 0;
  for (int dy = -5; dy <= 0; ++dy)
    for (int dx = -5; dx <= 0; ++dx) {
      int cx = x + dx, cy = y + dy;
      if (cy < 0 || cy >= w.MapHeight || cx < 0 || cx >= w.MapWidth) continue;
      int t = w.Cells[cy][cx].Type;
      if (t < 0 || t >= kBuildTypes) continue;
      int s = game.catalogue.BuildType[t].Size;
      if (s >= 1 - dy && s >= 1 - dx) {
        w.FoundDX = dx;
        w.FoundDY = dy;
        return t;
      }
    }
  return -1;
}
