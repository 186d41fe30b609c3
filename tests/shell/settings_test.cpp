#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "game/settings.h"
#include "support/file_bytes.h"
#include "test_folder.h"

namespace {

int CountLines(const std::string& s, char c = '=') {
  int n = 0;
  for (char ch : s) n += ch == c;
  return n;
}

// The eleven values the file stores, to compare in one check.
auto Stored(const Settings& x) {
  return std::tie(x.ScreenResW, x.ScreenResH, x.Scroll, x.Saigai, x.AutoHide, x.GameSpeedSetting,
                  x.CampNo, x.AutoKoyou, x.BGMVolume, x.EFXVolume, x.Difficulty);
}

}  // namespace

TEST(Settings, MissingFileGetsDefaultsWrittenAtOnce) {
  TestFolder dir;
  auto file = dir.path / "zoovana" / "settings.ini";
  Settings s = ReadSettings(file);
  EXPECT_EQ(Stored(s), std::make_tuple(640, 480, 20, true, false, 1, 1, false, 100, 100, 1));
  EXPECT_TRUE(s.MusicOn);
  EXPECT_FALSE(s.HardMode);
  ASSERT_TRUE(std::filesystem::exists(file));
  std::string text = FileBytes(file);
  EXPECT_EQ(CountLines(text), 11);  // eleven values; "CD Path" is never written
  EXPECT_EQ(text.find("CD Path"), std::string::npos);
}

TEST(Settings, ValuesPersistAndDerivedFlagsFollow) {
  TestFolder dir;
  auto file = dir.path / "settings.ini";
  Settings s;
  s.ScreenResW = 800;
  s.ScreenResH = 600;
  s.Scroll = 45;
  s.Saigai = false;
  s.AutoHide = true;
  s.GameSpeedSetting = 3;
  s.CampNo = 4;
  s.AutoKoyou = true;
  s.BGMVolume = 0;
  s.EFXVolume = 37;
  s.Difficulty = 3;
  ASSERT_TRUE(WriteSettings(file, s));
  Settings r = ReadSettings(file);
  EXPECT_EQ(Stored(r), Stored(s));
  EXPECT_FALSE(r.MusicOn);  // BGM Volume 0 turns music off
  EXPECT_TRUE(r.HardMode);
  for (int d : {0, 1, 2}) {
    s.Difficulty = d;
    WriteSettings(file, s);
    EXPECT_FALSE(ReadSettings(file).HardMode) << d;
  }
}

TEST(Settings, OutOfRangeValuesAreClampedAndCdPathIsKept) {
  TestFolder dir;
  auto file = dir.path / "settings.ini";
  {
    std::ofstream out(file);
    out << "[Zoovana]\nCD Path=/media/cdrom\nDifficulty=9\nScroll=500\nGame Speed=-4\n"
        << "Screen Res W=1024\nBGM Volume=abc\nEFX Volume=150\n";
  }
  Settings s = ReadSettings(file);
  EXPECT_EQ(s.CDPath, "/media/cdrom");
  EXPECT_EQ(s.Difficulty, 3);
  EXPECT_EQ(s.Scroll, 60);
  EXPECT_EQ(s.GameSpeedSetting, 0);
  EXPECT_EQ(s.ScreenResW, 640);
  EXPECT_EQ(s.ScreenResH, 480);
  EXPECT_EQ(s.BGMVolume, 100);
  EXPECT_EQ(s.EFXVolume, 100);
  // Writing keeps the medium's path the installer put there.
  ASSERT_TRUE(WriteSettings(file, s));
  EXPECT_NE(FileBytes(file).find("CD Path=/media/cdrom"), std::string::npos);
}
