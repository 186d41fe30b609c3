#pragma once
// Which cell the pointer is over.
struct Game;

struct CellPick {
  int x = -1, y = -1;
};

// The tile mask: for a point (u, v) of a tile's ground box (74 x 37, the bottom rows
// of the tile), which cell's diamond holds it: 0 this cell, else the neighbour's
// direction digit (7 x - 1, 9 y - 1, 1 y + 1, 3 x + 1).
int TileMaskAt(int u, int v);

// The map cell drawn under screen point (px, py), or (-1, -1).
CellPick HoverCellAt(Game& game, int px, int py);
