// The generated ground, map and screen pictures, read with the game's own loaders:
// sizes and key pixels the drawing code relies on, tile sheets without holes, the
// pointer mask, enclosure water where the walk mask keeps keepers out.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "content/content_folder.h"
#include "platform/cursor_file.h"
#include "platform/surface.h"
#include "view/screen_layout.h"

namespace {
constexpr Color16 kMagenta = Rgb565(255, 0, 255);

Surface Picture(const std::string& name) {
  Surface s;
  std::string error;
  EXPECT_TRUE(LoadBmp(ContentFolder() / "Graphics" / name, s, &error)) << name << ": " << error;
  return s;
}

// Is pixel (x, y) of the tile diamond whose box starts at (left, top)?
bool OnDiamond(int x, int y, int left, int top) {
  int k = y - top;
  if (k < 0 || k > 36) return false;
  int d = k <= 18 ? k : 36 - k;
  return x >= left + 36 - 2 * d && x <= left + 37 + 2 * d;
}

bool Watery(Color16 c) {
  uint8_t r, g, b;
  Rgb565ToRgb(c, r, g, b);
  return b > r + 40 && b > g + 10;
}

TEST(GroundArt, FixedPicturesHaveTheirSizesAndKeyPixels) {
  struct Expect {
    const char* file;
    int width, height, keyX, keyY;  // key -1: drawn opaque
  };
  const Expect all[] = {
      {"map_pat1.bmp", 666, 800, 0, 0}, {"map_pat2.bmp", 666, 800, 0, 0}, {"map_pat3.bmp", 666, 800, 0, 0},
      {"TileMask.bmp", 74, 100, -1, -1}, {"MinColor.bmp", 14, 2, -1, -1}, {"Min_MapBase.bmp", 100, 100, -1, -1},
      {"minwak.bmp", 100, 100, -1, -1},  {"Sc640.bmp", 640, 480, -1, -1},  {"Sc800.bmp", 800, 600, -1, -1},
      {"tx_bak.bmp", 460, 24, -1, -1},   {"Toolbar2.bmp", 250, 600, 0, 200},
      {"Toolbar1.bmp", 800, kSpeedRow + kSpeedH, 0, 35},
      {"suuji.bmp", 70, 11, 0, 0},       {"sel_pat.bmp", 80, 60, 5, 5},     {"sel_p.bmp", 50, 50, 0, 0},
      {"kouji.bmp", 296, 200, 0, 0},     {"dest.bmp", 740, 100, 0, 0},      {"gate.bmp", 120, 366, 0, 0},
      {"Mon.bmp", 74, 100, 0, 0},        {"ent_pl.bmp", 640, 480, -1, -1},  {"mail.BMp", 147, 40, 30, 0},
      {"Flat.bmp", 74, 100, 0, 0},       {"Cursors.bmp", 32, 192, 5, 0},    {"loading6.bmp", 640, 480, -1, -1},
      {"loading8.bmp", 800, 600, -1, -1}, {"loading_p.bmp", 768, 256, -1, -1},
  };
  for (const Expect& e : all) {
    Surface s = Picture(e.file);
    EXPECT_EQ(s.Width(), e.width) << e.file;
    EXPECT_EQ(s.Height(), e.height) << e.file;
    if (e.keyX >= 0) {
      EXPECT_EQ(s.Pixel(e.keyX, e.keyY), kMagenta) << e.file;
    }
  }
  for (int size = 1; size <= 6; ++size) {
    Surface s = Picture("Sel_" + std::to_string(size) + ".bmp");
    EXPECT_EQ(s.Width(), 72 * size + 2);
    EXPECT_EQ(s.Height(), 36 * size + 2);
    EXPECT_EQ(s.Pixel(0, 0), kMagenta);
    EXPECT_NE(s.Pixel(36 * size, 0), kMagenta) << "the outline's top corner is drawn";
  }
}

TEST(GroundArt, EveryTileCoversItsWholeDiamond) {
  for (const char* sheet : {"map_pat1.bmp", "map_pat2.bmp", "map_pat3.bmp"}) {
    Surface s = Picture(sheet);
    for (int t = 0; t < 72; ++t) {
      const int left = 74 * (t / 8), top = 100 * (t % 8);
      int holes = 0;
      for (int y = 63; y < 100; ++y)
        for (int x = 0; x < 74; ++x)
          if (OnDiamond(x, y, 0, 63) && s.Pixel(left + x, top + y) == kMagenta) ++holes;
      EXPECT_EQ(holes, 0) << sheet << " tile " << t;
    }
  }
}

TEST(GroundArt, TileMaskNamesTheCellUnderEveryPixel) {
  Surface mask = Picture("TileMask.bmp");
  const Color16 self = Rgb565(0, 0, 0), upLeft = Rgb565(255, 255, 0), upRight = Rgb565(255, 0, 0),
                downLeft = Rgb565(0, 255, 0), downRight = Rgb565(0, 0, 255);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 74; ++x) {
      Color16 want = OnDiamond(x, y, 0, 63) ? self : y <= 81 ? (x < 37 ? upLeft : upRight) : (x < 37 ? downLeft : downRight);
      ASSERT_EQ(mask.Pixel(x, y), want) << x << "," << y;
    }
  // A point just beyond each edge of the diamond is the neighbour across that edge.
  EXPECT_EQ(mask.Pixel(10, 70), upLeft);
  EXPECT_EQ(mask.Pixel(63, 70), upRight);
  EXPECT_EQ(mask.Pixel(10, 93), downLeft);
  EXPECT_EQ(mask.Pixel(63, 93), downRight);
}

