#include <gtest/gtest.h>

#include "sim/sim_steps.h"
#include "support/test_world.h"

using namespace test_world;

using Ranking = SimTest;
using Research = SimTest;
using Events = SimTest;
using CellPasses = SimTest;

TEST_F(Ranking, ClimbsOnePlacePerSuccessfulDay) {
  g.view.ToolMode = 5;  // the palette the director's office joins at third place
  g.zoo.Attraction = 9000;
  int days = 0, last = 0;
  while (g.zoo.Rank < 5 && days < 100000) {
    RankingStep(g);
    ++days;
    EXPECT_LE(g.zoo.Rank - last, 1);
    last = g.zoo.Rank;
  }
  EXPECT_EQ(g.zoo.Rank, 5);
  EXPECT_GT(days, 5);
  ASSERT_EQ(s.recorder.events.size(), 5u);
  EXPECT_EQ(s.recorder.events[0].Text, "你的動物園被選為動物園排行榜第5名！");
  EXPECT_EQ(s.recorder.events[4].Text, "你的動物園被選為動物園排行榜第1名！");
  for (const auto& e : s.recorder.events) EXPECT_EQ(e.Kind, 2);
  EXPECT_EQ(g.zoo.TypeAvailable[kDirectorOffice], 1);
  EXPECT_EQ(g.view.PaletteTypes[0], kDirectorOffice);
  for (int i = 0; i < 1000; ++i) RankingStep(g);
  EXPECT_EQ(s.recorder.events.size(), 5u);
}

TEST_F(Ranking, NeedsTheAttractionOfTheNextPlace) {
  g.zoo.Attraction = 1999;
  for (int i = 0; i < 20000; ++i) RankingStep(g);
  EXPECT_EQ(g.zoo.Rank, 2);
  EXPECT_EQ(g.zoo.TypeAvailable[kDirectorOffice], 0);
}

TEST_F(Research, LowestPendingFirstAt500PointsPerIndex) {
  g.zoo.TypeResearchPending[3] = 1;
  g.zoo.TypeResearchPending[5] = 1;
  g.zoo.TypeResearchPending[7] = 1;
  g.zoo.TypeAvailable[5] = 1;  // already available: not researched again
  g.zoo.ResearchPoints = 750;
  ResearchStep(g);
  EXPECT_EQ(g.sim.ResearchLeft, 25);
  EXPECT_EQ(g.zoo.TypeAvailable[3], 0);
  g.zoo.ResearchPoints = 1500;
  ResearchStep(g);
  EXPECT_EQ(g.zoo.TypeAvailable[3], 1);
  EXPECT_EQ(g.zoo.TypeResearchPending[3], 0);
  EXPECT_EQ(g.zoo.ResearchPoints, 0);
  ASSERT_EQ(s.recorder.events.size(), 1u);
  EXPECT_EQ(s.recorder.events[0].Kind, 0);
  EXPECT_EQ(s.recorder.events[0].Subject, 3);
  EXPECT_EQ(s.recorder.events[0].Text, "恭喜你研發完成，設施3可以建築了！");
  g.zoo.ResearchPoints = 3499;
  ResearchStep(g);
  EXPECT_EQ(g.zoo.TypeAvailable[7], 0);
  EXPECT_EQ(g.sim.ResearchLeft, 0);  // 50 - 49.99 rounded
  g.zoo.ResearchPoints = 3500;
  ResearchStep(g);
  EXPECT_EQ(g.zoo.TypeAvailable[7], 1);
  EXPECT_EQ(g.sim.AllResearched, 0);
  ResearchStep(g);
  EXPECT_EQ(g.sim.AllResearched, 1);
}

TEST_F(Research, EnclosureTextOnTheOpenPaletteAndItemZeroCostsNothing) {
  g.zoo.TypeResearchPending[0] = 1;
  g.zoo.TypeResearchPending[kPen] = 1;
  ResearchStep(g);
  EXPECT_EQ(g.zoo.TypeAvailable[0], 1);
  g.view.ToolMode = 4;  // the enclosure palette is open
  g.zoo.ResearchPoints = 500 * kPen;
  ResearchStep(g);
  EXPECT_EQ(g.zoo.TypeAvailable[kPen], 1);
  EXPECT_EQ(g.view.PaletteTypes[0], kPen);
  EXPECT_EQ(s.recorder.events.back().Text, "恭喜你研發完成，獅子園的柵欄可以建築了！");
  EXPECT_EQ(g.sim.AllResearched, 1);  // nothing left after an enclosure item
}

