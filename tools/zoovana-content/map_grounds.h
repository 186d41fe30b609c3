#pragma once
#include "data/world.h"
#include "map_plans.h"

// Lays a map's ground into the world: size, tiles and land states. Varied ground over
// the whole map; clusters of timber (land 2) and stones (land 4) to clear; a border
// that cannot be built on (land 0: the game simulates buildings only from column 1 to
// width - 2 and from row 1 to height - 4); the bottom three rows hold the park gate
// (land 3, two cells in the middle of row height - 3), the pavement and, on the last
// row, the road the bus drives along.
void LayGround(const MapPlan& plan, World& world);

// The gate's first cell (column, row) on a map of the given size.
inline int GateColumn(int width) { return width / 2 - 1; }
inline int GateRow(int height) { return height - 3; }
