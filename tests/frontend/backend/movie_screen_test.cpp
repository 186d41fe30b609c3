#include <gtest/gtest.h>

#include "frontend/fake_front_host.h"
#include "frontend/movie_screen.h"
#include "test_folder.h"

namespace {

std::filesystem::path SmallFilm(const TestFolder& dir) {
  FilmShape shape;
  shape.width = 32;
  shape.height = 24;
  shape.fps = 10;
  shape.pictures = 20;
  auto file = dir.path / "f.avi";
  EXPECT_TRUE(WriteFilm(file, shape, [](int, std::vector<uint8_t>& rgb) { std::fill(rgb.begin(), rgb.end(), 200); },
                        std::vector<int16_t>(22050, 100)));
  return file;
}

FakeFrontHost WithFilms() {
  FakeFrontHost host;
  host.openFilm = [](const std::filesystem::path& f, int w, int h) { return FilmReader::Open(f, w, h); };
  return host;
}

TEST(MovieScreen, ShowsPicturesAsTheirTimeComesAndEnds) {
  TestFolder dir;
  FakeFrontHost host = WithFilms();
  MovieScreen movie(host, SmallFilm(dir));
  ASSERT_TRUE(movie.Playing());
  EXPECT_FALSE(host.filmSound.empty());
  EXPECT_FALSE(host.pointerShown);
  EXPECT_TRUE(movie.Timer());
  EXPECT_EQ(movie.PicturesShown(), 1);
  host.now = 550;
  EXPECT_TRUE(movie.Timer());
  EXPECT_EQ(movie.PicturesShown(), 2);  // pictures 1..5 were due; only the latest is shown
  host.now = 5000;
  EXPECT_FALSE(movie.Timer());
  EXPECT_FALSE(movie.Playing());
  EXPECT_TRUE(host.filmSound.empty());
  EXPECT_TRUE(host.pointerShown);
}

TEST(MovieScreen, AClickSkipsTheRestAndLeavingMidFilmBringsThePointerBack) {
  TestFolder dir;
  FakeFrontHost host = WithFilms();
  {
    MovieScreen movie(host, SmallFilm(dir));
    EXPECT_FALSE(host.pointerShown);
  }
  EXPECT_TRUE(host.pointerShown);
  MovieScreen movie(host, SmallFilm(dir));
  movie.Timer();
  movie.Skip();
  EXPECT_FALSE(movie.Timer());
  EXPECT_TRUE(host.filmSound.empty());
  EXPECT_TRUE(host.pointerShown);
}

TEST(MovieScreen, AMissingFilmEndsAtOnce) {
  TestFolder dir;
  FakeFrontHost host = WithFilms();
  MovieScreen movie(host, dir.path / "open.avi");
  EXPECT_FALSE(movie.Playing());
  EXPECT_FALSE(movie.Timer());
}

}  // namespace
