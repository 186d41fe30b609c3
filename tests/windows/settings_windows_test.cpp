// The ticket window and the advertising window: steps, bounds and the bribe paid
// on closing.
#include <gtest/gtest.h>

#include "windows/window_world.h"
#include "windows/zoo_windows.h"

namespace {
using namespace wintest;

TEST(TicketWindow, FeeStepsAndTheSign) {
  WindowWorld t;
  t.g.zoo.EntryFee = 50;
  t.g.zoo.ZooOpen = 1;
  ASSERT_TRUE(t.windows.Open(Mode::Ticket));
  t.Click(182, 106);  // shared edge: the upper button
  t.Click(142, 66);
  t.Click(160, 80);
  EXPECT_EQ(t.g.zoo.EntryFee, 80);
  t.Click(327, 152);
  EXPECT_EQ(t.g.zoo.ZooOpen, 0);
  t.g.zoo.EntryFee = 10;
  t.Click(142, 146);
  EXPECT_EQ(t.g.zoo.EntryFee, 10);
  t.Click(183, 146);  // beside the buttons: nothing
  EXPECT_EQ(t.g.zoo.EntryFee, 10);
  t.Click(200, 100, 1);
  EXPECT_EQ(t.g.clock.GameMode, Mode::Playing);
  EXPECT_EQ(t.g.zoo.ZooOpen, 0);  // closed stays closed
}

TEST(AdvertisingWindow, MediumIsSetOnCloseAndASecondPressDeselects) {
  WindowWorld t;
  t.g.zoo.AdLevel = 0;
  t.windows.Open(Mode::Advertising);
  t.Click(227, 187);
  t.Click(347, 167);
  t.Click(367, 187);
  t.Click(430, 30);
  EXPECT_EQ(t.g.zoo.AdLevel, -1);
  t.windows.Open(Mode::Advertising);
  t.Click(207, 167);
  t.Click(0, 0, 2);  // any other button closes too
  EXPECT_EQ(t.g.zoo.AdLevel, 2);
  EXPECT_EQ(t.g.clock.GameMode, Mode::Playing);  // no bribe, no event window
}

TEST(AdvertisingWindow, BribeIsPaidOnCloseAndAnnounced) {
  WindowWorld t;
  t.g.zoo.Money = 10'500;
  t.g.zoo.BusInterval = 450;
  t.windows.Open(Mode::Advertising);
  for (int i = 0; i < 11; ++i) t.Click(268, 246);  // the eleventh would need 11 000
  EXPECT_EQ(t.g.zoo.BribeAmount, 10'000);
  t.Click(308, 326);
  t.Click(288, 260);
  EXPECT_EQ(t.g.zoo.BribeAmount, 10'000);
  t.Click(400, 0);
  EXPECT_EQ(t.g.zoo.BusInterval, 400);
  EXPECT_EQ(t.g.zoo.Money, 500);
  EXPECT_EQ(t.g.zoo.MonthBribery, 10'000);
  EXPECT_EQ(t.g.clock.GameMode, Mode::Event);
  EXPECT_EQ(t.g.sim.Event.Kind, 1);
  EXPECT_EQ(t.g.sim.Event.Text, "賄落客運公司");
  EXPECT_EQ(BusRateText(t.g.clock.TicksPerDay, t.g.zoo.BusInterval), "2:MAX");
}

TEST(AdvertisingWindow, BusRateIsTruncatedToHundredths) {
  EXPECT_EQ(BusRateText(800, 1500), "0.53");
  EXPECT_EQ(BusRateText(800, 450), "1.77");
  EXPECT_EQ(BusRateText(800, 1000), "0.8");
  EXPECT_EQ(BusRateText(800, 800), "1");
  EXPECT_EQ(BusRateText(800, 401), "1.99");
}

}  // namespace
