// The windows that report: mail, event, visitor, goals and the end window.
#include <gtest/gtest.h>

#include "sim/sim_steps.h"
#include "windows/window_world.h"
#include "windows/zoo_windows.h"

namespace {
using namespace wintest;

void Mails(Game& g, std::initializer_list<int> withPlace) {
  int k = 0;
  for (int x : withPlace) PostMail(g, "信" + std::to_string(k++), x, x < 0 ? -1 : 3);
}

TEST(MailWindow, ReadsStepsOnlyThroughUnreadMailAndGoesToThePlace) {
  WindowWorld t;
  Mails(t.g, {-1, 4, -1});  // slots 11, 12, 13
  t.g.view.CurrentMail = 12;
  ASSERT_TRUE(t.windows.Open(Mode::Mail));
  EXPECT_EQ(t.g.sim.Mails[12].Read, 1);
  t.Click(58, 340);  // go to: the mail's place in the middle of the map view
  EXPECT_EQ(t.g.clock.RedrawAll, 1);
  t.Click(351, 385);  // next
  EXPECT_EQ(t.g.view.CurrentMail, 13);
  t.Click(18, 355);  // previous: 12 is read now, 11 is not
  EXPECT_EQ(t.g.view.CurrentMail, 11);
  t.Click(18, 355);  // nothing earlier is waiting: the button is gone
  t.Click(321, 355);
  EXPECT_EQ(t.g.view.CurrentMail, 11);
  t.Click(340, 100);
  EXPECT_EQ(t.g.clock.GameMode, Mode::Playing);
}

TEST(MailWindow, ThePlaceMovesTheView) {
  WindowWorld t;
  t.g.world.MapWidth = t.g.world.MapHeight = 40;
  Mails(t.g, {20});
  t.g.view.CurrentMail = 13;
  t.windows.Open(Mode::Mail);
  int scrollX = t.g.view.ScrollX;
  t.Click(70, 371);  // under the magnifier's picture
  EXPECT_EQ(t.g.view.ScrollX, scrollX);
  t.Click(88, 370);
  EXPECT_EQ(t.g.view.ScrollX, ((40 - 1 - 3) + 20) * 36 - (640 - 125) / 2 + 34);
  EXPECT_EQ(t.g.view.ScrollY, (20 + 3) * 18 - (480 - 30) / 2 + 50);
}

TEST(EventWindow, FramesAreNamedAsTheEventFolderHoldsThem) {
  EXPECT_EQ(EventFrameName(0, 0), "Kenkyu_0000.bmp");
  EXPECT_EQ(EventFrameName(1, 9), "kenkin_0009.bmp");
  EXPECT_EQ(EventFrameName(1, 10), "Kenkin_0010.bmp");
  EXPECT_EQ(EventFrameName(5, 29), "over_0029.bmp");
}

TEST(EventWindow, ABribeClosesItselfAndABirthWaitsWithoutAutoHide) {
  WindowWorld t;
  t.g.sim.Event = EventRequest{"賄落客運公司", 1, 0, -1, -1};
  ASSERT_TRUE(t.windows.Open(Mode::Event));
  for (int i = 0; i < 2 * kEventFrames + 29; ++i) t.windows.TimerTick();
  EXPECT_EQ(t.g.clock.GameMode, Mode::Event);
  t.windows.TimerTick();
  EXPECT_EQ(t.g.clock.GameMode, Mode::Playing);

  t.g.settings.AutoHide = false;
  t.g.sim.Event = EventRequest{"小熊誕生了", 3, 0, -1, -1};
  t.windows.Open(Mode::Event);
  for (int i = 0; i < 2000; ++i) t.windows.TimerTick();
  EXPECT_EQ(t.g.clock.GameMode, Mode::Event);
  t.Click(270, 0);  // closing during or after the pictures returns at once
  EXPECT_EQ(t.g.clock.GameMode, Mode::Playing);
}

TEST(VisitorWindow, NewestRemarkOnTop) {
  Person p;
  for (auto& c : p.Comments) c.Assign("-");
  EXPECT_EQ(RemarkLines(p), (std::vector<std::pair<int, std::string>>{{142, "還沒有什麼感想"}}));
  p.Comments[3].Assign("好累");
  p.Comments[4].Assign("好可愛");
  auto lines = RemarkLines(p);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], (std::pair<int, std::string>{142, "好可愛"}));
  EXPECT_EQ(lines[1], (std::pair<int, std::string>{162, "好累"}));
  EXPECT_EQ(lines[4].first, 222);
}

TEST(GoalsWindow, LinesFollowTheMapsGoals) {
  Zoo z;
  z.HasGoalYears = 1;
  z.GoalYears = 5;
  z.HasGoalAssets = 1;
  z.GoalAssets = 100000;
  z.HasGoalRank = 1;
  z.GoalRank = 3;
  // The lines' order and the no-goal lines are the shared goal lines' (the briefing's test).
  EXPECT_EQ(GoalWindowLines(z), (std::vector<std::string>{"5年之內", "資金增加到100000以上",
                                                          "動物園的排名增加到3以上"}));
}

TEST(EndWindow, OnlyLeftPressesOnTheOfferedAnswersCount) {
  WindowWorld t;
  t.g.clock.GameMode = Mode::EndBankrupt;
  ASSERT_TRUE(t.windows.Open(Mode::EndBankrupt));
  t.Click(343, 55, 1);  // right button: ignored
  t.Click(293, 55);     // no playing on after the money ran out
  EXPECT_TRUE(t.windows.IsOpen());
  EXPECT_EQ(t.g.clock.GameMode, Mode::EndBankrupt);
  t.Click(383, 95);
  EXPECT_FALSE(t.windows.IsOpen());
  EXPECT_EQ(t.g.clock.GameMode, Mode::LeaveGameOver);

  t.g.clock.GameMode = Mode::EndGoalsReached;
  t.windows.Open(Mode::EndGoalsReached);
  t.Click(333, 95);
  EXPECT_EQ(t.g.clock.GameMode, Mode::Playing);
  t.windows.Open(Mode::EndAskQuit);
  t.Click(370, 15);  // no close box on the end window
  EXPECT_EQ(t.g.clock.GameMode, Mode::EndAskQuit);
  t.Click(343, 70);
  EXPECT_EQ(t.g.clock.GameMode, Mode::LeaveQuit);
}

}  // namespace
