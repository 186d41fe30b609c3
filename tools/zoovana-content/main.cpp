// zoovana-content OUTPUT_DIR: writes the game folder (Data/, Maps/, Graphics/ ...).
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>

#include "content.h"

namespace fs = std::filesystem;

namespace {
std::map<std::string, Generator>& Registry() {
  static std::map<std::string, Generator> registry;
  return registry;
}
}  // namespace

RegisterGenerator::RegisterGenerator(const char* name, Generator generator) { Registry()[name] = generator; }

void Output::Write(const std::string& relative, const std::vector<uint8_t>& bytes) {
  fs::path path = root_ / relative;
  fs::create_directories(path.parent_path());
  {
    std::ifstream old(path, std::ios::binary);
    if (old) {
      std::vector<uint8_t> existing((std::istreambuf_iterator<char>(old)), std::istreambuf_iterator<char>());
      if (existing == bytes) return;
    }
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
  ++written_;
}

void Output::Write(const std::string& relative, std::string_view text) {
  Write(relative, std::vector<uint8_t>(text.begin(), text.end()));
}

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zoovana-content OUTPUT_DIR\n");
    return 2;
  }
  Output out(argv[1]);
  for (const char* dir : {"Data", "Maps", "SaveGame", "Map_Save", "Ivent", "Graphics", "Sounds", "Movie"})
    fs::create_directories(out.Root() / dir);
  try {
    for (const auto& [name, generate] : Registry()) generate(out);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zoovana-content: %s\n", e.what());
    return 1;
  }
  std::printf("zoovana-content: %d files written\n", out.FilesWritten());
  return 0;
}
