#include <gtest/gtest.h>

#include "platform/cursor_file.h"

namespace {

void Put(std::vector<uint8_t>& v, size_t at, uint32_t x, int bytes) {
  for (int i = 0; i < bytes; ++i) v[at + i] = static_cast<uint8_t>(x >> (8 * i));
}

// A 2 x 2 cursor, 24-bit, hot spot (1, 0): top row red and (masked) blue, bottom
// row green and white.
std::vector<uint8_t> TwoByTwo() {
  const size_t offset = 6 + 16;
  const size_t xorBytes = 8 * 2, andBytes = 4 * 2;
  std::vector<uint8_t> v(offset + 40 + xorBytes + andBytes, 0);
  Put(v, 2, 2, 2);  // cursor
  Put(v, 4, 1, 2);  // one image
  v[6] = 2;
  v[7] = 2;
  Put(v, 6 + 4, 1, 2);
  Put(v, 6 + 6, 0, 2);
  Put(v, 6 + 8, static_cast<uint32_t>(40 + xorBytes + andBytes), 4);
  Put(v, 6 + 12, offset, 4);
  size_t dib = offset;
  Put(v, dib, 40, 4);
  Put(v, dib + 4, 2, 4);
  Put(v, dib + 8, 4, 4);  // doubled height
  Put(v, dib + 12, 1, 2);
  Put(v, dib + 14, 24, 2);
  size_t px = dib + 40;
  // bottom row first: green, white
  v[px + 1] = 255;
  v[px + 3] = v[px + 4] = v[px + 5] = 255;
  // top row: red, blue
  v[px + 8 + 2] = 255;
  v[px + 8 + 3] = 255;
  size_t mask = px + xorBytes;
  v[mask + 4] = 0x40;  // top row, second pixel transparent
  return v;
}

}  // namespace

TEST(CursorFile, DecodesPictureMaskAndHotSpot) {
  CursorImage c;
  ASSERT_TRUE(DecodeCursor(TwoByTwo(), c));
  EXPECT_EQ(c.picture.Width(), 2);
  EXPECT_EQ(c.picture.Height(), 2);
  EXPECT_EQ(c.picture.Pixel(0, 0), Rgb565(255, 0, 0));
  EXPECT_EQ(c.picture.Pixel(0, 1), Rgb565(0, 255, 0));
  EXPECT_EQ(c.picture.Pixel(1, 1), Rgb565(255, 255, 255));
  EXPECT_EQ(c.visible, (std::vector<uint8_t>{1, 0, 1, 1}));
  EXPECT_EQ(c.hotX, 1);
  EXPECT_EQ(c.hotY, 0);
}

TEST(CursorFile, DamagedFilesAreRefused) {
  auto good = TwoByTwo();
  CursorImage c;
  for (size_t cut = 0; cut + 8 < good.size(); ++cut) {
    std::vector<uint8_t> part(good.begin(), good.begin() + static_cast<long>(cut));
    EXPECT_FALSE(DecodeCursor(part, c)) << cut;
  }
  auto bad = good;
  Put(bad, 6 + 12, 0xFFFFFFF0u, 4);
  EXPECT_FALSE(DecodeCursor(bad, c));
}
