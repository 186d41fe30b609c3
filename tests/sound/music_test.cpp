#include <gtest/gtest.h>

#include <set>

#include "view/headless_presentation.h"
#include "game/game.h"
#include "game/random.h"
#include "shell/sound.h"
#include "sound/fake_audio.h"

namespace {

struct Music : ::testing::Test {
  void SetUp() override { folders.SoundsDir = sounds.path; }
  SoundsFolder sounds{{"bgm1A.wav", "bgm1B.wav", "menu_bg.Wav", "end_BG.wav"}};
  FakeAudio audio;
  Settings settings;
  Folders folders;
  SoundSystem sound{audio, settings, folders};
};

TEST_F(Music, PlaysAtTheMusicVolumeAndLoops) {
  settings.BGMVolume = 70;
  sound.PlayMusic("MENU_BG.wav", true);
  ASSERT_EQ(audio.tracks.size(), 1u);
  EXPECT_EQ(audio.tracks[0]->file, "menu_bg.Wav");
  EXPECT_TRUE(audio.tracks[0]->loop);
  EXPECT_EQ(audio.tracks[0]->volume, 70 * 30 - 3000);
  EXPECT_TRUE(sound.MusicPlaying());
  audio.tracks[0]->position = 1234;
  EXPECT_EQ(sound.MusicPosition(), 1234);
  sound.SetMusicVolume(100);
  EXPECT_EQ(audio.tracks[0]->volume, 0);
}

TEST_F(Music, NewTrackStopsTheOldOne) {
  sound.PlayMusic("bgm1A.wav", true);
  sound.PlayMusic("bgm1B.wav", true);
  ASSERT_EQ(audio.tracks.size(), 2u);
  EXPECT_FALSE(audio.tracks[0]->playing);
  EXPECT_TRUE(audio.tracks[1]->playing);
  sound.StopMusic();
  EXPECT_FALSE(sound.MusicPlaying());
}

TEST_F(Music, MusicOffStartsNothing) {
  settings.BGMVolume = 0;
  DeriveSettings(settings);
  ASSERT_FALSE(settings.MusicOn);
  sound.PlayMusic("bgm1A.wav", true);
  sound.SetMusicVolume(80);
  EXPECT_TRUE(audio.tracks.empty());
  EXPECT_FALSE(sound.MusicPlaying());
  // The options screen turns music back on by setting the volume and MusicOn.
  settings.BGMVolume = 50;
  DeriveSettings(settings);
  sound.PlayMusic("bgm1A.wav", true);
  EXPECT_TRUE(sound.MusicPlaying());
}

TEST_F(Music, EndingPlaysOnceAtFullVolumeAndMutedWhenMusicIsOff) {
  settings.BGMVolume = 20;
  sound.PlayEndingMusic("end_bg.wav", false);
  ASSERT_EQ(audio.tracks.size(), 1u);
  EXPECT_FALSE(audio.tracks[0]->loop);
  EXPECT_EQ(audio.tracks[0]->volume, 0);
  settings.BGMVolume = 0;
  DeriveSettings(settings);
  sound.PlayEndingMusic("end_bg.wav", false);
  ASSERT_EQ(audio.tracks.size(), 2u);
  EXPECT_EQ(audio.tracks[1]->volume, -10000);
  EXPECT_TRUE(sound.MusicPlaying()) << "its position still paces the ending";
}

TEST_F(Music, MissingTrackIsSilent) {
  sound.PlayMusic("bgm9A.wav", true);
  EXPECT_TRUE(audio.tracks.empty());
  EXPECT_FALSE(sound.MusicPlaying());
  EXPECT_EQ(sound.MusicPosition(), 0);
}

TEST(MapMusic, PatternsInAnyLetterCase) {
  for (const char* pattern : {"map_pat2.bmp", "MAP_PAT2.BMP", "Map_Pat2.Bmp"}) {
    Random r(7);
    std::string name = PickMapMusic(pattern, r, "keep.wav");
    EXPECT_TRUE(name == "bgm2A.wav" || name == "bgm2B.wav") << name;
  }
  Random r(3);
  std::set<std::string> seen;
  for (int i = 0; i < 64; ++i)
    for (const char* pattern : {"map_pat1.bmp", "MAP_PAT3.bmp"}) seen.insert(PickMapMusic(pattern, r, ""));
  EXPECT_EQ(seen, (std::set<std::string>{"bgm1A.wav", "bgm1B.wav", "bgm3A.wav", "bgm3B.wav"}));
}

TEST(MapMusic, OtherPatternKeepsTheTrackAndDrawsNothing) {
  Random r(5);
  uint64_t before = r.State();
  EXPECT_EQ(PickMapMusic("map_pat4.bmp", r, "bgm3B.wav"), "bgm3B.wav");
  EXPECT_EQ(PickMapMusic("", r, "bgm3B.wav"), "bgm3B.wav");
  EXPECT_EQ(r.State(), before);
}

// Records the tracks the rules ask for.
struct MusicRecorder : HeadlessPresentation {
  void PlayMusic(const std::string& file) override { started.push_back(file); }
  std::vector<std::string> started;
};

TEST(MapMusic, ChooseMapMusicStartsTheTrackOnlyWhenMusicIsOn) {
  auto g = MakeHeadlessGame();
  MusicRecorder ui;
  g->ui = &ui;
  g->zoo.MapPattern.Assign("Map_Pat3.BMP");
  ChooseMapMusic(*g);
  ASSERT_EQ(ui.started.size(), 1u);
  EXPECT_EQ(ui.started[0], g->MusicName);
  EXPECT_TRUE(g->MusicName == "bgm3A.wav" || g->MusicName == "bgm3B.wav");

  g->settings.BGMVolume = 0;
  DeriveSettings(g->settings);
  g->zoo.MapPattern.Assign("map_pat1.bmp");
  ChooseMapMusic(*g);
  EXPECT_EQ(ui.started.size(), 1u);
  EXPECT_TRUE(g->MusicName == "bgm1A.wav" || g->MusicName == "bgm1B.wav") << "still chosen for later";
}

}  // namespace
