#pragma once
#include <fstream>
#include <string>
#include <vector>

#include "content/content_folder.h"
#include "data/map_file.h"
#include "game/game.h"
#include "support/test_world.h"
#include "test_folder.h"

// A complete little game folder: every picture of the fixed set (tiny, one colour,
// the two map caches at screen size, the generated pointer mask), a 12 x 10 map "Test.mdt" with a gate, and the
// empty data folder (no definition files: every building keeps its test values).
namespace view_test {

inline void WriteBmp(const std::filesystem::path& file, int w, int h) {
  int row = (w * 3 + 3) & ~3;
  std::vector<uint8_t> b(54 + static_cast<size_t>(row) * h, 0);
  auto put32 = [&](int at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, static_cast<uint32_t>(b.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(w));
  put32(22, static_cast<uint32_t>(h));
  b[26] = 1;
  b[28] = 24;
  for (size_t i = 54; i < b.size(); i += 3) b[i] = 200;  // blue
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(b.data()),
                                               static_cast<std::streamsize>(b.size()));
}

struct GameFolder {
  TestFolder root;

  explicit GameFolder(Game& g) {
    Folders& f = g.folders;
    for (auto [dir, name] : {std::pair{&f.MapsDir, "Maps"}, {&f.DataDir, "Data"}, {&f.SaveDir, "SaveGame"},
                             {&f.MapSaveDir, "Map_Save"}, {&f.GraphicsDir, "Graphics"}, {&f.SoundsDir, "Sounds"},
                             {&f.ScreenshotDir, "Screenshots"}}) {
      *dir = root.path / name;
      std::filesystem::create_directories(*dir);
    }
    for (const char* pic : {"Mon.bmp", "map_pat1.bmp", "Min_MapBase.bmp", "Toolbar2.bmp", "Toolbar1.bmp", "Sel_1.bmp",
                            "Sel_2.bmp", "Sel_3.bmp", "Sel_4.bmp", "Sel_5.bmp", "Sel_6.bmp", "dest.bmp", "gate.bmp",
                            "sel_p.bmp", "sel_pat.bmp", "kouji.bmp", "mail.BMp", "siiku.bmp", "siiku2.bmp",
                            "Shopman.bmp", "HandyMan.bmp", "Kenkyu.bmp", "MenteMan.bmp", "Bus.bmp", "Money.bmp",
                            "Dirt.bmp", "Flat.bmp", "Cursors.bmp", "minwak.bmp", "dead.bmp", "tx_bak.bmp"})
      WriteBmp(f.GraphicsDir / pic, 8, 8);
    WriteBmp(f.GraphicsDir / "Toolbar1.bmp", 8, 240);
    WriteBmp(f.GraphicsDir / "Sc800.bmp", 800, 600);
    WriteBmp(f.GraphicsDir / "Sc640.bmp", 640, 480);
    std::filesystem::copy_file(ContentFolder() / "Graphics" / "TileMask.bmp", f.GraphicsDir / "TileMask.bmp");
  }

  // A 12 x 10 map with the gate at (4, 9) and a stone at (2, 2).
  void WriteMap(Game& g, int money) {
    auto scratch = std::make_unique<Game>();
    World& w = scratch->world;
    Zoo& z = scratch->zoo;
    test_world::ClearMap(w, z, 12, 10);
    w.LandMap[9][4] = w.LandMap[9][5] = Land::Gate;
    w.LandMap[2][2] = Land::Timber;
    w.TileMap[2][2] = 33;
    z.Money = money;
    z.LevelCostPerCell = 30;
    for (int t = 0; t < 130; ++t) z.TypeAvailable[t] = 1;
    ASSERT_TRUE(::WriteMap(g.folders.MapsDir / "Test.mdt", w, z).ok());
  }
};

}  // namespace view_test
