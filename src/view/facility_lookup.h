#pragma once
// The building covering a cell.
struct Game;

// The type of the facility whose footprint covers (x, y), or -1; the offset from
// (x, y) to its origin is left in the world's FoundDX, FoundDY.
int FindFacility(Game& game, int x, int y);
