#pragma once
// Where information balloons go: each at its building or walker, and one that would
// cover a balloon already placed this frame moves down below it, so that neighbours'
// balloons stay readable.
#include <vector>

#include "platform/surface.h"

// The rectangle for a balloon wanted at `wanted`, clear of every rectangle in
// `placed`; it is added to `placed`.
Rect PlaceBalloon(std::vector<Rect>& placed, Rect wanted);