TEST(GroundArt, GroundBuildingPicturesFitTheirFootprintsAndHaveIcons) {
  const Catalogue& cat = GeneratedCatalogue().catalogue;
  int checked = 0;
  for (int t = 0; t < kBuildTypes; ++t) {
    const bool groundLevel = t < 40 || (t >= 80 && t < 130);
    if (!groundLevel) continue;
    const BuildTypeRecord& b = cat.BuildType[static_cast<size_t>(t)];
    Surface pic = Picture(b.BitmapFile);
    const int s = b.Size;
    EXPECT_EQ(pic.Width(), 72 * s + 2) << b.BitmapFile;
    EXPECT_EQ(pic.Height(), b.PixelHeight) << b.BitmapFile;
    EXPECT_EQ(pic.Pixel(0, 0), kMagenta) << b.BitmapFile;
    // The facility hides the ground tiles, so its own ground must be whole.
    int holes = 0;
    for (int y = 63; y <= 63 + 36 * s; ++y)
      for (int x = 0; x < pic.Width(); ++x) {
        int k = y - 63, d = k <= 18 * s ? k : 36 * s - k;
        if (x >= 36 * s - 2 * d && x <= 36 * s + 1 + 2 * d && pic.Pixel(x, y) == kMagenta) ++holes;
      }
    EXPECT_EQ(holes, 0) << b.BitmapFile;
    Surface icon = Picture("T_" + b.BitmapFile);
    EXPECT_EQ(icon.Width(), 80);
    EXPECT_EQ(icon.Height(), 60);
    EXPECT_EQ(icon.Pixel(0, 0), kMagenta);
    ++checked;
  }
  EXPECT_EQ(checked, 90);
}

TEST(GroundArt, EnclosureWaterLiesWhereOnlyAnimalsMayGo) {
  const Catalogue& cat = GeneratedCatalogue().catalogue;
  int pools = 0;
  for (int t = 80; t < 130; ++t) {
    const BuildTypeRecord& b = cat.BuildType[static_cast<size_t>(t)];
    const WalkMask& mask = cat.PatternOf(t);
    Surface pic = Picture(b.BitmapFile);
    const int w = static_cast<int>(std::nearbyint(pic.Width() / 60.0)), h = static_cast<int>(std::nearbyint(b.PixelHeight / 50.0));
    int water = 0, waterWet = 0, floor = 0, floorWet = 0;
    for (int c = 0; c < kMaskColumns; ++c)
      for (int r = 0; r < kMaskRows; ++r) {
        const int v = mask.At(c, r);
        if (c * w >= pic.Width() || r * h >= pic.Height()) continue;
        const bool wet = Watery(pic.Pixel(c * w, r * h));
        if (v == 4) water++, waterWet += wet;
        if (v >= 1 && v <= 3) floor++, floorWet += wet;
      }
    if (water > 0) {
      ++pools;
      // Tree crowns in front may hide a little of it; a misplaced pool shows almost none.
      EXPECT_GE(waterWet * 10, water * 8) << b.BitmapFile << ": water drawn where animals swim";
    }
    EXPECT_LE(floorWet * 10, floor) << b.BitmapFile << ": keepers' ground is dry";
  }
  EXPECT_GT(pools, 10);
}

TEST(GroundArt, PointerFilesLoadWithTheirHotSpots) {
  struct Expect {
    const char* file;
    int hotX, hotY;
    bool shows;
  };
  for (const Expect& e : {Expect{"NormalCu.cur", 1, 1, true}, Expect{"WaitCu.cur", 16, 16, true}, Expect{"NonCu.cur", 0, 0, false}}) {
    CursorImage cur;
    ASSERT_TRUE(LoadCursorFile(ContentFolder() / "Graphics" / e.file, cur)) << e.file;
    EXPECT_EQ(cur.picture.Width(), 32);
    EXPECT_EQ(cur.hotX, e.hotX) << e.file;
    EXPECT_EQ(cur.hotY, e.hotY) << e.file;
    int visible = 0;
    for (uint8_t v : cur.visible) visible += v ? 1 : 0;
    EXPECT_EQ(visible > 40, e.shows) << e.file;
  }
}
}  // namespace
