// The player's actions through the commands: their checks in the rules' order,
// what they cost and the month lines they book.
#include "sim/commands.h"

#include <gtest/gtest.h>

#include "sim/sim_steps.h"
#include "support/test_world.h"
#include "sim/walkers.h"
#include "sim/world_query.h"

using namespace test_world;

namespace {

struct Park : SimGame {
  Park() {
    g.zoo.Money = 5000;
    Place(g, kPen, 4, 4);
    Place(g, kOffice, 8, 8);
    Place(g, kShop, 2, 10);
    g.sim.EntranceX = 6;
    g.sim.EntranceY = 14;
    RecountStaff(g);
  }
  Facility& pen() { return g.world.Cells[4][4]; }
};

}  // namespace

TEST(AnimalCommands, TheMoneyCheckComesBeforeTheLimitAndExactMoneyIsEnough) {
  Park p;
  p.pen().AnimalCount = 4;  // at the limit
  p.g.zoo.Money = 999;
  EXPECT_EQ(BuyAnimal(p.g, 4, 4).refusal, ActionText::AnimalNoFunds);
  p.g.zoo.Money = 1000;
  EXPECT_EQ(BuyAnimal(p.g, 4, 4).refusal, ActionText::AnimalLimit);
  p.pen().AnimalCount = 3;
  ASSERT_TRUE(BuyAnimal(p.g, 4, 4));
  EXPECT_EQ(p.g.zoo.Money, 0);
  EXPECT_EQ(p.g.zoo.MonthAnimalPurchases, 1000);
  EXPECT_EQ(p.pen().AnimalCount, 4);
  EXPECT_EQ(p.pen().AnimalAge[3], 12);
  EXPECT_FALSE(BuyAnimal(p.g, 2, 10));  // not an enclosure
}

TEST(AnimalCommands, ASaleReturnsFullPriceUpToSixMonthsThenHalfScaledByHealth) {
  Park p;
  p.pen().AnimalCount = 3;
  p.pen().AnimalAge = {6, 7, 30, 0, 0};
  p.pen().AnimalHealth = {50, 50, 99, 0, 0};
  p.pen().AnimalName[2].Assign("last");
  ASSERT_TRUE(SellAnimal(p.g, 4, 4, 0));  // 1000 * 50 / 100
  EXPECT_EQ(p.g.zoo.Money, 5500);
  ASSERT_TRUE(SellAnimal(p.g, 4, 4, 0));  // (1000 / 2) * 50 / 100, the later entries moved down
  EXPECT_EQ(p.g.zoo.Money, 5750);
  EXPECT_EQ(p.g.zoo.MonthAnimalSales, 750);
  EXPECT_EQ(p.pen().AnimalCount, 1);
  EXPECT_EQ(p.pen().AnimalName[0].str(), "last");
  EXPECT_FALSE(SellAnimal(p.g, 4, 4, 1));
  ASSERT_TRUE(RenameAnimal(p.g, 4, 4, 0, "小獅"));
  EXPECT_EQ(p.pen().AnimalName[0].str(), "小獅");
}

TEST(StaffCommands, AFullBuildingIsToldBeforeShortOffices) {
  Park p;
  p.g.world.Cells[8][8].Type = -1;  // no office: no capacity
  p.g.sim.CoverValid = false;
  RecountStaff(p.g);
  p.pen().StaffCount = 2;
  EXPECT_EQ(HireBuildingStaff(p.g, 4, 4).refusal, ActionText::BuildingFull);
  p.pen().StaffCount = 0;
  EXPECT_EQ(HireBuildingStaff(p.g, 4, 4).refusal, ActionText::OfficesShort);
  Place(p.g, kOffice, 8, 8);
  RecountStaff(p.g);
  ASSERT_TRUE(HireBuildingStaff(p.g, 4, 4));
  ASSERT_TRUE(HireBuildingStaff(p.g, 4, 4));
  EXPECT_EQ(p.g.zoo.StaffTotal, 2);
  EXPECT_EQ(p.g.zoo.Money, 5000);  // hiring costs nothing now
  std::string second = p.pen().StaffName[1].str();
  ASSERT_TRUE(DismissBuildingStaff(p.g, 4, 4, 0));
  EXPECT_EQ(p.pen().StaffCount, 1);
  EXPECT_EQ(p.pen().StaffName[0].str(), second);
  EXPECT_EQ(p.g.zoo.StaffTotal, 1);
}

