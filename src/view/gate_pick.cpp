#include "view/gate_pick.h"

#include <algorithm>

#include "game/game.h"
#include "game/surface_set.h"
#include "view/geometry.h"
#include "view/sprite_layout.h"

namespace {

bool Opaque(const Surface& s, int x, int y) {
  if (x < 0 || y < 0 || x >= s.Width() || y >= s.Height()) return false;
  return !s.HasColorKey() || s.Pixel(x, y) != s.ColorKey();
}

// Whether the building piece drawn at cell (x, y) shows a pixel at (px, py).
bool PieceAt(Game& g, int x, int y, int px, int py) {
  ScreenPoint s = CellToScreen(g, x, y);
  int u = px - s.x, v = py - s.y;
  if (u < 0 || v < 0 || u >= kTileWidth || v >= kTileHeight) return false;
  FacilityHit hit = FindFacilityAt(g.world, g.catalogue, x, y);
  if (hit.type < 0) return false;
  const BuildTypeRecord& bt = g.catalogue.BuildType[hit.type];
  const Facility& f = g.world.Cells[y + hit.dy][x + hit.dx];
  const Surface& pic = LoadBuildPicture(g, hit.type);
  Rect part = BuildingPart(pic, bt.Size, bt.FrameCount, f.AnimPhase, -hit.dx, -hit.dy);
  return Opaque(pic, part.x + u, part.y + v);
}

}  // namespace

GatePick PickAtGate(Game& g, int px, int py) {
  const ViewState& v = g.view;
  const Surface& gate = v.Surfaces.gate;
  if (v.GateX < 0 || v.HideBuildings || gate.Empty()) return {};
  ScreenPoint s = CellToScreen(g, v.GateX, v.GateY);
  const int u = px - s.x, w = py - s.y, frameH = gate.Height() / 3;
  if (u < 0 || u >= gate.Width() || w < 0 || w >= frameH) return {};
  // The flag and the lights move from frame to frame: a pixel of any frame counts,
  // so that a click does not depend on the moment.
  if (!Opaque(gate, u, w) && !Opaque(gate, u, frameH + w) && !Opaque(gate, u, 2 * frameH + w)) return {};
  // Pieces of cells drawn after the gate's strip here lie over it; the last drawn shows.
  GatePick pick{true, {}};
  const World& world = g.world;
  const int stripX = std::min(v.GateX + u / kGateStrip, world.MapWidth - 1);
  for (int x = stripX; x < world.MapWidth; ++x)
    for (int y = x == stripX ? v.GateY + 1 : 0; y < world.MapHeight; ++y)
      if (PieceAt(g, x, y, px, py)) pick.cover = {x, y};
  return pick;
}
