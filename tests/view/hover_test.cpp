#include "view/hover.h"

#include <gtest/gtest.h>

#include "view/geometry.h"
#include "view/view_steps.h"
#include "view/view_world.h"

using namespace view_test;

TEST(TileMask, DiamondIsTheCellAndCornersItsNeighbours) {
  EXPECT_EQ(TileMaskAt(37, 18), 0);
  EXPECT_EQ(TileMaskAt(2, 18), 0);
  EXPECT_EQ(TileMaskAt(71, 18), 0);
  EXPECT_EQ(TileMaskAt(37, 1), 0);
  EXPECT_EQ(TileMaskAt(0, 0), 7);
  EXPECT_EQ(TileMaskAt(73, 0), 9);
  EXPECT_EQ(TileMaskAt(0, 36), 1);
  EXPECT_EQ(TileMaskAt(73, 36), 3);
}

TEST(Hover, CentreOfEveryDrawnTilePicksThatCell) {
  auto g = MakePark(51, 51);
  for (int y = 0; y < 51; ++y)
    for (int x = 0; x < 51; ++x) {
      // Bring the cell into the middle of the view, then aim at its diamond's centre.
      g->view.ScrollX = 0;
      g->view.ScrollY = 0;
      ScreenPoint at = CellToScreen(*g, x, y);
      g->view.ScrollX = at.x - 300;
      g->view.ScrollY = at.y - 200;
      ScreenPoint s = CellToScreen(*g, x, y);
      ASSERT_EQ(s.x, 300);
      CellPick c = HoverCellAt(*g, s.x + kTileWidth / 2, s.y + kTileBase + 18);
      ASSERT_EQ(c.x, x) << "cell " << x << "," << y;
      ASSERT_EQ(c.y, y) << "cell " << x << "," << y;
    }
}

TEST(Hover, EveryPixelOfAViewBelongsToANeighbouringDiamond) {
  auto g = MakePark(20, 20);
  g->view.ScrollX = 200;
  g->view.ScrollY = 100;
  for (int py = 30; py < 600; py += 7)
    for (int px = 0; px < 680; px += 5) {
      CellPick c = HoverCellAt(*g, px, py);
      if (c.x < 0) continue;
      // The pixel lies inside the picked cell's diamond (within a pixel of its edge).
      ScreenPoint s = CellToScreen(*g, c.x, c.y);
      double u = (px - s.x - 36.5) / 36.0, v = (py - s.y - kTileBase - 18) / 18.0;
      ASSERT_LE(std::abs(u) + std::abs(v), 1.0 + 1.5 / 18) << px << "," << py;
    }
}

TEST(Hover, OffTheMapGivesNone) {
  auto g = MakePark(10, 10);
  g->view.MouseX = 5;
  g->view.MouseY = 590;
  FindHoverCell(*g);
  EXPECT_EQ(g->view.CursorCellX, -1);
  EXPECT_EQ(g->view.CursorCellY, -1);
  ScreenPoint s = CellToScreen(*g, 4, 6);
  g->view.MouseX = s.x + 37;
  g->view.MouseY = s.y + 81;
  FindHoverCell(*g);
  EXPECT_EQ(g->view.CursorCellX, 4);
  EXPECT_EQ(g->view.CursorCellY, 6);
}

TEST(Geometry, CellToScreenFollowsTheIsometricRule) {
  auto g = MakePark(30, 20);
  g->view.ScrollX = 10;
  g->view.ScrollY = -30;
  ScreenPoint s = CellToScreen(*g, 3, 5);
  EXPECT_EQ(s.x, (20 - 1 - 5 + 3) * 36 - 10);
  EXPECT_EQ(s.y, (3 + 5) * 18 + 30);
}

TEST(Geometry, ClampKeepsTheViewOnTheMap) {
  auto g = MakePark(51, 51);
  g->view.ScrollX = -50;
  g->view.ScrollY = -100;
  ClampView(*g);
  EXPECT_EQ(g->view.ScrollX, 0);
  EXPECT_EQ(g->view.ScrollY, -30);
  g->view.ScrollX = 100000;
  g->view.ScrollY = 100000;
  ClampView(*g);
  EXPECT_EQ(g->view.ScrollX, 51 * 72 + 2 - 680);
  EXPECT_EQ(g->view.ScrollY, 51 * 36 + 65 - 600);
}
