// Writes the fuzzers' seed corpus with the game's own writers: a few valid maps,
// saves and definition files, and small pictures, so that the fuzzers start from
// real layouts.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "data/map_file.h"
#include "data/save_game.h"
#include "fuzz_save_input.h"
#include "platform/picture_bytes.h"

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Put(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

std::string Lines(std::initializer_list<std::string> values) {
  std::string out;
  for (const auto& v : values) out += "#\r\n" + v + "\r\n";
  return out;
}

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
    Put(root / "map" / ("map" + std::to_string(n)), Slurp(mdt));
    if (!WriteSavedGame(root / "scratch", "S", s->world, s->zoo, s->clock).ok()) return 1;
    SaveParts parts{n % 2 == 1, Slurp(root / "scratch" / "S.aps"), Slurp(root / "scratch" / "S.apm"),
                    Slurp(root / "scratch" / "S.app")};
    Put(root / "save" / ("save" + std::to_string(n)), PackSave(parts));
    ++n;
  }

  std::string build = Lines({"Bear house", "1200", "0", "30", "0", "0", "40", "3", "150", "Cage.bmp", "2", "cage",
                             "2", "4", "1", "toile", "A den"}) + "win\r\n";
  std::string mask;
  for (int i = 0; i < 3000; ++i) mask += std::to_string(i % 5) + "\r\n";
  std::string animal = Lines({"Bear", "64", "48", "3", "7", "Bear.bmp", "900", "25"}) + "#\r\n";
  for (int i = 0; i < 10; ++i) animal += "a\r\n";
  animal += "#\r\nnon\r\n";
  for (int i = 1; i < 10; ++i) animal += "b\r\n";
  animal += Lines({"bear.wav", "non"});
  std::string info = Lines({"3", "5"}) + "#\r\n1\r\n0\r\n1 \r\n#\r\n0\r\n1\r\n0\r\n";
  Put(root / "definitions" / "build", std::string(1, '\0') + build);
  Put(root / "definitions" / "pattern", std::string(1, '\1') + mask);
  Put(root / "definitions" / "animal", std::string(1, '\2') + animal);
  Put(root / "definitions" / "info", std::string(1, '\3') + info);

  // One picture of each depth the game reads, one top-down, and a cursor.
  auto put = [&](const char* name, const std::vector<uint8_t>& bytes) {
    Put(root / "picture" / name, std::string(bytes.begin(), bytes.end()));
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