TEST(StaffCommands, WalkersNeedOfficesFirstThenAFreeSlotOfTheFifty) {
  Park p;
  for (int slot = kFirstStaffSlot; slot < kWalkerSlots - 1; ++slot) PutWalker(p.g, slot, 2, 1, 1, 9);
  RecountStaff(p.g);
  EXPECT_EQ(HireWalker(p.g, PersonKind::Cleaner).refusal, ActionText::OfficesShort);
  p.g.catalogue.BuildType[kOffice].StaffSlots = 200;
  RecountStaff(p.g);
  ASSERT_TRUE(HireWalker(p.g, PersonKind::Researcher));
  EXPECT_EQ(p.g.world.Walkers[kWalkerSlots - 1].Kind, PersonKind::Researcher);
  EXPECT_EQ(HireWalker(p.g, PersonKind::Cleaner).refusal, ActionText::WalkersFull);
  EXPECT_FALSE(HireWalker(p.g, PersonKind::Visitor));
  ASSERT_TRUE(DismissWalker(p.g, kWalkerSlots - 1));
  EXPECT_EQ(p.g.zoo.StaffTotal, 49);
  EXPECT_FALSE(DismissWalker(p.g, kWalkerSlots - 1));
  EXPECT_FALSE(DismissWalker(p.g, 3));  // a visitor's slot
}

TEST(PriceCommands, EveryValueKeepsItsBounds) {
  Park p;
  EXPECT_FALSE(SetSalary(p.g, 9));
  EXPECT_TRUE(SetSalary(p.g, 10));
  EXPECT_FALSE(SetSalary(p.g, kMaxSalary + 10));
  EXPECT_FALSE(SetEntryFee(p.g, 5));
  EXPECT_TRUE(SetEntryFee(p.g, kMaxEntryFee));
  EXPECT_EQ(p.g.zoo.EntryFee, kMaxEntryFee);
  // A price of 15 cannot go down by 10; 20 can.
  ASSERT_TRUE(SetSalePrice(p.g, 2, 10, 15));
  EXPECT_FALSE(SetSalePrice(p.g, 2, 10, 5));
  EXPECT_TRUE(SetSalePrice(p.g, 2, 10, 10));
  EXPECT_FALSE(SetSalePrice(p.g, 2, 10, kMaxSalePrice + 10));
  EXPECT_FALSE(SetSalePrice(p.g, 4, 4, 20));  // an enclosure sells nothing
  EXPECT_TRUE(SetPurchaseQty(p.g, 2, 10, 0));
  EXPECT_FALSE(SetPurchaseQty(p.g, 2, 10, -5));
  EXPECT_FALSE(SetPurchaseQty(p.g, 2, 10, kMaxPurchaseQty + 5));
  EXPECT_TRUE(SetAdvertising(p.g, -1));
  EXPECT_FALSE(SetAdvertising(p.g, 4));
  EXPECT_TRUE(SetZooOpen(p.g, false));
  EXPECT_EQ(p.g.zoo.ZooOpen, 0);
}

TEST(PriceCommands, ABribeNeedsTheMoneyAndShortensTheBusIntervalToFourHundredAtMost) {
  Park p;
  p.g.zoo.Money = 10000;
  EXPECT_FALSE(SetBribe(p.g, 11000));
  EXPECT_FALSE(SetBribe(p.g, kMaxBribe + 1000));
  ASSERT_TRUE(SetBribe(p.g, 10000));
  p.g.zoo.Money = 0;
  EXPECT_TRUE(SetBribe(p.g, 9000));  // lowering never needs money
  EXPECT_FALSE(SetBribe(p.g, 10000));
  p.g.zoo.Money = 20000;
  ASSERT_TRUE(SetBribe(p.g, 10000));
  p.g.zoo.BusInterval = 450;
  ASSERT_TRUE(PayBribe(p.g));
  EXPECT_EQ(p.g.zoo.BusInterval, kMinBusInterval);
  EXPECT_EQ(p.g.zoo.Money, 10000);
  EXPECT_EQ(p.g.zoo.MonthBribery, 10000);
  // A standing bribe is paid again at every close; none pays nothing.
  p.g.zoo.BusInterval = 1500;
  ASSERT_TRUE(PayBribe(p.g));
  EXPECT_EQ(p.g.zoo.BusInterval, 1400);
  ASSERT_TRUE(SetBribe(p.g, 0));
  EXPECT_FALSE(PayBribe(p.g));
  EXPECT_EQ(p.g.zoo.Money, 0);
}

TEST(BuildCommands, TheKeptCoverFollowsWhatIsBuiltAndLevelled) {
  Park p;
  MapCover(p.g);
  ASSERT_TRUE(BuildAt(p.g, kRoad, 12, 2));
  EXPECT_TRUE(IsRoad(FacilityAt(p.g, 12, 2)));
  MapCover(p.g);
  ASSERT_TRUE(LevelAt(p.g, 5, 5));  // any cell of the pen
  EXPECT_FALSE(FacilityAt(p.g, 4, 4));
}
