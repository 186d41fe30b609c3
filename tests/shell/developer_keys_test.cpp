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
  struct Step {
    int vk, quake, sky, birth;
  } steps[] = {{'U', 5, 90000, 1000}, {'E', 5, 5, 1000}, {'U', 90000, 5, 1000},
               {'E', 90000, 90000, 1000}, {'B', 90000, 90000, 5}, {'B', 90000, 90000, 5}};
  for (const Step& s : steps) {
    DeveloperKey(*g, s.vk);
    EXPECT_EQ(g->sim.QuakeOdds, s.quake) << static_cast<char>(s.vk);
    EXPECT_EQ(g->sim.SkyOdds, s.sky) << static_cast<char>(s.vk);
    EXPECT_EQ(g->sim.BirthOdds, s.birth) << static_cast<char>(s.vk);
  }
}

TEST(DeveloperKeys, MoneyAndShortDaysAllNeedShiftAndAltAndPlay) {
  auto g = Playing();
  for (int vk : {'U', 'E', 'B', 'M'}) FormKeyDown(*g, Key(vk));
  g->clock.GameMode = Mode::Mail;
  for (int vk : {'U', 'E', 'B', 'M'}) DeveloperKey(*g, vk);
  EXPECT_EQ(g->sim.QuakeOdds, 90000);
  EXPECT_EQ(g->sim.SkyOdds, 90000);
  EXPECT_EQ(g->sim.BirthOdds, 1000);
  EXPECT_EQ(g->zoo.Money, 100000);
  g->clock.GameMode = Mode::Playing;
  DeveloperKey(*g, 'M');
  EXPECT_EQ(g->zoo.Money, 110000);
  DeveloperKey(*g, 'D');
  EXPECT_EQ(g->clock.TicksPerDay, 60);
}
