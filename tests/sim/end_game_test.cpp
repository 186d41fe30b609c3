// The end window's answers and the ways a game really ends: bankruptcy, the time
// limit and the goals, each through the answer the window offers.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/game.h"
#include "shell/tick.h"
#include "sim/commands.h"
#include "view/headless_presentation.h"

namespace {

// Answers end windows as a player can: in the failure forms the left answer is
// pressed first and must be refused. Event windows may run a timer event.
class Player : public HeadlessPresentation {
 public:
  void RunWindow(Game& g, int mode) override {
    windows.push_back(mode);
    if (mode == Mode::Event && tickInsideEvent) GameTick(g);
    if (mode < Mode::EndAskQuit || mode > Mode::EndGoalsReached) return HeadlessPresentation::RunWindow(g, mode);
    if (mode == Mode::EndBankrupt || mode == Mode::EndTimeUp) leftRefused.push_back(!AnswerEndWindow(g, EndAnswer::Left));
    AnswerEndWindow(g, EndAnswer::Right);
  }
  void ShowAfterGame(Game& g) override { films.push_back(g.clock.MovieNo); }
  void StopMusic() override { ++musicStops; }
  std::vector<int> windows, films;
  int musicStops = 0;
  std::vector<bool> leftRefused;
  bool tickInsideEvent = false;
};

std::unique_ptr<Game> LastTickOfDay(Player& ui) {
  auto g = MakeHeadlessGame();
  g->ui = &ui;
  g->clock.GameMode = Mode::Playing;
  g->clock.TimerEnabled = g->clock.GameRunning = true;
  g->clock.TickOfDay = 799;
  g->zoo.Money = 1000;
  return g;
}

// Plays until the game has left or a few days passed.
void PlayOn(Game& g) {
  for (int i = 0; i < 3 * 800 && g.clock.GameRunning; ++i) GameTick(g);
}

}  // namespace

TEST(EndWindow, EachFormMapsItsAnswersToModes) {
  auto g = MakeHeadlessGame();
  struct Case {
    int mode;
    EndAnswer answer;
    bool accepted;
    int next;
  };
  const Case cases[] = {
      {Mode::EndAskQuit, EndAnswer::Left, true, Mode::Playing},
      {Mode::EndAskQuit, EndAnswer::Right, true, Mode::LeaveQuit},
      {Mode::EndBankrupt, EndAnswer::Left, false, Mode::EndBankrupt},
      {Mode::EndBankrupt, EndAnswer::Right, true, Mode::LeaveGameOver},
      {Mode::EndTimeUp, EndAnswer::Left, false, Mode::EndTimeUp},
      {Mode::EndTimeUp, EndAnswer::Right, true, Mode::LeaveGameOver},
      {Mode::EndGoalsReached, EndAnswer::Left, true, Mode::Playing},
      {Mode::EndGoalsReached, EndAnswer::Right, true, Mode::LeaveGoal},
      {Mode::Playing, EndAnswer::Right, false, Mode::Playing},
      {Mode::Ticket, EndAnswer::Left, false, Mode::Ticket},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    g->clock.GameMode = c.mode;
    g->clock.RedrawAll = 0;
    EXPECT_EQ(static_cast<bool>(AnswerEndWindow(*g, c.answer)), c.accepted);
    EXPECT_EQ(g->clock.GameMode, c.next);
    EXPECT_EQ(g->clock.RedrawAll, c.next == Mode::Playing && c.accepted ? 1 : 0);
  }
}

// Bankruptcy and the time limit refuse to play on; reached goals end the game
// when the right answer is chosen. Each ends with its film.
TEST(EndWindow, BankruptcyTimeLimitAndGoalsEndTheGameWithTheirFilm) {
  struct Case {
    int32_t money;
    int32_t goalYears, year;
    int32_t goalAssets;
    int window, film;
  } cases[] = {
      {-1, 0, 1, 0, Mode::EndBankrupt, 1},
      {1000, 1, 2, 1'000'000, Mode::EndTimeUp, 1},
      {1000, 0, 1, 1000, Mode::EndGoalsReached, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window);
    Player ui;
    auto g = LastTickOfDay(ui);
    g->zoo.Money = c.money;
    g->zoo.HasGoalYears = c.goalYears > 0;
    g->zoo.GoalYears = c.goalYears;
    g->clock.Year = c.year;
    g->zoo.HasGoalAssets = c.goalAssets > 0;
    g->zoo.GoalAssets = c.goalAssets;
    PlayOn(*g);
    EXPECT_FALSE(g->clock.GameRunning);
    EXPECT_FALSE(g->clock.TimerEnabled);
    EXPECT_EQ(ui.windows.front(), c.window);
    const bool canRefuse = c.window != Mode::EndGoalsReached;
    EXPECT_EQ(ui.leftRefused, std::vector<bool>(canRefuse ? 1 : 0, true));
    EXPECT_EQ(ui.films, std::vector<int>{c.film});
    EXPECT_GE(ui.musicStops, 1);
  }
}

TEST(EndWindow, ATimerEventDuringTheEndRoutineStartsNoSecondOne) {
  Player ui;
  ui.tickInsideEvent = true;  // the bankruptcy notice pumps messages
  auto g = LastTickOfDay(ui);
  g->zoo.Money = -1;
  PlayOn(*g);
  EXPECT_EQ(ui.films, std::vector<int>{1});
  EXPECT_EQ(std::count(ui.windows.begin(), ui.windows.end(), Mode::Event), 1);
}
