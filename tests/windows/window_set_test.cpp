#include <gtest/gtest.h>

#include "windows/window_frame.h"
#include "windows/window_world.h"

namespace {
using namespace wintest;

TEST(WindowFrame, RectanglesHoldAllFourEdges) {
  WinRect r{11, 248, 52, 289};
  EXPECT_TRUE(InRect(11, 248, r));
  EXPECT_TRUE(InRect(52, 289, r));
  EXPECT_FALSE(InRect(53, 289, r));
  EXPECT_FALSE(InRect(52, 290, r));
  WinRect w = CentredWindow(800, 600, 440, 440);
  EXPECT_EQ(w.left, 180);
  EXPECT_EQ(w.top, 80);
  EXPECT_EQ(w.right, 620);
}

struct WindowSetTest : WindowWorld {
  WindowSetTest() {
    test_world::Place(g, test_world::kPen, 4, 4);
    g.view.SelectedX = 4;
    g.view.SelectedY = 4;
    g.zoo.Money = 5000;
  }
};

// The close box counts on its edges too.
TEST(WindowSet, RightPressAnywhereOrTheCloseBoxClosesAndLeftPressOutsideDoesNothing) {
  WindowSetTest t;
  ASSERT_TRUE(t.windows.Open(Mode::InfoMain));
  t.g.view.ButtonHeld = 1;
  t.windows.Press(2, 2, 0);  // outside the window: nothing, and nothing for the map
  EXPECT_EQ(t.g.clock.GameMode, Mode::InfoMain);
  EXPECT_EQ(t.g.view.ButtonHeld, 0);
  t.windows.Press(2, 2, 1);
  EXPECT_EQ(t.g.clock.GameMode, Mode::Playing);
  EXPECT_EQ(t.g.clock.RedrawAll, 1);
  EXPECT_FALSE(t.windows.IsOpen());
  EXPECT_TRUE(t.windows.Surfaces().slot[0].Empty());
  t.recorder.effects.clear();
  t.windows.Open(Mode::InfoMain);
  t.Click(369, 30);  // one pixel left of the close box: a press on the page
  EXPECT_EQ(t.g.clock.GameMode, Mode::InfoMain);
  t.Click(400, 30);
  EXPECT_EQ(t.g.clock.GameMode, Mode::Playing);
  EXPECT_TRUE(t.Played("Click.wav"));
}

TEST(WindowSet, MessageBoxNestsOverItsOwnerAndOnlyItsCloseBoxLeaves) {
  WindowSetTest t;
  t.g.zoo.Money = 999;  // one short of the price
  t.windows.Open(Mode::InfoMain);
  t.Click(30, 180);  // Animals
  ASSERT_EQ(t.g.clock.GameMode, Mode::InfoAnimals);
  WinRect list = t.windows.Placement();
  t.Click(61, 249);  // Buy, on its top-left corner
  EXPECT_EQ(t.g.clock.GameMode, Mode::MessageBox);
  EXPECT_TRUE(t.Played("Error.wav"));
  EXPECT_EQ(t.g.world.Cells[4][4].AnimalCount, 0);
  EXPECT_EQ(t.g.zoo.Money, 999);
  // The owner's Back button and a press inside the box do nothing.
  t.windows.Press(list.left + 20, list.top + 260, 0);
  t.Click(200, 60);
  EXPECT_EQ(t.g.clock.GameMode, Mode::MessageBox);
  t.Click(370, 0);
  EXPECT_EQ(t.g.clock.GameMode, Mode::InfoAnimals);
  t.Click(11, 248);  // Back: the list works again
  EXPECT_EQ(t.g.clock.GameMode, Mode::InfoMain);
}

TEST(WindowSet, AutoHideClosesAfterThreeHundredTimerEvents) {
  WindowSetTest t;
  t.windows.Open(Mode::InfoMain);
  t.windows.StartAutoHide();
  for (int i = 0; i < 299; ++i) t.windows.TimerTick();
  EXPECT_EQ(t.g.clock.GameMode, Mode::InfoMain);
  t.windows.TimerTick();
  EXPECT_EQ(t.g.clock.GameMode, Mode::Playing);
  EXPECT_FALSE(t.windows.AutoHideRunning());
}

}  // namespace
