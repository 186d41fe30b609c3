#include "paint.h"

#include <gtest/gtest.h>

// The generator's paint toolkit where the generated folder cannot show a fault:
// colours that would turn into the key, the 8-bit encoder's limit, text placement.
namespace {
uint32_t Le32(const std::vector<uint8_t>& v, size_t at) {
  return v[at] | (v[at + 1] << 8) | (v[at + 2] << 16) | (static_cast<uint32_t>(v[at + 3]) << 24);
}

TEST(Paint, PaletteStaysFarFromTheKeyAtSixteenBits) {
  auto to565 = [](Rgb c) { return (c.r >> 3) << 11 | (c.g >> 2) << 5 | (c.b >> 3); };
  for (Rgb c : Palette()) EXPECT_NE(to565(c), to565(kKey));
  EXPECT_GE(Palette().size(), 32u);
  EXPECT_LE(Palette().size(), 80u);
}

TEST(Paint, Bmp8IndexesColoursInOrderAndRefusesTooMany) {
  Canvas c(2, 1, kKey);
  c.Set(1, 0, kWhite);
  auto v = EncodeBmp8(c);
  EXPECT_EQ(v[28], 8);
  EXPECT_EQ(Le32(v, 46), 2u);                 // colours used
  EXPECT_EQ(Le32(v, 10), 54u + 8);            // pixels after two palette entries
  EXPECT_EQ(v[54 + 0], 255);                  // key: blue
  EXPECT_EQ(v[54 + 1], 0);                    // green
  EXPECT_EQ(v[62], 0);
  EXPECT_EQ(v[63], 1);
  Canvas many(300, 1);
  for (int x = 0; x < 300; ++x) many.Set(x, 0, Rgb{static_cast<uint8_t>(x), static_cast<uint8_t>(x / 256), 0});
  EXPECT_THROW(EncodeBmp8(many), std::runtime_error);
}

TEST(Paint, TextDrawsInsideItsLineBox) {
  for (int size : {12, 16}) {
    TextStyle style{size, kBlack, Face::kSharp, false};
    Canvas c(100, 30, kWhite);
    int w = DrawText(c, 2, 6, "動物園 Zoo", style);
    EXPECT_EQ(w, TextWidth("動物園 Zoo", style));
    EXPECT_GT(w, size * 4);
    // Glyphs differ by a pixel in height; none strays further from the box.
    int ink = 0, outside = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 100; ++x)
        if (c.Get(x, y) == kBlack) (y >= 5 && y <= 6 + size && x >= 2 && x < 2 + w ? ink : outside)++;
    EXPECT_GT(ink, size * 5);
    EXPECT_EQ(outside, 0) << "size " << size;
  }
}
}  // namespace
