#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "view/headless_presentation.h"
#include "commands.h"
#include "data/definitions.h"
#include "data/map_file.h"
#include "platform/file_names.h"
#include "game/game.h"

namespace fs = std::filesystem;

namespace {

class Problems {
 public:
  void Add(const std::string& line) {
    std::cout << line << "\n";
    ++count_;
  }
  void Add(const IoResult& r) {
    if (!r.ok()) Add(r.error);
  }
  int count() const { return count_; }

 private:
  int count_ = 0;
};

std::string Numbered(const char* base, int n) { return base + std::to_string(n) + ".dat"; }

bool HasLevelOneGround(const WalkMask& mask) {
  for (int c = 0; c < kMaskColumns; ++c)
    for (int r = 0; r < kMaskRows; ++r)
      if (mask.At(c, r) == 1) return true;
  return false;
}

// The pictures named by the definitions, when the graphics folder sits beside the data folder.
void CheckPictures(const Catalogue& cat, const fs::path& dataDir, Problems& problems) {
  auto graphics = ResolveFile(dataDir.parent_path(), "Graphics");
  if (!graphics) return;
  for (int n = 0; n < kBuildTypes; ++n) {
    const std::string& file = cat.BuildType[n].BitmapFile;
    if (!file.empty() && !ResolveFile(*graphics, file))
      problems.Add(Numbered("Build", n) + ": picture \"" + file + "\" is missing");
  }
  for (int n = 0; n < cat.AnimalTypeCount; ++n) {
    const std::string& file = cat.AnimalType[n].BitmapFile;
    if (!ResolveFile(*graphics, file)) problems.Add(Numbered("Animal", n) + ": picture \"" + file + "\" is missing");
  }
}

// Types the maps beside the data folder offer for building must be defined: an
// undefined type has no footprint.
void CheckMaps(const Catalogue& cat, const fs::path& dataDir, Problems& problems) {
  auto maps = ResolveFile(dataDir.parent_path(), "Maps");
  std::error_code ec;
  if (!maps || !fs::is_directory(*maps, ec)) return;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(*maps, ec))
    if (entry.path().extension() == ".mdt") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  auto g = MakeHeadlessGame();
  for (const fs::path& file : files) {
    const std::string name = file.filename().string();
    if (IoResult r = LoadMap(file, g->world, g->zoo); !r.ok()) {
      problems.Add(name + ": " + r.error);
      continue;
    }
    for (int t = 0; t < kMapTypes; ++t)
      if (g->zoo.TypeAvailable[t] == 1 && cat.BuildType[t].Size < 1)
        problems.Add(name + ": type " + std::to_string(t) + " is available but " + Numbered("Build", t) +
                     " does not define it");
  }
}

}  // namespace

// Reads every definition file the way a game start does, but goes on after a fault
// so that one run lists them all.
int CheckData(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: zoovana-data check-data DATADIR\n");
    return 2;
  }
  fs::path dataDir = args[0];
  if (!fs::is_directory(dataDir)) {
    std::fprintf(stderr, "%s is not a folder\n", dataDir.c_str());
    return 1;
  }
  auto g = MakeHeadlessGame();
  Catalogue& cat = g->catalogue;
  Problems problems;
  problems.Add(LoadInfo(cat, dataDir));
  for (int n = 0; n < kBuildTypes; ++n) {
    if (!ResolveFile(dataDir, Numbered("Build", n))) problems.Add(Numbered("Build", n) + " is missing");
    problems.Add(LoadBuildType(cat, dataDir, n));
    if (n < kFirstEnclosureType || n >= kFirstEnclosureType + kEnclosureTypes) continue;
    if (!ResolveFile(dataDir, Numbered("BuildP", n))) problems.Add(Numbered("BuildP", n) + " is missing");
    problems.Add(LoadBuildPattern(cat, dataDir, n));
  }
  for (int n = 0; n < cat.AnimalTypeCount; ++n) problems.Add(LoadAnimalType(cat, dataDir, n));

  for (int n = kFirstEnclosureType; n < kFirstEnclosureType + kEnclosureTypes; ++n) {
    const BuildTypeRecord& t = cat.BuildType[n];
    if (t.Kind != BuildKind::Enclosure) continue;
    if (t.AnimalKind >= cat.AnimalTypeCount)
      problems.Add(Numbered("Build", n) + ": animal kind " + std::to_string(t.AnimalKind) + " is not among the " +
                   std::to_string(cat.AnimalTypeCount) + " species of info.dat");
    if (!HasLevelOneGround(cat.PatternOf(n)))
      problems.Add(Numbered("BuildP", n) + ": no ground of level 1 to place animals and keepers on");
  }
  if (cat.CampaignMapCount < 1) problems.Add("info.dat: no campaign maps");
  CheckPictures(cat, dataDir, problems);
  CheckMaps(cat, dataDir, problems);
  return problems.count() == 0 ? 0 : 1;
}
