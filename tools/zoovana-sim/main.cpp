// zoovana-sim: runs the simulation headless on a map or a saved game and prints
// key=value lines of the outcome.
//   zoovana-sim --map FILE.mdt [--load NAME] [--seed S] [--ticks N | --days N]
//               [--layout demo] [--save NAME] [--saves DIR] [--speed G] [--fast F] [--check]
// The game starts as the game itself starts one: a new game on the map, or the save
// NAME of the save folder. FILE.mdt is a map of the game's maps folder, or, given
// with a folder part, a map file anywhere (its folder then serves as the maps
// folder, also for a save's map). A bad argument, or a map or save that cannot be
// read, fails with status 2; --saves DIR reads and writes saves in DIR instead of
// the game's save folder; --check tests the world's invariants every tick and day
// and fails (status 3) on the first broken one. Disasters happen as the player's
// "Saigai" setting says (the settings file the game reads; its other values are
// left alone so that outcomes do not depend on them).
#include <unistd.h>

#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "view/headless_presentation.h"
#include "data/definitions.h"
#include "sim/saved_games.h"
#include "game/surface_set.h"
#include "invariants.h"
#include "game/game.h"
#include "shell/tick.h"
#include "shell/setup.h"
#include "demo_layout.h"
#include "sim/state_hash.h"

namespace fs = std::filesystem;

namespace {

struct Options {
  std::string map, load, layout, save, saves;
  uint64_t seed = 1;
  int64_t ticks = 800;
  int speed = 1, fast = 0;
  bool check = false;
};

int Usage(const char* why) {
  std::fprintf(stderr,
               "zoovana-sim: %s\nusage: zoovana-sim --map FILE.mdt [--load NAME] [--seed S] [--ticks N | --days N] "
               "[--layout demo] [--save NAME] [--speed G] [--fast F] [--check]\n",
               why);
  return 2;
}

bool ParseNumber(const char* text, int64_t lo, int64_t hi, int64_t& out) {
  char* end = nullptr;
  long long v = std::strtoll(text, &end, 10);
  if (!end || *end || end == text || v < lo || v > hi) return false;
  out = v;
  return true;
}

fs::path ProgramDir() {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::current_path() : self.parent_path();
}

int CountAnimals(const World& w) {
  int n = 0;
  for (int y = 0; y < w.MapHeight; ++y)
    for (int x = 0; x < w.MapWidth; ++x)
      if (w.Cells[y][x].Type >= 0) n += w.Cells[y][x].AnimalCount;
  return n;
}

// The game's own set-up; returns the exit status of a failure, else 0.
int Start(Game& game, const Options& o) {
  std::string mapName = o.map;
  if (fs::path given(o.map); given.has_parent_path()) {
    game.folders.MapsDir = given.parent_path();
    mapName = given.filename().string();
  }
  std::string cause;
  std::string problem = o.load.empty() ? StartMapDirectly(game, mapName, kDefaultZooName, &cause)
                                       : StartGame(game, GameStart{true, o.load}, &cause);
  if (problem.empty()) return 0;
  std::fprintf(stderr, "zoovana-sim: %s\n", (cause.empty() ? problem : cause).c_str());
  // A broken installation is not the caller's fault; a map or save that will not
  // read is.
  return problem == kDataReadErrorMessage || problem == kSurfaceErrorMessage ? 1 : 2;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    int64_t n = 0;
    if (a == "--check") {
      o.check = true;
      continue;
    }
    const char* v = value();
    if (!v) return Usage(("missing value after " + a).c_str());
    if (a == "--map") o.map = v;
    else if (a == "--load") o.load = v;
    else if (a == "--layout") o.layout = v;
    else if (a == "--save") o.save = v;
    else if (a == "--saves") o.saves = v;
    else if (a == "--seed" && ParseNumber(v, 0, INT64_MAX, n)) o.seed = static_cast<uint64_t>(n);
    else if (a == "--ticks" && ParseNumber(v, 0, INT64_MAX / 2, n)) o.ticks = n;
    else if (a == "--days" && ParseNumber(v, 0, INT64_MAX / 1600, n)) o.ticks = n * 800;
    else if (a == "--speed" && ParseNumber(v, 0, 3, n)) o.speed = static_cast<int>(n);
    else if (a == "--fast" && ParseNumber(v, 0, 2, n)) o.fast = static_cast<int>(n);
    else return Usage(("bad argument " + a + " " + v).c_str());
  }
  if (o.map.empty() && o.load.empty()) return Usage("--map or --load is needed");
  if (!o.layout.empty() && o.layout != "demo") return Usage("the only layout is demo");

