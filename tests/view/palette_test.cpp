#include "view/palette.h"

#include <gtest/gtest.h>

#include "view/view_world.h"

using namespace view_test;

namespace {

std::unique_ptr<Game> WithGroup0(std::initializer_list<int> available) {
  auto g = MakePark();
  for (int e : available) g->zoo.TypeAvailable[e] = 1;
  g->view.ToolMode = 2;
  return g;
}

}  // namespace

TEST(Palette, ShowsTheNextFourAvailableWrappingOnce) {
  auto g = WithGroup0({1, 5, 6, 38});
  g->view.CatalogueFirst[0] = 6;
  LoadPalette(*g, 0);
  EXPECT_EQ(g->view.PaletteTypes, (std::array<int32_t, 4>{6, 38, 1, 5}));
  // Fewer than four available: the rest stay empty instead of repeating.
  auto h = WithGroup0({3});
  LoadPalette(*h, 0);
  EXPECT_EQ(h->view.PaletteTypes, (std::array<int32_t, 4>{3, -1, -1, -1}));
}

TEST(Palette, GroupsAreOffsetByTheirFirstType) {
  auto g = MakePark();
  for (int t = 130; t < 134; ++t) g->zoo.TypeAvailable[t] = 1;
  LoadPalette(*g, 3);
  EXPECT_EQ(g->view.PaletteTypes, (std::array<int32_t, 4>{130, 131, 132, 133}));
}

TEST(Paging, ForwardPastTheLastEntryWrapsToZero) {
  std::initializer_list<int> all = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                                    20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39};
  auto g = WithGroup0(all);
  g->view.CatalogueFirst[0] = 39;
  PageCatalogue(*g, 0, 1);
  EXPECT_EQ(g->view.CatalogueFirst[0], 0);
  g->view.CatalogueFirst[0] = 37;
  PageCatalogue(*g, 0, 4);
  EXPECT_EQ(g->view.CatalogueFirst[0], 0);
  PageCatalogue(*g, 0, 4);
  EXPECT_EQ(g->view.CatalogueFirst[0], 4);
}

TEST(Paging, BackFromTheFirstEntryLandsBeforeTheLast) {
  std::initializer_list<int> all = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                                    20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39};
  auto g = WithGroup0(all);
  PageCatalogue(*g, 0, -1);
  EXPECT_EQ(g->view.CatalogueFirst[0], 38);
  g->view.CatalogueFirst[0] = 2;
  PageCatalogue(*g, 0, -4);
  EXPECT_EQ(g->view.CatalogueFirst[0], 37);
}

TEST(Paging, StepsOverUnavailableEntries) {
  auto g = WithGroup0({0, 10, 20, 36});
  g->view.CatalogueFirst[0] = 0;
  PageCatalogue(*g, 0, 1);
  EXPECT_EQ(g->view.CatalogueFirst[0], 10);
  PageCatalogue(*g, 0, 4);
  EXPECT_EQ(g->view.CatalogueFirst[0], 20);
  PageCatalogue(*g, 0, 4);
  EXPECT_EQ(g->view.CatalogueFirst[0], 36);
  PageCatalogue(*g, 0, 4);  // 40: wraps to 0
  EXPECT_EQ(g->view.CatalogueFirst[0], 0);
  PageCatalogue(*g, 0, -1);  // 38, 37 unavailable, 36
  EXPECT_EQ(g->view.CatalogueFirst[0], 36);
  PageCatalogue(*g, 0, -1);  // 35 .. 21 unavailable, 20
  EXPECT_EQ(g->view.CatalogueFirst[0], 20);
}

TEST(Paging, AGroupWithNothingAvailableDoesNotHang) {
  auto g = WithGroup0({});
  PageCatalogue(*g, 0, 1);
  PageCatalogue(*g, 0, -4);
  EXPECT_EQ(g->view.PaletteTypes, (std::array<int32_t, 4>{-1, -1, -1, -1}));
}

TEST(Paging, KeepsTheSelectedRow) {
  auto g = WithGroup0({0, 1, 2, 3, 4, 5});
  LoadPalette(*g, 0);
  SelectPaletteRow(*g, 2);
  EXPECT_EQ(g->view.SelectedType, 2);
  PageCatalogue(*g, 0, 1);
  EXPECT_EQ(g->view.SelectedRow, 2);
  EXPECT_EQ(g->view.SelectedType, 3);
}
