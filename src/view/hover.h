#pragma once
// Which cell the pointer is over.
struct Game;

struct CellPick {
  int x = -1, y = -1;
};

// The map cell drawn under screen point (px, py), or (-1, -1); always (-1, -1)
// while the tile mask picture is not loaded.
CellPick HoverCellAt(Game& game, int px, int py);
