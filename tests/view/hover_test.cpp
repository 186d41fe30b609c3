#include "view/hover.h"

#include <gtest/gtest.h>

#include <utility>

#include "data/tile_mask.h"
#include "platform/surface.h"
#include "view/geometry.h"
#include "view/view_steps.h"
#include "view/view_world.h"

using namespace view_test;

namespace {

// A park with the generated pointer mask loaded, as a started game has it.
std::unique_ptr<Game> MaskedPark(int width, int height) {
  auto g = MakePark(width, height);
  EXPECT_TRUE(LoadGeneratedTileMask(*g));
  return g;
}

// The rule written out plainly: every cell in turn, rows y then columns x; the first
// whose ground box (full tile width, the rows below the tile's base) holds the point
// names the cell through its mask pixel.
CellPick ScanEveryCell(const Game& g, int px, int py) {
  if (px < 0 || py < 0 || px >= ScreenWidth(g) || py >= ScreenHeight(g)) return {};
  const TileMask& mask = g.view.Surfaces.tileMask;
  for (int y = 0; y < g.world.MapHeight; ++y)
    for (int x = 0; x < g.world.MapWidth; ++x) {
      ScreenPoint s = CellToScreen(g, x, y);
      int u = px - s.x, v = py - s.y;
      if (u < 0 || u >= kTileWidth || v < kTileBase || v >= kTileHeight) continue;
      int nx = x, ny = y;
      switch (mask.At(u, v)) {
        case 7: nx -= 1; break;
        case 3: nx += 1; break;
        case 9: ny -= 1; break;
        case 1: ny += 1; break;
        default: break;
      }
      if (!IsOnMap(g.world, nx, ny)) return {};
      return {nx, ny};
    }
  return {};
}

// Places cell (x, y)'s tile at screen (300, 200).
ScreenPoint BringToView(Game& g, int x, int y) {
  g.view.ScrollX = 0;
  g.view.ScrollY = 0;
  ScreenPoint at = CellToScreen(g, x, y);
  g.view.ScrollX = at.x - 300;
  g.view.ScrollY = at.y - 200;
  return CellToScreen(g, x, y);
}

Surface MaskPicture(Color16 fill) { return Surface(TileMask::kWidth, TileMask::kHeight, fill); }

// A picked cell and the pointer's cell as pairs, each compared in one check.
using XY = std::pair<int, int>;
constexpr XY kNone{-1, -1};
XY Of(CellPick c) { return {c.x, c.y}; }
XY Cursor(const Game& g) { return {g.view.CursorCellX, g.view.CursorCellY}; }

}  // namespace

TEST(TileMask, OtherSizesAndColoursAreRefused) {
  TileMask mask;
  mask.loaded = true;
  EXPECT_FALSE(DecodeTileMask(Surface(74, 99, 0), mask));
  EXPECT_FALSE(mask.loaded);
  EXPECT_FALSE(DecodeTileMask(Surface(), mask));
  Surface pic = MaskPicture(0);
  pic.SetPixel(40, 90, Rgb565(255, 255, 255));
  EXPECT_FALSE(DecodeTileMask(pic, mask));
  EXPECT_FALSE(mask.loaded);
}

TEST(Hover, EveryMaskColourNamesItsCellAndLeadsToItsNeighbour) {
  auto g = MakePark(9, 9);
  // With a one-colour mask, whatever tile the scan meets first, the answer is its
  // neighbour in the colour's direction.
  const struct {
    Color16 colour;
    int owner, dx, dy;
  } colours[] = {{Rgb565(0, 0, 0), 0, 0, 0},
                 {Rgb565(255, 255, 0), 7, -1, 0},
                 {Rgb565(255, 0, 0), 9, 0, -1},
                 {Rgb565(0, 255, 0), 1, 0, 1},
                 {Rgb565(0, 0, 255), 3, 1, 0}};
  for (const auto& c : colours) {
    const TileMask& mask = g->view.Surfaces.tileMask;
    ASSERT_TRUE(DecodeTileMask(MaskPicture(c.colour), g->view.Surfaces.tileMask));
    EXPECT_TRUE(mask.loaded);
    EXPECT_EQ(mask.At(0, 0), c.owner);
    EXPECT_EQ(mask.At(73, 99), c.owner);
    ScreenPoint s = BringToView(*g, 4, 4);
    // This point lies only in the boxes of (4, 4) and of (4, 5) below it; (4, 4) comes first.
    EXPECT_EQ(Of(HoverCellAt(*g, s.x + 10, s.y + 93)), XY(4 + c.dx, 4 + c.dy));
  }
  // The generated mask: the lower corners of a tile belong to the cells in front.
  ASSERT_TRUE(LoadGeneratedTileMask(*g));
  ScreenPoint s = BringToView(*g, 4, 4);
  EXPECT_EQ(Of(HoverCellAt(*g, s.x + 10, s.y + 93)), XY(4, 5));
  EXPECT_EQ(Of(HoverCellAt(*g, s.x + 63, s.y + 93)), XY(5, 4));
}

