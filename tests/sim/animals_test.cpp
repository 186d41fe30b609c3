#include <gtest/gtest.h>

#include "sim/animals.h"
#include "sim/figures.h"
#include "sim/sim_steps.h"
#include "support/test_world.h"
#include "sim/world_query.h"
#include "view/geometry.h"

using namespace test_world;

using Health = SimTest;
using Placement = SimTest;
using Figures = SimTest;

namespace {

Facility& StockedPen(SimGame& s, int animals, int keepers) {
  Place(s.g, kPen, 5, 5);
  for (int i = 0; i < animals; ++i) EXPECT_TRUE(AddAnimal(s.g, 5, 5, 1));
  for (int i = 0; i < keepers; ++i) EXPECT_TRUE(AddStaff(s.g, 5, 5, 0));
  Facility& pen = s.g.world.Cells[5][5];
  for (int i = 0; i < animals; ++i) pen.AnimalAge[i] = 24;
  return pen;
}

}  // namespace

TEST_F(Health, RisesWhenKeepersMatchTheAnimals) {
  Facility& pen = StockedPen(s, 2, 1);  // a = 2/4 = k = 1/2
  pen.AnimalHealth = {90, 95, 0, 0, 0};
  for (int day = 0; day < 10; ++day) AnimalHealthDay(s.g, 5, 5);
  EXPECT_EQ(pen.AnimalHealth[0], 100);
  EXPECT_EQ(pen.AnimalHealth[1], 100);
}

TEST_F(Health, FallsHalfAPointADayWhenUnderstaffed) {
  Facility& pen = StockedPen(s, 4, 1);  // a = 1.0 > k = 0.5
  for (int day = 0; day < 100; ++day) AnimalHealthDay(s.g, 5, 5);
  ASSERT_EQ(pen.AnimalCount, 4);
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(pen.AnimalHealth[i], 50, 12);
}

TEST_F(Health, DeathLeavesRemainsAndAnEvent) {
  Facility& pen = StockedPen(s, 3, 0);
  pen.AnimalName[1].Assign("小白");
  pen.AnimalHealth = {100, 1, 100, 0, 0};
  int16_t x1 = pen.AnimalX[1], y1 = pen.AnimalY[1];
  int days = 0;
  while (pen.AnimalCount == 3 && days++ < 1000) AnimalHealthDay(s.g, 5, 5);
  ASSERT_EQ(pen.AnimalCount, 2);
  EXPECT_EQ(s.g.sim.Deaths, 1);
  ASSERT_EQ(pen.ItemCount, 1);
  EXPECT_EQ(pen.ItemX[0], x1);
  EXPECT_EQ(pen.ItemY[0], y1);
  EXPECT_EQ(pen.ItemType[0], 6);  // size 50: a middle heap
  ASSERT_FALSE(s.recorder.events.empty());
  EXPECT_EQ(s.recorder.events.back().Kind, 4);
  EXPECT_EQ(s.recorder.events.back().Text, "小白蒙天恩昭……");
  EXPECT_EQ(s.recorder.effects.back(), "ivent2.wav");
  EXPECT_EQ(s.g.clock.GameMode, Mode::Playing);
}

TEST_F(Health, NoKeeperPostsNeverDividesByZero) {
  s.g.catalogue.BuildType[kPen].StaffSlots = 0;
  s.g.catalogue.BuildType[kPen].MaxAnimals = 0;
  Facility& pen = Place(s.g, kPen, 5, 5);
  pen.AnimalCount = 1;
  pen.AnimalHealth[0] = 50;
  for (int day = 0; day < 20; ++day) AnimalHealthDay(s.g, 5, 5);
  EXPECT_LT(pen.AnimalHealth[0], 50);
}

TEST(Births, NeverWithOneAnimal) {
  SimGame s;
  s.g.sim.BirthOdds = 1;
  Facility& pen = StockedPen(s, 1, 0);
  for (int day = 0; day < 100; ++day) BirthDay(s.g, 5, 5);
  EXPECT_EQ(pen.AnimalCount, 1);
  EXPECT_EQ(s.g.sim.Births, 0);
}

