// The generated pictures of every building type, read with the game's own loaders,
// fit the way the map draws buildings: each footprint cell draws one tile-sized
// piece, no ground tile is drawn under a building, and animated frames are laid
// over the cached last full frame.
#include <gtest/gtest.h>

#include "content/content_folder.h"

namespace {
constexpr Color16 kMagenta = Rgb565(255, 0, 255);

struct Picture {
  BuildTypeRecord type;
  Surface image;
};

Picture Load(int n) {
  Catalogue catalogue;
  IoResult read = LoadBuildType(catalogue, ContentFolder() / "Data", n);
  EXPECT_TRUE(read.ok()) << read.error;
  const BuildTypeRecord& type = catalogue.BuildType[static_cast<size_t>(n)];
  return Picture{type, ContentPicture(type.BitmapFile)};
}

// Whether pixel (x, y) of one frame lies in the piece some footprint cell draws.
bool InsideAPiece(int side, int x, int y) {
  for (int a = 0; a < side; ++a)
    for (int b = 0; b < side; ++b) {
      int px = 36 * (side - 1 - b + a), py = 18 * (a + b);
      if (x >= px && x < px + 74 && y >= py && y < py + 100) return true;
    }
  return false;
}

// Whether (x, y) is on the footprint's ground diamond (rows 63 .. 63 + 36s).
bool OnFootprint(int side, int x, int y) {
  int k = y - 63, hh = 18 * side;
  if (k < 0 || k > 2 * hh) return false;
  int d = k <= hh ? k : 2 * hh - k;
  return x >= 36 * side - 2 * d && x <= 36 * side + 1 + 2 * d;
}

class BuildingPicture : public ::testing::TestWithParam<int> {};

TEST_P(BuildingPicture, FitsTheFootprintPiecesAndCoversItsGround) {
  Picture p = Load(GetParam());
  ASSERT_FALSE(p.image.Empty());
  const int s = p.type.Size, frames = std::max<int>(1, p.type.FrameCount);
  const int w = 72 * s + 2, h = 36 * s + 64;
  ASSERT_EQ(p.image.Width(), w);
  ASSERT_EQ(p.image.Height(), h * frames);
  EXPECT_EQ(p.type.PixelHeight, h * frames);
  ASSERT_EQ(p.image.Pixel(0, 0), kMagenta) << "the key pixel must hold the transparent colour";
  int outside = 0, bare = 0, changing = 0;
  for (int f = 0; f < frames; ++f)
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        bool drawn = p.image.Pixel(x, f * h + y) != kMagenta;
        outside += drawn && !InsideAPiece(s, x, y);
        bare += !drawn && OnFootprint(s, x, y);
        changing += drawn != (p.image.Pixel(x, y) != kMagenta);
      }
  EXPECT_EQ(outside, 0) << p.type.BitmapFile << ": pixels no footprint cell draws";
  EXPECT_EQ(bare, 0) << p.type.BitmapFile << ": holes in the ground under the building";
  EXPECT_EQ(changing, 0) << p.type.BitmapFile << ": frames differ in shape";
}

INSTANTIATE_TEST_SUITE_P(Generated, BuildingPicture, ::testing::Range(0, kBuildTypes));

// Visitors reach a "bench73" from the cells along x and a "bench91" from those
// along y, so the two must be drawn turned a quarter apart: mirror images.
TEST(BenchPictures, TheTwoBenchShapesFaceDifferentWays) {
  Catalogue catalogue;
  int bench73 = -1, bench91 = -1;
  for (int n = kGroupStart[1]; n < kGroupEnd[1]; ++n) {
    ASSERT_TRUE(LoadBuildType(catalogue, ContentFolder() / "Data", n).ok());
    int16_t shape = catalogue.BuildType[static_cast<size_t>(n)].Shape;
    if (shape == Shape::Bench73 && bench73 < 0) bench73 = n;
    if (shape == Shape::Bench91 && bench91 < 0) bench91 = n;
  }
  ASSERT_GE(bench73, 0);
  ASSERT_GE(bench91, 0);
  Picture a = Load(bench73), b = Load(bench91);
  ASSERT_EQ(a.image.Width(), 74);
  ASSERT_EQ(b.image.Width(), 74);
  // Compare what stands above the ground: the 73 bench's mass leans one way, the
  // 91 bench's the other.
  auto lean = [](const Surface& s) {
    double n = 0, sx = 0, sy = 0, sxy = 0;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 74; ++x)
        if (s.Pixel(x, y) != kMagenta && !OnFootprint(1, x, y)) n += 1, sx += x, sy += y, sxy += x * y;
    return n > 0 ? sxy / n - (sx / n) * (sy / n) : 0.0;  // covariance of x and y
  };
  EXPECT_LT(lean(a.image) * lean(b.image), 0) << "bench73 and bench91 are drawn the same way round";
}
}  // namespace