TEST(Hover, FindsTheSameCellAsAScanOfEveryCell) {
  struct View {
    int width, height, scrollX, scrollY;
  };
  for (View view : {View{51, 51, 0, -30}, View{51, 51, 1234, 567}, View{30, 12, 200, 100}, View{7, 40, 0, 700},
                    View{51, 51, -75, -160}}) {
    auto g = MaskedPark(view.width, view.height);
    g->view.ScrollX = view.scrollX;
    g->view.ScrollY = view.scrollY;
    auto same = [&](int px, int py) {
      return Of(HoverCellAt(*g, px, py)) == Of(ScanEveryCell(*g, px, py));
    };
    // Every pixel of a patch larger than one tile step (so every place where boxes
    // and diamonds meet), then the whole screen and its edges coarsely.
    for (int py = 280; py < 330; ++py)
      for (int px = 300; px < 390; ++px) ASSERT_TRUE(same(px, py)) << px << "," << py << " on " << view.width;
    for (int py = -2; py < 603; py += 11)
      for (int px = -2; px < 803; px += 7) ASSERT_TRUE(same(px, py)) << px << "," << py << " on " << view.width;
  }
}

TEST(Hover, AMapSmallerThanTheViewPicksOnlyItsOwnCells) {
  auto g = MaskedPark(5, 4);
  ClampView(*g);
  int picked[4][5] = {};
  for (int py = 0; py < 600; ++py)
    for (int px = 0; px < 800; ++px) {
      CellPick c = HoverCellAt(*g, px, py);
      ASSERT_EQ(c.x, ScanEveryCell(*g, px, py).x) << px << "," << py;
      if (c.x < 0) {
        ASSERT_EQ(c.y, -1);
        continue;
      }
      ASSERT_TRUE(c.x < 5 && c.y >= 0 && c.y < 4) << px << "," << py;
      picked[c.y][c.x] += 1;
    }
  // Every cell's ground is found, about one diamond's worth of pixels each.
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_NEAR(picked[y][x], 36 * 36, 80) << x << "," << y;
  // In the empty view beside the map: no cell.
  g->view.MouseX = 700;
  g->view.MouseY = 500;
  FindHoverCell(*g);
  EXPECT_EQ(Cursor(*g), kNone);
}

TEST(Hover, OffTheMapGivesNone) {
  auto g = MaskedPark(10, 10);
  g->view.MouseX = 5;
  g->view.MouseY = 590;
  FindHoverCell(*g);
  EXPECT_EQ(Cursor(*g), kNone);
  ScreenPoint s = CellToScreen(*g, 4, 6);
  g->view.MouseX = s.x + 37;
  g->view.MouseY = s.y + 81;
  FindHoverCell(*g);
  EXPECT_EQ(Cursor(*g), XY(4, 6));
  // Without the mask no cell is found.
  TileMask mask = std::exchange(g->view.Surfaces.tileMask, TileMask{});
  FindHoverCell(*g);
  EXPECT_EQ(Cursor(*g), kNone);
  g->view.Surfaces.tileMask = mask;
  // The upper corners of an edge tile belong to cells that do not exist.
  s = CellToScreen(*g, 0, 6);
  EXPECT_EQ(Of(HoverCellAt(*g, s.x + 8, s.y + 66)), kNone);
  s = CellToScreen(*g, 4, 0);
  EXPECT_EQ(Of(HoverCellAt(*g, s.x + 66, s.y + 66)), kNone);
  // Off the screen: no cell, even where the map goes on.
  g->view.ScrollX = 100;
  g->view.ScrollY = 100;
  EXPECT_EQ(Of(HoverCellAt(*g, -1, 300)), kNone);
  EXPECT_EQ(Of(HoverCellAt(*g, 300, 600)), kNone);
}
