#pragma once
// Parts of isometric buildings: walls with windows and doors, roofs, awnings, signs,
// round shapes and the paved ground a building stands on. Positions are in the
// footprint's own units (IsoFrame: u along +x, v along +y in cells, h in pixels), so
// the same parts build a one-cell kiosk and a four-cell office block.
#include <cstdint>
#include <string_view>

#include "paint.h"

// A picture being drawn: the canvas and its footprint projection.
struct Iso {
  Canvas& c;
  IsoFrame f;
  Vec At(double u, double v, double h = 0) const { return f.At(u, v, h); }
};

// A catalogue colour (0xRRGGBB) as the nearest palette colour.
Rgb PaletteColour(uint32_t rgb);
// Brighter or darker shades of the same hue (steps > 0 lighter).
inline Rgb Lighter(Rgb c, int steps = 1) { return Darker(c, -steps); }

// Textures over screen pixels. Lines along a wall or roof follow the isometric
// slope (`slope` 0.5 for faces looking down-left, -0.5 for faces looking down-right).
Fill Speckled(Rgb base, uint32_t seed);  // plaster, stone: sparse lighter and darker pixels
Fill Courses(Rgb base, double slope, int spacing, int seamEvery, uint32_t seed);  // planks, tiles, bricks
Fill Stripes(Rgb a, Rgb b, int width, double slope = 0);  // alternating bands across x
// A round thing's surface around (cx, cy), radius r pixels: lit upper left, dark lower right.
Fill RoundLit(double cx, double cy, double r, Rgb base);
// Darkens whatever is already painted (shadows on ground drawn before).
Fill Shadowing(const Canvas& c, int steps = 1);

// The block u0..u1 x v0..v1 standing from h0 to h1.
struct Block {
  double u0, v0, u1, v1, h0, h1;
};
// Which visible wall of a block: the lit one looking down-left (v = v1) or the
// shaded one looking down-right (u = u1).
enum class Side : uint8_t { kLeft, kRight };
// Point on a wall: `a` is measured along the wall from its left end on screen.
Vec WallPoint(const Iso& iso, const Block& b, Side side, double a, double h);
double WallLength(const Block& b, Side side);
// Slope of lines running along a wall on screen.
inline double WallSlope(Side side) { return side == Side::kLeft ? 0.5 : -0.5; }

// A block with its own fills for the lit wall, the shaded wall and the top.
void Walls(const Iso& iso, const Block& b, const Fill& left, const Fill& right, const Fill& top);
// A block in one colour: lit wall one shade under the top, shaded wall two under.
void SolidBlock(const Iso& iso, const Block& b, Rgb top);
// A rectangle on a wall, a0..a1 along it and h0..h1 high.
void WallPanel(const Iso& iso, const Block& b, Side side, double a0, double a1, double h0, double h1, const Fill& fill);
// Glazed window with a frame and a sill.
void Window(const Iso& iso, const Block& b, Side side, double a0, double a1, double h0, double h1, Rgb frame);
// A row of `count` windows evenly spread between a0 and a1.
void WindowRow(const Iso& iso, const Block& b, Side side, double a0, double a1, double h0, double h1, int count,
               Rgb frame);
// Door: frame, dark panel or glass, handle.
void Door(const Iso& iso, const Block& b, Side side, double a0, double a1, double h, Rgb colour, bool glass = false);
// Serving hatch: dark opening with a counter ledge.
void Hatch(const Iso& iso, const Block& b, Side side, double a0, double a1, double h0, double h1, Rgb ledge);
// Striped awning sloping out of a wall from `hTop`, `depth` cells deep, dropping `drop`
// pixels, with a scalloped hem.
void Awning(const Iso& iso, const Block& b, Side side, double a0, double a1, double hTop, double depth, double drop,
            Rgb colour, Rgb stripe);

// Roofs over a block's top (the block's h1). `overhang` in cells, `rise` in pixels.
enum class RoofAxis : uint8_t { kU, kV };  // direction of the ridge
void GableRoof(const Iso& iso, const Block& b, RoofAxis axis, double overhang, double rise, Rgb roof, Rgb gable);
void HipRoof(const Iso& iso, const Block& b, double overhang, double rise, Rgb roof);
// Flat roof with a parapet `rim` cells wide and `lip` pixels high.
void FlatRoof(const Iso& iso, const Block& b, double rim, double lip, Rgb roof, Rgb parapet);

// Upright column or disc: an ellipse-ended cylinder around (u, v) with radius r cells,
// shaded lit on the left.
void Cylinder(const Iso& iso, double u, double v, double r, double h0, double h1, Rgb side, Rgb top);
// Flat ellipse (iso circle) at height h.
void Disc(const Iso& iso, double u, double v, double r, double h, const Fill& fill);

// Board facing the viewer, centred on x with its bottom at y, carrying text.
void Signboard(Canvas& c, int cx, int bottom, std::string_view text, Rgb board, Rgb ink, int size = 12);
// Thin pole from the ground (x, y) up `height` pixels.
void Pole(Canvas& c, int x, int y, int height, Rgb colour);

// Ground of the whole footprint: every cell of a building draws its own ground, so
// the picture must cover the full diamond.
void Paving(const Iso& iso, Rgb stone, uint32_t seed);
// Shadow cast down-right by a block of height h onto the ground already painted.
void BlockShadow(const Iso& iso, const Block& b);
// Shadow of an upright round thing of radius r and height h at (u, v).
void RoundShadow(const Iso& iso, double u, double v, double r, double h);
