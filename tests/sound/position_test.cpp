#include <gtest/gtest.h>

#include "shell/sound.h"

namespace {

// 640 x 480: the map area is 515 wide (centre x 257) and the vertical centre is
// y' = 225, that is screen y 255.
constexpr int kW = 640, kH = 480, kCx = 257, kCy = 255;

TEST(Position, CentreIsFullVolumeAndCentred) {
  Placement p = PositionFor(kCx, kCy, kW, kH);
  EXPECT_EQ(p.pan, 0);
  EXPECT_EQ(p.volume, 0);
}

TEST(Position, LeftOfTheScreenIsFullLeftAtLowestHorizontalLevel) {
  Placement p = PositionFor(-1, kCy, kW, kH);
  EXPECT_EQ(p.pan, -10000);
  EXPECT_EQ(p.volume, 750 - 1500);
  p = PositionFor(-400, kCy, kW, kH);
  EXPECT_EQ(p.pan, -10000);
  EXPECT_EQ(p.volume, -750);
}

TEST(Position, EdgesOfTheMapArea) {
  Placement p = PositionFor(0, kCy, kW, kH);
  EXPECT_EQ(p.pan, -10000);
  EXPECT_EQ(p.volume, -750);
  // x = 515 is still inside: |257 - 515| / 257 passes 1 slightly; the horizontal
  // level truncates to -2 and the pan is held at full right.
  p = PositionFor(515, kCy, kW, kH);
  EXPECT_EQ(p.pan, 10000);
  EXPECT_EQ(p.volume, 748 - 1500);
  p = PositionFor(516, kCy, kW, kH);
  EXPECT_EQ(p.pan, 10000);
  EXPECT_EQ(p.volume, -750);
}

TEST(Position, HalfwayLeft) {
  // ratio 129/257: pan -5019.46 -> -5019, level trunc(373.54) = 373.
  Placement p = PositionFor(128, kCy, kW, kH);
  EXPECT_EQ(p.pan, -5019);
  EXPECT_EQ(p.volume, 373 + 750 - 1500);
  p = PositionFor(2 * kCx - 128, kCy, kW, kH);
  EXPECT_EQ(p.pan, 5019);
}

TEST(Position, VerticalLimits) {
  // y' below 30 counts as off screen; so does y' above the screen height.
  EXPECT_EQ(PositionFor(kCx, 59, kW, kH).volume, 750 - 1500);
  EXPECT_EQ(PositionFor(kCx, 30 + 481, kW, kH).volume, -750);
  // y' = 450 is a whole half-height below the centre: no vertical level.
  EXPECT_EQ(PositionFor(kCx, 30 + 450, kW, kH).volume, -750);
  // y' = 460 is past it: the level drops by trunc(-33.3) = -33.
  EXPECT_EQ(PositionFor(kCx, 30 + 460, kW, kH).volume, 717 - 1500);
  EXPECT_EQ(PositionFor(kCx, 30 + 460, kW, kH).pan, 0);
}

TEST(Position, OffScreenEverywhereIsQuietest) {
  Placement p = PositionFor(-50, -50, kW, kH);
  EXPECT_EQ(p.pan, -10000);
  EXPECT_EQ(p.volume, -1500);
  p = PositionFor(2000, 2000, kW, kH);
  EXPECT_EQ(p.pan, 10000);
  EXPECT_EQ(p.volume, -1500);
}

TEST(Position, LargeScreen) {
  // 800 x 600: map area 675 wide, centre x 337, vertical centre y' 285.
  EXPECT_EQ(PositionFor(337, 315, 800, 600).volume, 0);
  EXPECT_EQ(PositionFor(337, 315, 800, 600).pan, 0);
  EXPECT_EQ(PositionFor(-1, 315, 800, 600).pan, -10000);
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
  PanGains c = MixerPan(0);
  EXPECT_EQ(c.left, 255);
  EXPECT_EQ(c.right, 255);
  PanGains l = MixerPan(-10000);
  EXPECT_EQ(l.left, 255);
  EXPECT_EQ(l.right, 0);
  PanGains r = MixerPan(600);
  EXPECT_EQ(r.left, 128);
  EXPECT_EQ(r.right, 255);
  EXPECT_EQ(MixerPan(20000).left, 0);
}

}  // namespace
