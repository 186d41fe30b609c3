#include <gtest/gtest.h>

#include "platform/cursor_file.h"
#include "platform/picture_bytes.h"

TEST(CursorFile, DecodesPictureMaskAndHotSpot) {
  CursorImage c;
  ASSERT_TRUE(DecodeCursor(TwoByTwoCursor(), c));
  EXPECT_EQ(c.picture.Width(), 2);
  EXPECT_EQ(c.picture.Height(), 2);
  EXPECT_EQ(c.picture.Pixel(0, 0), Rgb565(255, 0, 0));
  EXPECT_EQ(c.picture.Pixel(0, 1), Rgb565(0, 255, 0));
  EXPECT_EQ(c.picture.Pixel(1, 1), Rgb565(255, 255, 255));
  EXPECT_EQ(c.visible, (std::vector<uint8_t>{1, 0, 1, 1}));
  EXPECT_EQ(c.hotX, 1);
  EXPECT_EQ(c.hotY, 0);
  EXPECT_EQ(c.depth, 24);
}

TEST(CursorFile, DamagedFilesAreRefused) {
  auto good = TwoByTwoCursor();
  CursorImage c;
  for (size_t cut = 0; cut + 8 < good.size(); ++cut) {
    std::vector<uint8_t> part(good.begin(), good.begin() + static_cast<long>(cut));
    EXPECT_FALSE(DecodeCursor(part, c)) << cut;
  }
  auto bad = good;
  PutLe(bad, 6 + 12, 0xFFFFFFF0u, 4);
  EXPECT_FALSE(DecodeCursor(bad, c));
}

TEST(CursorFile, HostilePicturesAreRefusedWithTheirReason) {
  CursorImage c;
  std::string error;
  auto depth = TwoByTwoCursor();
  PutLe(depth, 22 + 14, 12, 2);
  EXPECT_FALSE(DecodeCursor(depth, c, &error));
  EXPECT_EQ(error, "BMP bit depth 12 does not exist");
  auto palette = TwoByTwoCursor();
  PutLe(palette, 22 + 14, 8, 2);
  PutLe(palette, 22 + 32, 256, 4);  // a 1024-byte palette in a 94-byte file
  EXPECT_FALSE(DecodeCursor(palette, c, &error));
  EXPECT_EQ(error, "cursor picture is cut short");
  auto wide = TwoByTwoCursor();
  PutLe(wide, 22 + 4, 0xFFFFFFFEu, 4);
  EXPECT_FALSE(DecodeCursor(wide, c, &error));
  EXPECT_EQ(error, "bad cursor size");
}
