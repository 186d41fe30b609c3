#include <gtest/gtest.h>

#include "frontend/option_sliders.h"

namespace {

TEST(OptionSliders, SpeedRunsFromThreeAtTheLeftToZeroAtTheRight) {
  EXPECT_EQ(SpeedAt(120), 3);
  EXPECT_EQ(SpeedAt(520), 0);
  EXPECT_EQ(SpeedAt(120 + 62), 2);  // 308 / 123.3 = 2.497: nearest is 2
  EXPECT_EQ(SpeedKnob(0), 370);
  // Volumes and scroll stop at their maximum.
  EXPECT_EQ(VolumeAt(520), 100);
  EXPECT_EQ(VolumeAt(120), 0);
  EXPECT_EQ(VolumeAt(120 + 185), 50);
  EXPECT_EQ(ScrollAt(520), 60);
  EXPECT_EQ(ScrollAt(120 + 37), 6);
  EXPECT_EQ(VolumeKnob(100), 370);
}

}  // namespace
