#pragma once
// Positions inside a building's picture: the walk mask of an enclosure, the figure
// sizes and the clerk's place in a shop. Used by placing new animals and staff and
// by the figures' walking.
#include "sim/world_query.h"

struct Game;

// A building's picture and the 60 x 50 walk mask laid over it.
struct EnclosureMask {
  const WalkMask* mask = nullptr;
  int width = 0, height = 0;   // picture size in pixels
  int column = 1, row = 1;     // mask cell size in pixels, at least 1
};
EnclosureMask MaskOf(const Game& game, const FacilityRef& f);
// The mask value under a picture point; 0 (blocked) outside the picture.
int MaskValue(const EnclosureMask& m, int x, int y);

// Width of a building picture of footprint side s.
constexpr int PictureWidth(int size) { return 72 * size + 2; }

// Half-width and height of a figure's box; young animals take half of both.
struct FigureBox {
  int halfWidth, height;
};
FigureBox AnimalBox(const Game& game, int animalKind, bool young);
FigureBox KeeperBox(const Game& game);

// Where a shop's clerk stands in its picture.
struct PicturePoint {
  int x, y;
};
PicturePoint ClerkPosition(const Game& game, const FacilityRef& f);
