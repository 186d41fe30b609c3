#include <gtest/gtest.h>

#include "shell/sound.h"
#include "sound/fake_audio.h"

namespace {

// "e<n>.wav", appended: "literal" + string draws a GCC 12 -Wrestrict false alarm at -O3.
std::string Effect(int n) { return std::string("e").append(std::to_string(n)).append(".wav"); }

struct EffectCache : ::testing::Test {
  void SetUp() override { folders.SoundsDir = sounds.path; }
  SoundsFolder sounds{{"Click.wav", "Gold.wav", "Bus1.wav", "e1.wav", "e2.wav", "e3.wav", "e4.wav", "e5.wav", "e6.wav",
                       "e7.wav", "e8.wav"}};
  FakeAudio audio;
  Settings settings;
  Folders folders;
  SoundSystem sound{audio, settings, folders};
};

TEST_F(EffectCache, SameEffectTwiceRestartsInTheSameSlot) {
  sound.PlayEffect("Click.wav", false, false, 0, 0);
  ASSERT_EQ(audio.loads.size(), 1u);
  sound.PlayEffect("CLICK.WAV", false, false, 0, 0);
  EXPECT_EQ(audio.loads.size(), 1u) << "replayed from memory, not loaded again";
  EXPECT_EQ(audio.loads[0]->plays, 2);
  EXPECT_EQ(audio.loads[0]->rewinds, 2);
  EXPECT_EQ(sound.SlotName(0), "Click.wav");
  EXPECT_EQ(sound.SlotName(1), "");
}

TEST_F(EffectCache, EighthDifferentEffectWhileSevenPlayIsDropped) {
  for (int i = 1; i <= 7; ++i) sound.PlayEffect(Effect(i), true, false, 0, 0);
  ASSERT_EQ(audio.loads.size(), 7u);
  sound.PlayEffect("e8.wav", false, false, 0, 0);
  EXPECT_EQ(audio.loads.size(), 7u);
  EXPECT_FALSE(sound.EffectPlaying("e8.wav"));
  for (int i = 0; i < kEffectSlots; ++i) EXPECT_EQ(sound.SlotName(i), Effect(i + 1));
}

TEST_F(EffectCache, NewEffectTakesTheFirstSilentSlot) {
  for (int i = 1; i <= 7; ++i) sound.PlayEffect(Effect(i), true, false, 0, 0);
  audio.loads[4]->playing = false;  // e5 finished
  audio.loads[2]->playing = false;  // e3 finished
  sound.PlayEffect("e8.wav", false, false, 0, 0);
  ASSERT_EQ(audio.loads.size(), 8u);
  EXPECT_EQ(sound.SlotName(2), "e8.wav");
  EXPECT_TRUE(audio.loads[2]->freed) << "the slot's old buffer is released";
  EXPECT_TRUE(sound.EffectPlaying("e8.wav"));
  EXPECT_FALSE(sound.EffectPlaying("e3.wav"));
  EXPECT_EQ(sound.SlotName(4), "e5.wav");
}

// A plain effect plays centred at the effect volume; a positional one takes its
// pan and volume from where it is on the screen, whatever the effect volume.
TEST_F(EffectCache, VolumeAndPanOfPlainAndPositionalEffects) {
  const struct {
    int efx, screenW, screenH, y, x;  // PlayEffect takes the screen row first
    bool loop, positional;
    int volume, pan;
  } cases[] = {{40, 640, 480, 0, 0, false, false, 40 * 30 - 3000, 0},
               {100, 640, 480, 0, 0, true, false, 0, 0},
               {0, 640, 480, 30 + 225, -5, true, true, 750 - 1500, -10000},
               {100, 800, 600, 30 + 285, 337, false, true, 0, 0}};
  for (const auto& c : cases) {
    settings.EFXVolume = c.efx;
    sound.SetScreenSize(c.screenW, c.screenH);
    sound.PlayEffect("Gold.wav", c.loop, c.positional, c.y, c.x);
    EXPECT_EQ(audio.loads[0]->volume, c.volume) << c.y << "," << c.x;
    EXPECT_EQ(audio.loads[0]->pan, c.pan) << c.y << "," << c.x;
    EXPECT_EQ(audio.loads[0]->loop, c.loop);
  }
}

TEST_F(EffectCache, StopEffectAndStopAll) {
  sound.PlayEffect("Bus1.wav", true, false, 0, 0);
  sound.PlayEffect("Gold.wav", false, false, 0, 0);
  EXPECT_TRUE(sound.EffectPlaying("bus1.wav"));
  sound.StopEffect("BUS1.wav");
  EXPECT_FALSE(sound.EffectPlaying("Bus1.wav"));
  EXPECT_TRUE(sound.EffectPlaying("Gold.wav"));
  sound.StopAllEffects();
  EXPECT_FALSE(sound.EffectPlaying("Gold.wav"));
  EXPECT_EQ(sound.SlotName(0), "Bus1.wav") << "stopping keeps the effect cached";
}

TEST_F(EffectCache, EmptyNameAndMissingFilePlayNothing) {
  sound.PlayEffect("", false, false, 0, 0);
  EXPECT_EQ(sound.SlotName(0), "");
  sound.PlayEffect("nowhere.wav", false, false, 0, 0);
  EXPECT_TRUE(audio.loads.empty());
  EXPECT_FALSE(sound.EffectPlaying("nowhere.wav"));
  sound.PlayEffect("Click.wav", false, false, 0, 0);
  EXPECT_EQ(sound.SlotName(0), "Click.wav") << "a slot without a sound is reused";
}

TEST_F(EffectCache, LoadEffectPreparesASlot) {
  sound.LoadEffect("Gold.wav", 0);
  ASSERT_EQ(audio.loads.size(), 1u);
  EXPECT_EQ(audio.loads[0]->plays, 0);
  sound.PlayEffect("gold.wav", false, false, 0, 0);
  EXPECT_EQ(audio.loads.size(), 1u);
  EXPECT_EQ(audio.loads[0]->plays, 1);
}

TEST_F(EffectCache, ClicksBypassTheSlots) {
  sound.PlayClick("click.wav");
  ASSERT_EQ(audio.once.size(), 1u);
  EXPECT_EQ(audio.once[0], "Click.wav");
  EXPECT_EQ(sound.SlotName(0), "");
}

}  // namespace
