#include "view/render.h"

#include <algorithm>

#include "game/game.h"
#include "view/cache_check.h"
#include "view/placement_preview.h"
#include "view/geometry.h"
#include "view/render_parts.h"

Rect MapViewRect(const Game& game) {
  int half = game.view.Letterbox / 2;
  return {0, kTopBar + half, MapViewRight(game), ScreenHeight(game) - kTopBar - 2 * half};
}

namespace {

// The block rows and columns a rectangle covers, clipped to the tracked area.
struct BlockSpan {
  int x0, x1, y0, y1;
  bool empty() const { return x0 > x1 || y0 > y1; }
};

BlockSpan Blocks(Rect r, int block, int rows) {
  auto clampTo = [](int v, int hi) { return v < 0 ? 0 : v > hi ? hi : v; };
  if (r.w <= 0 || r.h <= 0 || r.x + r.w <= 0 || r.y + r.h <= 0) return {1, 0, 1, 0};
  return {clampTo(r.x / block, 63), clampTo((r.x + r.w - 1) / block, 63), clampTo(r.y / block, rows - 1),
          clampTo((r.y + r.h - 1) / block, rows - 1)};
}

uint64_t Bits(const BlockSpan& b) {
  uint64_t hi = b.x1 >= 63 ? ~uint64_t{0} : (uint64_t{1} << (b.x1 + 1)) - 1;
  return hi & ~((uint64_t{1} << b.x0) - 1);
}

}  // namespace

void FrameTarget::Mark(Rect r) {
  BlockSpan b = Blocks(r, kBlock, static_cast<int>(moved_.size()));
  if (b.empty()) return;
  for (int y = b.y0; y <= b.y1; ++y) moved_[y] |= Bits(b);
}

bool FrameTarget::Touched(Rect r) const {
  BlockSpan b = Blocks(r, kBlock, static_cast<int>(moved_.size()));
  if (b.empty()) return false;
  for (int y = b.y0; y <= b.y1; ++y)
    if (moved_[y] & Bits(b)) return true;
  return false;
}

// The counter runs on drawn frames too, so that the first frame after switching to
// fast forward comes at once rather than a whole skip late. It saturates at the
// largest skip.
bool FrameDue(ViewState& v, const Clock& c) {
  bool skipping = c.FastForward != 0 || c.GameSpeed == 0;
  int every = c.FastForward == 0 ? 4 : c.FastForward == 1 ? 25 : 100;
  bool due = !skipping || v.FrameSkip >= every;
  if (skipping && due) v.FrameSkip = 0;
  else v.FrameSkip = std::min(v.FrameSkip + 1, 100);
  return due;
}

bool RenderFrame(Game& game, int kind, Surface& screen) {
  SurfaceSet& s = game.view.Surfaces;
  // Without pictures (before a game, or with the display lost) nothing is drawn.
  if (!s.loaded || screen.Empty()) return false;
  bool full = game.clock.RedrawAll != 0;
  if (kind == kFrameTick && !full && !FrameDue(game.view, game.clock)) {
    DrawFps(game, screen);
    return false;
  }
  // A cell the simulation changed since the cache was drawn makes the cache stale.
  if (!full && !CacheCurrent(game)) full = true;
  FrameTarget t{game, screen, s.mapCache, full};
  Rect view = MapViewRect(game);
  if (full) {
    screen.FillRect(view, 0);
    s.mapCache.FillRect(view, 0);
  } else {
    screen.Draw(view.x, view.y, view, s.mapCache, false);
  }
  DrawMap(t);
  if (full) RememberCache(game);
  PlacementPreview(game);
  DrawOutline(t);
  if (game.view.ShowBalloons) DrawBalloons(t);
  DrawBus(t);
  DrawWeather(t);
  DrawSkyObjects(t);
  ShakeAndLetterbox(t);
  DrawPanel(t);
  DrawFps(game, screen);
  if (kind == kFrameTick) DrawPointer(game, screen);
  return true;
}
