#include <gtest/gtest.h>

#include "view/toolbar_layout.h"
#include "sim/sim_steps.h"
#include "view/geometry.h"
#include "view/input_driver.h"
#include "view/render.h"
#include "view/test_pictures.h"

using namespace view_test;

namespace {

constexpr Color16 kEnvelope = Rgb565(250, 240, 200);
constexpr Color16 kPinned = Rgb565(200, 40, 40);

// Posts the mails (a place when x >= 0) and lets their icons settle.
void PostAndSettle(Game& g, std::initializer_list<int> places) {
  for (int x : places) PostMail(g, "信", x, x);
  for (int t = 0; t < 40; ++t) SlideMailIcons(g);
}

ScreenPoint IconCentre(const Game& g, int mail) {
  const Mail& m = g.sim.Mails[mail];
  return {m.IconLeft + m.IconWidth / 2, m.IconTop + m.IconHeight / 2};
}

}  // namespace

TEST(MailIcons, NewIconsComeFromThePanelAndStackAtTheMapViewsRightEdge) {
  auto g = Playing();
  PostMail(*g, "信", -1, -1);
  EXPECT_EQ(g->sim.Mails[13].IconLeft, 800 - 125);
  EXPECT_EQ(g->sim.Mails[13].IconTop, 35);
  SlideMailIcons(*g);
  EXPECT_EQ(g->sim.Mails[13].IconLeft, 800 - 129);
  PostAndSettle(*g, {-1, -1});
  for (int i = 11; i <= 13; ++i) {
    const Mail& m = g->sim.Mails[i];
    EXPECT_EQ(m.IconLeft, 800 - 157);
    EXPECT_EQ(m.IconTop, 35 + (13 - i) * 22);  // newest on top
    EXPECT_LT(m.IconLeft + m.IconWidth, MapViewRight(*g));
  }
  // A read mail leaves the column; the ones below it move up.
  g->sim.Mails[12].Read = 1;
  for (int t = 0; t < 10; ++t) SlideMailIcons(*g);
  EXPECT_EQ(g->sim.Mails[11].IconTop, 57);
  EXPECT_EQ(g->sim.Mails[12].IconTop, 57);  // stays where it was, not shown
}

TEST(MailIcons, PressOpensTheMailWindowForThatMail) {
  auto g = Playing();
  PostAndSettle(*g, {-1, 4, -1});
  g->view.ToolMode = 6;
  g->view.TrackingOn = 1;
  g->view.VisitorInfoOn = 1;
  g->view.ToolHighlight[kTrackButton] = 1;
  g->view.CursorKind = 4;
  Recording ui(*g);
  ScreenPoint p = IconCentre(*g, 12);
  Press(*g, p.x, p.y);
  EXPECT_EQ(ui.windows, std::vector<int>{Mode::Mail});
  EXPECT_EQ(g->view.CurrentMail, 12);
  EXPECT_EQ(g->view.ToolMode, 0);
  EXPECT_EQ(g->view.CursorKind, 1);
  EXPECT_EQ(g->view.TrackingOn, 0);
  EXPECT_EQ(g->view.VisitorInfoOn, 0);
  for (uint8_t h : g->view.ToolHighlight) EXPECT_EQ(h, 0);
  EXPECT_EQ(ui.effectStops, 1);
  EXPECT_EQ(ui.effects, std::vector<std::string>{"Click.wav"});
  EXPECT_EQ(g->view.ButtonHeld, 0);
  EXPECT_EQ(g->clock.GameMode, Mode::Playing);
  // Moving on with the button still down does not open it again.
  MoveTo(*g, p.x + 1, p.y);
  EXPECT_EQ(ui.windows.size(), 1u);
  // Marking it read is the window's work.
  EXPECT_EQ(g->sim.Mails[12].Read, 0);
}

// Hovering an unread mail's icon shows the tip without opening it.
TEST(MailIcons, OnlyAnUnreadMailsIconIsAButton) {
  auto g = Playing();
  PostAndSettle(*g, {-1, -1});
  Recording ui(*g);
  ScreenPoint p = IconCentre(*g, 13);
  MoveTo(*g, p.x, p.y);
  EXPECT_EQ(g->view.HintText, "資訊：閱讀收到的資訊");
  EXPECT_TRUE(ui.windows.empty());
  g->sim.Mails[12].Read = 1;  // its rectangle is still where the icon was
  g->view.HintText.clear();
  p = IconCentre(*g, 12);
  MoveTo(*g, p.x, p.y);
  EXPECT_EQ(g->view.HintText, "");
  Click(*g, p.x, p.y);
  EXPECT_TRUE(ui.windows.empty());
  EXPECT_EQ(g->view.CurrentMail, -1);
  // The inclusive edges of the unread one still count, one pixel beyond do not.
  const Mail& m = g->sim.Mails[13];
  EXPECT_EQ(MailIconAt(*g, m.IconLeft + m.IconWidth, m.IconTop + m.IconHeight), 13);
  EXPECT_EQ(MailIconAt(*g, m.IconLeft + m.IconWidth + 1, m.IconTop), -1);
  EXPECT_EQ(MailIconAt(*g, m.IconLeft - 1, m.IconTop), -1);
}

TEST(MailIcons, DrawnForUnreadMailsOnlyWithAPinForAPlace) {
  auto g = Playing();
  ArmSurfaces(*g);
  Surface& icons = g->view.Surfaces.messageIcons;
  icons = Surface(147, 40, kKey);
  icons.SetColorKey(kKey);
  icons.FillRect(Rect{1, 1, 28, 18}, kEnvelope);
  icons.FillRect(Rect{1, 21, 28, 18}, kPinned);
  PostAndSettle(*g, {-1, -1, 7});
  g->sim.Mails[11].Read = 1;
  Surface screen(800, 600);
  g->clock.RedrawAll = 1;
  ASSERT_TRUE(RenderFrame(*g, 1, screen));
  ScreenPoint read = IconCentre(*g, 11), plain = IconCentre(*g, 12), pinned = IconCentre(*g, 13);
  EXPECT_EQ(screen.Pixel(plain.x, plain.y), kEnvelope);
  EXPECT_EQ(screen.Pixel(pinned.x, pinned.y), kPinned);
  EXPECT_NE(screen.Pixel(read.x, read.y), kEnvelope);
  EXPECT_NE(screen.Pixel(read.x, read.y), kPinned);
  // The key colour lets the map show around the picture.
  const Mail& m = g->sim.Mails[12];
  EXPECT_NE(screen.Pixel(m.IconLeft, m.IconTop), kKey);
}
