#pragma once
// How figures are cut from their sheets and where they stand, shared by the drawing
// and the picking so that both use the same boxes. For the art to match:
// - Person sheets ("parsons<n>.bmp", "HandyMan.bmp", "MenteMan.bmp", "Kenkyu.bmp"):
//   frames of kPersonW x kPersonH, feet at the bottom centre. Rows 0..3 walk facing
//   9, 3, 1, 7 (columns 0..8 the walking frames); row 4 still poses: columns 0..3
//   standing facing 9, 3, 1, 7, columns 4..7 seated facing 9, 3, 1, 7; row 5 the busy
//   frames 0..8 (a visitor looking and cheering, a cleaner sweeping, a maintenance
//   man repairing, a researcher writing).
// - Animal sheets and the keeper and clerk sheets: frames of the species' FrameWidth
//   x FrameHeight; row = facing 1, 2, 3, 4, 6, 7, 8, 9 (rows 0..7); column = the
//   figure's script frame (its AnimalScript or StaffScript). Feet at the bottom
//   centre, placed at (AnimalX, AnimalY) of the building picture.
#include "platform/surface.h"

struct Game;
struct Person;

constexpr int kPersonW = 40;
constexpr int kPersonH = 45;

// The sheet rectangle of a walker's current frame.
Rect PersonFrame(const Person& p);
// The sheet rectangle of an in-building figure facing dir at script frame.
Rect FigureFrame(int dir, int frame, int width, int height);
// The screen box of a person standing in a cell whose tile is at (sx, sy).
Rect PersonBox(const Person& p, int sx, int sy);
