#include <gtest/gtest.h>

#include "shell/setup.h"
#include "view/input_driver.h"

using namespace view_test;

namespace {

void DeveloperKey(Game& g, int vk) {
  KeyEvent k = Key(vk);
  k.mods.shift = k.mods.alt = true;
  FormKeyDown(g, k);
}

}  // namespace

// U and E toggle the disaster odds; B makes births likely for good.
TEST(DeveloperKeys, UAndEToggleTheDisasterOddsBMakesBirthsLikely) {
  auto g = Playing();
  EXPECT_EQ(g->sim.QuakeOdds, 90000);
  EXPECT_EQ(g->sim.SkyOdds, 90000);
  DeveloperKey(*g, 'U');
  EXPECT_EQ(g->sim.QuakeOdds, 5);
  EXPECT_EQ(g->sim.SkyOdds, 90000);
  DeveloperKey(*g, 'E');
  EXPECT_EQ(g->sim.SkyOdds, 5);
  DeveloperKey(*g, 'U');
  EXPECT_EQ(g->sim.QuakeOdds, 90000);
  EXPECT_EQ(g->sim.SkyOdds, 5);
  DeveloperKey(*g, 'E');
  EXPECT_EQ(g->sim.SkyOdds, 90000);
  EXPECT_EQ(g->sim.BirthOdds, 1000);
  DeveloperKey(*g, 'B');
  EXPECT_EQ(g->sim.BirthOdds, 5);
  DeveloperKey(*g, 'B');
  EXPECT_EQ(g->sim.BirthOdds, 5);
}

TEST(DeveloperKeys, MoneyAndShortDays) {
  auto g = Playing();
  DeveloperKey(*g, 'M');
  EXPECT_EQ(g->zoo.Money, 110000);
  DeveloperKey(*g, 'D');
  EXPECT_EQ(g->clock.TicksPerDay, 60);
}

TEST(DeveloperKeys, NeedShiftAndAltAndPlay) {
  auto g = Playing();
  for (int vk : {'U', 'E', 'B', 'M'}) FormKeyDown(*g, Key(vk));
  g->clock.GameMode = Mode::Mail;
  for (int vk : {'U', 'E', 'B', 'M'}) DeveloperKey(*g, vk);
  EXPECT_EQ(g->sim.QuakeOdds, 90000);
  EXPECT_EQ(g->sim.SkyOdds, 90000);
  EXPECT_EQ(g->sim.BirthOdds, 1000);
  EXPECT_EQ(g->zoo.Money, 100000);
}
