#include <gtest/gtest.h>

#include "sim/sim_steps.h"
#include "support/test_world.h"
#include "sim/visitors.h"
#include "sim/walkers.h"

using namespace test_world;

using Alighting = SimTest;
using Counting = SimTest;
using Walking = SimTest;

namespace {

int LoadFor(Game& g, int attraction, int population, int difficulty, int ticketLevel) {
  g.zoo.Attraction = attraction;
  g.zoo.Population = population;
  g.settings.Difficulty = difficulty;
  g.sim.TicketLevel = ticketLevel;
  VisitorsPerBus(g);
  return g.zoo.BusLoad;
}

}  // namespace

TEST(VisitorsPerBus, EdgeCases) {
  SimGame s;
  EXPECT_EQ(LoadFor(s.g, 20000, 3, 1, 1), 15);  // n = 120, held at 15
  EXPECT_EQ(LoadFor(s.g, 100, 1, 0, 1), 0);     // 200 div 1200
  EXPECT_EQ(LoadFor(s.g, 0, 5, 1, 1), -1);      // no attraction, nobody
  EXPECT_EQ(LoadFor(s.g, 2500, 1, 2, 1), 6);    // 5000 div 800 = 6
  EXPECT_EQ(LoadFor(s.g, 2500, 1, 3, 1), 6);
  // 10 visitors by the ticket evaluation, products rounded halves to even.
  EXPECT_EQ(LoadFor(s.g, 5000, 1, 1, 2), 8);   // 7.5 -> 8
  EXPECT_EQ(LoadFor(s.g, 5000, 1, 1, 3), 5);
  EXPECT_EQ(LoadFor(s.g, 5000, 1, 1, 4), 2);   // 2.5 -> 2
  EXPECT_EQ(LoadFor(s.g, 5000, 1, 1, -1), 13);
  EXPECT_EQ(LoadFor(s.g, 5000, 1, 1, -2), 15);  // 16 held at 15
  EXPECT_EQ(LoadFor(s.g, 3000, 1, 1, -3), 12);
  EXPECT_EQ(s.g.zoo.BusUnloaded, 0);
  s.g.zoo.ZooOpen = 0;
  EXPECT_EQ(LoadFor(s.g, 20000, 3, 1, 1), 0);
}

TEST(Bus, DrivesToTheStopExactlyLetsVisitorsOffAndLeaves) {
  SimGame s(20, 20);
  Game& g = s.g;
  g.sim.EntranceX = 8;
  g.sim.EntranceY = 17;
  g.zoo.BusStopX = 36 * 7;
  g.zoo.Attraction = 2000;  // 2 * 3 * 2000 div 1000 = 12
  g.sim.TicketLevel = 1;
  g.zoo.EntryFee = 50;
  g.zoo.BusInterval = 10;
  // Steps the bus while it is in `state`, 20000 steps at most in all.
  int ticks = 0;
  auto stepWhile = [&](int state) {
    while (g.zoo.BusState == state && ticks++ < 20000) BusStep(g);
  };
  stepWhile(3);  // waiting out the interval
  stepWhile(2);  // driving to the stop
  ASSERT_EQ(g.zoo.BusState, 1);
  EXPECT_EQ(g.zoo.BusX, g.zoo.BusStopX);
  EXPECT_EQ(g.zoo.BusLoad, 12);
  stepWhile(1);
  EXPECT_EQ(g.zoo.BusUnloaded, 12);
  EXPECT_EQ(g.zoo.TotalVisitors, 12);
  EXPECT_EQ(g.zoo.Money, 600);
  EXPECT_EQ(g.zoo.MonthEntryFees, 600);
  int used = 0;
  for (int i = 0; i < kVisitorSlots; ++i) {
    const Person& p = g.world.Walkers[i];
    if (p.Used != 1) continue;
    ++used;
    EXPECT_EQ(p.Activity, Activity::Alighting);
    EXPECT_EQ(p.CellY, 17);
    EXPECT_TRUE(p.CellX == 7 || p.CellX == 8);
    EXPECT_GE(p.Purse, 100);
    EXPECT_LT(p.Purse, 100 + 400 + 30 * 3);
    EXPECT_EQ(p.Comments[4].str(), "-");
  }
  EXPECT_EQ(used, 12);
  EXPECT_EQ(g.zoo.BusState, 2);
  stepWhile(2);
  EXPECT_EQ(g.zoo.BusState, 3);
  EXPECT_EQ(g.zoo.BusWaitTicks, 0);
}

TEST(Bus, FullVisitorTableStillCountsButTakesNoFee) {
  SimGame s;
  Game& g = s.g;
  for (int i = 0; i < kVisitorSlots; ++i) g.world.Walkers[i].Used = 1;
  g.zoo.BusState = 1;
  g.zoo.BusLoad = 1;
  g.zoo.AlightTicks = 59;
  BusStep(g);
  EXPECT_EQ(g.zoo.TotalVisitors, 1);
  EXPECT_EQ(g.zoo.BusUnloaded, 1);
  EXPECT_EQ(g.zoo.Money, 0);
}

TEST_F(Walking, CrossCellNeedsNineFramesEachWay) {
  Person p;
  p.CellX = 5;
  p.CellY = 5;
  int frames = 0;
  bool crossed = false;
  while (!crossed) {
    p.OffsetX += 2;
    p.OffsetY -= 1;
    crossed = CrossCell(p);
    ++frames;
  }
  EXPECT_EQ(frames, 9);
  EXPECT_EQ(p.CellY, 4);
  EXPECT_EQ(p.OffsetX, -18);
  EXPECT_EQ(p.OffsetY, 9);
}

