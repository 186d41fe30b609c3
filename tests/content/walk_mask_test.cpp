// The enclosures' walk masks as the game reads them: room for a full enclosure and
// its keeper on level-1 ground, and nothing walkable outside the fence.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "content/content_folder.h"
#include "sim/enclosure.h"
#include "sim/sim_steps.h"
#include "support/test_world.h"

namespace {

// Each enclosure filled as the game fills it: as many animals as its type holds,
// then a keeper hired, each placed by the game's own search on the walk mask.
TEST(ContentWalkMasks, HoldAFullEnclosureAndItsKeeperOnLevelOneGround) {
  ASSERT_TRUE(GeneratedCatalogue().definitions.ok()) << GeneratedCatalogue().definitions.error;
  auto g = MakeHeadlessGame();
  g->catalogue = GeneratedCatalogue().catalogue;
  test_world::ClearMap(g->world, g->zoo, 20, 20);
  for (int t = kFirstEnclosureType; t < kFirstEnclosureType + kEnclosureTypes; ++t) {
    SCOPED_TRACE(g->catalogue.BuildType[t].Name.str());
    const int animals = g->catalogue.BuildType[t].MaxAnimals;
    test_world::Place(*g, t, 5, 5);
    for (int i = 0; i < animals; ++i) EXPECT_TRUE(AddAnimal(*g, 5, 5, 1)) << i;
    EXPECT_TRUE(AddStaff(*g, 5, 5, 0));
  }
}

TEST(ContentWalkMasks, NothingWalkableOutsideTheFootprint) {
  const Catalogue& c = GeneratedCatalogue().catalogue;
  for (int t = kFirstEnclosureType; t < kFirstEnclosureType + kEnclosureTypes; ++t) {
    const BuildTypeRecord& type = c.BuildType[t];
    SCOPED_TRACE(type.Name.str());
    const int s = type.Size, width = PictureWidth(s);
    const int w = static_cast<int>(std::nearbyint(width / 60.0));
    const int h = static_cast<int>(std::nearbyint(type.PixelHeight / 50.0));
    int walkable = 0, ground[5] = {};
    for (int column = 0; column < kMaskColumns; ++column)
      for (int row = 0; row < kMaskRows; ++row) {
        const int v = c.PatternOf(t).At(column, row);
        EXPECT_LE(v, 4);
        if (v == 0) continue;
        ++walkable;
        ++ground[v];
        // The footprint's ground diamond: top corner (36s + 1, 63), half axes 36s and 18s.
        const double dx = std::abs(column * w - (36.0 * s + 1)) / (36.0 * s);
        const double dy = std::abs(row * h - (63.0 + 18.0 * s)) / (18.0 * s);
        EXPECT_LT(dx + dy, 1.0) << column << "," << row;
      }
    EXPECT_GT(ground[1], walkable / 2);
  }
}

}  // namespace
