#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game.h"
#include "shell/tick.h"

TEST(Calendar, MonthLengthsAndLeapYears) {
  EXPECT_EQ(DaysInMonth(2, 1), 28);
  EXPECT_EQ(DaysInMonth(2, 3), 28);
  EXPECT_EQ(DaysInMonth(2, 4), 29);
  EXPECT_EQ(DaysInMonth(2, 8), 29);
  for (int m : {4, 6, 9, 11}) EXPECT_EQ(DaysInMonth(m, 1), 30);
  for (int m : {1, 3, 5, 7, 8, 10, 12}) EXPECT_EQ(DaysInMonth(m, 1), 31);
}

TEST(TimerInterval, FollowsSpeedAndFastForward) {
  const int normal[] = {0, 0, 20, 40};  // by game speed
  for (int s = 0; s <= 3; ++s) {
    EXPECT_EQ(TimerIntervalFor(0, s), normal[s]);
    EXPECT_EQ(TimerIntervalFor(1, s), 0);
    EXPECT_EQ(TimerIntervalFor(2, s), 0);
  }
}
