// Writes the fuzzers' seed corpus with the game's own writers: a few valid maps,
// saves and definition files, and small pictures, so that the fuzzers start from
// real layouts.
#include <cstdio>
#include <filesystem>
#include <memory>

#include "data/map_file.h"
#include "data/save_game.h"
#include "fuzz_save_input.h"
#include "platform/picture_bytes.h"
#include "support/definition_files.h"
#include "support/file_bytes.h"

namespace fs = std::filesystem;

namespace {

// A small world with a facility holding animals and staff, a visitor and an escapee.
void Populate(SavedState& s, int w, int h) {
  ResetWorldTables(s.world);
  s.world.MapWidth = w;
  s.world.MapHeight = h;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.world.TileMap[y][x] = x + y, s.world.LandMap[y][x] = static_cast<Land>(1 + (x * y) % 4);
  Facility& f = s.world.Cells[0][0];
  f.Type = 85;
  f.AnimalCount = 2;
  f.StaffCount = 1;
  f.ItemCount = 1;
  f.AnimalName[0] = "Bear";
  f.StaffName[0] = "Keeper";
  s.world.Walkers[0].Used = 1;
  s.world.Walkers[0].Name = "Visitor";
  s.world.Escapees[0].Used = 1;
  s.zoo.MapPattern = "map_pat1.bmp";
  s.zoo.Economy = 3;
  s.zoo.Population = 3;
  s.zoo.MapFileName = "Seed.mdt";
  s.zoo.ZooName = "Zoo";
  s.zoo.MapCaption = "Seed";
  s.zoo.TypeAvailable.fill(1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seeds DIR\n");
    return 2;
  }
  fs::path root = argv[1];
  for (const char* sub : {"definitions", "map", "save", "picture", "scratch"}) fs::create_directories(root / sub);
  auto s = std::make_unique<SavedState>();

  int n = 0;
  for (auto [w, h] : {std::pair{1, 1}, std::pair{3, 2}, std::pair{6, 5}}) {
    Populate(*s, w, h);
    fs::path mdt = root / "scratch" / "Seed.mdt";
    if (!WriteMap(mdt, s->world, s->zoo).ok()) return 1;
    PutFile(root / "map" / ("map" + std::to_string(n)), FileBytes(mdt));
    if (!WriteSavedGame(root / "scratch", "S", s->world, s->zoo, s->clock).ok()) return 1;
    SaveParts parts{n % 2 == 1, FileBytes(root / "scratch" / "S.aps"), FileBytes(root / "scratch" / "S.apm"),
                    FileBytes(root / "scratch" / "S.app")};
    PutFile(root / "save" / ("save" + std::to_string(n)), PackSave(parts));
    ++n;
  }

  BuildValues build;
  build.shape = "toile", build.season = "win";
  std::string mask;
  for (int i = 0; i < 3000; ++i) mask += std::to_string(i % 5) + "\r\n";
  const std::string info = "#\r\n3\r\n#\r\n5\r\n#\r\n1\r\n0\r\n1 \r\n#\r\n0\r\n1\r\n0\r\n";
  PutFile(root / "definitions" / "build", std::string(1, '\0') + BuildFile(build));
  PutFile(root / "definitions" / "pattern", std::string(1, '\1') + mask);
  PutFile(root / "definitions" / "animal", std::string(1, '\2') + AnimalFile("Bear"));
  PutFile(root / "definitions" / "info", std::string(1, '\3') + info);

  // One picture of each depth the game reads, one top-down, and a cursor.
  auto put = [&](const char* name, const std::vector<uint8_t>& bytes) {
    PutFile(root / "picture" / name, std::string(bytes.begin(), bytes.end()));
  };
  put("bmp1", MakeBmp(9, 2, 1, std::vector<uint8_t>(8, 0x5A)));
  put("bmp4", MakeBmp(3, 2, 4, std::vector<uint8_t>(8, 0x10)));
  put("bmp8", MakeBmp(2, 2, 8, {1, 0, 0, 0, 0, 1, 0, 0}));
  put("bmp16", MakeBmp(2, 1, 16, {0x00, 0x7C, 0xE0, 0x03}));
  put("bmp24", MakeBmp(1, 2, 24, {0, 0, 255, 0, 255, 0, 0, 0}, -2));
  put("bmp32", MakeBmp(1, 1, 32, {255, 0, 0, 0}));
  put("cursor", TwoByTwoCursor());
  fs::remove_all(root / "scratch");
  return 0;
}
