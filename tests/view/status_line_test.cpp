// Balloons and the status line stay readable: balloons do not pile up, tips and
// finished messages do not linger.
#include <gtest/gtest.h>

#include "view/balloons.h"
#include "view/input_driver.h"
#include "view/render.h"
#include "view/toolbar_layout.h"

using namespace view_test;

TEST(Balloons, ALaterBalloonMovesBelowTheOnesItWouldCover) {
  std::vector<Rect> placed;
  Rect a = PlaceBalloon(placed, Rect{100, 100, 80, 42});
  EXPECT_EQ(a.y, 100);
  // Overlaps a; once below a it would overlap b, so it goes below both.
  Rect b = PlaceBalloon(placed, Rect{150, 150, 60, 28});
  Rect c = PlaceBalloon(placed, Rect{120, 110, 70, 28});
  EXPECT_EQ(b.y, 150);
  EXPECT_EQ(c.x, 120);
  EXPECT_EQ(c.y, b.y + b.h + 1);
  // Clear of everything: stays where it was wanted.
  Rect d = PlaceBalloon(placed, Rect{400, 100, 50, 14});
  EXPECT_EQ(d.y, 100);
}

TEST(StatusLine, AFinishedMessageGoesAfterAFewSeconds) {
  ViewState v;
  v.HintText = "LOAD 完畢";
  ExpireStatus(v, 1000);
  ExpireStatus(v, 1000 + kStatusShowMs - 1);
  EXPECT_EQ(v.HintText, "LOAD 完畢");
  ExpireStatus(v, 1000 + kStatusShowMs);
  EXPECT_EQ(v.HintText, "");
  // A tool's hint stays while the tool is on.
  v.ToolMode = 2;
  v.HintText = "可以建設";
  ExpireStatus(v, 0);
  ExpireStatus(v, 10 * kStatusShowMs);
  EXPECT_EQ(v.HintText, "可以建設");
}

TEST(StatusLine, AButtonsTipGoesWhenThePointerLeavesIt) {
  auto g = Playing();
  Rect r = ToolbarButtonRect(*g, 0);
  MoveTo(*g, r.x + 5, r.y + 5);
  EXPECT_EQ(g->view.HintText, kToolbar[0].tip);
  MoveTo(*g, 300, 300);
  EXPECT_EQ(g->view.HintText, "");
}
