// Where the map hooks of the simulation put sounds and the view: the middle of a
// cell, the bus in view, centring on a cell or a building, the palette after a
// type became available.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "view/headless_presentation.h"
#include "game/presentation.h"
#include "shell/sound.h"
#include "view/geometry.h"
#include "view/palette.h"
#include "view/view_world.h"

using namespace view_test;

namespace {

// The middle of the map view on an 800 x 600 screen: left of the 125-pixel panel,
// below the 30-pixel top bar.
constexpr int kMiddleX = (800 - 125) / 2, kMiddleY = 30 + (600 - 30) / 2;

struct Played {
  std::string file;
  bool loop, positional;
  int y, x;
};

class Speakers : public HeadlessPresentation {
 public:
  void PlayEffect(const std::string& file, bool loop, bool positional, int screenY, int screenX) override {
    played.push_back({file, loop, positional, screenY, screenX});
  }
  std::vector<Played> played;
};

}  // namespace

TEST(MapView, BusIsInViewBetweenItsLimits) {
  auto g = MakePark();
  g->view.ScrollX = 40;
  g->view.ScrollY = 10;
  auto at = [&](int x, int y) {
    g->zoo.BusX = x + 40;
    g->zoo.BusY = y + 10;
    return BusInView(*g);
  };
  // Its picture just off the left edge at -218, under the panel at 675.
  const std::tuple<int, int, bool> cases[] = {
      {-218, 100, false}, {-217, 100, true}, {674, 100, true}, {675, 100, false},
      {100, -200, false}, {100, -199, true}, {100, 599, true}, {100, 600, false}};
  for (auto [x, y, seen] : cases) EXPECT_EQ(at(x, y), seen) << x << "," << y;
}

TEST(MapView, CentringPutsTheCellInTheMiddle) {
  auto g = MakePark();
  g->clock.RedrawAll = 0;
  CentreViewOn(*g, 10, 10);
  ScreenPoint c = CellCentre(*g, 10, 10);
  EXPECT_EQ(c.x, kMiddleX);
  EXPECT_EQ(c.y, kMiddleY);
  EXPECT_EQ(g->clock.RedrawAll, 1);
  // The middle of the map view is also where a sound is heard centred, at full level.
  Placement p = PositionFor(c.x, c.y, 800, 600);
  EXPECT_EQ(p.pan, 0);
  EXPECT_EQ(p.volume, 0);
  // On a building its footprint is centred.
  Place(*g, kMidPen, 8, 8);  // 3 x 3: its middle cell is (9, 9)
  CentreViewOn(*g, 8, 8);
  ScreenPoint middle = CellCentre(*g, 9, 9);
  EXPECT_EQ(middle.x, kMiddleX);
  EXPECT_EQ(middle.y, kMiddleY);
  Place(*g, kBigPen, 2, 12);  // 4 x 4: its middle is between cells
  CentreViewOn(*g, 2, 12);
  ScreenPoint corner = CellCentre(*g, 2, 12);
  EXPECT_EQ(corner.x, kMiddleX);
  EXPECT_EQ(corner.y + 3 * 18, kMiddleY);
}

// The map picture of 20 x 20 cells is 20 * 72 + 2 wide and 20 * 36 + 65 high.
TEST(MapView, CentringStaysInsideTheMap) {
  auto g = MakePark();
  CentreViewOn(*g, 0, 0);  // the top corner cannot come down to the middle
  EXPECT_EQ(g->view.ScrollY, -30);
  CentreViewOn(*g, 19, 19);  // nor the bottom corner up
  EXPECT_EQ(g->view.ScrollY, 20 * 36 + 65 - 600);
  CentreViewOn(*g, 19, 0);  // the right corner
  EXPECT_EQ(g->view.ScrollX, 20 * 72 + 2 - (800 - 120));
  CentreViewOn(*g, 0, 19);  // the left corner
  EXPECT_EQ(g->view.ScrollX, 0);
}

TEST(MapView, ALongNarrowMapIsSeenToItsCornersAndNoFurther) {
  auto g = MakePark(30, 10);
  CentreViewOn(*g, 29, 9);  // the bottom corner comes into view
  ScreenPoint bottom = CellToScreen(*g, 29, 9);
  EXPECT_EQ(bottom.y + kTileHeight, 600 - 1);  // its last row on the screen's last
  CentreViewOn(*g, 29, 0);  // the right corner ends at the view's right edge
  ScreenPoint right = CellToScreen(*g, 29, 0);
  EXPECT_EQ(right.x + kTileWidth, 800 - 120);
}