  auto owner = MakeHeadlessGame();
  Game& game = *owner;
  if (auto error = FindFolders(ProgramDir(), "", game.folders)) {
    std::fprintf(stderr, "zoovana-sim: %s\n", error->c_str());
    return 1;
  }
  if (!o.saves.empty()) game.folders.SaveDir = o.saves;
  if (IoResult r = LoadInfo(game.catalogue, game.folders.DataDir); !r.ok()) {
    std::fprintf(stderr, "zoovana-sim: %s\n", r.error.c_str());
    return 1;
  }
  if (int status = Start(game, o); status != 0) return status;
  // Without a settings file the defaults stand (and none is written).
  if (std::error_code ec; fs::exists(SettingsFile(), ec)) game.settings.Saigai = ReadSettings(SettingsFile()).Saigai;
  game.random.Seed(o.seed);
  game.clock.GameSpeed = o.speed;
  game.clock.FastForward = o.fast;
  game.clock.GameRunning = true;
  if (o.layout == "demo" && !LayOutDemoZoo(game)) {
    std::fprintf(stderr, "zoovana-sim: the map has no gate for the demonstration zoo\n");
    return 1;
  }

  auto start = std::chrono::steady_clock::now();
  int64_t done = 0;
  for (; done < o.ticks && game.clock.GameRunning; ++done) {
    GameTick(game);
    if (!o.check) continue;
    if (auto broken = BrokenInvariant(game, game.clock.NewDay == 1)) {
      std::fprintf(stderr, "zoovana-sim: tick %" PRId64 ": %s\n", done, broken->c_str());
      return 3;
    }
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  if (!o.save.empty()) {
    if (IoResult r = SaveGame(game, o.save); !r.ok()) {
      std::fprintf(stderr, "zoovana-sim: %s\n", r.error.c_str());
      return 1;
    }
  }
  const Clock& c = game.clock;
  const Zoo& z = game.zoo;
  std::printf("Year=%d\nMonth=%d\nDay=%d\nMoney=%d\nAttraction=%d\nRank=%d\n", c.Year, c.Month, c.Day, z.Money,
              z.Attraction, z.Rank);
  std::printf("VisitorsInZoo=%d\nTotalVisitors=%d\nAnimals=%d\nBirths=%d\nDeaths=%d\nResearchPoints=%d\nMails=%d\n",
              game.sim.VisitorsInZoo, z.TotalVisitors, CountAnimals(game.world), game.sim.Births, game.sim.Deaths,
              z.ResearchPoints, game.sim.MailsPosted);
  const DisasterCounts& d = game.sim.counts;
  std::printf("Quakes=%d\nMeteorites=%d\nMissiles=%d\nSkyVisits=%d\nBuildingsDestroyed=%d\nEscapes=%d\nRescues=%d\n"
              "VisitorsKilled=%d\n",
              d.Quakes, d.Meteorites, d.Missiles, d.SkyVisits, d.BuildingsDestroyed, d.Escapes, d.Rescues,
              d.VisitorsKilled);
  std::printf("ticks=%" PRId64 "\nseconds=%.3f\nticks_per_second=%.0f\nstate_hash=%016" PRIx64 "\n", done, seconds,
              seconds > 0 ? done / seconds : 0.0, SavedStateHash(game));
  return 0;
}
