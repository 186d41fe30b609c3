// Checks over the generated people, animal and event pictures: sizes by the
// sheet layouts, the colour key, and figures that fit their frames.
#include <gtest/gtest.h>

#include <string>

#include "catalogue_table.h"
#include "content/content_folder.h"
#include "view/sprite_sheets.h"

namespace {
constexpr Color16 kMagenta565 = 0xF81F;

Surface Load(const std::string& name) { return ContentPicture(name); }

struct Box {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
  int pixels = 0;
  int Height() const { return bottom - top + 1; }
};

Box Drawn(const Surface& s, int x0, int y0, int w, int h) {
  Box b;
  Color16 key = s.Pixel(0, 0);
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x)
      if (s.Pixel(x, y) != key) {
        b.left = std::min(b.left, x - x0);
        b.right = std::max(b.right, x - x0);
        b.top = std::min(b.top, y - y0);
        b.bottom = std::max(b.bottom, y - y0);
        ++b.pixels;
      }
  return b;
}

// Every frame holds a drawing that keeps off the left, right and top edges, so
// nothing is cut off; the key is the magenta of pixel (0, 0).
void ExpectWholeFrames(const std::string& name, int fw, int fh, int columns, int rows) {
  Surface s = Load(name);
  ASSERT_EQ(s.Width(), fw * columns) << name;
  ASSERT_EQ(s.Height(), fh * rows) << name;
  EXPECT_EQ(s.Pixel(0, 0), kMagenta565) << name;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      Box b = Drawn(s, c * fw, r * fh, fw, fh);
      EXPECT_GT(b.pixels, 0) << name << " frame " << c << "," << r;
      EXPECT_GT(b.left, 0) << name << " frame " << c << "," << r;
      EXPECT_LT(b.right, fw - 1) << name << " frame " << c << "," << r;
      EXPECT_GT(b.top, 0) << name << " frame " << c << "," << r;
    }
}

// A thumbnail is a full card: only its corners are the key.
void ExpectThumbnail(const std::string& name) {
  Surface t = Load(name);
  ASSERT_EQ(t.Width(), sheets::kThumbWidth) << name;
  ASSERT_EQ(t.Height(), sheets::kThumbHeight) << name;
  EXPECT_EQ(t.Pixel(0, 0), kMagenta565) << name;
  Box b = Drawn(t, 0, 0, t.Width(), t.Height());
  EXPECT_GE(b.pixels, t.Width() * t.Height() - 4) << name;
}

TEST(FigureSheets, VisitorsAndWalkingStaffFollowThePersonLayout) {
  std::vector<std::string> names = {"HandyMan.bmp", "MenteMan.bmp", "Kenkyu.bmp"};
  for (int i = 1; i <= 13; ++i) names.push_back("parsons" + std::to_string(i) + ".bmp");
  for (const auto& n : names)
    ExpectWholeFrames(n, sheets::kPersonWidth, sheets::kPersonHeight, sheets::kPersonColumns, sheets::kPersonRows);
}

TEST(FigureSheets, AnAdultVisitorIsAboutThirtyPixelsTallWithFeetAtTheAnchor) {
  Surface s = Load("parsons1.bmp");
  Box b = Drawn(s, 2 * sheets::kPersonWidth, 3 * sheets::kPersonHeight, sheets::kPersonWidth, sheets::kPersonHeight);
  EXPECT_GE(b.Height(), 28);
  EXPECT_LE(b.Height(), 36);  // with the shadow under the feet
  EXPECT_NEAR(b.bottom, sheets::kPersonFeetY, 2);
  EXPECT_NEAR((b.left + b.right) / 2.0, sheets::kPersonFeetX, 4);
}

