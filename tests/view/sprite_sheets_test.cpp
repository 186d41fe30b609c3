#include "view/sprite_sheets.h"

#include <gtest/gtest.h>

#include <set>

namespace {
using namespace sheets;

TEST(SpriteSheets, EveryActivityAndDirectionHasItsOwnRowInsideThePersonSheet) {
  std::set<std::pair<int, int>> seen;
  for (int activity = 0; activity <= 30; ++activity)
    for (int dir : {7, 9, 1, 3}) {
      int row = PersonRow(activity, dir);
      ASSERT_GE(row, 0);
      ASSERT_LT(row, kPersonRows);
      seen.insert({static_cast<int>(PoseOf(activity)), dir});
      EXPECT_EQ(row % 4, PersonDirIndex(dir));
    }
  // Thirteen poses in four directions, all reached by some activity.
  EXPECT_EQ(seen.size(), static_cast<size_t>(kPersonRows));
}

TEST(SpriteSheets, FrameColumnsStayInsideTheSheet) {
  EXPECT_EQ(PersonColumn(-1), 0);
  EXPECT_EQ(PersonColumn(12), kPersonColumns - 1);
  // A ninth script step holds the eighth frame; a young sheet without a second
  // script still holds every column of the first.
  EXPECT_EQ(FigureActionColumn(kFigureActionA, 8), kFigureActionA + 7);
  EXPECT_EQ(FigureActionColumn(kFigureActionB, 8), kFigureColumns - 1);
  EXPECT_EQ(FigureActionColumn(kFigureActionA, 8), kFigureColumnsWithoutB - 1);
}

TEST(SpriteSheets, EachOfTheEightDirectionsHasOneFigureRow) {
  std::set<int> rows;
  for (int dir : {1, 2, 3, 4, 6, 7, 8, 9}) rows.insert(FigureRow(dir));
  EXPECT_EQ(rows.size(), 8u);
  EXPECT_EQ(*rows.begin(), 0);
  EXPECT_EQ(*rows.rbegin(), 7);
}
}  // namespace