TEST_F(Walking, StraightRoadNeverTurnsAndDeadEndsTurnBack) {
  for (auto& row : g.world.LandMap) row.fill(Land::Timber);  // everything off the road is blocked
  for (int x = 2; x <= 10; ++x) {
    g.world.LandMap[5][x] = Land::Clear;
    Road(g, x, 5);
  }
  Person& p = PutWalker(g, 0, 1, 2, 5, 3);
  p.StayTicks = 0;
  p.BoredTicks = p.TiredTicks = p.LostTicks = p.ToiletTicks = p.ShopTicks = 0;
  int minX = 99, maxX = -1;
  for (int t = 0; t < 2000; ++t) {
    UpdateWalker(g, 0);
    EXPECT_EQ(p.CellY, 5);
    minX = std::min<int>(minX, p.CellX);
    maxX = std::max<int>(maxX, p.CellX);
  }
  EXPECT_EQ(minX, 2);
  EXPECT_EQ(maxX, 10);
}

TEST_F(Walking, TJunctionKeepsStraightAsOften) {
  for (int x = 2; x <= 8; ++x) Road(g, x, 5);
  Road(g, 5, 6);  // side road toward y+1
  for (int memo : {12, 10}) {
    int straight = 0;
    const int trials = 40000;
    for (int i = 0; i < trials; ++i) {
      Person& p = PutWalker(g, 0, 1, 5, 5, 3);
      p.TurnMemo = static_cast<int16_t>(memo);
      ChooseRoadDirection(g, 0);
      if (p.Dir == 3) ++straight;
    }
    double expected = memo == 12 ? 0.81 + 0.19 * 0.81 : 0.81 + 0.19 * 0.96;
    EXPECT_NEAR(static_cast<double>(straight) / trials, expected, 0.006) << memo;
  }
}

TEST_F(Walking, ForcedTurnOnACurve) {
  Road(g, 5, 5, 1);  // "7to1": coming in heading 9 turns to 7
  Road(g, 4, 5);
  Person& p = PutWalker(g, 0, 1, 5, 5, 9);
  ChooseRoadDirection(g, 0);
  EXPECT_EQ(p.Dir, 7);
  EXPECT_EQ(p.TurnMemo, 11);
  ChooseRoadDirection(g, 0);  // the turn of this cell is taken once
  EXPECT_EQ(p.Dir, 7);
}

TEST(Leaving, NeverBefore1500TicksAndOnlyAboveTheGate) {
  SimGame s;
  Game& g = s.g;
  g.world.LandMap[13][5] = Land::Gate;
  Person& p = PutWalker(g, 0, 1, 5, 12, 3);
  p.StayTicks = 1499;
  for (int i = 0; i < 500; ++i) {
    UpdateWalker(g, 0);
    if (p.Activity != Activity::Leaving) p.Activity = Activity::Walking;
    p.OffsetX = 0;
    p.OffsetY = 0;
    p.CellX = 5;
    p.CellY = 12;
    p.Dir = 3;
    p.StayTicks = 1499;
    ASSERT_NE(p.Activity, Activity::Leaving);
  }
  p.StayTicks = 2000;
  UpdateWalker(g, 0);
  EXPECT_EQ(p.Activity, Activity::Leaving);
  EXPECT_EQ(p.Dir, 1);
  // Heading 9, away from the gate, a visitor never leaves.
  Person& q = PutWalker(g, 1, 1, 5, 12, 9);
  q.StayTicks = 5000;
  g.world.Walkers[0].Used = 0;
  UpdateWalker(g, 1);
  EXPECT_NE(q.Activity, Activity::Leaving);
}

TEST(Leaving, WalksOffTheMapAndFreesTheSlot) {
  SimGame s(10, 10);
  Game& g = s.g;
  g.world.LandMap[7][5] = Land::Gate;
  Person& p = PutWalker(g, 0, 1, 5, 6, 1);
  p.Activity = Activity::Leaving;
  g.view.TrackedVisitor = 0;
  for (int t = 0; t < 400 && p.Used == 1; ++t) UpdateWalker(g, 0);
  EXPECT_NE(p.Used, 1);
  EXPECT_EQ(g.view.TrackedVisitor, -1);
}

TEST_F(Alighting, StepsUpIntoTheRoadAndStartsWalking) {
  g.sim.EntranceX = 6;
  g.sim.EntranceY = 12;
  Road(g, 5, 11);
  Road(g, 6, 11);
  ASSERT_TRUE(SpawnVisitor(g));
  Person& p = g.world.Walkers[0];
  for (int t = 0; t < 9; ++t) UpdateWalker(g, 0);
  EXPECT_EQ(p.Activity, Activity::Walking);
  EXPECT_EQ(p.CellY, 11);
  EXPECT_EQ(g.world.CellAnim[12][6], 0);
  // A gate on the top row has no row above to send visitors to: none come.
  g.sim.EntranceY = 0;
  EXPECT_FALSE(SpawnVisitor(g));
  EXPECT_EQ(g.world.Walkers[1].Used, 0);
}

TEST_F(Counting, CellFreeOfVisitorsIgnoresSelfStaffAndTheDying) {
  PutWalker(g, 0, 1, 3, 3, 9);
  EXPECT_TRUE(CellFreeOfVisitors(g, 0, 3, 3));
  PutWalker(g, 150, 2, 3, 3, 9);
  EXPECT_TRUE(CellFreeOfVisitors(g, 0, 3, 3));
  Person& other = PutWalker(g, 1, 1, 3, 3, 9);
  EXPECT_FALSE(CellFreeOfVisitors(g, 0, 3, 3));
  other.Activity = Activity::Killed;
  EXPECT_TRUE(CellFreeOfVisitors(g, 0, 3, 3));
}