TEST(MapView, ShownPaletteIsRebuiltKeepingTheChosenType) {
  auto g = MakePark();
  g->zoo.TypeAvailable[1] = g->zoo.TypeAvailable[5] = 1;
  g->view.ToolMode = 2;  // group 0
  LoadPalette(*g, 0);
  SelectPaletteRow(*g, 1);
  ASSERT_EQ(g->view.SelectedType, 5);
  g->zoo.TypeAvailable[3] = 1;
  RebuildShownPalette(*g);
  EXPECT_EQ(g->view.PaletteTypes, (std::array<int32_t, 4>{1, 3, 5, -1}));
  EXPECT_EQ(g->view.SelectedType, 5);
  EXPECT_EQ(g->view.SelectedRow, 2);
  // Pushed out of the four shown: still chosen, no longer highlighted.
  g->zoo.TypeAvailable[0] = g->zoo.TypeAvailable[2] = 1;
  RebuildShownPalette(*g);
  EXPECT_EQ(g->view.PaletteTypes, (std::array<int32_t, 4>{0, 1, 2, 3}));
  EXPECT_EQ(g->view.SelectedType, 5);
  EXPECT_EQ(g->view.SelectedRow, -1);
}

TEST(MapView, PaletteOfAnotherToolOrNoneIsLeftAlone) {
  auto g = MakePark();
  for (int t = 130; t < 134; ++t) g->zoo.TypeAvailable[t] = 1;
  g->view.ToolMode = 5;  // group 3 shown
  LoadPalette(*g, 3);
  g->zoo.TypeAvailable[7] = 1;
  RebuildShownPalette(*g);
  EXPECT_EQ(g->view.PaletteTypes, (std::array<int32_t, 4>{130, 131, 132, 133}));
  g->view.ToolMode = 0;
  g->view.PaletteTypes = {-1, -1, -1, -1};
  RebuildShownPalette(*g);
  EXPECT_EQ(g->view.PaletteTypes, (std::array<int32_t, 4>{-1, -1, -1, -1}));
}

TEST(MapHooks, SoundsArePlacedOnTheScreenAndPlayedPositionally) {
  auto g = MakePark();
  Speakers speakers;
  g->ui = &speakers;
  g->view.ScrollX = 100;
  g->view.ScrollY = 50;
  g->ui->PlayEffectAtCell(*g, "Gold.wav", 3, 5);
  g->ui->PlayEffectAtPoint(*g, "Bus1.wav", true, 300, 200);
  ASSERT_EQ(speakers.played.size(), 2u);
  ScreenPoint c = CellCentre(*g, 3, 5);
  EXPECT_EQ(speakers.played[0].file, "Gold.wav");
  EXPECT_FALSE(speakers.played[0].loop);
  EXPECT_TRUE(speakers.played[0].positional);
  EXPECT_EQ(speakers.played[0].x, c.x);
  EXPECT_EQ(speakers.played[0].y, c.y);
  EXPECT_TRUE(speakers.played[1].loop);
  EXPECT_TRUE(speakers.played[1].positional);
  EXPECT_EQ(speakers.played[1].x, 200);
  EXPECT_EQ(speakers.played[1].y, 150);
  g->ui = g->ownUi.get();
}

TEST(MapHooks, HeadlessTheViewAndPaletteStillFollow) {
  auto g = MakePark();
  Presentation& ui = *g->ui;                  // the headless one
  ui.PlayEffectAtCell(*g, "Gold.wav", 1, 1);  // silent, and harmless
  g->zoo.BusX = 10;
  g->zoo.BusY = 10;
  EXPECT_TRUE(ui.BusOnScreen(*g));
  g->zoo.BusX = 5000;
  EXPECT_FALSE(ui.BusOnScreen(*g));
  ui.CentreViewOn(*g, 10, 10);
  EXPECT_EQ(CellCentre(*g, 10, 10).x, kMiddleX);
  g->view.ToolMode = 2;
  g->zoo.TypeAvailable[4] = 1;
  ui.BuildPaletteChanged(*g);
  EXPECT_EQ(g->view.PaletteTypes[0], 4);
}
