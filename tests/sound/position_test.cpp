#include <gtest/gtest.h>

#include "shell/sound.h"

namespace {

// Where an effect at screen point (x, y) is heard: pan and volume in hundredths of
// a decibel. On 640 x 480 the map area is 515 wide (centre x 257) and the vertical
// centre is y' = y - 30 = 225.
TEST(Position, PanAndVolumeAcrossTheScreen) {
  const struct {
    int x, y, w, h, pan, volume;
  } cases[] = {
      {257, 255, 640, 480, 0, 0},                // the centre: full volume, centred
      {-1, 255, 640, 480, -10000, 750 - 1500},   // just left of the screen: full left, lowest level
      {-400, 255, 640, 480, -10000, -750},
      {0, 255, 640, 480, -10000, -750},
      // x = 515 is still inside: |257 - 515| / 257 passes 1 slightly; the level
      // truncates to -2 and the pan is held at full right.
      {515, 255, 640, 480, 10000, 748 - 1500},
      {516, 255, 640, 480, 10000, -750},
      // Halfway: ratio 129/257, pan -5019.46 -> -5019, level trunc(373.54) = 373.
      {128, 255, 640, 480, -5019, 373 + 750 - 1500},
      {386, 255, 640, 480, 5019, 373 + 750 - 1500},
      // y' below 30 and above the screen height count as off screen.
      {257, 59, 640, 480, 0, 750 - 1500},
      {257, 30 + 481, 640, 480, 0, -750},
      // y' = 450 is a whole half-height below the centre: no vertical level; past
      // it the level drops by trunc(-33.3).
      {257, 30 + 450, 640, 480, 0, -750},
      {257, 30 + 460, 640, 480, 0, 717 - 1500},
      {-50, -50, 640, 480, -10000, -1500},       // off the screen every way: quietest
      {2000, 2000, 640, 480, 10000, -1500},
      // 800 x 600: map area 675 wide, centre x 337, vertical centre y' 285.
      {337, 315, 800, 600, 0, 0},
      {-1, 315, 800, 600, -10000, 750 - 1500},
  };
  for (const auto& c : cases) {
    Placement p = PositionFor(c.x, c.y, c.w, c.h);
    EXPECT_EQ(p.pan, c.pan) << c.x << "," << c.y << " on " << c.w;
    EXPECT_EQ(p.volume, c.volume) << c.x << "," << c.y << " on " << c.w;
  }
}

TEST(Volume, SettingToAttenuation) {
  EXPECT_EQ(SettingVolume(100), 0);
  EXPECT_EQ(SettingVolume(0), -3000);
  EXPECT_EQ(SettingVolume(50), -1500);
  EXPECT_EQ(SettingVolume(1), -2970);
}

TEST(Volume, MixerScale) {
  EXPECT_EQ(MixerVolume(0), kMixerFullVolume);
  EXPECT_EQ(MixerVolume(-10000), 0);
  EXPECT_EQ(MixerVolume(-20000), 0);
  EXPECT_EQ(MixerVolume(-600), 64);   // -6 dB is half the amplitude
  EXPECT_EQ(MixerVolume(-2000), 13);  // -20 dB is a tenth
  EXPECT_EQ(MixerVolume(-3000), 4);   // the quietest setting is faint, not silent
  for (int v = -10000; v < 0; v += 100) EXPECT_LE(MixerVolume(v), MixerVolume(v + 100));
}

TEST(Volume, PanScale) {
  const struct {
    int pan, left, right;
  } cases[] = {{0, 255, 255}, {-10000, 255, 0}, {600, 128, 255}, {20000, 0, 255}};
  for (const auto& c : cases) {
    PanGains g = MixerPan(c.pan);
    EXPECT_EQ(g.left, c.left) << c.pan;
    EXPECT_EQ(g.right, c.right) << c.pan;
  }
}

}  // namespace
