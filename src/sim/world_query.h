#pragma once
#include "data/catalogue.h"
#include "data/world.h"
#include "game/game.h"

// The building covering a cell, as the simulation looks at it: its origin record,
// its type and its definition. Empty when no building covers the cell or the cell
// is off the map.
struct FacilityRef {
  Facility* record = nullptr;
  const BuildTypeRecord* def = nullptr;
  int type = -1;
  int x = 0, y = 0;  // origin cell
  explicit operator bool() const { return record != nullptr; }
};
// Notes which building covers every cell, for FacilityAt to use until the cover is
// marked stale (SimState::CoverValid), and where the origins lie of the buildings
// the cell pass works on (SimState::OriginRows).
void MapCover(Game& game);
// The building whose origin record is at (x, y); empty when none has its origin there.
inline FacilityRef FacilityWithOrigin(Game& game, int x, int y) {
  FacilityRef ref;
  if (!IsOnMap(game.world, x, y)) return ref;
  Facility& f = game.world.Cells[y][x];
  if (f.Type < 0 || f.Type >= kBuildTypes) return ref;
  ref.record = &f;
  ref.type = f.Type;
  ref.def = &game.catalogue.BuildType[f.Type];
  ref.x = x;
  ref.y = y;
  return ref;
}

// The building covering (x, y). Inline with the lookups below: the walker pass asks
// thousands of times a tick.
inline FacilityRef FacilityAt(Game& game, int x, int y) {
  if (!IsOnMap(game.world, x, y)) return {};
  if (game.sim.CoverValid) {
    int origin = game.sim.Cover[y][x].Origin;
    return origin < 0 ? FacilityRef{} : FacilityWithOrigin(game, origin % kGridSize, origin / kGridSize);
  }
  if (FindFacility(game.world, game.catalogue, x, y) < 0) return {};
  return FacilityWithOrigin(game, x + game.world.FoundDX, y + game.world.FoundDY);
}

// The kind and shape of the building covering (x, y), without its record: from the
// cover while it is valid, else from the same search FacilityAt makes. Kind -1 when
// nothing covers the cell or it is off the map.
inline CellCover CoverAt(Game& game, int x, int y) {
  if (!IsOnMap(game.world, x, y)) return {};
  if (game.sim.CoverValid) return game.sim.Cover[y][x];
  FacilityRef f = FacilityAt(game, x, y);
  if (!f) return {};
  return {static_cast<int16_t>(f.y * kGridSize + f.x), static_cast<int8_t>(f.def->Kind),
          static_cast<int8_t>(f.def->Shape)};
}

inline bool IsRoad(const FacilityRef& f) { return f && f.def->Kind == BuildKind::Road; }
inline bool IsRoad(const CellCover& c) { return c.Kind == BuildKind::Road; }
// An enclosure or shop a visitor can be served at (a shop needs a clerk unless it
// is a vending machine).
inline bool IsOpenShop(const FacilityRef& f) {
  return f && f.def->Kind == BuildKind::Shop && (f.record->StaffCount >= 1 || f.def->Shape == Shape::VendingMachine);
}
inline bool IsEnclosure(const FacilityRef& f) { return f && f.def->Kind == BuildKind::Enclosure; }

// Whether the gate gives people somewhere to appear: both cells they may appear on,
// (EntranceX - 1, EntranceY) and (EntranceX, EntranceY), lie on the map. A map
// without a gate has none (EntranceX, EntranceY are -1).
bool HasEntrance(const Game& game);

// Walking directions as keypad digits: 9 is y-1, 1 is y+1, 3 is x+1, 7 is x-1.
struct CellStep {
  int dx, dy;
};
inline CellStep CellDelta(int dir) {
  switch (dir) {
    case 9: return {0, -1};
    case 1: return {0, 1};
    case 3: return {1, 0};
    case 7: return {-1, 0};
    default: return {0, 0};
  }
}
// One animation frame's pixel step in a direction.
inline CellStep PixelDelta(int dir) {
  switch (dir) {
    case 9: return {2, -1};
    case 1: return {-2, 1};
    case 3: return {2, 1};
    case 7: return {-2, -1};
    default: return {0, 0};
  }
}

// The attraction an enclosure's animals add: its points per animal, twice for a
// young one (age below 7 months).
int AttractionSum(Game& game, int x, int y);
bool HasYoung(const Facility& f);

// A building's share of the staff count (posted staff of the first three groups)
// or of the staff capacity (every building of the fourth group, by index).
void TallyStaff(const FacilityRef& f, int32_t& staff, int32_t& capacity);
