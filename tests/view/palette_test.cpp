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

TEST(Paging, PastEitherEndWraps) {
  auto g = WithGroup0({});
  for (int t = 0; t < 40; ++t) g->zoo.TypeAvailable[t] = 1;
  g->view.CatalogueFirst[0] = 39;
  PageCatalogue(*g, 0, 1);
  EXPECT_EQ(g->view.CatalogueFirst[0], 0);
  g->view.CatalogueFirst[0] = 37;
  PageCatalogue(*g, 0, 4);
  EXPECT_EQ(g->view.CatalogueFirst[0], 0);
  PageCatalogue(*g, 0, 4);
  EXPECT_EQ(g->view.CatalogueFirst[0], 4);
  // Back from the first entry lands before the last.
  g->view.CatalogueFirst[0] = 0;
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
