#include <gtest/gtest.h>

#include "sim/sim_steps.h"
#include "support/test_world.h"
#include "sim/walkers.h"
#include "sim/world_query.h"

using namespace test_world;

using Purchase = SimTest;
using Bench = SimTest;
using Deprivation = SimTest;
using Looking = SimTest;
using Toilet = SimTest;
using Sign = SimTest;
using Litter = SimTest;
using Remarks = SimTest;

namespace {

// A visitor on a road centre whose counters ask for nothing.
Person& Calm(Game& g, int slot, int x, int y) {
  Person& p = PutWalker(g, slot, 1, x, y, 3);
  p.BoredTicks = p.ToiletTicks = p.LostTicks = p.TiredTicks = 1;
  return p;
}

}  // namespace

TEST_F(Purchase, DivisorByPriceEconomyMoodSeasonAndDifficulty) {
  Facility& shop = Place(g, kShop, 5, 4);
  shop.StaffCount = 1;
  FacilityRef f = FacilityWithOrigin(g, 5, 4);
  Person& p = Calm(g, 0, 5, 5);
  struct Case {
    int price, mood, month;
    int16_t season;
    int difficulty, economy, divisor;
  } cases[] = {
      {50, 0, 4, Season::AllYear, 1, 3, 25},  // standard price
      {60, 0, 4, Season::AllYear, 1, 3, 35},
      {50, 15, 4, Season::AllYear, 1, 3, 12},
      {50, 21, 4, Season::AllYear, 1, 3, 8},
      {50, -11, 4, Season::AllYear, 1, 3, 50},
      {50, -21, 4, Season::AllYear, 1, 3, 75},
      {50, 0, 12, Season::Winter, 1, 3, 6},
      {50, 0, 7, Season::Winter, 1, 3, 200},
      {50, 0, 5, Season::Winter, 1, 3, 25},
      {50, 0, 8, Season::Summer, 1, 3, 6},
      {50, 0, 5, Season::Summer, 0, 3, 32},  // 32.5 to even
      {50, 0, 5, Season::Summer, 2, 3, 18},  // 17.5 to even
      {10, 0, 5, Season::Summer, 2, 5, 1},   // never below 1
  };
  for (const Case& c : cases) {
    shop.SalePrice = c.price;
    p.MoodPoints = c.mood;
    g.clock.Month = c.month;
    g.catalogue.BuildType[kShop].Season = c.season;
    g.settings.Difficulty = c.difficulty;
    g.zoo.Economy = c.economy;
    EXPECT_EQ(PurchaseDivisor(g, p, f), c.divisor) << c.price << " " << c.mood << " " << c.month;
  }
}

TEST_F(Purchase, SaleMovesMoneyStockAndStatistics) {
  g.zoo.Economy = 5;  // d = 5 + 0 -> with a cheap price, d = 1
  Facility& shop = Place(g, kShop, 5, 4);
  shop.StaffCount = 1;
  shop.SalePrice = 10;
  shop.Stock = 1;
  g.clock.Month = 3;
  g.clock.Day = 9;
  Person& p = Calm(g, 0, 5, 5);
  p.Dir = 9;
  p.Purse = 100;
  ASSERT_TRUE(TryPurchase(g, 0));
  EXPECT_EQ(p.Purse, 90);
  EXPECT_EQ(g.zoo.Money, 10);
  EXPECT_EQ(g.zoo.MonthShopTakings, 10);
  EXPECT_EQ(shop.Stock, 0);
  EXPECT_EQ(g.world.DayStats1[4][5][3][9], 1);
  EXPECT_EQ(g.world.DayStats2[4][5][3][9], 10);
  EXPECT_EQ(p.Comments[4].str().rfind("冰淇淋店", 0), 0u);
  EXPECT_FALSE(TryPurchase(g, 0));  // out of stock
  shop.Stock = 5;
  p.Purse = 9;
  EXPECT_FALSE(TryPurchase(g, 0));  // cannot pay
  shop.StaffCount = 0;
  p.Purse = 100;
  EXPECT_FALSE(TryPurchase(g, 0));  // no clerk
}

