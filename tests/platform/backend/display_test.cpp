#include <gtest/gtest.h>

#include <chrono>

#include "platform/backend/display_sdl.h"

// Without a vertical-blank wait (the dummy driver) flips are paced to 60 a second,
// so a tick rate bounded by drawn frames stays near 60.
TEST(Display, FlipsArePacedNearSixtyASecond) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  {
    Display d;
    ASSERT_TRUE(d.Open(640, 480));
    d.Flip();
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 30; ++i) d.Flip();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GT(seconds, 0.45);
    EXPECT_LT(seconds, 5.0);
    EXPECT_TRUE(d.SetMode(800, 600));
    EXPECT_EQ(d.Back().Width(), 800);
    EXPECT_EQ(d.Back().Height(), 600);
  }
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