TEST(Births, NewbornJoinsWithTheViewOnThePenOrIsSoldWhenFull) {
  SimGame s(30, 30);
  s.g.sim.BirthOdds = 1;
  Facility& pen = StockedPen(s, 3, 0);
  s.g.clock.RedrawAll = 0;
  BirthDay(s.g, 5, 5);
  ASSERT_EQ(pen.AnimalCount, 4);
  // The 2 x 2 pen's middle is half a cell below its origin cell's middle.
  ScreenPoint origin = CellCentre(s.g, 5, 5);
  EXPECT_EQ(origin.x, (ScreenWidth(s.g) - 125) / 2);
  EXPECT_EQ(origin.y + 18, 30 + (ScreenHeight(s.g) - 30) / 2);
  EXPECT_EQ(s.g.clock.RedrawAll, 1);
  EXPECT_EQ(pen.AnimalAge[3], 0);
  EXPECT_EQ(pen.AnimalHealth[3], 100);
  EXPECT_EQ(pen.AnimalAux[3], 255);
  EXPECT_EQ(pen.AnimalName[3].str(), "獅子3");
  EXPECT_EQ(s.recorder.events.back().Text, "獅子園生小BABY了");
  EXPECT_EQ(s.recorder.events.back().Kind, 3);
  EXPECT_EQ(s.g.zoo.Money, 0);
  BirthDay(s.g, 5, 5);
  EXPECT_EQ(pen.AnimalCount, 4);
  EXPECT_EQ(s.g.zoo.Money, 1000);
  EXPECT_EQ(s.g.zoo.MonthAnimalSales, 1000);
  EXPECT_EQ(s.recorder.events.back().Text, "獅子園生了小BABY，但柵欄不夠用，所以只好賣掉。嗚嗚嗚！");
}

TEST_F(Placement, BoundedWhenTheMaskHasNoGround) {
  for (auto& column : s.g.catalogue.EnclosurePattern[0].Cells) column.fill(4);
  Facility& pen = Place(s.g, kPen, 5, 5);
  EXPECT_FALSE(AddAnimal(s.g, 5, 5, 0));
  EXPECT_FALSE(AddStaff(s.g, 5, 5, 0));
  EXPECT_EQ(pen.AnimalCount, 0);
  EXPECT_EQ(pen.StaffCount, 0);
  EXPECT_EQ(s.g.zoo.Money, 0);
  // A birth with nowhere to put the newborn sells it.
  pen.AnimalCount = 2;
  s.g.sim.BirthOdds = 1;
  BirthDay(s.g, 5, 5);
  EXPECT_EQ(pen.AnimalCount, 2);
  EXPECT_EQ(s.g.zoo.Money, 1000);
}

// What a purchase pays and books: AnimalCommands.TheMoneyCheckComesBeforeTheLimit.
TEST_F(Placement, PlacesOnGroundApartUpToTheLimits) {
  Facility& pen = Place(s.g, kPen, 5, 5);
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(AddAnimal(s.g, 5, 5, 0));
  EXPECT_FALSE(AddAnimal(s.g, 5, 5, 0));  // the limit of the type
  for (int i = 0; i < 4; ++i) {
    EXPECT_NE(pen.AnimalDir[i], 5);
    EXPECT_GE(pen.AnimalX[i], 0);
    EXPECT_LT(pen.AnimalX[i], 72 * 2 + 2);
    for (int j = 0; j < i; ++j)
      EXPECT_FALSE(std::abs(pen.AnimalX[i] - pen.AnimalX[j]) < 10 && std::abs(pen.AnimalY[i] - pen.AnimalY[j]) < 20);
  }
  ASSERT_TRUE(AddStaff(s.g, 5, 5, 0));
  ASSERT_TRUE(AddStaff(s.g, 5, 5, 0));
  EXPECT_FALSE(AddStaff(s.g, 5, 5, 0));
  EXPECT_EQ(s.g.zoo.StaffTotal, 2);
}

