#include "paint.h"

#include <gtest/gtest.h>

namespace {
uint32_t Le32(const std::vector<uint8_t>& v, size_t at) {
  return v[at] | (v[at + 1] << 8) | (v[at + 2] << 16) | (static_cast<uint32_t>(v[at + 3]) << 24);
}

TEST(Paint, TileDiamondCoversTheGroundRowsOfATile) {
  Canvas c(74, 100);
  c.Diamond(0, 63, 36, 18, Shade(Hue::kGrass, 2));
  auto drawn = [&](int x, int y) { return !(c.Get(x, y) == kKey); };
  // Top corner two pixels wide at row 63, full width at row 81, bottom corner at 99.
  EXPECT_FALSE(drawn(37, 62));
  EXPECT_TRUE(drawn(36, 63) && drawn(37, 63));
  EXPECT_FALSE(drawn(35, 63) || drawn(38, 63));
  EXPECT_TRUE(drawn(0, 81) && drawn(73, 81));
  EXPECT_TRUE(drawn(36, 99) && drawn(37, 99));
  EXPECT_FALSE(drawn(35, 99) || drawn(38, 99));
  // Rows step two pixels across for one down.
  EXPECT_TRUE(drawn(30, 66) && !drawn(29, 66));
}

TEST(Paint, IsoFrameCornersMatchTheFootprintDiamond) {
  for (int s = 1; s <= 6; ++s) {
    IsoFrame f{s};
    Canvas poly(IsoFrame::PictureWidth(s), IsoFrame::PictureHeight(s));
    Canvas diamond = poly;
    poly.Polygon({f.At(0, 0), f.At(s, 0), f.At(s, s), f.At(0, s)}, kWhite);
    diamond.Diamond(0, 63, 36 * s, 18 * s, kWhite);
    int differ = 0;
    for (int y = 0; y < poly.Height(); ++y)
      for (int x = 0; x < poly.Width(); ++x) differ += !(poly.Get(x, y) == diamond.Get(x, y));
    EXPECT_EQ(differ, 0) << "side " << s;
  }
}

TEST(Paint, DarkerStaysInItsHueAndLeavesTheKeyAlone) {
  EXPECT_EQ(Darker(Shade(Hue::kRed, 3), 2), Shade(Hue::kRed, 1));
  EXPECT_EQ(Darker(Shade(Hue::kRed, 1), 3), Shade(Hue::kRed, 0));
  EXPECT_EQ(Darker(Shade(Hue::kWater, 1), -1), Shade(Hue::kWater, 2));
  EXPECT_EQ(Darker(kKey, 1), kKey);
  for (Rgb c : Palette()) EXPECT_EQ(Nearest(c), c);
}

TEST(Paint, PaletteStaysFarFromTheKeyAtSixteenBits) {
  auto to565 = [](Rgb c) { return (c.r >> 3) << 11 | (c.g >> 2) << 5 | (c.b >> 3); };
  for (Rgb c : Palette()) EXPECT_NE(to565(c), to565(kKey));
  EXPECT_GE(Palette().size(), 32u);
  EXPECT_LE(Palette().size(), 80u);
}

TEST(Paint, NoiseIsDeterministicAndInRange) {
  EXPECT_EQ(Hash(3, 4, 5), Hash(3, 4, 5));
  EXPECT_NE(Hash(3, 4, 5), Hash(4, 3, 5));
  for (int i = 0; i < 200; ++i) {
    double v = Fbm(i * 0.37, i * 0.11, 9);
    EXPECT_GE(v, 0.0);
    EXPECT_LT(v, 1.0);
  }
  // A quarter step of dither paints a quarter of a 4 x 4 block in the lighter shade.
  int lighter = 0;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) lighter += Dithered(Hue::kGrass, 1.25, x, y) == Shade(Hue::kGrass, 2);
  EXPECT_EQ(lighter, 4);
}

TEST(Paint, OutlineDarkensTheShapesOwnHue) {
  Canvas c(10, 10);
  c.Rect(3, 3, 4, 4, Shade(Hue::kOrange, 3));
  c.Outline(2);
  EXPECT_EQ(c.Get(2, 4), Shade(Hue::kOrange, 1));
  EXPECT_EQ(c.Get(2, 2), kKey);  // diagonal neighbours stay clear
  EXPECT_EQ(c.Get(4, 4), Shade(Hue::kOrange, 3));
}

TEST(Paint, BlitSkipsKeyAndScalingKeepsHoles) {
  Canvas src(4, 4);
  src.Rect(0, 0, 2, 4, kWhite);
  Canvas dst(4, 4, kBlack);
  dst.Blit(src, 0, 0);
  EXPECT_EQ(dst.Get(1, 1), kWhite);
  EXPECT_EQ(dst.Get(3, 1), kBlack);
  Canvas half = src.Scaled(2, 2);
  EXPECT_EQ(half.Get(0, 0), kWhite);
  EXPECT_EQ(half.Get(1, 1), kKey);
  Canvas icon = FitInto(src, 80, 60, kBlack);
  EXPECT_EQ(icon.Get(40 - 1, 30), kWhite);
  EXPECT_EQ(icon.Get(0, 0), kBlack);
}

TEST(Paint, Bmp24IsBottomUpWithPaddedRows) {
  Canvas c(3, 2, kBlack);
  c.Set(0, 0, Rgb{1, 2, 3});  // top-left
  auto v = EncodeBmp24(c);
  ASSERT_EQ(v.size(), 54u + 2 * 12);
  EXPECT_EQ(v[0], 'B');
  EXPECT_EQ(Le32(v, 2), v.size());
  EXPECT_EQ(Le32(v, 10), 54u);
  EXPECT_EQ(Le32(v, 18), 3u);
  EXPECT_EQ(Le32(v, 22), 2u);
  EXPECT_EQ(v[28], 24);
  // The top row is stored last, blue first.
  EXPECT_EQ(v[54 + 12], 3);
  EXPECT_EQ(v[54 + 13], 2);
  EXPECT_EQ(v[54 + 14], 1);
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
