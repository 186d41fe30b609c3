#pragma once
// Ground surfaces and the plants and stones that stand on them, shared by the tile
// sheets, the planted building types and the enclosures, so that a lawn, a ground
// tile and an enclosure floor are the same grass.
#include "paint.h"

// Ground coordinates of a picture pixel: cells along +x (a) and +y (b) from the top
// corner of the footprint of a picture of side `side` (a ground tile has side 1).
struct GroundPos {
  double a = 0, b = 0;
};
GroundPos GroundAt(int side, int px, int py);

// Noise that repeats every cell, so that neighbouring tiles and pictures join without
// a seam whatever their footprint; `period` lattice steps per cell side.
double CellNoise(GroundPos g, uint32_t seed, int period);

enum class Terrain : uint8_t {
  kGrass,    // lush lawn
  kMeadow,   // longer grass, a touch lighter
  kDryGrass, // savanna straw
  kSand,
  kSoil,     // bare earth
  kRedSoil,  // dry red earth
  kSnow,
  kIce,
  kMoss,     // shady forest floor
  kGravel,   // stony ground
  kMud,      // swamp
  kFrostGrass,  // winter grass showing through thin snow
};
// The surface texture of a terrain for a picture of side `side`.
Fill TerrainFill(Terrain t, int side, uint32_t seed);
// Fills the footprint diamond of a picture of side `side` with a terrain.
void PaintGround(Canvas& c, int side, Terrain t, uint32_t seed);
// Scatters small details (grass tufts, pebbles, flowers, twigs) over the footprint,
// `density` per cell, kept away from the footprint's edge by `margin` cells.
enum class Detail : uint8_t { kTuft, kPebble, kFlower, kTwig, kSnowLump, kLeaf };
void Scatter(Canvas& c, int side, Detail d, double density, uint32_t seed, Hue hue = Hue::kGrass,
             double margin = 0.06);

// Darkens what is already drawn inside an ellipse (shadows on the ground).
void Shadow(Canvas& c, double cx, double cy, double rx, double ry, int steps = 1);

// A round mass (tree crown, bush, boulder) lit from the upper left, with noise in
// its surface: `shade` is the middle shade, `bumpy` how rough the noise looks.
void Blob(Canvas& c, double cx, double cy, double rx, double ry, Hue hue, double shade, uint32_t seed,
          double bumpy = 0.8);

enum class TreeKind : uint8_t {
  kBroadleaf, kPine, kMaple, kCherry, kPalm, kGinkgo, kWillow, kAcacia, kDead, kBamboo, kSnowPine, kCedar,
};
// A tree standing with the foot of its trunk at (x, y); `height` in pixels, at most
// about 90 for the tile headroom.
void Tree(Canvas& c, double x, double y, TreeKind kind, double height, uint32_t seed);
// A low bush centred on its foot (x, y).
void Bush(Canvas& c, double x, double y, double w, Hue hue, uint32_t seed, Hue flowers = Hue::kCount);
// A boulder lying on the ground with its centre of contact at (x, y).
void Boulder(Canvas& c, double x, double y, double w, Hue hue, uint32_t seed, bool snowCap = false);
// A felled log lying along +x (alongX) or +y, centred at (x, y).
void Log(Canvas& c, double x, double y, double length, bool alongX, uint32_t seed);
// A tree stump with its foot at (x, y).
void Stump(Canvas& c, double x, double y, double w, uint32_t seed);

// The palette hue nearest to a colour hint given as 0xRRGGBB.
Hue HueNear(uint32_t rgb);
// Writes a building picture and its palette icon ("T_" + file, 80 x 60, key (0, 0)).
void WriteWithIcon(Output& out, const std::string& file, const Canvas& picture);
// A flat-topped rock or earth mound: an ellipse of ground radii rx, ry around (x, y)
// raised h pixels, its sides lit from the left, its edge a little irregular.
void Mound(Canvas& c, double x, double y, double rx, double ry, double h, Hue hue, uint32_t seed, Hue top = Hue::kCount);
