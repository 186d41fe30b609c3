#include "view/palette.h"

#include <gtest/gtest.h>

#include <tuple>

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
  // Back from the first entry lands before the last.
  const std::tuple<int, int, int> cases[] = {
      {39, 1, 0}, {37, 4, 0}, {0, 4, 4}, {0, -1, 38}, {2, -4, 37}};
  for (auto [first, step, next] : cases) {
    g->view.CatalogueFirst[0] = first;
    PageCatalogue(*g, 0, step);
    EXPECT_EQ(g->view.CatalogueFirst[0], next) << first << " by " << step;
  }
}

TEST(Paging, StepsOverUnavailableEntries) {
  auto g = WithGroup0({0, 10, 20, 36});
  g->view.CatalogueFirst[0] = 0;
  // From 36 by 4 is 40, which wraps to 0; back from 0, 38 and 37 are unavailable,
  // and back from 36, 35 .. 21.
  for (auto [step, next] : {std::pair{1, 10}, {4, 20}, {4, 36}, {4, 0}, {-1, 36}, {-1, 20}}) {
    PageCatalogue(*g, 0, step);
    EXPECT_EQ(g->view.CatalogueFirst[0], next) << step;
  }
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
