#pragma once
#include "data/catalogue.h"
#include "data/world.h"

struct Game;

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
FacilityRef FacilityAt(Game& game, int x, int y);
// Notes which building covers every cell, for FacilityAt to use until the cover is
// marked stale (SimState::CoverValid), and where the buildings' origins lie
// (SimState::OriginRows).
void MapCover(Game& game);
// The building whose origin record is at (x, y); empty when none has its origin there.
FacilityRef FacilityWithOrigin(Game& game, int x, int y);

bool IsRoad(const FacilityRef& f);
// An enclosure or shop a visitor can be served at (a shop needs a clerk unless it
// is a vending machine).
bool IsOpenShop(const FacilityRef& f);
bool IsEnclosure(const FacilityRef& f);

// Whether the gate gives people somewhere to appear: both cells they may appear on,
// (EntranceX - 1, EntranceY) and (EntranceX, EntranceY), lie on the map. A map
// without a gate has none (EntranceX, EntranceY are -1).
bool HasEntrance(const Game& game);

// Walking directions as keypad digits: 9 is y-1, 1 is y+1, 3 is x+1, 7 is x-1.
struct CellStep {
  int dx, dy;
};
CellStep CellDelta(int dir);
// One animation frame's pixel step in a direction.
CellStep PixelDelta(int dir);

// The attraction an enclosure's animals add: its points per animal, twice for a
// young one (age below 7 months).
int AttractionSum(Game& game, int x, int y);
bool HasYoung(const Facility& f);

// A building's share of the staff count (posted staff of the first three groups)
// or of the staff capacity (every building of the fourth group, by index).
void TallyStaff(const FacilityRef& f, int32_t& staff, int32_t& capacity);
