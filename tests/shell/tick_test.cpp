#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "view/headless_presentation.h"
#include "game/game.h"
#include "shell/tick.h"
#include "sim/goals.h"
#include "test_folder.h"

namespace {

// Records what the rules ask of the screen and speakers, with the date at the time.
class Recorder : public HeadlessPresentation {
 public:
  std::vector<std::string> calls;
  void StopEffect(const std::string& file) override { calls.push_back("stop " + file); }
  void RunWindow(Game& g, int mode) override {
    const Clock& c = g.clock;
    calls.push_back("window " + std::to_string(mode) + " on " + std::to_string(c.Year) + "/" + std::to_string(c.Month) +
                    "/" + std::to_string(c.Day));
    HeadlessPresentation::RunWindow(g, mode);
  }
  void RenderFrame(Game& g, int kind) override {
    calls.push_back("frame " + std::to_string(kind));
    if (nested) GameTick(g);
  }
  bool nested = false;
};

std::unique_ptr<Game> Playing(Recorder& ui) {
  auto g = MakeHeadlessGame();
  g->ui = &ui;
  g->clock.GameMode = Mode::Playing;
  g->clock.TimerEnabled = true;
  g->zoo.Money = 1000;
  return g;
}

void OneDay(Game& g) {
  for (int i = 0; i < 800; ++i) GameTick(g);
}

}  // namespace

TEST(Clock, DayEndsAfter800TicksAndSetsNewDayForOneTick) {
  Recorder ui;
  auto g = Playing(ui);
  for (int i = 0; i < 799; ++i) GameTick(*g);
  EXPECT_EQ(g->clock.Day, 1);
  EXPECT_EQ(g->clock.TickOfDay, 799);
  GameTick(*g);
  EXPECT_EQ(g->clock.Day, 2);
  EXPECT_EQ(g->clock.TickOfDay, 0);
  EXPECT_EQ(g->clock.NewDay, 1);
  GameTick(*g);
  EXPECT_EQ(g->clock.NewDay, 0);
}

// The year's last day ends its month: the bus's sound stops, then December's report
// shows over the first day of the new year, before the bills are paid; the day
// statistics start afresh. (Month lengths are the calendar's test.)
TEST(Clock, MonthEndStopsTheBusSoundThenShowsTheReportAndTheYearEndClearsTheDays) {
  Recorder ui;
  auto g = Playing(ui);
  g->settings.Saigai = false;  // no earthquake's sound among the calls
  g->clock.Month = 12;
  g->clock.Day = 31;
  g->world.DayStats1[4][7][12][31] = 9;
  g->world.DayStats2[50][50][1][1] = 5;
  OneDay(*g);
  std::vector<std::string> monthEnd;
  for (auto& c : ui.calls)
    if (c.rfind("frame", 0) != 0) monthEnd.push_back(c);
  ASSERT_GE(monthEnd.size(), 2u);
  EXPECT_EQ(monthEnd[0], "stop Bus1.wav");
  EXPECT_EQ(monthEnd[1], "window 7 on 2/1/1");
  EXPECT_EQ(g->clock.GameMode, Mode::Playing);
  EXPECT_EQ(g->clock.Year, 2);
  EXPECT_EQ(g->clock.Month, 1);
  EXPECT_EQ(g->clock.Day, 1);
  EXPECT_EQ(g->world.DayStats1[4][7][12][31], 0);
  EXPECT_EQ(g->world.DayStats2[50][50][1][1], 0);
}

// An end window from the goal check ends the tick there; the next tick leaving is
// the end-game test's.
TEST(Tick, EndWindowChoiceSkipsTheRestOfTheTick) {
  Recorder ui;
  ui.headlessEndAnswer = 2;  // game over
  auto g = Playing(ui);
  g->zoo.Money = -1;
  g->clock.TickOfDay = 799;
  g->clock.RedrawAll = 1;
  GameTick(*g);
  EXPECT_EQ(g->clock.GameMode, Mode::LeaveGameOver);
  EXPECT_EQ(g->clock.RedrawAll, 1);  // the tick stopped before clearing it
}

