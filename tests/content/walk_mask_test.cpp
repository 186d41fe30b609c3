// The enclosures' walk masks as the game reads them: room for a full enclosure and
// its keeper on level-1 ground, and nothing walkable outside the fence.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "content/content_folder.h"

namespace {

// Picture geometry of a building of footprint side s.
int PictureWidth(int size) { return 72 * size + 2; }

struct Figure {
  int x, y, width, height;  // feet position; box half the width to either side, the height above
};

bool Inside(int x, int y, const Figure& f) { return std::abs(x - f.x) * 2 < f.width && y > f.y - f.height && y <= f.y; }

// Places figures one by one on level-1 points, as the game places bought animals and
// hired keepers: only where the mask says 1 and where no other figure's box is.
int PlaceFigures(const WalkMask& mask, int pictureWidth, int pictureHeight, const std::vector<std::pair<int, int>>& sizes) {
  const int w = std::max(1, static_cast<int>(std::nearbyint(pictureWidth / 60.0)));
  const int h = std::max(1, static_cast<int>(std::nearbyint(pictureHeight / 50.0)));
  std::vector<Figure> placed;
  for (int row = 0; row < kMaskRows && placed.size() < sizes.size(); ++row)
    for (int column = 0; column < kMaskColumns && placed.size() < sizes.size(); ++column) {
      const int x = column * w, y = row * h;
      if (mask.At(column, row) != 1 || x >= pictureWidth || y >= pictureHeight) continue;
      const auto [fw, fh] = sizes[placed.size()];
      Figure f{x, y, fw, fh};
      bool free = true;
      for (const Figure& other : placed) free = free && !Inside(x, y, other) && !Inside(other.x, other.y, f);
      if (free) placed.push_back(f);
    }
  return static_cast<int>(placed.size());
}

TEST(ContentWalkMasks, HoldAFullEnclosureAndItsKeeperOnLevelOneGround) {
  const Catalogue& c = GeneratedCatalogue().catalogue;
  ASSERT_TRUE(GeneratedCatalogue().definitions.ok()) << GeneratedCatalogue().definitions.error;
  for (int t = kFirstEnclosureType; t < kFirstEnclosureType + kEnclosureTypes; ++t) {
    const BuildTypeRecord& type = c.BuildType[t];
    const AnimalTypeRecord& animal = c.AnimalType[type.AnimalKind];
    SCOPED_TRACE(type.Name.str());
    std::vector<std::pair<int, int>> figures(type.MaxAnimals, {animal.FrameWidth, animal.FrameHeight});
    figures.push_back({40, 45});  // the keeper
    EXPECT_EQ(PlaceFigures(c.PatternOf(t), PictureWidth(type.Size), type.PixelHeight, figures),
              static_cast<int>(figures.size()));
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
