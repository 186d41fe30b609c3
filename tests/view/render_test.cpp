#include "view/render.h"

#include <gtest/gtest.h>

#include "view/render_parts.h"
#include "view/screen_layout.h"
#include "view/test_pictures.h"
#include "view/view_world.h"

using namespace view_test;

namespace {

int DrawnOf(int ticks, int fastForward, int gameSpeed) {
  ViewState v;
  Clock c;
  c.FastForward = fastForward;
  c.GameSpeed = gameSpeed;
  int drawn = 0;
  for (int i = 0; i < ticks; ++i) drawn += FrameDue(v, c);
  return drawn;
}

std::unique_ptr<Game> ParkWithPen(int scrollX, int scrollY) {
  auto g = MakePark(20, 20);
  ArmSurfaces(*g);
  Place(*g, kMidPen, 8, 8);
  GiveBuildingPicture(*g, kMidPen);
  g->view.ScrollX = scrollX;
  g->view.ScrollY = scrollY;
  return g;
}

}  // namespace

// Normal speed draws every tick, or every fifth at speed zero; fast forward one
// tick in 26 and the fastest one in 101, whatever the speed.
TEST(FrameSkip, DrawnTicksByFastForwardAndSpeed) {
  for (int speed = 0; speed <= 3; ++speed) {
    EXPECT_EQ(DrawnOf(100, 0, speed), speed == 0 ? 20 : 100);
    EXPECT_EQ(DrawnOf(26 * 10, 1, speed), 10);
    EXPECT_EQ(DrawnOf(101 * 10, 2, speed), 10);
    EXPECT_EQ(DrawnOf(100, 2, speed), 0);
  }
}

TEST(FrameSkip, FastForwardAfterNormalSpeedDrawsAtOnce) {
  ViewState v;
  Clock c;
  for (int i = 0; i < 30; ++i) ASSERT_TRUE(FrameDue(v, c));
  c.FastForward = 1;
  EXPECT_TRUE(FrameDue(v, c));
  for (int i = 0; i < 25; ++i) EXPECT_FALSE(FrameDue(v, c)) << i;
  EXPECT_TRUE(FrameDue(v, c));
}

TEST(FrameSkip, FullRedrawAlwaysDraws) {
  auto g = MakePark();
  ArmSurfaces(*g);
  Surface screen(800, 600);
  g->clock.FastForward = 2;
  g->clock.RedrawAll = 1;
  EXPECT_TRUE(RenderFrame(*g, kFrameTick, screen));
  g->clock.RedrawAll = 0;
  EXPECT_FALSE(RenderFrame(*g, kFrameTick, screen));
  // Window redraws are never skipped.
  EXPECT_TRUE(RenderFrame(*g, 1, screen));
  // Without pictures nothing is drawn.
  g->view.Surfaces = SurfaceSet{};
  screen.Fill(7);
  g->clock.RedrawAll = 1;
  EXPECT_FALSE(RenderFrame(*g, kFrameTick, screen));
  EXPECT_EQ(screen.Pixel(100, 100), 7);
}

TEST(Render, ThreeByThreeBuildingShowsWholeAtEveryScroll) {
  for (int sx : {0, 13, 71, 150}) {
    for (int sy : {-30, 5, 77}) {
      auto g = ParkWithPen(sx, sy);
      Surface screen(800, 600);
      g->clock.RedrawAll = 1;
      ASSERT_TRUE(RenderFrame(*g, 1, screen));
      Surface whole(800, 600);
      ScreenPoint o = CellToScreen(*g, 8, 8);
      const Surface& pic = g->view.Surfaces.buildings[kMidPen].surface;
      whole.Draw(o.x - kHalfW * 2, o.y, pic, true);
      Rect view = MapViewRect(*g);
      int compared = 0;
      for (int y = view.y; y < view.y + view.h - 40; ++y)
        for (int x = 0; x < view.w; ++x) {
          int px = x - (o.x - kHalfW * 2), py = y - o.y;
          if (px < 0 || py < 0 || px >= pic.Width() || py >= pic.Height() || pic.Pixel(px, py) == kKey) continue;
          ASSERT_EQ(screen.Pixel(x, y), whole.Pixel(x, y)) << "scroll " << sx << "," << sy << " at " << x << "," << y;
          ++compared;
        }
      EXPECT_GT(compared, 5000);
    }
  }
}

// Two frames stacked in 201 rows are 100.5 rows each; the half rounds to even, so
// the second frame starts at row 100.
TEST(Render, AnimationFrameHeightRoundsHalvesToEven) {
  auto g = MakePark(20, 20);
  ArmSurfaces(*g);
  g->catalogue.BuildType[kStatue].FrameCount = 2;
  Place(*g, kStatue, 4, 8).AnimPhase = 1;
  LazySurface& l = g->view.Surfaces.buildings[kStatue];
  l.surface = Surface(kTileWidth, 201);
  for (int y = 0; y < 201; ++y) l.surface.FillRect(Rect{0, y, kTileWidth, 1}, static_cast<Color16>(y + 1));
  l.tried = true;
  Surface screen(800, 600);
  g->clock.RedrawAll = 1;
  ASSERT_TRUE(RenderFrame(*g, 1, screen));
  ScreenPoint o = CellToScreen(*g, 4, 8);
  EXPECT_EQ(screen.Pixel(o.x + kHalfW, o.y + 50), 100 + 50 + 1);
}

