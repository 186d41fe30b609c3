#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/picture_bytes.h"
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
  for (size_t cut = 0; cut < good.size(); ++cut) {
    std::string error;
    EXPECT_FALSE(DecodeBmp(good.data(), cut, s, &error)) << cut;
    EXPECT_FALSE(error.empty());
  }
  ASSERT_TRUE(DecodeBmp(good.data(), good.size(), s));
}

TEST(Bmp, HostileHeadersAreRefusedWithTheirReason) {
  auto good = MakeBmp(4, 4, 24, std::vector<uint8_t>(48, 7));
  auto refused = [](std::vector<uint8_t> bytes) {
    Surface s;
    std::string error;
    EXPECT_FALSE(DecodeBmp(bytes.data(), bytes.size(), s, &error));
    return error;
  };
  for (int depth : {0, 2, 3, 5, 6, 7, 12, 64}) {
    auto bad = good;
    PutLe(bad, 28, static_cast<uint16_t>(depth), 2);
    EXPECT_EQ(refused(bad), "BMP bit depth " + std::to_string(depth) + " does not exist");
  }
  for (auto [w, h] : {std::pair<uint32_t, uint32_t>{0xFFFFFFFC, 4}, {4, 0}, {0x7FFFFFFF, 4}, {4, 0x80000000},
                      {16385, 1}, {8192, 8192}}) {
    auto bad = good;
    PutLe(bad, 18, w, 4);
    PutLe(bad, 22, h, 4);
    EXPECT_EQ(refused(bad).rfind("bad BMP size", 0), 0u) << w << " x " << h;
  }
  auto wideRows = good;  // a size the header allows but the pixel data does not hold
  PutLe(wideRows, 18, 400, 4);
  EXPECT_EQ(refused(wideRows), "BMP pixel data is cut short");

  auto palette = MakeBmp(2, 1, 8, {1, 0, 0, 0});
  PutLe(palette, 46, 257, 4);
  EXPECT_EQ(refused(palette), "BMP palette of 257 colours");
  auto shortPalette = MakeBmp(2, 1, 1, {0x40, 0, 0, 0});
  PutLe(shortPalette, 46, 200, 4);  // 800 bytes of palette in a 66-byte file
  EXPECT_EQ(refused(shortPalette), "BMP palette runs past the end of the file");
  auto farPixels = good;
  PutLe(farPixels, 10, 0xFFFFFF00u, 4);
  EXPECT_EQ(refused(farPixels), "BMP pixel offset does not fit its header");
  auto rle = good;
  PutLe(rle, 30, 1, 4);
  EXPECT_EQ(refused(rle), "compressed BMP not supported");
}

TEST(Bmp, FoldersAndMissingFilesAreRefused) {
  Surface s;
  std::string error;
  EXPECT_FALSE(LoadBmp(std::filesystem::temp_directory_path(), s, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(LoadBmp(std::filesystem::temp_directory_path() / "no-such-picture.bmp", s));
}
