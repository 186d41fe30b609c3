#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/surface.h"

namespace {

constexpr Color16 kKey = Rgb565(255, 0, 255);
constexpr Color16 kRed = Rgb565(255, 0, 0);
constexpr Color16 kBlue = Rgb565(0, 0, 255);

// A 4x3 sprite: key colour on its left column, red elsewhere.
Surface Sprite() {
  Surface s(4, 3, kRed);
  for (int y = 0; y < 3; ++y) s.SetPixel(0, y, kKey);
  s.SetColorKeyFromPixel(0, 0);
  return s;
}

void Put16(std::vector<uint8_t>& v, size_t at, uint16_t x) { v[at] = x & 0xFF; v[at + 1] = x >> 8; }
void Put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = static_cast<uint8_t>(x >> (8 * i));
}

// Builds a BMP of the given depth with a 2-entry palette where needed.
std::vector<uint8_t> MakeBmp(int w, int h, int bpp, const std::vector<uint8_t>& rows, int height = 0) {
  int paletteBytes = bpp <= 8 ? 4 * (1 << bpp) : 0;
  size_t offset = 54 + paletteBytes;
  std::vector<uint8_t> v(offset + rows.size(), 0);
  v[0] = 'B'; v[1] = 'M';
  Put32(v, 2, static_cast<uint32_t>(v.size()));
  Put32(v, 10, static_cast<uint32_t>(offset));
  Put32(v, 14, 40);
  Put32(v, 18, static_cast<uint32_t>(w));
  Put32(v, 22, static_cast<uint32_t>(height ? height : h));
  Put16(v, 26, 1);
  Put16(v, 28, static_cast<uint16_t>(bpp));
  if (bpp <= 8) {
    // entry 0 black, entry 1 white
    v[54 + 4] = v[54 + 5] = v[54 + 6] = 255;
  }
  std::memcpy(v.data() + offset, rows.data(), rows.size());
  return v;
}

}  // namespace

TEST(Surface, KeyedBlitSkipsKeyAndOpaqueBlitCopiesIt) {
  Surface dst(6, 4, kBlue);
  dst.Draw(1, 1, Sprite(), true);
  EXPECT_EQ(dst.Pixel(1, 1), kBlue);  // key column left out
  EXPECT_EQ(dst.Pixel(2, 1), kRed);
  EXPECT_EQ(dst.Pixel(4, 3), kRed);
  EXPECT_EQ(dst.Pixel(5, 1), kBlue);

  Surface opaque(6, 4, kBlue);
  opaque.Draw(1, 1, Sprite(), false);
  EXPECT_EQ(opaque.Pixel(1, 1), kKey);
}

TEST(Surface, BlitsClipOnEverySide) {
  for (int x : {-3, -1, 4, 5, 6}) {
    for (int y : {-2, -1, 2, 3, 4}) {
      Surface dst(6, 4, kBlue);
      dst.Draw(x, y, Sprite(), true);
      for (int py = 0; py < 4; ++py)
        for (int px = 0; px < 6; ++px) {
          int sx = px - x, sy = py - y;
          bool covered = sx >= 1 && sx < 4 && sy >= 0 && sy < 3;
          EXPECT_EQ(dst.Pixel(px, py), covered ? kRed : kBlue) << x << "," << y << " at " << px << "," << py;
        }
    }
  }
  // A source rectangle reaching outside the source is cut to it.
  Surface dst(6, 4, kBlue);
  dst.Draw(0, 0, Rect{2, 1, 10, 10}, Sprite(), false);
  EXPECT_EQ(dst.Pixel(1, 1), kRed);
  EXPECT_EQ(dst.Pixel(2, 0), kBlue);
  EXPECT_EQ(dst.Pixel(0, 2), kBlue);
}

TEST(Bmp, DecodesEveryDepthBottomUpAndTopDown) {
  // 2x2: top row white black, bottom row black white (bottom-up storage: bottom row first).
  auto one = MakeBmp(2, 2, 1, {0x40, 0, 0, 0, 0x80, 0, 0, 0});
  Surface s;
  ASSERT_TRUE(DecodeBmp(one.data(), one.size(), s));
  EXPECT_EQ(s.Width(), 2);
  EXPECT_EQ(s.Pixel(0, 0), Rgb565(255, 255, 255));
  EXPECT_EQ(s.Pixel(1, 0), 0);
  EXPECT_EQ(s.Pixel(1, 1), Rgb565(255, 255, 255));

  auto eight = MakeBmp(2, 1, 8, {1, 0, 0, 0});
  ASSERT_TRUE(DecodeBmp(eight.data(), eight.size(), s));
  EXPECT_EQ(s.Pixel(0, 0), Rgb565(255, 255, 255));

  auto rgb = MakeBmp(1, 2, 24, {0, 0, 255, 0, 255, 0, 0, 0}, -2);  // top-down: red then blue
  ASSERT_TRUE(DecodeBmp(rgb.data(), rgb.size(), s));
  EXPECT_EQ(s.Pixel(0, 0), kRed);
  EXPECT_EQ(s.Pixel(0, 1), kBlue);

  auto rgb16 = MakeBmp(1, 1, 16, {0x00, 0x7C, 0, 0});  // x1r5g5b5 pure red
  ASSERT_TRUE(DecodeBmp(rgb16.data(), rgb16.size(), s));
  EXPECT_EQ(s.Pixel(0, 0), kRed);

  auto rgb32 = MakeBmp(1, 1, 32, {255, 0, 0, 0});
  ASSERT_TRUE(DecodeBmp(rgb32.data(), rgb32.size(), s));
  EXPECT_EQ(s.Pixel(0, 0), kBlue);
}

TEST(Bmp, DamagedFilesAreRefused) {
  auto good = MakeBmp(4, 4, 24, std::vector<uint8_t>(48, 7));
  Surface s;
  for (size_t cut = 0; cut < good.size(); cut += 5) {
    std::string error;
    EXPECT_FALSE(DecodeBmp(good.data(), cut, s, &error)) << cut;
    EXPECT_FALSE(error.empty());
  }
  auto huge = good;
  Put32(huge, 18, 0x7FFFFFFF);
  EXPECT_FALSE(DecodeBmp(huge.data(), huge.size(), s));
  auto depth = good;
  Put16(depth, 28, 7);
  EXPECT_FALSE(DecodeBmp(depth.data(), depth.size(), s));
}

TEST(Bmp, FoldersAndMissingFilesAreRefused) {
  Surface s;
  std::string error;
  EXPECT_FALSE(LoadBmp(std::filesystem::temp_directory_path(), s, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(LoadBmp(std::filesystem::temp_directory_path() / "no-such-picture.bmp", s));
}
