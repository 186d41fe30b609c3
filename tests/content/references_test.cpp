// Every file the generated data names is in the generated folder, found as the game
// finds it (letter case ignored), and pictures have the sizes the data implies.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <optional>

#include "view/headless_presentation.h"
#include "content/content_folder.h"
#include "data/map_file.h"
#include "platform/file_names.h"
#include "game/game.h"

namespace {

struct PictureSize {
  int width, height;
};

// Width and height from a BMP header (a negative height marks a top-down picture).
std::optional<PictureSize> BmpSize(const std::string& name) {
  auto path = ResolveFile(ContentFolder() / "Graphics", name);
  if (!path) return std::nullopt;
  std::ifstream in(*path, std::ios::binary);
  uint8_t header[26] = {};
  if (!in.read(reinterpret_cast<char*>(header), sizeof header) || header[0] != 'B' || header[1] != 'M') return std::nullopt;
  auto le32 = [&](int at) {
    return static_cast<int32_t>(header[at] | header[at + 1] << 8 | header[at + 2] << 16 | uint32_t(header[at + 3]) << 24);
  };
  return PictureSize{le32(18), std::abs(le32(22))};
}

TEST(ContentReferences, EveryBuildingHasItsPictureAndPaletteIcon) {
  const Catalogue& c = GeneratedCatalogue().catalogue;
  for (int t = 0; t < kBuildTypes; ++t) {
    const BuildTypeRecord& type = c.BuildType[t];
    SCOPED_TRACE(type.BitmapFile);
    auto picture = BmpSize(type.BitmapFile);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 72 * type.Size + 2);
    EXPECT_EQ(picture->height, type.PixelHeight);
    auto icon = BmpSize("T_" + type.BitmapFile);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->width, 80);
    EXPECT_EQ(icon->height, 60);
  }
}

TEST(ContentReferences, EverySpeciesHasItsSheetsThumbnailAndCalls) {
  const Catalogue& c = GeneratedCatalogue().catalogue;
  for (int s = 0; s < c.AnimalTypeCount; ++s) {
    const AnimalTypeRecord& a = c.AnimalType[s];
    SCOPED_TRACE(a.BitmapFile);
    const std::string young = a.BitmapFile.substr(0, a.BitmapFile.rfind('.')) + "2.BMP";
    for (const std::string& sheet : {a.BitmapFile, young}) {
      auto size = BmpSize(sheet);
      ASSERT_TRUE(size) << sheet;
      EXPECT_EQ(size->width % a.FrameWidth, 0) << sheet;
      EXPECT_EQ(size->height % a.FrameHeight, 0) << sheet;
    }
    EXPECT_TRUE(BmpSize("T_" + a.BitmapFile));
    for (const std::string& call : {a.Sound1, a.Sound2}) {
      if (call != "non") {
        EXPECT_TRUE(ResolveFile(ContentFolder() / "Sounds", call)) << call;
      }
    }
  }
}

TEST(ContentReferences, EveryMapsGroundSheetAndStartingSaveExist) {
  int withSave = 0;
  for (const auto& path : FilesEndingIn("Maps", ".mdt")) {
    SCOPED_TRACE(path.filename().string());
    auto game = MakeHeadlessGame();
    ASSERT_TRUE(LoadMap(path, game->world, game->zoo).ok());
    EXPECT_TRUE(BmpSize(game->zoo.MapPattern.str()));
    const std::string save = game->world.MapStartSave.str();
    if (save.empty()) continue;
    ++withSave;
    for (const char* extension : {".aps", ".apm", ".app"})
      EXPECT_TRUE(ResolveFile(ContentFolder() / "Map_Save", save + extension)) << save << extension;
  }
  EXPECT_GE(withSave, 1);
}

}  // namespace