TEST_F(CellPasses, AttractionLessLitterAndCoins) {
  g.clock.GameSpeed = 3;  // a figure pass every tick
  Place(g, kStatue, 3, 3);
  Facility& pen = Place(g, kPen, 6, 6);
  pen.AnimalCount = 2;
  pen.AnimalAge = {3, 20, 0, 0, 0};
  Road(g, 9, 9);
  g.catalogue.BuildType[kRoad].AttractionPoints = 500;  // roads add nothing
  g.world.Litter[4][4][0] = 0;
  g.world.Litter[4][4][6] = 6;
  g.world.Litter[0][0][1] = 1;  // outside the simulated area
  g.world.CellAnim[2][2] = 8;
  CellPass(g);
  EXPECT_EQ(g.zoo.Attraction, 40 + 60 + 30 - 10);
  EXPECT_EQ(g.world.CellAnim[2][2], 9);
  CellPass(g);
  EXPECT_EQ(g.world.CellAnim[2][2], -1);
  g.world.Litter[4][4].fill(-1);
  g.world.Litter[5][5].fill(0);  // eight marks: 40 points
  CellPass(g);
  EXPECT_EQ(g.zoo.Attraction, 130 - 40);
  g.world.Litter[5][5].fill(-1);
  for (auto& row : g.world.Litter)
    for (auto& cell : row) cell.fill(2);  // more litter than attraction
  CellPass(g);
  EXPECT_EQ(g.zoo.Attraction, 0);
}

TEST_F(CellPasses, LitterTotalClearsOnlyOnFigureTicks) {
  g.clock.GameSpeed = 0;  // every 4th tick
  g.clock.CellStepCounter = 0;
  Place(g, kStatue, 3, 3);
  g.world.Litter[4][4][0] = 0;
  std::vector<int> seen;
  for (int i = 0; i < 8; ++i) {
    CellPass(g);
    seen.push_back(g.zoo.Attraction);
    if (i == 4) g.world.Litter[4][4][0] = -1;
  }
  // Figure ticks at the 4th and 8th pass; the stale total stays in between.
  EXPECT_EQ(seen, (std::vector<int>{40, 40, 40, 35, 35, 35, 35, 40}));
}

TEST_F(CellPasses, ConstructionWearFromTheFourthDayAndCollapse) {
  Facility& statue = Place(g, kStatue, 3, 3);
  Facility& road = Place(g, kRoad, 4, 4);
  road.Durability = 100;
  Facility& site = Place(g, kStatue, 8, 8);
  site.ConstructionLeft = 2;
  g.clock.NewDay = 1;
  for (int day = 1; day <= 5; ++day) CellPass(g);
  EXPECT_EQ(site.ConstructionLeft, 0);  // counted down, and no further
  EXPECT_EQ(statue.WearDays, 5);
  EXPECT_EQ(statue.Durability, 98);
  EXPECT_EQ(road.Durability, 100);
  statue.Durability = 1;
  CellPass(g);
  EXPECT_EQ(g.world.Cells[3][3].Type, -1);
  EXPECT_NE(g.sim.Mails.back().Text.find("設施45因耐用度變0倒塌了"), std::string::npos);
  EXPECT_EQ(g.sim.Mails.back().X, 3);
}

TEST_F(Events, WindowOpensAndPlayReturns) {
  AddEvent(g, 3, "x", 1, 2, 0);
  EXPECT_EQ(s.recorder.windows.back(), Mode::Event);
  EXPECT_EQ(s.recorder.effects.back(), "ivent1.wav");
  EXPECT_EQ(g.clock.GameMode, Mode::Playing);
  g.clock.GameMode = Mode::LeaveGameOver;
  AddEvent(g, 5, "你的動物園倒閉了！", -1, -1, 0);
  EXPECT_EQ(g.clock.GameMode, Mode::LeaveGameOver);
  EXPECT_EQ(s.recorder.effects.back(), "ivent2.wav");
}