// The pen's only ground is mask column 30, rows 20..33: x 58..60, y 57..98. A new
// animal keeps rnd(40 / 2) = 20 pixels to either side of a keeper's feet.
TEST_F(Placement, KeepsANewAnimalOffTheKeeper) {
  auto& mask = s.g.catalogue.EnclosurePattern[0].Cells;
  for (auto& column : mask) column.fill(0);
  for (int row = 20; row <= 33; ++row) mask[30][row] = 1;
  Facility& pen = Place(s.g, kPen, 5, 5);
  pen.StaffCount = 1;
  pen.StaffX[0] = 58 + 19;
  pen.StaffY[0] = 78;
  EXPECT_FALSE(AddAnimal(s.g, 5, 5, 0));
  EXPECT_EQ(pen.AnimalCount, 0);
  EXPECT_EQ(s.g.zoo.Money, 0);
  pen.StaffX[0] = 60 + 20;
  ASSERT_TRUE(AddAnimal(s.g, 5, 5, 0));
  EXPECT_GE(pen.AnimalX[0], 58);
  EXPECT_LE(pen.AnimalX[0], 60);
}

// Wandering, a keeper takes one 2-pixel step (or turns at an obstacle) on every pass.
TEST_F(Figures, AKeeperStepsOnEveryFigurePass) {
  Facility& pen = StockedPen(s, 0, 1);
  FacilityRef f = FacilityWithOrigin(s.g, 5, 5);
  int steps = 0;
  for (int pass = 0; pass < 20; ++pass) {
    pen.StaffAction[0] = FigureState::Wander;
    int x = pen.StaffX[0], y = pen.StaffY[0], dir = pen.StaffDir[0];
    RunFigures(s.g, f);
    EXPECT_EQ(pen.StaffStep[0], 0);
    if (pen.StaffX[0] == x && pen.StaffY[0] == y) {
      EXPECT_NE(pen.StaffDir[0], dir);
      continue;
    }
    EXPECT_LE(std::abs(pen.StaffX[0] - x), 2);
    EXPECT_LE(std::abs(pen.StaffY[0] - y), 2);
    ++steps;
  }
  EXPECT_GE(steps, 15);
}

TEST_F(Figures, WalkOnlyOnTheirGroundAndNeverLeaveThePicture) {
  auto& mask = s.g.catalogue.EnclosurePattern[0].Cells;
  for (int c = 0; c < kMaskColumns; ++c)
    for (int r = 0; r < kMaskRows; ++r) mask[c][r] = (c >= 10 && c < 50 && r >= 10 && r < 40) ? 1 : 0;
  for (int c = 30; c < 50; ++c)
    for (int r = 10; r < 40; ++r) mask[c][r] = 4;  // water: animals only
  Facility& pen = StockedPen(s, 3, 1);
  FacilityRef f = FacilityWithOrigin(s.g, 5, 5);
  for (int tick = 0; tick < 20000; ++tick) {
    RunFigures(s.g, f);
    EXPECT_LE(pen.ItemCount, 9);
  }
  for (int i = 0; i < pen.AnimalCount; ++i) {
    int column = RoundHalfEven((pen.AnimalX[i] + 1.0) / 2.0), row = RoundHalfEven((pen.AnimalY[i] + 1.5) / 3.0);
    EXPECT_TRUE(column >= 9 && column <= 50 && row >= 9 && row <= 41) << column << "," << row;
  }
  int column = RoundHalfEven((pen.StaffX[0] + 1.0) / 2.0);
  EXPECT_LT(column, 31);
}

TEST_F(Figures, AShopClerkNeverRunsASpeciesScript) {
  s.g.catalogue.BuildType[kShop].AnimalKind = 30000;  // a shop has no species
  Facility& shop = Place(s.g, kShop, 5, 5);
  shop.StaffCount = 1;
  shop.StaffAction[0] = FigureState::Script0;
  FacilityRef f = FacilityWithOrigin(s.g, 5, 5);
  for (int tick = 0; tick < 200; ++tick) RunFigures(s.g, f);
  EXPECT_NE(shop.StaffAction[0], FigureState::Script0);
}
