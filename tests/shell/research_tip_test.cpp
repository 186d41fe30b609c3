#include <gtest/gtest.h>

#include "view/input_driver.h"
#include "view/render.h"
#include "view/test_pictures.h"

using namespace view_test;

namespace {

constexpr int kPanel = 800 - 125;

}  // namespace

TEST(ResearchTip, CountsTheUnfinishedItemsWhereTheMarkerIs) {
  auto g = Playing();
  for (int t : {0, 7, 40, 95, 129}) g->zoo.TypeResearchPending[t] = 1;
  g->zoo.TypeResearchPending[131] = 1;  // beyond the researched types
  g->sim.ResearchLeft = 20;
  MoveTo(*g, kPanel + 3, 79);
  EXPECT_EQ(g->view.HintText, "未完成的研發數：5");
  g->zoo.TypeResearchPending[7] = 0;
  MoveTo(*g, kPanel + 10, 90);
  EXPECT_EQ(g->view.HintText, "未完成的研發數：4");
  for (auto [x, y] : {std::pair{kPanel + 2, 85}, {kPanel + 11, 85}, {kPanel + 5, 78}, {kPanel + 5, 91}}) {
    g->view.HintText.assign(1, '-');  // not = "-": a GCC 12 -Wrestrict false alarm at -O3
    MoveTo(*g, x, y);
    EXPECT_EQ(g->view.HintText, "-") << x - kPanel << "," << y;
  }
  // As the item nears completion the marker climbs to the top of its groove.
  g->sim.ResearchLeft = 0;
  MoveTo(*g, kPanel + 5, 59);
  EXPECT_EQ(g->view.HintText, "未完成的研發數：4");
}

TEST(ResearchTip, APressDoesNothingButShowTheTipWhichSaysAllIsDoneOnceItIs) {
  auto g = Playing();
  Recording ui(*g);
  Click(*g, kPanel + 5, 65);
  EXPECT_EQ(g->view.HintText, "未完成的研發數：0");
  EXPECT_TRUE(ui.effects.empty());
  EXPECT_TRUE(ui.windows.empty());
  g->zoo.TypeResearchPending[50] = 1;
  g->sim.AllResearched = 1;
  MoveTo(*g, kPanel + 5, 66);
  EXPECT_EQ(g->view.HintText, "所有的研發都已完成");
}

TEST(ResearchTip, TheGaugeGrowsUpToTheMarkerAsResearchProceeds) {
  auto g = Playing();
  ArmSurfaces(*g);
  Surface screen(800, 600);
  auto filled = [&](int y) { return screen.Pixel(kPanel + 9, y) == Rgb565(120, 200, 90); };
  for (int left : {50, 20, 0}) {
    g->sim.ResearchLeft = left;
    g->clock.RedrawAll = 1;
    ASSERT_TRUE(RenderFrame(*g, 1, screen));
    // The bar's top edge is the tip's first row; it runs down to the groove's foot.
    EXPECT_FALSE(filled(58 + left)) << left;
    EXPECT_TRUE(filled(60 + left)) << left;
    EXPECT_TRUE(filled(120)) << left;
    EXPECT_FALSE(filled(121)) << left;
  }
}
