#include "demo_layout.h"

#include <algorithm>
#include <vector>

#include "game/game.h"
#include "sim/sim_steps.h"
#include "sim/world_query.h"
#include "sim/commands.h"

namespace {

struct Area {
  int left, top, right, bottom;  // inclusive
  bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// Builds as the player would, with the cursor on the footprint's centre; true when
// it stands.
bool Construct(Game& game, int type, int x0, int y0) {
  int size = game.catalogue.BuildType[type].Size;
  return static_cast<bool>(BuildAt(game, type, x0 + size / 2, y0 + size / 2));
}

std::vector<int> TypesWhere(const Game& game, auto predicate) {
  std::vector<int> types;
  for (int t = 0; t < kBuildTypes; ++t) {
    const BuildTypeRecord& d = game.catalogue.BuildType[t];
    if (d.Size >= 1 && d.Size <= kMaxBuildingSize && predicate(t, d)) types.push_back(t);
  }
  return types;
}

bool FootprintFree(Game& game, int x0, int y0, int size, const Area& inside) {
  for (int x = x0; x < x0 + size; ++x)
    for (int y = y0; y < y0 + size; ++y)
      if (!inside.Contains(x, y) || game.world.LandMap[y][x] != Land::Clear || FacilityAt(game, x, y)) return false;
  return true;
}

// A footprint cell touches a road at one of its sides.
bool BesideRoad(Game& game, int x0, int y0, int size) {
  for (int x = x0 - 1; x <= x0 + size; ++x)
    for (int y = y0 - 1; y <= y0 + size; ++y) {
      bool side = (x >= x0 && x < x0 + size) != (y >= y0 && y < y0 + size);
      if (side && IsRoad(FacilityAt(game, x, y))) return true;
    }
  return false;
}

// The first free origin in the area, scanning from the loop outward, where the
// building stands beside a road (when asked).
bool PlaceSomewhere(Game& game, int type, const Area& area, bool besideRoad) {
  int size = game.catalogue.BuildType[type].Size;
  for (int y = area.top; y + size - 1 <= area.bottom; ++y)
    for (int x = area.left; x + size - 1 <= area.right; ++x) {
      if (!FootprintFree(game, x, y, size, area)) continue;
      if (besideRoad && !BesideRoad(game, x, y, size)) continue;
      if (Construct(game, type, x, y)) return true;
    }
  return false;
}

// A one-cell object on a free cell beside the loop; benches need their facing side.
bool PlaceBesideLoop(Game& game, int type, const Area& map, int skip) {
  const BuildTypeRecord& d = game.catalogue.BuildType[type];
  int seen = 0;
  for (int y = map.top; y <= map.bottom; ++y)
    for (int x = map.left; x <= map.right; ++x) {
      if (!FootprintFree(game, x, y, 1, map)) continue;
      bool roadY = IsRoad(FacilityAt(game, x, y - 1)) || IsRoad(FacilityAt(game, x, y + 1));
      bool roadX = IsRoad(FacilityAt(game, x - 1, y)) || IsRoad(FacilityAt(game, x + 1, y));
      bool fits = d.Shape == Shape::Bench91 ? roadY : d.Shape == Shape::Bench73 ? roadX : (roadX || roadY);
      if (!fits || seen++ < skip) continue;
      if (Construct(game, type, x, y)) return true;
    }
  return false;
}

void Level(Game& game, const Area& area) {
  for (int y = area.top; y <= area.bottom; ++y)
    for (int x = area.left; x <= area.right; ++x) {
      Land land = game.world.LandMap[y][x];
      if (land == Land::Timber || land == Land::Stones) LevelAt(game, x, y);
    }
}

}  // namespace

bool LayOutDemoZoo(Game& game, DemoCounts* counts) {
  World& w = game.world;
  int gx = game.sim.EntranceX - 1, gy = game.sim.EntranceY;
  if (!IsOnMap(w, gx, gy) || w.LandMap[gy][gx] != Land::Gate || gy < 3) return false;
  DemoCounts n;
  int32_t money = game.zoo.Money;
  game.zoo.Money = 99999999;

  Area map{1, 1, w.MapWidth - 2, w.MapHeight - 4};
  Area loop{std::max(map.left, gx - 10), std::max(map.top, gy - 17), std::min(map.right, gx + 11), gy - 1};
  Area around{std::max(map.left, loop.left - 4), std::max(map.top, loop.top - 4),
              std::min(map.right, loop.right + 4), std::min(map.bottom, loop.bottom)};
  Level(game, around);

  std::vector<int> roads = TypesWhere(game, [](int, const BuildTypeRecord& d) {
    return d.Kind == BuildKind::Road && d.Shape == Shape::None && d.Size == 1;
  });
  if (roads.empty()) return false;
  int road = roads.front();
  int middle = (loop.left + loop.right) / 2;
  for (int y = loop.top; y <= loop.bottom; ++y)
    for (int x = loop.left; x <= loop.right; ++x) {
      bool onLoop = x == loop.left || x == loop.right || y == loop.top || y == loop.bottom || x == middle;
      if (onLoop && Construct(game, road, x, y)) ++n.roads;
    }

  Area inside{loop.left + 1, loop.top + 1, loop.right - 1, loop.bottom - 1};
  // First an enclosure whose animals get out and attack and one whose animals only
  // get out, where the map offers them, so that disasters have something to let
  // loose; then one of each other kind.
  std::vector<int> pens = TypesWhere(game, [](int, const BuildTypeRecord& d) { return d.Kind == BuildKind::Enclosure; });
  auto flagged = [&](int t, const auto& flags) {
    int s = game.catalogue.BuildType[t].AnimalKind;
    return s >= 0 && s < kAnimalFlagEntries && flags[s] == 1;
  };
  std::vector<int> placed;
  for (bool dangerous : {true, false})
    for (int t : pens)
      if (flagged(t, game.catalogue.AnimalEscapes) && flagged(t, game.catalogue.AnimalDangerous) == dangerous &&
          PlaceSomewhere(game, t, inside, true)) {
        placed.push_back(t);
        ++n.enclosures;
        break;
      }
  for (int t : pens) {
    if (n.enclosures >= 8) break;
    if (std::find(placed.begin(), placed.end(), t) != placed.end()) continue;
    if (!PlaceSomewhere(game, t, inside, true)) continue;
    ++n.enclosures;
  }

  auto shaped = [&](int shape) {
    return TypesWhere(game, [shape](int, const BuildTypeRecord& d) { return d.Shape == shape && d.Size == 1; });
  };
  auto shops = TypesWhere(game, [](int, const BuildTypeRecord& d) {
    return d.Kind == BuildKind::Shop && d.Shape == Shape::None && d.Size <= 2 && d.StaffSlots >= 1;
  });
  for (size_t i = 0; i < shops.size() && n.shops < 6; ++i)
    if (PlaceSomewhere(game, shops[i], around, true)) ++n.shops;
  for (int t : shaped(Shape::VendingMachine))
    if (n.shops < 8 && PlaceBesideLoop(game, t, around, 0)) ++n.shops;
  for (int k = 0; k < 3; ++k)
    for (int t : shaped(Shape::Toilet))
      if (PlaceBesideLoop(game, t, around, 7 * k)) {
        ++n.toilets;
        break;
      }
  for (int k = 0; k < 4; ++k)
    for (int shape : {Shape::Bench73, Shape::Bench91})
      for (int t : shaped(shape))
        if (PlaceBesideLoop(game, t, around, 5 * k)) {
          ++n.benches;
          break;
        }
  for (int k = 0; k < 3; ++k)
    for (int t : shaped(Shape::Signboard))
      if (PlaceBesideLoop(game, t, around, 9 * k)) {
        ++n.signs;
        break;
      }
  auto offices = TypesWhere(game, [](int, const BuildTypeRecord& d) { return d.Kind == BuildKind::ManagementOffice; });
  std::sort(offices.begin(), offices.end(), [&](int a, int b) {
    return game.catalogue.BuildType[a].StaffSlots > game.catalogue.BuildType[b].StaffSlots;
  });
  // Two offices of each kind, spread over the quarters of the zoo where there is
  // room. Three side by side fell to one quake, the staff walked out for want of
  // offices, and with no one to mend them every fence fell within the year.
  const int midX = (around.left + around.right) / 2, midY = (around.top + around.bottom) / 2;
  const Area quarters[4] = {{around.left, around.top, midX, midY},
                            {midX + 1, midY + 1, around.right, around.bottom},
                            {midX + 1, around.top, around.right, midY},
                            {around.left, midY + 1, midX, around.bottom}};
  for (size_t k = 0; k < 2 * offices.size(); ++k) {
    const int t = offices[k % offices.size()];
    if (PlaceSomewhere(game, t, quarters[k % 4], true) || PlaceSomewhere(game, t, around, true)) ++n.offices;
  }

  // Staff and animals: every enclosure stocked with its keepers, a clerk per shop,
  // then walking staff, maintenance first: every building wears a point a day.
  RecountStaff(game);
  auto room = [&] { return game.zoo.StaffTotal < game.zoo.StaffCapacity; };
  for (int x = map.left; x <= map.right; ++x)
    for (int y = map.top; y <= map.bottom; ++y) {
      FacilityRef f = FacilityWithOrigin(game, x, y);
      if (!f) continue;
      int staff = 0;
      if (f.def->Kind == BuildKind::Enclosure) {
        while (f.record->AnimalCount < std::min<int>(f.def->MaxAnimals, kMaxAnimals) && BuyAnimal(game, x, y))
          ++n.animals;
        staff = f.def->StaffSlots;
      } else if (f.def->Kind == BuildKind::Shop && f.def->Shape != Shape::VendingMachine) {
        staff = 1;
      }
      while (f.record->StaffCount < staff && room() && HireBuildingStaff(game, x, y)) {
      }
    }
  using K = PersonKind;
  for (K kind : {K::Maintenance, K::Maintenance, K::Maintenance, K::Cleaner, K::Researcher, K::Maintenance,
                 K::Cleaner, K::Researcher, K::Maintenance, K::Cleaner, K::Maintenance, K::Researcher})
    if (room() && HireWalker(game, kind)) ++n.walkingStaff;

  // Staff paid well enough not to sulk for a long while, and an entry fee near what
  // visitors think fair for a zoo like this, so that the zoo pays its way.
  SetSalary(game, 150);
  SetEntryFee(game, 200);
  // The loan is taken back: the demonstration costs the zoo nothing.
  game.zoo.Money = money;
  game.zoo.MonthAnimalPurchases = 0;
  game.zoo.MonthBuildSpend = 0;
  game.zoo.MonthLevelSpend = 0;
  if (counts) *counts = n;
  return true;
}
