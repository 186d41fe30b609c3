#include <gtest/gtest.h>

#include "sim/sim_steps.h"
#include "support/test_world.h"
#include "sim/walkers.h"

using namespace test_world;

using Repair = SimTest;
using Sweep = SimTest;
using Sulking = SimTest;
using Research = SimTest;
using Quitting = SimTest;
using Hiring = SimTest;
using Capacity = SimTest;

TEST_F(Repair, NinetySevenBecomesNinetyNineThenAHundred) {
  Road(g, 5, 5);
  Facility& statue = Place(g, kStatue, 5, 4);
  statue.Durability = 97;
  Person& p = PutWalker(g, 150, 3, 5, 5, 3);
  g.sim.SalaryLevel = 1;
  int ticks = 0;
  while (p.Activity != Activity::Repairing && ticks++ < 10000) {
    p.Activity = Activity::Walking;
    ThinkStaff(g, 150);
  }
  ASSERT_EQ(p.Activity, Activity::Repairing);
  EXPECT_EQ(p.Dir, 9);
  EXPECT_EQ(p.PrevDir, 3);
  for (int i = 0; i < 9; ++i) RepairStep(g, 150);
  EXPECT_EQ(statue.Durability, 99);
  EXPECT_EQ(p.Activity, Activity::Repairing);
  for (int i = 0; i < 9; ++i) RepairStep(g, 150);
  EXPECT_EQ(statue.Durability, 100);
  EXPECT_EQ(p.Activity, Activity::Walking);
  EXPECT_EQ(p.Dir, 3);
  EXPECT_EQ(p.StayTicks, 1);
}

TEST_F(Repair, RoadsAndSoundBuildingsAreLeftAlone) {
  Road(g, 5, 5);
  Facility& road = Place(g, kRoad, 5, 4);
  road.Durability = 10;
  Facility& statue = Place(g, kStatue, 6, 5);
  statue.Durability = 98;
  Person& p = PutWalker(g, 150, 3, 5, 5, 3);
  for (int i = 0; i < 200; ++i) {
    p.Activity = Activity::Walking;
    ThinkStaff(g, 150);
    EXPECT_NE(p.Activity, Activity::Repairing);
  }
}

TEST_F(Sweep, ACleanerWalksOnWhereAColleagueSweeps) {
  g.world.Litter[5][5][2] = 2;
  PutWalker(g, 150, 2, 5, 5, 3).Activity = Activity::Sweeping;
  Person& second = PutWalker(g, 151, 2, 5, 5, 9);
  FindLitter(g, 151);
  EXPECT_EQ(second.Activity, Activity::Walking);
  g.world.Walkers[150].Used = 0;
  FindLitter(g, 151);
  EXPECT_EQ(second.Activity, Activity::Sweeping);
  int ticks = 0;
  while (second.Activity == Activity::Sweeping && ticks++ < 10000) SweepStep(g, 151);
  EXPECT_EQ(second.Activity, Activity::Walking);
  EXPECT_EQ(second.StayTicks, 1);
  for (int8_t mark : g.world.Litter[5][5]) EXPECT_EQ(mark, -1);
}

TEST_F(Sulking, UnderpaidStaffSulkUntilTheSalaryIsFair) {
  Person& p = PutWalker(g, 150, 4, 5, 5, 3);
  g.sim.SalaryLevel = -3;
  int ticks = 0;
  while (p.Activity != Activity::Sulking && ticks++ < 100000) {
    if (p.Activity != Activity::Walking) p.Activity = Activity::Walking;
    ThinkStaff(g, 150);
  }
  ASSERT_EQ(p.Activity, Activity::Sulking);
  EXPECT_LT(ticks, 2000);
  for (int i = 0; i < 200; ++i) SulkStep(g, 150);
  EXPECT_EQ(p.Activity, Activity::Sulking);
  g.sim.SalaryLevel = 1;
  for (int i = 0; i < 18; ++i) SulkStep(g, 150);
  EXPECT_EQ(p.Activity, Activity::Walking);
  // At a fair salary nobody starts.
  for (int i = 0; i < 20000; ++i) {
    ThinkStaff(g, 150);
    EXPECT_NE(p.Activity, Activity::Sulking);
  }
}

