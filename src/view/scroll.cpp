#include "game/game.h"
#include "view/geometry.h"
#include "view/sprite_layout.h"
#include "view/view_steps.h"

namespace {

constexpr int kFollowPeriod = 30;

void FollowTrackedVisitor(Game& game) {
  ViewState& v = game.view;
  if (!v.TrackingOn || v.TrackedVisitor < 0 || v.TrackedVisitor >= kWalkerSlots) return;
  if (++v.FollowCounter < kFollowPeriod) return;
  v.FollowCounter = 0;
  const Person& p = game.world.Walkers[v.TrackedVisitor];
  ScreenPoint s = CellToScreen(game, p.CellX, p.CellY);
  Rect box = PersonBox(p, s.x, s.y);
  v.ScrollX += box.x - (ScreenWidth(game) - kToolbarWidth) / 2;
  v.ScrollY += box.y - (ScreenHeight(game) - kTopBar) / 2;
  game.clock.RedrawAll = 1;
}

}  // namespace

void ScrollStep(Game& game) {
  ViewState& v = game.view;
  v.ScrollX += v.ScrollVX;
  v.ScrollY += v.ScrollVY;
  FollowTrackedVisitor(game);
  ClampView(game);
  if (v.ScrollVX != 0 || v.ScrollVY != 0) game.clock.RedrawAll = 1;
}
