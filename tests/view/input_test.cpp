#include <gtest/gtest.h>

#include "view/toolbar_layout.h"
#include "sim/construction.h"
#include "view/geometry.h"
#include "view/hover.h"
#include "view/input_driver.h"
#include "view/test_pictures.h"
#include "view/view_steps.h"

using namespace view_test;

namespace {

// The centre of a toolbar button on the screen.
ScreenPoint ButtonCentre(const Game& g, int i) {
  Rect r = ToolbarButtonRect(g, i);
  return {r.x + r.w / 2, r.y + r.h / 2};
}

// Scrolls cell (x, y) to a known place and presses the middle of its tile there,
// with the hover cell of the last tick left at `stale`.
void ClickOnCell(Game& g, int x, int y, CellPick stale) {
  g.view.ScrollX = g.view.ScrollY = 0;
  ScreenPoint s = CellToScreen(g, x, y);
  g.view.ScrollX = s.x - 300;
  g.view.ScrollY = s.y - 200;
  g.view.CursorCellX = stale.x;
  g.view.CursorCellY = stale.y;
  Click(g, 300 + 37, 200 + 81);
}

}  // namespace

TEST(Input, ToolButtonSelectsTheToolAndItsFirstEntry) {
  auto g = Playing();
  Recording ui(*g);
  ScreenPoint p = ButtonCentre(*g, 1);
  Click(*g, p.x, p.y);
  EXPECT_EQ(g->view.ToolMode, 2);
  EXPECT_EQ(g->view.CursorKind, 2);
  EXPECT_EQ(g->view.SelectedType, 0);
  EXPECT_EQ(g->view.ToolHighlight[1], 1);
  EXPECT_EQ(ui.effects, std::vector<std::string>{"Click.wav"});
  // A group with nothing available leaves nothing selected.
  for (int t = 40; t < 80; ++t) g->zoo.TypeAvailable[t] = 0;
  p = ButtonCentre(*g, 2);
  Click(*g, p.x, p.y);
  EXPECT_EQ(g->view.ToolMode, 3);
  EXPECT_EQ(g->view.SelectedType, -1);
}

TEST(Input, PressThenMoveOverAButtonActsOnce) {
  auto g = Playing();
  Recording ui(*g);
  ScreenPoint p = ButtonCentre(*g, 6);  // finance
  Main_DXScreenMouseDown(*g, Mouse(MouseAction::Down, MouseButton::Left, p.x, p.y));
  MoveTo(*g, p.x + 1, p.y);
  EXPECT_EQ(ui.windows, std::vector<int>{Mode::Finance});
  EXPECT_EQ(g->view.HintText, "收支：顯示收支情報視窗");
}

TEST(Input, RightPressCancelsTheToolEvenOnAButton) {
  auto g = Playing();
  ScreenPoint p = ButtonCentre(*g, 0);
  Click(*g, p.x, p.y);
  EXPECT_EQ(g->view.ToolMode, 1);
  Click(*g, p.x, p.y, MouseButton::Right);
  EXPECT_EQ(g->view.ToolMode, 0);
  EXPECT_EQ(g->view.CursorKind, 1);
  for (uint8_t h : g->view.ToolHighlight) EXPECT_EQ(h, 0);
}

TEST(Input, ClickOnTheMapBuildsTheSelectedType) {
  auto g = Playing();
  g->view.ToolMode = 3;
  g->view.SelectedType = kBench;
  ASSERT_TRUE(LoadGeneratedTileMask(*g));
  ClickOnCell(*g, 6, 7, {6, 7});
  EXPECT_EQ(g->world.Cells[7][6].Type, kBench);
  EXPECT_EQ(g->zoo.Money, 100000 - 50);
}

TEST(Input, PointerToolOpensTheBuildingOrTheGateUnderThePress) {
  auto g = Playing();
  Recording ui(*g);
  ASSERT_TRUE(LoadGeneratedTileMask(*g));
  Place(*g, kMidPen, 4, 4);
  g->world.LandMap[20][12] = Land::Gate;
  // Each press comes straight after its move, before any tick has looked at the
  // pointer: the cell the last tick saw is the other one.
  ClickOnCell(*g, 6, 5, {10, 20});
  EXPECT_EQ(ui.windows, std::vector<int>{Mode::InfoMain});
  EXPECT_EQ(g->view.SelectedX, 4);
  EXPECT_EQ(g->view.SelectedY, 4);
  ClickOnCell(*g, 10, 20, {6, 5});
  EXPECT_EQ(ui.windows.back(), Mode::Ticket);
}

