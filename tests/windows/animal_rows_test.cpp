#include <gtest/gtest.h>

#include <algorithm>

#include "windows/animal_rows.h"

namespace {

// The pixel rows a list row covers: picture, name, price line and delete button.
std::pair<int, int> Band(const AnimalRow& r) {
  int top = std::min({r.picY, r.nameY, r.lineY, r.deleteY});
  int end = std::max({r.picY + r.picH, r.nameY + 16, r.lineY + 16, r.deleteY + 20});
  return {top, end};
}

TEST(AnimalRows, OneOrTwoAnimalsStandWhereTheListSpreadsThem) {
  AnimalRows one = LayOutAnimalRows(1, 80, 60);
  const AnimalRow& r = one.row[0];
  EXPECT_EQ(r.picY, 120);
  EXPECT_EQ(r.picW, 80);
  EXPECT_EQ(r.picH, 60);
  EXPECT_EQ(r.nameX, 20);
  EXPECT_EQ(r.nameY, 104);
  EXPECT_EQ(r.lineX, 140);
  EXPECT_EQ(r.lineY, 142);
  EXPECT_EQ(r.deleteY, 140);
  EXPECT_EQ(r.separatorY, -1);
  AnimalRows two = LayOutAnimalRows(2, 80, 60);
  EXPECT_EQ(two.row[0].picY, 73);
  EXPECT_EQ(two.row[1].picY, 166);
  EXPECT_EQ(two.row[1].separatorY, 146);
  EXPECT_EQ(two.row[1].nameY, 150);
}

TEST(AnimalRows, ThreeToFiveAnimalsKeepApartOnTheSheetAboveTheButtons) {
  for (int c = 3; c <= 5; ++c) {
    AnimalRows rows = LayOutAnimalRows(c, 80, 60);
    ASSERT_EQ(rows.count, c);
    int lastEnd = 32;
    for (int i = 0; i < c; ++i) {
      const AnimalRow& r = rows.row[static_cast<size_t>(i)];
      auto [top, end] = Band(r);
      EXPECT_GE(top, lastEnd) << c << " animals, row " << i;
      if (i > 0) {
        EXPECT_LT(r.separatorY, top) << c << " animals, row " << i;
        EXPECT_GE(r.separatorY, lastEnd) << c << " animals, row " << i;
      }
      EXPECT_GT(r.picH, 30) << "a picture still to be seen";
      EXPECT_GE(r.nameX, r.picX + r.picW) << "the name stands beside the picture";
      lastEnd = end;
    }
    EXPECT_LE(lastEnd, 244) << c << " animals stay on the sheet, clear of Back and Buy";
  }
  // No more rows than the enclosure holds.
  EXPECT_EQ(LayOutAnimalRows(7, 80, 60).count, 5);
  EXPECT_EQ(LayOutAnimalRows(0, 80, 60).count, 0);
}

}  // namespace
