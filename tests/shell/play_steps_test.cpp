#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "view/headless_presentation.h"
#include "game/game.h"
#include "shell/tick.h"

namespace {

std::vector<std::string> calls;
int leaveAfter = -1;  // the call number after which the game leaves (end window)
Game* current = nullptr;

void Note(const char* name) {
  calls.push_back(name);
  if (static_cast<int>(calls.size()) == leaveAfter) current->clock.GameMode = Mode::LeaveGameOver;
}

#define STEP(name) [](Game&) { Note(#name); }

const PlaySteps kRecording{
    STEP(ScrollStep), STEP(EvaluateTicket), STEP(EvaluateSalary), STEP(CrowdSound), STEP(CellPass),
    [](Game&, int s) { calls.push_back("UpdateWalker " + std::to_string(s)); },
    [](Game&, int s) { calls.push_back("WalkerTallies " + std::to_string(s)); },
    [](Game&, int s) { calls.push_back("CommentCheck " + std::to_string(s)); },
    STEP(FinishWalkerTallies),
    [](Game&, int s) { if (s == 0 || s == 49) calls.push_back("HeliCheck " + std::to_string(s)); },
    STEP(StaffQuitCheck), STEP(ResearchStep), STEP(FindHoverCell), STEP(SpecialObjects),
    STEP(DailyWeather), STEP(ChargeAdvertising), STEP(RankingStep),
    STEP(MonthEndBills), STEP(AgeAnimals), STEP(PayMonthEnd)};

struct PlayStepsTest : ::testing::Test {
  std::unique_ptr<Game> g = MakeHeadlessGame();
  void SetUp() override {
    calls.clear();
    leaveAfter = -1;
    current = g.get();
    g->clock.GameMode = Mode::Playing;
    g->zoo.Money = 100;
  }
};

}  // namespace

TEST_F(PlayStepsTest, OrdinaryTickRunsEveryTickStepsInOrder) {
  g->clock.TickOfDay = 3;  // next value 4: neither the tenth nor the fifth tick
  g->world.Walkers[7].Used = 1;
  g->world.Walkers[7].Kind = PersonKind::Visitor;
  g->world.Walkers[160].Used = 1;
  g->world.Walkers[160].Kind = PersonKind::Cleaner;
  g->world.Walkers[9].Used = 2;  // not in use
  PlayTick(*g, kRecording);
  std::vector<std::string> expected = {"ScrollStep", "CellPass", "UpdateWalker 7", "WalkerTallies 7",
                                       "CommentCheck 7", "UpdateWalker 160", "WalkerTallies 160",
                                       "CommentCheck 160", "FinishWalkerTallies", "HeliCheck 0",
                                       "HeliCheck 49", "FindHoverCell", "SpecialObjects"};
  EXPECT_EQ(calls, expected);
  EXPECT_EQ(g->sim.VisitorsInZoo, 1);
}

TEST_F(PlayStepsTest, DayEndRunsTenthFifthAndDailySteps) {
  g->clock.TickOfDay = 799;
  g->zoo.Money = 200000000;
  PlayTick(*g, kRecording);
  std::vector<std::string> expected = {"ScrollStep", "EvaluateTicket", "EvaluateSalary", "CrowdSound",
                                       "CellPass", "FinishWalkerTallies", "HeliCheck 0", "HeliCheck 49",
                                       "StaffQuitCheck", "ResearchStep", "FindHoverCell", "SpecialObjects",
                                       "DailyWeather", "ChargeAdvertising", "RankingStep"};
  EXPECT_EQ(calls, expected);
  EXPECT_EQ(g->zoo.Money, 99999999);
}

TEST_F(PlayStepsTest, MonthEndStepsSurroundTheReport) {
  g->clock.TickOfDay = 799;
  g->clock.Day = 31;
  PlayTick(*g, kRecording);
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ(calls[1], "MonthEndBills");
  EXPECT_EQ(calls[2], "AgeAnimals");
  EXPECT_EQ(calls[3], "PayMonthEnd");
  EXPECT_EQ(g->clock.Month, 2);
}

TEST_F(PlayStepsTest, LeavingStopsTheTickAtTheNextCheck) {
  // Each check point: leaving after the named step skips everything after it.
  struct Case {
    int after;
    const char* last;
  } cases[] = {{2, "EvaluateTicket"}, {3, "EvaluateSalary"}, {4, "CrowdSound"},
               {5, "CellPass"},       {9, "StaffQuitCheck"}, {13, "DailyWeather"}};
  for (auto c : cases) {
    SetUp();
    g->clock.TickOfDay = 799;
    g->clock.RedrawAll = 1;
    leaveAfter = c.after;
    PlayTick(*g, kRecording);
    EXPECT_EQ(calls.back(), c.last);
    EXPECT_EQ(g->clock.RedrawAll, 1);
  }
}
