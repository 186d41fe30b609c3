#include "view/headless_presentation.h"
#include "data/world.h"

#include <gtest/gtest.h>

#include "game/game.h"

namespace {

// A game whose building type 7 is 3 x 3 and type 8 is 1 x 1, on a map of w x h.
std::unique_ptr<Game> GameWithMap(int w, int h) {
  auto g = MakeHeadlessGame();
  g->catalogue.BuildType[7].Size = 3;
  g->catalogue.BuildType[8].Size = 1;
  g->world.MapWidth = w;
  g->world.MapHeight = h;
  return g;
}

// Each probe: the cell asked about, then the type found and the offset to its origin.
TEST(FindFacility, ReportsTheOriginOfTheCoveringFacility) {
  auto g = GameWithMap(51, 51);
  g->world.Cells[10][10].Type = 7;  // covers (10..12, 10..12)
  g->world.Cells[48][48].Type = 7;  // reaches the last row and column
  const struct {
    int x, y, type, dx, dy;
  } probes[] = {{12, 12, 7, -2, -2}, {10, 10, 7, 0, 0},  {11, 12, 7, -1, -2}, {13, 12, -1, 0, 0},
                {12, 13, -1, 0, 0},  {9, 10, -1, 0, 0},  {0, 0, -1, 0, 0},    {50, 50, 7, -2, -2},
                {48, 50, 7, 0, -2},  {50, 48, 7, -2, 0}};
  for (const auto& p : probes) {
    g->world.FoundDX = g->world.FoundDY = 5;  // stale values from an earlier lookup
    EXPECT_EQ(FindFacility(g->world, g->catalogue, p.x, p.y), p.type) << p.x << "," << p.y;
    EXPECT_EQ(g->world.FoundDX, p.dx) << p.x << "," << p.y;
    EXPECT_EQ(g->world.FoundDY, p.dy) << p.x << "," << p.y;
  }
  // A stale record beyond the map's width is never taken for a building.
  auto narrow = GameWithMap(20, 20);
  narrow->world.Cells[5][20].Type = 7;
  EXPECT_EQ(FindFacility(narrow->world, narrow->catalogue, 21, 6), -1);
  EXPECT_EQ(FindFacility(narrow->world, narrow->catalogue, 19, 5), -1);
}

TEST(FindFacility, ScanTakesFarthestRowFirstThenFarthestColumn) {
  // Overlapping footprints never arise from construction; the scan order decides.
  auto g = GameWithMap(51, 51);
  g->world.Cells[10][12].Type = 7;  // covers (12..14, 10..12)
  g->world.Cells[11][11].Type = 7;  // covers (11..13, 11..13)
  g->world.Cells[10][13].Type = 8;
  EXPECT_EQ(FindFacility(g->world, g->catalogue, 13, 12), 7);
  EXPECT_EQ(g->world.FoundDX, -1);
  EXPECT_EQ(g->world.FoundDY, -2);
}

TEST(ResetWorldTables, ClearsEveryCellIncludingLastRowAndColumn) {
  auto g = MakeHeadlessGame();
  World& w = g->world;
  for (int i : {0, 49, 50}) {
    w.Cells[i][50].Type = 3;
    w.Cells[50][i].AnimalCount = 4;
    w.CellEffect[50][i] = 2.5;
    w.CellAnim[i][50] = 3;
    w.Litter[50][50][i % 8] = 2;
    w.DayStats1[50][i][12][31] = 9;
    w.DayStats2[i][50][1][1] = 9;
  }
  w.Walkers[199].Used = 1;
  w.Walkers[3].Purse = 20;
  w.Escapees[49].Used = 1;
  w.Escapees[49].Look = 4;
  ResetWorldTables(w);
  for (int y = 0; y < kGridSize; ++y) {
    for (int x = 0; x < kGridSize; ++x) {
      ASSERT_EQ(w.Cells[y][x].Type, -1);
      ASSERT_EQ(w.Cells[y][x].AnimalCount, 0);
      ASSERT_EQ(w.CellEffect[y][x], -1.0);
      ASSERT_EQ(w.CellAnim[y][x], -1);
      ASSERT_EQ(w.Litter[y][x], kNoLitter);
      ASSERT_EQ(w.DayStats1[y][x][12][31], 0);
      ASSERT_EQ(w.DayStats2[y][x][1][1], 0);
    }
  }
  for (const Person& p : w.Walkers) {
    ASSERT_EQ(p.Used, 0);
    ASSERT_EQ(p.Visible, 1);
    ASSERT_EQ(p.Purse, 0);
    ASSERT_EQ(p.Name.str(), "-");
    for (const auto& c : p.Comments) ASSERT_EQ(c.str(), "-");
  }
  EXPECT_EQ(w.Escapees[49].Used, 0);
  EXPECT_EQ(w.Escapees[49].Look, 4);  // only the slot is freed
}

}  // namespace