TEST(Input, PressOnTheGatePictureOpensTheTicketsUnlessABuildingStandsInFront) {
  auto g = Playing();
  Recorder ui;
  g->ui = &ui;
  ASSERT_TRUE(LoadGeneratedTileMask(*g));
  ViewState& v = g->view;
  g->world.LandMap[20][10] = g->world.LandMap[20][11] = Land::Gate;
  v.GateX = 10, v.GateY = 20, v.GateCells = 2;
  v.Surfaces.gate = Surface(120, 3 * 122, kKey);
  v.Surfaces.gate.SetColorKey(kKey);
  v.Surfaces.gate.FillRect(Rect{0, 0, 120, 60}, Rgb565(10, 200, 60));    // the beam
  v.Surfaces.gate.FillRect(Rect{30, 60, 20, 62}, Rgb565(200, 60, 40));   // a pillar
  for (int x = 7; x <= 12; ++x)
    for (int y = 17; y <= 19; ++y) Road(*g, x, y);  // the road behind, under the beam
  v.ScrollX = v.ScrollY = 0;
  ScreenPoint s = CellToScreen(*g, 10, 20);
  v.ScrollX = s.x - 300;
  v.ScrollY = s.y - 200;
  Click(*g, 300 + 40, 200 + 30);
  ASSERT_GE(g->view.CursorCellX, 0);
  EXPECT_LT(g->view.CursorCellY, 20);  // the ground named there is behind the gate
  EXPECT_EQ(ui.windows, std::vector<int>{Mode::Ticket});
  // A bench in the row in front is drawn over the pillar's foot: that press is the bench's.
  Place(*g, kBench, 11, 21);
  GiveBuildingPicture(*g, kBench);
  Click(*g, 300 + 40, 200 + 100);
  EXPECT_EQ(g->view.CursorCellY, 20);  // the ground there is the gate's own
  EXPECT_EQ(ui.windows.back(), Mode::InfoMain);
  EXPECT_EQ(g->view.SelectedX, 11);
  EXPECT_EQ(g->view.SelectedY, 21);
  g->ui = g->ownUi.get();
}

TEST(Keys, ArrowsScrollAndAnyReleaseStops) {
  auto g = Playing();
  FormKeyDown(*g, Key(VK::Right));
  FormKeyDown(*g, Key(VK::Up));
  EXPECT_EQ(g->view.ScrollVX, 20);
  EXPECT_EQ(g->view.ScrollVY, -20);
  g->view.ScrollY = 100;
  ScrollStep(*g);
  EXPECT_EQ(g->view.ScrollX, 20);
  EXPECT_EQ(g->view.ScrollY, 80);
  EXPECT_EQ(g->clock.RedrawAll, 1);
  FormKeyUp(*g, Key('Q', false));
  EXPECT_EQ(g->view.ScrollVX, 0);
  EXPECT_EQ(g->view.ScrollVY, 0);
}

TEST(Keys, SpaceCyclesFastForwardButNotWhileAWindowIsOpen) {
  auto g = Playing();
  g->clock.GameMode = Mode::Finance;
  FormKeyDown(*g, Key(VK::Space));
  EXPECT_EQ(g->clock.FastForward, 0);
  g->clock.GameMode = Mode::Playing;
  for (int fast : {1, 2, 0}) {
    FormKeyDown(*g, Key(VK::Space));
    EXPECT_EQ(g->clock.FastForward, fast);
  }
}

TEST(Keys, KeypadMinusAndPlusStepTheLetterboxWithinItsRange) {
  auto g = Playing();
  for (int i = 0; i < 5; ++i) FormKeyDown(*g, Key(VK::Subtract));
  EXPECT_EQ(g->view.Letterbox, 240);
  FormKeyDown(*g, Key(VK::Add));
  EXPECT_EQ(g->view.Letterbox, 160);
  for (int i = 0; i < 5; ++i) FormKeyDown(*g, Key(VK::Add));
  EXPECT_EQ(g->view.Letterbox, 0);
}

TEST(Keys, DigitsPressTheToolButtons) {
  auto g = Playing();
  FormKeyDown(*g, Key('1'));
  EXPECT_EQ(g->view.ToolMode, 1);
  EXPECT_EQ(g->view.ButtonHeld, 0);
  FormKeyDown(*g, Key('4'));
  EXPECT_EQ(g->view.ToolMode, 4);
  // No tool tip from a key.
  g->view.HintText.clear();
  FormKeyDown(*g, Key('2'));
  EXPECT_EQ(g->view.HintText, "");
}

// The paging keys press the four-page buttons at their lower-left corners, which
// the one-page buttons beside them share (inclusive edges, earlier in the table):
// so the keys page by one.
TEST(Keys, PageKeysPressOnTheSharedEdgeOfThePagingButtons) {
  auto g = Playing();
  FormKeyDown(*g, Key('2'));
  FormKeyDown(*g, Key(VK::Prior));
  EXPECT_EQ(g->view.CatalogueFirst[0], 1);
  FormKeyDown(*g, Key(VK::Next));
  EXPECT_EQ(g->view.CatalogueFirst[0], 0);
  FormKeyDown(*g, Key(VK::Next));
  EXPECT_EQ(g->view.CatalogueFirst[0], 38);
}
