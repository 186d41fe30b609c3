#include <gtest/gtest.h>

#include "platform/backend/display_sdl.h"

// Without a vertical-blank wait (the dummy driver) flips are paced to 60 a second,
// so a tick rate bounded by drawn frames stays near 60.
TEST(Display, FlipDeadlinesFollowEachOtherByOnePeriod) {
  EXPECT_EQ(NextFlipDeadline(0, 1000, 16), 1016u);     // the first flip
  EXPECT_EQ(NextFlipDeadline(1016, 1003, 16), 1032u);  // early: wait a whole period
  EXPECT_EQ(NextFlipDeadline(1032, 1040, 16), 1048u);  // a little late: keep the rhythm
  EXPECT_EQ(NextFlipDeadline(1048, 1100, 16), 1116u);  // far behind: start again from now
}

TEST(Display, OpensAndSwitchesSize) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  {
    Display d;
    ASSERT_TRUE(d.Open(640, 480));
    d.Flip();
    EXPECT_TRUE(d.SetMode(800, 600));
    EXPECT_EQ(d.Back().Width(), 800);
    EXPECT_EQ(d.Back().Height(), 600);
  }
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