TEST_F(Bench, NeverAt299AndOneInThreeAt300) {
  Road(g, 5, 5);
  Place(g, kBench91, 5, 4);
  for (int tired : {299, 300}) {
    int sat = 0;
    const int trials = 30000;
    for (int i = 0; i < trials; ++i) {
      Person& p = Calm(g, 0, 5, 5);
      p.TiredTicks = tired;
      ThinkVisitor(g, 0);
      if (p.Activity == Activity::SteppingOntoBench) {
        ++sat;
        EXPECT_EQ(p.Dir, 9);
        EXPECT_EQ(p.TiredTicks, 0);
      }
    }
    if (tired == 299) EXPECT_EQ(sat, 0);
    else EXPECT_NEAR(static_cast<double>(sat) / trials, 1.0 / 3.0, 0.015);
  }
}

TEST_F(Bench, StepsOnSitsTurnsAboutAndGetsUp) {
  Road(g, 5, 5);
  Place(g, kBench91, 5, 4);
  Person& p = Calm(g, 0, 5, 5);
  p.TiredTicks = 5000;
  int ticks = 0;
  while (p.Activity != Activity::SteppingOntoBench && ticks++ < 1000) {
    p.Activity = Activity::Walking;
    ThinkVisitor(g, 0);
  }
  ASSERT_EQ(p.Activity, Activity::SteppingOntoBench);
  for (int i = 0; i < 40 && p.Activity == Activity::SteppingOntoBench; ++i) BenchStep(g, 0);
  EXPECT_EQ(p.Activity, Activity::Seated);
  EXPECT_EQ(p.CellY, 4);
  EXPECT_EQ(p.OffsetX, -4);
  EXPECT_EQ(p.Dir, 1);
  // The bench is cleared: the visitor gets up on its next frame.
  g.world.Cells[4][5].Type = -1;
  BenchStep(g, 0);
  EXPECT_EQ(p.Activity, Activity::Walking);
  EXPECT_EQ(p.TurnMemo, 12);
}

TEST_F(Deprivation, StandingAt600LosesAPointEveryTick) {
  Person& p = Calm(g, 0, 5, 5);
  p.ToiletTicks = 600;
  p.MoodPoints = 5;
  for (int i = 0; i < 10; ++i) {
    p.Activity = Activity::Standing;
    ThinkVisitor(g, 0);
  }
  EXPECT_EQ(p.MoodPoints, -5);
  EXPECT_EQ(p.Mood, 3);
  p.ToiletTicks = 601;
  p.Activity = Activity::Standing;
  ThinkVisitor(g, 0);
  EXPECT_EQ(p.MoodPoints, -5);
  p.ToiletTicks = 0;  // zero is no multiple that counts
  p.Activity = Activity::Standing;
  ThinkVisitor(g, 0);
  EXPECT_EQ(p.MoodPoints, -5);
}

TEST(Mood, FollowsThePointsTable) {
  const std::pair<int, int> cases[] = {{21, 5},  {20, 4},  {11, 4},  {10, 3},
                                       {-10, 3}, {-11, 2}, {-20, 2}, {-21, 1}};
  for (auto [points, mood] : cases) EXPECT_EQ(MoodFromPoints(points), mood) << points;
}

TEST_F(Looking, YoungAnimalIsAlwaysChosenWhenTheCellIsFree) {
  Road(g, 5, 5);
  Facility& pen = Place(g, kPen, 5, 6);
  pen.AnimalCount = 1;
  pen.AnimalAge[0] = 6;
  for (int i = 0; i < 200; ++i) {
    Person& p = Calm(g, 0, 5, 5);
    p.BoredTicks = 150;
    ThinkVisitor(g, 0);
    ASSERT_GE(p.Activity, Activity::LookingA);
    ASSERT_LE(p.Activity, Activity::LookingC);
    EXPECT_EQ(p.Dir, 1);
    EXPECT_EQ(p.MoodPoints, 11);
    EXPECT_EQ(p.Comments[4].str().rfind("獅子園", 0), 0u);
  }
  // Another visitor on the cell: the enclosure is passed by.
  PutWalker(g, 1, 1, 5, 5, 3);
  Person& p = Calm(g, 0, 5, 5);
  p.BoredTicks = 150;
  ThinkVisitor(g, 0);
  EXPECT_TRUE(p.Activity == Activity::Walking || p.Activity == Activity::Standing);
}