TEST(Render, LetterboxBandsHideTheMap) {
  auto g = MakePark(51, 51);
  ArmSurfaces(*g);
  for (auto& row : g->world.TileMap) row.fill(3);
  g->view.ScrollX = 600;
  g->view.ScrollY = 400;
  g->view.Letterbox = 80;
  Surface screen(800, 600, Rgb565(255, 255, 255));
  g->clock.RedrawAll = 1;
  ASSERT_TRUE(RenderFrame(*g, 1, screen));
  int mapPixelsInside = 0;
  for (int x = 0; x < 680; ++x) {
    for (int y = 30; y < 70; ++y) ASSERT_EQ(screen.Pixel(x, y), 0) << x << "," << y;
    for (int y = 560; y < 600; ++y) ASSERT_EQ(screen.Pixel(x, y), 0) << x << "," << y;
    for (int y = 70; y < 520; ++y) mapPixelsInside += screen.Pixel(x, y) != 0;
  }
  EXPECT_GT(mapPixelsInside, 680 * 350);
}

TEST(Render, EarthquakeShiftsOddFramesDown) {
  auto g = ParkWithPen(40, 20);
  Surface still(800, 600), shaken(800, 600);
  g->clock.RedrawAll = 1;
  ASSERT_TRUE(RenderFrame(*g, 1, still));
  g->view.QuakeCounter = 3;
  ASSERT_TRUE(RenderFrame(*g, 1, shaken));
  for (int y = 40; y < 500; y += 3)
    for (int x = 0; x < 600; x += 3) ASSERT_EQ(shaken.Pixel(x, y + 3), still.Pixel(x, y));
  for (int y = 30; y <= 33; ++y)
    for (int x = 0; x < 680; x += 7) ASSERT_EQ(shaken.Pixel(x, y), 0) << x << "," << y;
  g->view.QuakeCounter = 2;
  ASSERT_TRUE(RenderFrame(*g, 1, shaken));
  for (int y = 40; y < 500; y += 3)
    for (int x = 0; x < 600; x += 3) ASSERT_EQ(shaken.Pixel(x, y), still.Pixel(x, y));
}

TEST(Render, DustPlaysTenFramesThenStops) {
  auto g = ParkWithPen(40, 20);
  g->world.CellEffect[2][2] = 0.0;
  Surface screen(800, 600);
  for (int i = 0; i < 19; ++i) RenderFrame(*g, 1, screen);
  EXPECT_DOUBLE_EQ(g->world.CellEffect[2][2], 9.5);
  RenderFrame(*g, 1, screen);
  EXPECT_EQ(g->world.CellEffect[2][2], -1.0);
}

TEST(Render, WhatStandsBehindTheGateDoesNotCoverIt) {
  auto g = ParkWithPen(40, 20);
  ViewState& v = g->view;
  v.GateX = 6, v.GateY = 12, v.GateCells = 2;
  const Color16 beam = Rgb565(10, 200, 60);
  v.Surfaces.gate = Surface(120, 3 * 122, kKey);
  v.Surfaces.gate.SetColorKey(kKey);
  v.Surfaces.gate.FillRect(Rect{0, 0, 120, 60}, beam);
  // A bench up and to the right of the gate: behind it, drawn later in the cell order.
  Place(*g, kBench, 8, 11);
  GiveBuildingPicture(*g, kBench);
  Surface screen(800, 600);
  g->clock.RedrawAll = 1;
  ASSERT_TRUE(RenderFrame(*g, 1, screen));
  ScreenPoint s = CellToScreen(*g, 6, 12);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 120; ++x) ASSERT_EQ(screen.Pixel(s.x + x, s.y + y), beam) << x << "," << y;
}

TEST(Render, WeatherFallsOnTheMapOnlyAndComesBackAboveTheTop) {
  auto g = ParkWithPen(40, 20);
  g->view.Weather = 2;
  g->view.ParticlesPlaced = true;
  for (size_t i = 0; i < g->view.Particles.size(); ++i)
    g->view.Particles[i] = {static_cast<int>(i) * 16, static_cast<int>(i) * 12 - 60};
  const Color16 rain = Rgb565(0xC0, 0xC0, 0xC0);
  Surface screen(800, 600);
  ASSERT_TRUE(RenderFrame(*g, 1, screen));
  Rect map = MapViewRect(*g);
  int fallen = 0;
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) {
      if (map.Contains(x, y) && y < 600 - kBottomBarH) fallen += screen.Pixel(x, y) == rain;
      else ASSERT_NE(screen.Pixel(x, y), rain) << x << "," << y;
    }
  EXPECT_GT(fallen, 1000);
  // Rain that falls off the bottom comes back above the top.
  auto& p = g->view.Particles[0];
  p.y = 590;
  RenderFrame(*g, 1, screen);
  EXPECT_LE(p.y, 0);
  EXPECT_GT(p.y, -300);
  EXPECT_GE(p.x, 0);
  EXPECT_LT(p.x, 800);
}