TEST_F(Research, ResearchersAddPointsUnlessSulkingAndStopAtTheCap) {
  Person& p = PutWalker(g, 150, 4, 5, 5, 3);
  PutWalker(g, 151, 2, 5, 5, 3);
  g.sim.TickStaff = 0;
  WalkerTallies(g, 150);
  WalkerTallies(g, 151);
  EXPECT_EQ(g.zoo.ResearchPoints, 1);
  EXPECT_EQ(g.sim.TickStaff, 2);
  EXPECT_EQ(p.StayTicks, 1);  // the tick began at 0, a multiple of 100
  p.Activity = Activity::Sulking;
  WalkerTallies(g, 150);
  EXPECT_EQ(g.zoo.ResearchPoints, 1);
  p.Activity = Activity::Walking;
  g.zoo.ResearchPoints = 500 * 130 + 1;
  WalkerTallies(g, 150);
  EXPECT_EQ(g.zoo.ResearchPoints, 500 * 130 + 1);
}

TEST_F(Quitting, OneOverCapacityLosesExactlyOne) {
  Place(g, kOffice, 2, 2);
  g.catalogue.BuildType[kOffice].StaffSlots = 2;
  Facility& shop = Place(g, kShop, 6, 6);
  shop.StaffCount = 1;
  shop.StaffName[0].Assign("田中");
  PutWalker(g, 150, 2, 5, 5, 3).Name.Assign("佐藤");
  PutWalker(g, 151, 4, 5, 5, 3).Name.Assign("鈴木");
  RecountStaff(g);
  ASSERT_EQ(g.zoo.StaffTotal, 3);
  ASSERT_EQ(g.zoo.StaffCapacity, 2);
  for (int i = 0; i < 20000; ++i) {
    StaffQuitCheck(g);
    RecountStaff(g);
  }
  EXPECT_EQ(g.zoo.StaffTotal, 2);
  ASSERT_EQ(s.recorder.effects.size(), 1u);
  const std::string& mail = g.sim.Mails.back().Text;
  EXPECT_EQ(mail.rfind("1年1月1日因為管理處不敷使用，", 0), 0u);
  EXPECT_NE(mail.find("離職了"), std::string::npos);
}

TEST_F(Hiring, WalkingStaffStartAboveTheGate) {
  g.sim.EntranceX = 6;
  g.sim.EntranceY = 12;
  Place(g, kOffice, 2, 2);
  ASSERT_TRUE(HireWalkingStaff(g, PersonKind::Maintenance));
  const Person& p = g.world.Walkers[150];
  EXPECT_EQ(p.Kind, PersonKind::Maintenance);
  EXPECT_EQ(p.CellY, 11);
  EXPECT_TRUE(p.CellX == 5 || p.CellX == 6);
  EXPECT_EQ(g.zoo.StaffTotal, 1);
  EXPECT_EQ(g.zoo.StaffCapacity, 10);
  for (int i = 1; i < 50; ++i) ASSERT_TRUE(HireWalkingStaff(g, PersonKind::Cleaner));
  EXPECT_FALSE(HireWalkingStaff(g, PersonKind::Cleaner));
  g.sim.EntranceY = 0;  // a gate on the top row keeps them on the map
  g.world.Walkers[199].Used = 0;
  ASSERT_TRUE(HireWalkingStaff(g, PersonKind::Cleaner));
  EXPECT_EQ(g.world.Walkers[199].CellY, 0);
}

TEST_F(Capacity, DirectorOfficeCountsByIndex) {
  g.catalogue.BuildType[kDirectorOffice].Kind = BuildKind::DirectorOffice;
  g.catalogue.BuildType[kDirectorOffice].StaffSlots = 3;
  g.catalogue.BuildType[kDirectorOffice].Size = 1;
  Place(g, kDirectorOffice, 3, 3);
  Place(g, kOffice, 6, 6);
  RecountStaff(g);
  EXPECT_EQ(g.zoo.StaffCapacity, 13);
}
