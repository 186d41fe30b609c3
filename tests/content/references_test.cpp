// Every file the generated data names is in the generated folder, found as the game
// finds it (letter case ignored), and pictures have the sizes the data implies.
#include <gtest/gtest.h>

#include "content/content_folder.h"
#include "platform/file_names.h"

namespace {

TEST(ContentReferences, EveryBuildingHasItsPictureAndPaletteIcon) {
  const Catalogue& c = GeneratedCatalogue().catalogue;
  for (int t = 0; t < kBuildTypes; ++t) {
    const BuildTypeRecord& type = c.BuildType[t];
    SCOPED_TRACE(type.BitmapFile);
    auto picture = ContentPictureSize("Graphics", type.BitmapFile);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->w, 72 * type.Size + 2);
    EXPECT_EQ(picture->h, type.PixelHeight);
    auto icon = ContentPictureSize("Graphics", "T_" + type.BitmapFile);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->w, 80);
    EXPECT_EQ(icon->h, 60);
  }
}

TEST(ContentReferences, EverySpeciesCallIsInTheSoundsFolder) {
  const Catalogue& c = GeneratedCatalogue().catalogue;
  for (int s = 0; s < c.AnimalTypeCount; ++s)
    for (const std::string& call : {c.AnimalType[s].Sound1, c.AnimalType[s].Sound2})
      if (call != "non") {
        EXPECT_TRUE(ResolveFile(ContentFolder() / "Sounds", call)) << call;
      }
}

}  // namespace
