#include "invariants.h"

#include "game/game.h"

namespace {

std::optional<std::string> CheckFacilities(Game& game) {
  World& w = game.world;
  Grid<int16_t> covered{};
  for (auto& row : covered) row.fill(-1);
  for (int y = 0; y < w.MapHeight; ++y)
    for (int x = 0; x < w.MapWidth; ++x) {
      const Facility& f = w.Cells[y][x];
      if (f.Type < 0) continue;
      std::string at = " at " + std::to_string(x) + "," + std::to_string(y);
      if (f.Type >= kBuildTypes) return "facility type out of range" + at;
      if (f.AnimalCount < 0 || f.AnimalCount > kMaxAnimals) return "animal count out of range" + at;
      if (f.StaffCount < 0 || f.StaffCount > kMaxStaff) return "staff count out of range" + at;
      if (f.ItemCount < 0 || f.ItemCount > kMaxItems) return "item count out of range" + at;
      int size = game.catalogue.BuildType[f.Type].Size;
      for (int cy = y; cy < y + size; ++cy)
        for (int cx = x; cx < x + size; ++cx) {
          if (!IsOnMap(w, cx, cy)) return "footprint off the map" + at;
          if (covered[cy][cx] >= 0) return "overlapping footprints" + at;
          covered[cy][cx] = f.Type;
        }
    }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> BrokenInvariant(Game& game, bool daily) {
  if (game.zoo.Money > 99999999) return "money above 99 999 999";
  for (int slot = 0; slot < kWalkerSlots; ++slot) {
    const Person& p = game.world.Walkers[slot];
    if (p.Used != 1) continue;
    std::string who = "walker " + std::to_string(slot);
    if (!IsOnMap(game.world, p.CellX, p.CellY)) return who + " off the map";
    bool visitorSlot = slot < kVisitorSlots;
    if (visitorSlot != (p.Kind == PersonKind::Visitor))
      return who + " of kind " + std::to_string(static_cast<int>(p.Kind)) + " in the wrong slot";
  }
  if (!daily) return std::nullopt;
  if (game.zoo.StaffTotal < 0 || game.zoo.Rank < 0 || game.zoo.Rank > 5) return "zoo counts out of range";
  return CheckFacilities(game);
}
