// The play tick on a full zoo: a 51 x 51 map with the demonstration zoo, every
// enclosure stocked, 150 visitors and 50 walking staff on the roads. Run:
//   build/zoovana_bench --benchmark_filter='PlayTick|ScreenCopy'
// (the catalogue is read from the generated Data folder beside the executable, or
// from $ZOOVANA_CONTENT_DIR). ScreenCopy is one 800 x 600 16-bit frame copied in
// memory, the yardstick a tick should stay well under.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "view/headless_presentation.h"
#include "data/definitions.h"
#include "game/surface_set.h"
#include "game/game.h"
#include "shell/tick.h"
#include "demo_layout.h"
#include "sim/sim_steps.h"
#include "sim/visitors.h"
#include "sim/world_query.h"

namespace fs = std::filesystem;

namespace {

fs::path ContentDir() {
  if (const char* dir = std::getenv("ZOOVANA_CONTENT_DIR"); dir && *dir) return dir;
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::current_path() : self.parent_path();
}

std::unique_ptr<Game> FullZoo() {
  auto owner = MakeHeadlessGame();
  Game& g = *owner;
  fs::path data = ContentDir() / "Data";
  if (!LoadInfo(g.catalogue, data).ok() || !LoadDefinitions(g.catalogue, data).ok()) return nullptr;
  ResetWorldTables(g.world);
  g.clock.GameMode = Mode::Playing;
  g.world.MapWidth = g.world.MapHeight = kGridSize;
  for (auto& row : g.world.LandMap) row.fill(Land::Clear);
  g.world.LandMap[48][25] = g.world.LandMap[48][26] = Land::Gate;
  g.sim.EntranceX = 26;
  g.sim.EntranceY = 48;
  g.zoo.BusStopX = 36 * 25;
  g.zoo.Money = 1000000;
  g.zoo.Economy = g.zoo.Population = 3;
  if (!LayOutDemoZoo(g)) return nullptr;
  // Fill the tables: visitors spread over the roads, walking staff to 50.
  std::vector<std::pair<int, int>> roads;
  for (int y = 0; y < kGridSize; ++y)
    for (int x = 0; x < kGridSize; ++x)
      if (IsRoad(FacilityWithOrigin(g, x, y))) roads.emplace_back(x, y);
  while (SpawnVisitor(g)) {
  }
  for (int slot = 0; slot < kVisitorSlots; ++slot) {
    Person& p = g.world.Walkers[slot];
    auto [x, y] = roads[g.random(static_cast<int>(roads.size()))];
    p.CellX = static_cast<int16_t>(x);
    p.CellY = static_cast<int16_t>(y);
    p.Activity = Activity::Walking;
    // They stay for the whole run, so that the table is full in every tick measured.
    p.StayTicks = -1000000000;
  }
  for (int kind = 2; HireWalkingStaff(g, static_cast<PersonKind>(kind)); kind = kind == 4 ? 2 : kind + 1) {
  }
  // The pointer rests over the middle of the map view, so the hover search finds a cell.
  g.folders.GraphicsDir = ContentDir() / "Graphics";
  if (!LoadTileMask(g)) return nullptr;
  g.settings.ScreenResW = 800;
  g.settings.ScreenResH = 600;
  g.view.MouseX = 340;
  g.view.MouseY = 300;
  return owner;
}

void BM_PlayTick(benchmark::State& state) {
  auto owner = FullZoo();
  if (!owner) {
    state.SkipWithError("no catalogue or pointer mask in the content folder");
    return;
  }
  Game& g = *owner;
  g.clock.FastForward = static_cast<int>(state.range(0));
  for (auto _ : state) PlayTick(g);
  int visitors = 0, staff = 0;
  for (int i = 0; i < kWalkerSlots; ++i)
    if (g.world.Walkers[i].Used == 1) (i < kVisitorSlots ? visitors : staff) += 1;
  state.counters["ticks_per_second"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                          benchmark::Counter::kIsRate);
  state.counters["visitors_at_end"] = visitors;
  state.counters["staff_at_end"] = staff;
}
BENCHMARK(BM_PlayTick)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void BM_ScreenCopy(benchmark::State& state) {
  std::vector<uint16_t> from(800 * 600, 0x1234), to(800 * 600);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * sizeof(uint16_t));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ScreenCopy)->Unit(benchmark::kMicrosecond);

}  // namespace
