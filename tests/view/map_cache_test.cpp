// The map cache must follow every change the simulation makes to what a cell shows:
// a frame drawn from the cache after the change equals a full redraw.
#include <gtest/gtest.h>

#include "sim/sim_steps.h"
#include "view/geometry.h"
#include "view/render.h"
#include "view/render_parts.h"
#include "view/test_pictures.h"
#include "view/view_world.h"

using namespace view_test;

namespace {

std::unique_ptr<Game> ParkWithPenBeingBuilt() {
  auto g = MakePark(20, 20);
  ArmSurfaces(*g);
  g->view.Surfaces.construction = Surface(4 * kTileWidth, 2 * kTileHeight, Rgb565(200, 160, 40));
  Place(*g, kMidPen, 8, 8);
  GiveBuildingPicture(*g, kMidPen);
  g->world.TileMap[3][4] = 9;  // one tile unlike the rest
  g->world.Cells[8][8].Durability = 100;
  g->world.Cells[8][8].ConstructionLeft = 1;
  g->view.ScrollX = 40;
  g->view.ScrollY = 20;
  return g;
}

// Renders from the cache after `change`, then redraws in full, and compares the map view.
void ExpectCacheFollows(Game& g, void (*change)(Game&)) {
  Surface cached(800, 600), full(800, 600);
  g.clock.RedrawAll = 1;
  ASSERT_TRUE(RenderFrame(g, 1, cached));
  g.clock.RedrawAll = 0;
  ASSERT_TRUE(RenderFrame(g, 1, cached));
  change(g);  // leaves RedrawAll as the simulation leaves it
  ASSERT_TRUE(RenderFrame(g, 1, cached));
  g.clock.RedrawAll = 1;
  ASSERT_TRUE(RenderFrame(g, 1, full));
  Rect view = MapViewRect(g);
  for (int y = view.y; y < view.y + view.h; ++y)
    for (int x = 0; x < view.w; ++x) ASSERT_EQ(cached.Pixel(x, y), full.Pixel(x, y)) << x << "," << y;
}

}  // namespace

TEST(MapCache, AFinishedBuildingLosesItsScaffoldingAtOnce) {
  auto g = ParkWithPenBeingBuilt();
  ExpectCacheFollows(*g, [](Game& game) {
    CellPass(game);
    ASSERT_EQ(game.world.Cells[8][8].ConstructionLeft, 0);
  });
}

TEST(MapCache, ACollapsedBuildingLeavesTheCache) {
  auto g = ParkWithPenBeingBuilt();
  g->world.Cells[8][8].ConstructionLeft = 0;
  ExpectCacheFollows(*g, [](Game& game) {
    game.world.Cells[8][8].Durability = 0;
    CellPass(game);
    ASSERT_EQ(game.world.Cells[8][8].Type, -1);
  });
}
