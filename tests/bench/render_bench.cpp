// The map view's cost: a full redraw and an ordinary cached frame of an 800 x 600
// view over a 51 x 51 map covered with buildings and 200 people, each beside the
// screen copy of sim_bench.cpp measured in the same run.
//   cmake --build build --target zoovana_bench
//   ./build/zoovana_bench --benchmark_filter='Render|ScreenCopy'
#include <benchmark/benchmark.h>

#include "view/render.h"
#include "view/test_pictures.h"
#include "view/view_world.h"

namespace {

using namespace view_test;

std::unique_ptr<Game> BusyPark() {
  auto g = MakePark(51, 51);
  ArmSurfaces(*g);
  for (int type : {kRoad, kBench, kBigShop, kMidPen}) GiveBuildingPicture(*g, type);
  // Rows of 3 x 3 enclosures and 2 x 2 shops, separated by roads and benches.
  for (int y = 0; y + 4 <= 51; y += 4)
    for (int x = 0; x < 51; ++x) {
      if (x % 4 == 0 && x + 3 <= 51) Place(*g, (x / 4) % 2 ? kBigShop : kMidPen, x, y);
      Place(*g, x % 2 ? kRoad : kBench, x, y + 3);
    }
  Surface person(9 * 40, 6 * 45, Rgb565(200, 80, 60));
  person.SetColorKey(kKey);
  for (auto& sheet : g->view.Surfaces.personSheets) {
    sheet.surface = person;
    sheet.tried = true;
  }
  for (int i = 0; i < kWalkerSlots; ++i) {
    PutWalker(*g, i, 1, (i * 7) % 51, 3 + 4 * ((i / 7) % 12));
    g->world.Walkers[i].Look = static_cast<int16_t>(i % 13);
    g->world.Walkers[i].OffsetX = static_cast<int16_t>(2 * (i % 9));
    g->world.Walkers[i].OffsetY = static_cast<int16_t>(-(i % 9));
  }
  g->view.ScrollX = 1200;
  g->view.ScrollY = 600;
  return g;
}

void BM_RenderFullRedraw(benchmark::State& state) {
  auto g = BusyPark();
  Surface screen(800, 600);
  for (auto _ : state) {
    g->clock.RedrawAll = 1;
    benchmark::DoNotOptimize(RenderFrame(*g, kFrameTick, screen));
  }
}
BENCHMARK(BM_RenderFullRedraw)->Unit(benchmark::kMillisecond);

void BM_RenderCachedFrame(benchmark::State& state) {
  auto g = BusyPark();
  Surface screen(800, 600);
  g->clock.RedrawAll = 1;
  RenderFrame(*g, kFrameTick, screen);
  g->clock.RedrawAll = 0;
  g->clock.GameSpeed = 1;
  for (auto _ : state) benchmark::DoNotOptimize(RenderFrame(*g, kFrameTick, screen));
}
BENCHMARK(BM_RenderCachedFrame)->Unit(benchmark::kMillisecond);

}  // namespace
