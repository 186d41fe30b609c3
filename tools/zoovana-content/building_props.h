#pragma once
// What a shop sells, drawn as a picture: the giant hot dog on a kiosk's roof, the
// cup on a drinks stand, the figures on a toilet sign. Each is a small outlined
// drawing facing the viewer, about 22 pixels tall at scale 1.
#include <string_view>

#include "paint.h"

// Draws the prop of `motif` (the catalogue's motif word) centred on x with its
// bottom at y. Returns false when the motif has no prop.
bool DrawProp(Canvas& c, std::string_view motif, int cx, int bottom, double scale = 1.0);
