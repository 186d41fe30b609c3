#pragma once
// Whether a point on the screen shows the park gate's picture, for the pointer tool:
// players click the arch they see, not the cell of ground behind it.
#include "view/geometry.h"
#include "view/hover.h"

struct Game;

// The gate picture is laid in strips half a tile wide, strip k with the cell k along
// x from the gate's first cell, so that it stands in the painter's order.
constexpr int kGateStrip = kHalfW;

struct GatePick {
  bool onGate = false;  // (px, py) lies on a drawn pixel of the gate's picture
  CellPick cover;       // the cell of a building piece drawn over that pixel, if any
};
GatePick PickAtGate(Game& game, int px, int py);
