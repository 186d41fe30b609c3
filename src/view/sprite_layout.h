#pragma once
// How figures are cut from their sheets (layouts in view/sprite_sheets.h) and where
// they stand, shared by the drawing and the picking so that both use the same boxes.
#include "platform/surface.h"

struct Person;

constexpr int kPersonW = 40;
constexpr int kPersonH = 45;

// The sheet rectangle of a walker's current frame (also of the fallen visitor).
Rect PersonFrame(const Person& p);
// The screen box of a person standing in a cell whose tile is at (sx, sy): the feet
// on the centre of the ground diamond, moved by the person's offset.
Rect PersonBox(const Person& p, int sx, int sy);

// A figure inside a building or an escaped animal: its behaviour state, the frame
// or step counter of that state, and the sheet's frame size.
struct FigurePose {
  int dir = 1;
  int state = 0;
  int frame = 0;
  bool staff = false;
  bool hasActionB = true;  // the sheet holds the second action's columns
};
Rect FigureFrame(const FigurePose& pose, int width, int height);
// Where a figure's frame goes so that its feet stand on (x, y).
inline void FigureTopLeft(int x, int y, int width, int height, int& left, int& top) {
  left = x - width / 2;
  top = y - (height - 3);
}

// The 74 x 100 piece of a building picture (side `size`, `frames` pictures stacked,
// the one the animation phase shows) that footprint cell (a, b) draws.
Rect BuildingPart(const Surface& picture, int size, int frames, double phase, int a, int b);

// The construction sheet's column for a building with `left` construction ticks to go.
constexpr int ConstructionStage(int left) { return left >= 600 ? 0 : left >= 400 ? 1 : left >= 200 ? 2 : 3; }
