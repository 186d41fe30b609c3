#include "view/render.h"

#include "shell/game.h"
#include "view/construction.h"
#include "view/geometry.h"
#include "view/render_parts.h"

Rect MapViewRect(const Game& game) {
  int half = game.view.Letterbox / 2;
  return {0, kTopBar + half, MapViewRight(game), ScreenHeight(game) - kTopBar - 2 * half};
}

bool FrameDue(ViewState& v, const Clock& c) {
  bool due;
  if (c.FastForward == 0) {
    due = c.GameSpeed != 0 || v.FrameSkip >= 4;
    if (due && v.FrameSkip >= 4 && c.GameSpeed == 0) v.FrameSkip = 0;
  } else {
    due = v.FrameSkip >= (c.FastForward == 1 ? 25 : 100);
    if (due) v.FrameSkip = 0;
  }
  if (!due) ++v.FrameSkip;
  return due;
}

bool RenderFrame(Game& game, int kind, Surface& screen) {
  SurfaceSet& s = game.view.surfaces;
  // Without pictures (before a game, or with the display lost) nothing is drawn.
  if (!s.loaded || screen.Empty()) return false;
  bool full = game.clock.RedrawAll != 0;
  if (kind == kFrameTick && !full && !FrameDue(game.view, game.clock)) {
    DrawFps(game, screen, false);
    return false;
  }
  FrameTarget t{game, screen, s.mapCache, full};
  Rect view = MapViewRect(game);
  if (full) {
    screen.FillRect(view, 0);
    s.mapCache.FillRect(view, 0);
  } else {
    screen.Draw(view.x, view.y, view, s.mapCache, false);
  }
  DrawMap(t);
  PlacementPreview(game);
  DrawOutline(t);
  if (game.view.ShowBalloons) DrawBalloons(t);
  DrawBus(t);
  DrawWeather(t);
  ShakeAndLetterbox(t);
  DrawPanel(t);
  DrawFps(game, screen, true);
  if (kind == kFrameTick) DrawPointer(game, screen);
  return true;
}
