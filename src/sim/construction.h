#pragma once
// The rules of building, levelling and clearing: the checks the placement preview
// and the build commands share, and the removal of what stands on a cell.
#include <cstdint>

#include "sim/action_text.h"

struct Game;
struct World;

// A square of cells: origin (smallest x and y) and side.
struct Footprint {
  int x0 = 0, y0 = 0, size = 1;
};

// The footprint of a new building of the given side with the cursor on (cx, cy): the
// cursor is on the centre of odd sides, just below and right of it for even ones.
Footprint FootprintAt(int cx, int cy, int size);

// The first check a new building fails on its site (every cell clear land), or
// nullptr. Kept apart from the rules check: the preview prices the building between
// the two.
const char* BuildSiteRefusal(const Game& game, const Footprint& f);
// The first rule a new building of the type breaks (money, people on the site, a
// second director's office), or nullptr.
const char* BuildRulesRefusal(const Game& game, int type, const Footprint& f);

// What levelling at a cell would remove: the obstacle cell or the building's
// footprint. type is -1 for an obstacle; valid is false when there is nothing.
struct LevelArea {
  bool valid = false;
  int type = -1;
  Footprint area;
};
LevelArea FindLevelArea(const Game& game, int cx, int cy);
int64_t LevelCost(const Game& game, const Footprint& f);
bool Affordable(const Game& game, int64_t cost);
// Removing a management office must leave room for every employed member of staff.
bool OfficesStillSuffice(const Game& game, int type);

// Sets up a new building of the type on its footprint, paid: the record at its
// origin, a shop's stock and prices, and with automatic hiring its clerk or keeper.
void PlaceBuilding(Game& game, int type, const Footprint& f);
// Removes the obstacle or the building at (x, y), any cell of it. A disaster leaves
// rubble and lets the animals of escaping species out.
void ClearCells(Game& game, int x, int y, bool byDisaster);
// Whether a used walker stands on a cell of the square.
bool PeopleInArea(const World& world, const Footprint& area);
bool DirectorOfficeExists(const World& world);