TEST_F(Looking, AttractionSumCountsYoungTwice) {
  Facility& pen = Place(g, kPen, 5, 6);
  pen.AnimalCount = 3;
  pen.AnimalAge = {6, 7, 30, 0, 0};
  EXPECT_EQ(AttractionSum(g, 5, 6), 30 * 2 + 30 + 30);
  EXPECT_TRUE(HasYoung(pen));
  pen.AnimalAge[0] = 7;
  EXPECT_FALSE(HasYoung(pen));
}

TEST_F(Toilet, GoesInAndComesOutAtRandom) {
  Road(g, 5, 5);
  Place(g, kToilet, 6, 5);
  Person& p = Calm(g, 0, 5, 5);
  p.ToiletTicks = 100000;
  ThinkVisitor(g, 0);
  ASSERT_EQ(p.Activity, Activity::InToilet);
  EXPECT_EQ(p.Visible, 0);
  EXPECT_EQ(p.ToiletTicks, 0);
  int ticks = 0;
  while (p.Activity == Activity::InToilet && ticks < 100000) {
    UpdateWalker(g, 0);
    ++ticks;
  }
  EXPECT_EQ(p.Visible, 1);
  EXPECT_GT(ticks, 0);
}

TEST_F(Sign, ReadsAndResetsLostTicks) {
  Road(g, 5, 5);
  Place(g, kSign, 4, 5);
  Person& p = Calm(g, 0, 5, 5);
  p.LostTicks = 41;
  ThinkVisitor(g, 0);
  EXPECT_EQ(p.Activity, Activity::ReadingSign);
  EXPECT_EQ(p.Dir, 7);
  EXPECT_EQ(p.LostTicks, 0);
  for (int i = 0; i < 9; ++i) SignStep(g, 0);
  EXPECT_EQ(p.Activity, Activity::Walking);
  EXPECT_EQ(p.Dir, 3);
}

TEST_F(Litter, PuddleAtTheLimitAndOnlyVisitorsDrop) {
  Person& p = Calm(g, 0, 5, 5);
  p.ToiletTicks = 20500;
  DropLitter(g, 0);
  EXPECT_EQ(g.world.Litter[5][5][6], 6);
  EXPECT_EQ(p.ToiletTicks, 0);
  Person& cleaner = PutWalker(g, 150, 2, 6, 6, 3);
  cleaner.ToiletTicks = 30000;
  for (int i = 0; i < 20000; ++i) DropLitter(g, 150);
  for (int8_t mark : g.world.Litter[6][6]) EXPECT_EQ(mark, -1);
}

TEST_F(Remarks, NeedRemarksAreRareAndShiftTheOldestOut) {
  Person& p = Calm(g, 0, 5, 5);
  p.BoredTicks = 2500;
  int made = 0;
  for (int i = 0; i < 30000; ++i) {
    std::string before = p.Comments[4].str();
    CommentCheck(g, 0);
    if (p.Comments[4].str() != before || p.Comments[3].str() != "-") {
      ++made;
      for (auto& c : p.Comments) c.Assign("-");
    }
  }
  EXPECT_GT(made, 2);
  EXPECT_LT(made, 25);
  for (int i = 0; i < 6; ++i) AddComment(g, 0, "X", 6);
  for (const auto& c : p.Comments) EXPECT_NE(c.str(), "-");
  AddComment(g, 0, std::string(80, 'a'), 0);
  EXPECT_LE(p.Comments[4].str().size(), 60u);
}