TEST(Tick, NestedTimerEventsDoNotStartASecondTick) {
  Recorder ui;
  ui.nested = true;
  auto g = Playing(ui);
  GameTick(*g);
  EXPECT_EQ(g->clock.TickOfDay, 1);
  EXPECT_EQ(std::count(ui.calls.begin(), ui.calls.end(), "frame 2"), 1);
}

TEST(GoalCheck, FailuresAndSuccess) {
  Recorder ui;
  auto g = Playing(ui);
  g->zoo.HasGoalYears = 1;
  g->zoo.GoalYears = 2;
  // A time limit alone is never won.
  DailyGoalCheck(*g);
  EXPECT_EQ(g->clock.GameMode, Mode::Playing);
  EXPECT_EQ(g->clock.GoalReached, 0);
  // Past the limit is the end-game test's time-up case.
  g->zoo.HasGoalAssets = 1;
  g->zoo.GoalAssets = 5000;
  DailyGoalCheck(*g);
  EXPECT_EQ(g->clock.GoalReached, 0);
  g->zoo.Money = 5000;
  DailyGoalCheck(*g);
  EXPECT_EQ(g->clock.GoalReached, 1);
  EXPECT_EQ(ui.calls.back(), "window 23 on 1/1/1");
  // Once reached, the success window does not come again.
  ui.calls.clear();
  DailyGoalCheck(*g);
  EXPECT_TRUE(ui.calls.empty());
  // Money below zero wins over everything else.
  g->zoo.Money = -5;
  DailyGoalCheck(*g);
  EXPECT_EQ(ui.calls.back(), "window 21 on 1/1/1");
}

TEST(EndRoutines, CampaignAdvancesAndFinishes) {
  TestFolder dir;
  Recorder ui;
  auto g = Playing(ui);
  g->folders.SettingsFile = dir.path / "settings.ini";
  g->catalogue.CampaignMapCount = 3;
  g->zoo.CampaignMode = 1;
  g->settings.CampNo = 2;
  g->clock.GameMode = Mode::LeaveGoal;
  GameTick(*g);
  EXPECT_EQ(g->settings.CampNo, 3);
  EXPECT_EQ(g->clock.MovieNo, 3);
  EXPECT_EQ(ReadSettings(g->folders.SettingsFile).CampNo, 3);
  // The last map: the campaign is finished.
  g->clock.GameMode = Mode::LeaveGoal;
  GameTick(*g);
  EXPECT_EQ(g->settings.CampNo, 3);
  EXPECT_EQ(g->clock.MovieNo, 4);
  // Quitting after the goals were reached counts as finishing.
  g->zoo.CampaignMode = 0;
  g->clock.GoalReached = 1;
  g->clock.GameMode = Mode::LeaveQuit;
  GameTick(*g);
  EXPECT_EQ(g->clock.MovieNo, 3);
  g->clock.GoalReached = 0;
  g->clock.GameMode = Mode::LeaveQuit;
  g->view.Surfaces.loaded = true;
  g->view.Surfaces.tiles = Surface(8, 8);
  GameTick(*g);
  EXPECT_EQ(g->clock.MovieNo, 0);
  // The game's pictures go with it.
  EXPECT_FALSE(g->view.Surfaces.loaded);
  EXPECT_TRUE(g->view.Surfaces.tiles.Empty());
}

TEST(Random, DeterministicAndRoundsHalfToEven) {
  Random a(42), b(42);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(a(1000), b(1000));
  uint64_t before = a.State();
  EXPECT_EQ(a(0), 0);
  EXPECT_EQ(a(-3), 0);
  EXPECT_EQ(a.State(), before);  // no draw consumed
  int counts[3] = {};
  for (int i = 0; i < 3000; ++i) counts[a(3)]++;
  for (int c : counts) EXPECT_GT(c, 850);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.6), 3);
}
