#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "platform/film.h"
#include "test_folder.h"

namespace {

// A 64 x 48 film of 12 pictures at 10 a second: picture i is a flat colour that goes
// from red to blue, with a second of a 440 Hz tone.
std::filesystem::path MakeFilm(const TestFolder& dir) {
  const std::filesystem::path file = dir.path / "small.avi";
  FilmShape shape;
  shape.width = 64;
  shape.height = 48;
  shape.fps = 10;
  shape.pictures = 12;
  shape.soundRate = 22050;
  std::vector<int16_t> tone(22050);
  for (size_t i = 0; i < tone.size(); ++i) tone[i] = static_cast<int16_t>(8000 * std::sin(i * 2 * M_PI * 440 / 22050));
  std::string error;
  EXPECT_TRUE(WriteFilm(
      file, shape,
      [](int i, std::vector<uint8_t>& rgb) {
        for (size_t p = 0; p < rgb.size(); p += 3) {
          rgb[p] = static_cast<uint8_t>(255 - i * 20);
          rgb[p + 2] = static_cast<uint8_t>(i * 20);
        }
      },
      tone, &error))
      << error;
  return file;
}

TEST(Film, ReadsEveryPictureFittedToTheBox) {
  TestFolder dir;
  auto film = FilmReader::Open(MakeFilm(dir), 620, 340);
  ASSERT_NE(film, nullptr);
  // 64 x 48 fitted into 620 x 340 keeps its shape: 340 high, 453 wide.
  EXPECT_EQ(film->Width(), 453);
  EXPECT_EQ(film->Height(), 340);
  Surface picture;
  int64_t ms = -1;
  std::vector<int64_t> times;
  std::vector<int> reds;
  while (film->NextPicture(picture, ms)) {
    times.push_back(ms);
    uint8_t r, g, b;
    Rgb565ToRgb(picture.Pixel(226, 170), r, g, b);
    reds.push_back(r - b);
  }
  ASSERT_EQ(times.size(), 12u);
  EXPECT_EQ(picture.Width(), 453);
  EXPECT_EQ(times.front(), 0);
  EXPECT_EQ(times.back(), 1100);
  EXPECT_GT(reds.front(), 200);  // the first picture red, the last blue
  EXPECT_LT(reds.back(), 0);
}

TEST(Film, HandsOverItsSoundAsAWav) {
  TestFolder dir;
  auto film = FilmReader::Open(MakeFilm(dir), 64, 48);
  ASSERT_NE(film, nullptr);
  std::vector<uint8_t> wav = film->SoundAsWav(44100);
  ASSERT_GT(wav.size(), 44u);
  EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
  // A second of mono at 22050 becomes about a second of stereo 16-bit at 44100.
  const double seconds = (wav.size() - 44) / (44100.0 * 4);
  EXPECT_NEAR(seconds, 1.0, 0.05);
}

TEST(Film, MissingOrBrokenFilmsAreRefusedWithoutACrash) {
  TestFolder dir;
  std::string error;
  EXPECT_EQ(FilmReader::Open(dir.path / "none.avi", 640, 480, &error), nullptr);
  EXPECT_FALSE(error.empty());
  std::ofstream(dir.path / "junk.avi") << "RIFF this is no film at all";
  EXPECT_EQ(FilmReader::Open(dir.path / "junk.avi", 640, 480), nullptr);
}

TEST(Film, ACutOffFilmPlaysWhatItHas) {
  TestFolder dir;
  std::filesystem::path file = MakeFilm(dir);
  std::filesystem::resize_file(file, std::filesystem::file_size(file) / 2);
  auto film = FilmReader::Open(file, 64, 48);
  if (!film) return;  // refusing it is as good as playing part of it
  Surface picture;
  int64_t ms;
  int count = 0;
  while (film->NextPicture(picture, ms)) ++count;
  EXPECT_LT(count, 12);
}

}  // namespace