TEST(FigureSheets, WalkingFramesAndDirectionsDiffer) {
  Surface s = Load("parsons2.bmp");
  auto same = [&](int c0, int r0, int c1, int r1) {
    for (int y = 0; y < sheets::kPersonHeight; ++y)
      for (int x = 0; x < sheets::kPersonWidth; ++x)
        if (s.Pixel(c0 * sheets::kPersonWidth + x, r0 * sheets::kPersonHeight + y) !=
            s.Pixel(c1 * sheets::kPersonWidth + x, r1 * sheets::kPersonHeight + y))
          return false;
    return true;
  };
  EXPECT_FALSE(same(0, 0, 4, 0));  // legs move
  EXPECT_FALSE(same(0, 0, 0, 2));  // facing 7 and facing 1
  EXPECT_FALSE(same(2, 2, 2, 3));  // facing 1 and facing 3
}

// Cut by the records the game loads, as the renderer cuts them.
TEST(FigureSheets, KeepersAndClerksFollowTheFigureLayout) {
  const Catalogue& c = GeneratedCatalogue().catalogue;
  const AnimalTypeRecord &keeper = c.AnimalType[kKeeperFigure], &clerk = c.AnimalType[kClerkFigure];
  for (const char* n : {"siiku.bmp", "siiku2.bmp"})
    ExpectWholeFrames(n, keeper.FrameWidth, keeper.FrameHeight, sheets::kFigureColumns, 8);
  ExpectWholeFrames("Shopman.bmp", clerk.FrameWidth, clerk.FrameHeight, sheets::kFigureColumns, 8);
  ExpectWholeFrames("dead.bmp", sheets::kPersonWidth, sheets::kPersonHeight, sheets::kDeadColumns, 1);
  for (const char* n : {"T_Shopman.bmp", "T_siiku.bmp"}) ExpectThumbnail(n);
}

TEST(FigureSheets, EverySpeciesHasAdultAndYoungSheetsAndAThumbnail) {
  ASSERT_FALSE(Species().empty());
  for (const SpeciesEntry& sp : Species()) {
    ExpectWholeFrames(sp.file, sp.frameWidth, sp.frameHeight, sheets::kFigureColumns, 8);
    int youngColumns = sp.secondAction ? sheets::kFigureColumns : sheets::kFigureColumnsWithoutB;
    ExpectWholeFrames(sp.YoungFile(), sp.frameWidth, sp.frameHeight, youngColumns, 8);
    ExpectThumbnail(sp.Thumbnail());
    // The young animal is clearly smaller than its parent.
    Surface adult = Load(sp.file), young = Load(sp.YoungFile());
    int col = sheets::kFigureStand, row = sheets::FigureRow(1);
    Box a = Drawn(adult, col * sp.frameWidth, row * sp.frameHeight, sp.frameWidth, sp.frameHeight);
    Box y = Drawn(young, col * sp.frameWidth, row * sp.frameHeight, sp.frameWidth, sp.frameHeight);
    EXPECT_LT(y.pixels, a.pixels * 0.6) << sp.file;
  }
}

TEST(FigureSheets, VehiclesCoinsLitterAndSkyObjectsFollowTheirLayouts) {
  ExpectWholeFrames("Bus.bmp", sheets::kBusWidth, sheets::kBusHeight, 1, sheets::kBusFrames);
  ExpectWholeFrames("Money.bmp", sheets::kMoneyWidth, sheets::kMoneyHeight, 1, sheets::kMoneyRows);
  ExpectWholeFrames("Dirt.bmp", sheets::kDirtWidth, sheets::kDirtHeight, 1, sheets::kDirtRows);
  ExpectWholeFrames("HEri.Bmp", sheets::kHeliWidth, sheets::kHeliHeight, sheets::kHeliFrames, 2);
  for (const char* n : {"UFO.Bmp", "UFO2.Bmp"})
    ExpectWholeFrames(n, sheets::kUfoWidth, sheets::kUfoHeight, sheets::kSkyFrames, 2);
  for (const char* n : {"inseki.Bmp", "inseki2.Bmp"})
    ExpectWholeFrames(n, sheets::kFallingWidth, sheets::kFallingHeight, sheets::kSkyFrames, 1);
}

}  // namespace
