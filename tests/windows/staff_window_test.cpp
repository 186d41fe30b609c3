// The staff hiring window pressed as a player presses it.
#include <gtest/gtest.h>

#include "sim/sim_steps.h"
#include "windows/window_world.h"
#include "windows/zoo_windows.h"

namespace {
using namespace wintest;

struct StaffTest : WindowWorld {
  StaffTest() {
    g.sim.EntranceX = 5;
    g.sim.EntranceY = 5;
    g.zoo.Salary = 50;
    simtest::Place(g, simtest::kOffice, 8, 8);
    RecountStaff(g);
    windows.Open(Mode::Hiring);
  }
  StaffWindow& window() { return *static_cast<StaffWindow*>(windows.Current()); }
};

TEST(StaffWindow, HiresAtTheHireButtonsFarCornerAndNotBeyond) {
  StaffTest t;
  t.Click(103, 289);  // one pixel right of Hire
  EXPECT_EQ(t.g.zoo.StaffTotal, 0);
  t.Click(102, 289);
  t.Click(62, 249);
  EXPECT_EQ(t.g.zoo.StaffTotal, 2);
  EXPECT_EQ(t.g.world.Walkers[150].Kind, PersonKind::Maintenance);
  EXPECT_EQ(t.window().List(), (std::vector<int>{150, 151}));
  // Tab 2 hires cleaners; the maintenance list is not theirs.
  t.Click(67, 174);  // the shared edge of tabs 2 and 3 belongs to tab 2
  EXPECT_EQ(t.window().Tab(), 2);
  t.Click(80, 260);
  EXPECT_EQ(t.g.world.Walkers[152].Kind, PersonKind::Cleaner);
  EXPECT_EQ(t.window().List(), (std::vector<int>{152}));
}

TEST(StaffWindow, SalaryStepsStopAtTenAndTheUpperButtonOwnsTheSharedEdge) {
  StaffTest t;
  t.g.zoo.Salary = 15;
  t.Click(350, 164);  // minus: 5 would be below 10
  EXPECT_EQ(t.g.zoo.Salary, 15);
  t.Click(377, 124);  // the edge both buttons share raises
  t.Click(337, 84);
  EXPECT_EQ(t.g.zoo.Salary, 35);
  EXPECT_EQ(t.framesShown, 3);  // each step showed its pressed frame
}

TEST(StaffWindow, RefusalsComeInAMessageBoxOverTheWindow) {
  StaffTest t;
  t.g.zoo.StaffCapacity = 0;
  t.Click(80, 260);
  EXPECT_EQ(t.g.clock.GameMode, Mode::MessageBox);
  EXPECT_TRUE(t.Played("Error.wav"));
  EXPECT_EQ(t.g.zoo.StaffTotal, 0);
  t.Click(385, 15);  // the box's close box: back to the window
  EXPECT_EQ(t.g.clock.GameMode, Mode::Hiring);
}

TEST(StaffWindow, PickingFollowsTheMemberOnlyWhileOpen) {
  StaffTest t;
  t.windows.Close();
  t.g.view.TrackingOn = 0;
  t.g.view.TrackedVisitor = 7;
  t.windows.Open(Mode::Hiring);
  t.Click(80, 260);
  t.Click(90, 236);  // the rectangle's last row would be a tenth, hidden entry
  EXPECT_EQ(t.window().Selected(), -1);
  t.Click(180, 56);  // right of 180 the scroll buttons come first
  EXPECT_EQ(t.window().Selected(), 0);
  EXPECT_EQ(t.g.view.TrackingOn, 1);
  EXPECT_EQ(t.g.view.TrackedVisitor, 150);
  const Person& p = t.g.world.Walkers[150];
  int scrollX = (t.g.world.MapHeight - 1 - p.CellY + p.CellX) * 36 - 50;
  EXPECT_EQ(t.g.view.ScrollX, scrollX);
  // Dismiss takes the picked one; then nothing is picked.
  t.Click(12, 249);
  EXPECT_EQ(t.g.world.Walkers[150].Used, 0);
  EXPECT_EQ(t.g.zoo.StaffTotal, 0);
  EXPECT_EQ(t.window().Selected(), -1);
  t.Click(400, 0);
  EXPECT_EQ(t.g.clock.GameMode, Mode::Playing);
  EXPECT_EQ(t.g.view.TrackingOn, 0);
  EXPECT_EQ(t.g.view.TrackedVisitor, 7);
  EXPECT_EQ(t.g.view.ScrollX, scrollX);  // the view stays where the pick moved it
}

TEST(StaffWindow, ScrollingStopsWhenTheLastEntryIsShown) {
  StaffTest t;
  t.g.zoo.StaffCapacity = 50;
  for (int i = 0; i < 10; ++i) t.Click(80, 260);
  ASSERT_EQ(t.window().List().size(), 10u);
  t.Click(200, 200);
  t.Click(200, 200);
  EXPECT_EQ(t.window().Scroll(), 1);
  t.Click(221, 144);  // the shared edge belongs to scroll up
  EXPECT_EQ(t.window().Scroll(), 0);
  t.Click(200, 100);
  EXPECT_EQ(t.window().Scroll(), 0);
}

}  // namespace
