#include "sim/world_query.h"

#include <algorithm>

#include "game/game.h"

bool HasYoung(const Facility& f) {
  for (int i = 0; i < f.AnimalCount && i < kMaxAnimals; ++i)
    if (f.AnimalAge[i] < 7) return true;
  return false;
}

int AttractionSum(Game& game, int x, int y) {
  FacilityRef f = FacilityWithOrigin(game, x, y);
  if (!IsEnclosure(f)) return 0;
  int sum = 0;
  for (int i = 0; i < f.record->AnimalCount && i < kMaxAnimals; ++i)
    sum += f.record->AnimalAge[i] < 7 ? 2 * f.def->AttractionPoints : f.def->AttractionPoints;
  return sum;
}

void TallyStaff(const FacilityRef& f, int32_t& staff, int32_t& capacity) {
  if (!f) return;
  if (f.type >= kGroupStart[3]) capacity += f.def->StaffSlots;
  else staff += f.record->StaffCount;
}

void MapCover(Game& game) {
  const World& w = game.world;
  SimState& s = game.sim;
  const int width = w.MapWidth, height = w.MapHeight;
  for (auto& row : s.Cover) row.fill(CellCover{});
  for (auto& rows : s.OriginRows) rows.clear();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      int type = w.Cells[y][x].Type;
      if (type < 0 || type >= kBuildTypes) continue;
      const BuildTypeRecord& def = game.catalogue.BuildType[type];
      // A finished road does nothing in the cell pass, and a road is never built
      // again: the pass need not visit it.
      if (def.Kind != BuildKind::Road || w.Cells[y][x].ConstructionLeft >= 1)
        s.OriginRows[x].push_back(static_cast<int8_t>(y));
      int size = def.Size;
      CellCover cover{static_cast<int16_t>(y * kGridSize + x), static_cast<int8_t>(def.Kind),
                      static_cast<int8_t>(def.Shape)};
      for (int cy = y; cy < std::min(y + size, height); ++cy)
        for (int cx = x; cx < std::min(x + size, width); ++cx) s.Cover[cy][cx] = cover;
    }
  s.CoverValid = true;
}

bool HasEntrance(const Game& game) {
  const SimState& s = game.sim;
  return IsOnMap(game.world, s.EntranceX - 1, s.EntranceY) && IsOnMap(game.world, s.EntranceX, s.EntranceY);
}
