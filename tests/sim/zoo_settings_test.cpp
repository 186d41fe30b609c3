// The player's zoo-wide settings: walking staff, salary, fee and the bribe to the
// bus company, with their bounds and refusals.
#include <gtest/gtest.h>

#include "sim/commands.h"
#include "sim/sim_steps.h"
#include "sim/sim_world.h"

using namespace simtest;

TEST(Bribe, PaysOnEveryCloseAndStopsTheIntervalAt400) {
  SimGame s;
  Zoo& z = s.g.zoo;
  z.Money = 20'000;
  z.BusInterval = 450;
  ASSERT_TRUE(SetBribe(s.g, 10'000));
  EXPECT_TRUE(PayBribe(s.g));
  EXPECT_EQ(z.BusInterval, 400);
  EXPECT_EQ(z.Money, 10'000);
  EXPECT_EQ(z.MonthBribery, 10'000);
  // A standing bribe is paid again at the next close.
  z.BusInterval = 1500;
  ASSERT_TRUE(SetBribe(s.g, 5'000));
  PayBribe(s.g);
  PayBribe(s.g);
  EXPECT_EQ(z.BusInterval, 1400);
  EXPECT_EQ(z.Money, 0);
  EXPECT_EQ(z.MonthBribery, 20'000);
  // No bribe: nothing paid, no event.
  ASSERT_TRUE(SetBribe(s.g, 0));
  EXPECT_FALSE(PayBribe(s.g));
  EXPECT_EQ(z.BusInterval, 1400);
  EXPECT_EQ(z.Money, 0);
}

TEST(Bribe, RaisingNeedsTheMoneyAndStaysWithin100000) {
  SimGame s;
  Zoo& z = s.g.zoo;
  z.Money = 3'000;
  EXPECT_TRUE(SetBribe(s.g, 3'000));
  EXPECT_FALSE(SetBribe(s.g, 4'000));
  z.Money = -50;  // lowering is always allowed
  EXPECT_TRUE(SetBribe(s.g, 2'000));
  z.Money = 99'999'999;
  EXPECT_TRUE(SetBribe(s.g, 100'000));
  EXPECT_FALSE(SetBribe(s.g, 101'000));
  EXPECT_FALSE(SetBribe(s.g, -1'000));
  EXPECT_EQ(z.BribeAmount, 100'000);
}

TEST(WalkingStaff, OfficesFirstThenTheFiftyLimit) {
  SimGame s;
  s.g.sim.EntranceX = 5;
  s.g.sim.EntranceY = 5;
  EXPECT_EQ(HireWalker(s.g, PersonKind::Maintenance).refusal, CommandText::OfficesShort);
  Place(s.g, kOffice, 8, 8);
  RecountStaff(s.g);
  ASSERT_TRUE(HireWalker(s.g, PersonKind::Maintenance));
  ASSERT_TRUE(HireWalker(s.g, PersonKind::Cleaner));
  EXPECT_EQ(s.g.zoo.StaffTotal, 2);
  EXPECT_EQ(s.g.world.Walkers[150].Kind, PersonKind::Maintenance);
  EXPECT_EQ(s.g.world.Walkers[151].Kind, PersonKind::Cleaner);
  EXPECT_FALSE(HireWalker(s.g, PersonKind::Visitor));
  ASSERT_TRUE(DismissWalker(s.g, 150));
  EXPECT_EQ(s.g.zoo.StaffTotal, 1);
  EXPECT_FALSE(DismissWalker(s.g, 150));
  // Fifty walking staff: the limit's message even with room in the offices.
  for (int slot = 150; slot < 200; ++slot) {
    s.g.world.Walkers[slot].Used = 1;
    s.g.world.Walkers[slot].Kind = PersonKind::Researcher;
  }
  s.g.zoo.StaffTotal = 50;
  s.g.zoo.StaffCapacity = 100;
  EXPECT_EQ(HireWalker(s.g, PersonKind::Researcher).refusal, CommandText::WalkersFull);
}

TEST(Prices, SalaryAndFeeKeepTheirBounds) {
  SimGame s;
  Zoo& z = s.g.zoo;
  z.Salary = 15;
  EXPECT_FALSE(SetSalary(s.g, 5));
  EXPECT_EQ(z.Salary, 15);
  EXPECT_TRUE(SetSalary(s.g, kMaxSalary));
  EXPECT_FALSE(SetSalary(s.g, kMaxSalary + 10));
  EXPECT_FALSE(SetEntryFee(s.g, 0));
  EXPECT_TRUE(SetEntryFee(s.g, 10));
  EXPECT_FALSE(SetEntryFee(s.g, kMaxEntryFee + 10));
  EXPECT_EQ(z.EntryFee, 10);
}
