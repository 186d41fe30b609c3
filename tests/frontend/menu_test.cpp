#include <gtest/gtest.h>

#include "frontend/fake_front_host.h"
#include "frontend/menu_screen.h"

namespace {

using C = MenuChoice;

TEST(MenuItems, AreasAreInclusiveAndOverlapInTableOrder) {
  // Quit and new campaign share x 412..420 for y 112..213: both, quit first.
  EXPECT_EQ(MenuChoicesAt(412, 112), (std::vector<C>{C::kQuit, C::kCampaign}));
  EXPECT_EQ(MenuChoicesAt(420, 213), (std::vector<C>{C::kQuit, C::kCampaign}));
  EXPECT_EQ(MenuChoicesAt(411, 150), std::vector<C>{C::kQuit});
  EXPECT_EQ(MenuChoicesAt(421, 150), std::vector<C>{C::kCampaign});
  EXPECT_EQ(MenuChoicesAt(420, 261), std::vector<C>{C::kQuit});  // the far corner still counts
  EXPECT_TRUE(MenuChoicesAt(421, 262).empty());
  EXPECT_EQ(MenuChoicesAt(50, 171), std::vector<C>{C::kCredits});
  EXPECT_EQ(MenuChoicesAt(319, 470), std::vector<C>{C::kSettings});
  EXPECT_EQ(MenuTipAt(415, 150), "結束:遊戲結束");
  EXPECT_EQ(MenuTipAt(600, 20), "");
}

TEST(MenuItems, EachBeatIsTakenOnceWithin200Ms) {
  EXPECT_EQ(NextMenuBeat(-1, 1901), 0);
  EXPECT_EQ(NextMenuBeat(-1, 1900), -1);
  EXPECT_EQ(NextMenuBeat(0, 2150), -1);  // beat 0 is past, beat 1 far off
  EXPECT_EQ(NextMenuBeat(3, 7290), 4);   // 7093 was taken; 7276 is next
  EXPECT_EQ(NextMenuBeat(19, 21049), -1);
}

// Runs the menu timer for `ms` milliseconds of the fake clock.
void RunFor(MenuScreen& menu, FakeFrontHost& host, int ms) {
  for (int end = static_cast<int>(host.now) + ms; host.now < end; host.now += menu.IntervalMs()) menu.Timer();
}

// Without music the beats follow the clock: 2101 and 4090 after the title appeared
// come within five seconds.
TEST(MenuScreen, TheMascotJumpsOnEveryBeatOnceWhileTheTitleShowsMusicOrNot) {
  for (bool music : {true, false}) {
    FakeFrontHost host;
    host.musicOn = music;
    MenuScreen menu(host, false);
    RunFor(menu, host, music ? 30000 : 5000);
    EXPECT_EQ(menu.Jumps(), music ? 20 : 2);
    EXPECT_EQ(menu.LastBeat(), music ? 19 : 1);
    EXPECT_EQ(host.music, music ? "menu_bg.Wav" : "");
  }
}

TEST(MenuScreen, TheFirstPressSkipsTheIntroAndCarriesOutNothing) {
  FakeFrontHost host;
  MenuScreen menu(host, false);
  RunFor(menu, host, 200);
  EXPECT_TRUE(menu.Press(415, 150).empty());  // on quit, yet nothing happens
  EXPECT_EQ(menu.State(), MenuState::kOpening);
  EXPECT_TRUE(menu.Press(415, 150).empty());  // still opening
  menu.Timer();
  EXPECT_EQ(menu.State(), MenuState::kReady);
  const int jumps = menu.Jumps();
  RunFor(menu, host, 10000);
  EXPECT_EQ(menu.Jumps(), jumps);  // the mascot stays still once the menu is up
  EXPECT_EQ(menu.Press(60, 100), std::vector<C>{C::kFree});
  EXPECT_TRUE(menu.Press(60, 100).empty());  // busy until the action is done
  menu.Resume();
  EXPECT_EQ(menu.Press(150, 100), std::vector<C>{C::kContinue});
}

TEST(MenuScreen, BackFromAGameTheFirstPressActs) {
  FakeFrontHost host;
  MenuScreen menu(host, true);
  menu.Timer();
  EXPECT_EQ(menu.Press(450, 150), std::vector<C>{C::kCampaign});
}

}  // namespace
