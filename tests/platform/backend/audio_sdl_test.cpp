#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "content/content_folder.h"
#include "platform/audio.h"
#include "shell/sound.h"

namespace {

std::filesystem::path Sounds() { return ContentFolder() / "Sounds"; }

// Under the dummy driver the mixer runs in real time without a sound card.
TEST(SdlAudio, BuffersPlayStopAndLoop) {
  auto audio = OpenSdlAudio();
  auto click = audio->LoadBuffer(Sounds() / "Click.wav");
  auto engine = audio->LoadBuffer(Sounds() / "Bus1.wav");
  ASSERT_TRUE(click);
  ASSERT_TRUE(engine);
  EXPECT_EQ(audio->LoadBuffer(Sounds() / "nothing.wav"), nullptr);
  engine->SetVolume(-600);
  engine->SetPan(-10000);
  engine->Play(true);
  click->Play(false);
  EXPECT_TRUE(engine->Playing());
  EXPECT_TRUE(click->Playing());
  // The click is 60 ms long; the looping engine goes on.
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  EXPECT_FALSE(click->Playing());
  EXPECT_TRUE(engine->Playing());
  engine->Stop();
  EXPECT_FALSE(engine->Playing());
}

TEST(SdlAudio, MusicStreamsWithPositionAndLength) {
  auto audio = OpenSdlAudio();
  auto music = audio->OpenMusic(Sounds() / "end_BG.wav");
  ASSERT_TRUE(music);
  EXPECT_GT(music->LengthMs(), 60000);
  music->SetVolume(-10000);
  music->Play(false);
  EXPECT_TRUE(music->Playing());
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_GT(music->PositionMs(), 0);
  EXPECT_LT(music->PositionMs(), 5000);
  // A second track takes over the one stream.
  auto other = audio->OpenMusic(Sounds() / "bgm1A.wav");
  ASSERT_TRUE(other);
  other->Play(true);
  EXPECT_FALSE(music->Playing());
  EXPECT_TRUE(other->Playing());
  other.reset();
  EXPECT_FALSE(music->Playing());
  EXPECT_EQ(audio->OpenMusic(Sounds() / "nothing.wav"), nullptr);
}

TEST(SdlAudio, SoundSystemOverTheMixer) {
  auto audio = OpenSdlAudio();
  Settings settings;
  Folders folders;
  folders.SoundsDir = Sounds();
  SoundSystem sound(*audio, settings, folders);
  sound.PlayEffect("BUS1.WAV", true, true, 100, 100);
  EXPECT_TRUE(sound.EffectPlaying("bus1.wav"));
  sound.PlayMusic("menu_bg.Wav", true);
  EXPECT_TRUE(sound.MusicPlaying());
  EXPECT_GT(sound.MusicLength(), 60000);
  sound.StopMusic();
  sound.StopAllEffects();
  EXPECT_FALSE(sound.MusicPlaying());
  EXPECT_FALSE(sound.EffectPlaying("Bus1.wav"));
  sound.PlayClick("Click.wav");
}

}  // namespace
