#include "data/world.h"

#include "data/catalogue.h"

FacilityHit FindFacilityAt(const World& world, const Catalogue& catalogue, int x, int y) {
  for (int dy = -(kMaxBuildingSize - 1); dy <= 0; ++dy) {
    for (int dx = -(kMaxBuildingSize - 1); dx <= 0; ++dx) {
      int cx = x + dx, cy = y + dy;
      if (!IsOnMap(world, cx, cy)) continue;
      int type = world.Cells[cy][cx].Type;
      if (type < 0 || type >= kBuildTypes) continue;
      int size = catalogue.BuildType[type].Size;
      if (size >= 1 - dy && size >= 1 - dx) return {type, dx, dy};
    }
  }
  return {};
}

int FindFacility(World& world, const Catalogue& catalogue, int x, int y) {
  FacilityHit hit = FindFacilityAt(world, catalogue, x, y);
  world.FoundDX = hit.dx;
  world.FoundDY = hit.dy;
  return hit.type;
}

void ResetWorldTables(World& world) {
  for (int y = 0; y < kGridSize; ++y) {
    for (int x = 0; x < kGridSize; ++x) {
      world.Cells[y][x] = Facility{};
      world.CellEffect[y][x] = -1.0;
      world.CellAnim[y][x] = -1;
      world.Litter[y][x] = kNoLitter;
      world.DayStats1[y][x] = {};
      world.DayStats2[y][x] = {};
    }
  }
  for (Person& p : world.Walkers) {
    p = Person{};
    p.Visible = 1;
    p.Name = FixedString<10>("-");
    for (auto& c : p.Comments) c = FixedString<60>("-");
  }
  for (Person& p : world.Escapees) p.Used = 0;
  world.FoundDX = 0;
  world.FoundDY = 0;
}
