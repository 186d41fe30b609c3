#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "catalogue_table.h"

// The plan of an enclosure's ground, shared by the walk mask (BuildP<N>.dat) and the
// enclosure picture, so that animals walk exactly where the floor is drawn.
//
// Plans are made in footprint coordinates: (a, b) runs from (0, 0) at the top corner
// of the footprint to (s, s) at its bottom corner, a along +x (down-right on screen)
// and b along +y (down-left). PictureToGround and GroundToPicture convert to the
// pixels of the enclosure's picture ((72s + 2) x (36s + 64)).

// Walk-mask values.
enum class Zone : uint8_t { Blocked = 0, Floor = 1, Raised = 2, High = 3, AnimalOnly = 4 };

enum class FeatureKind : uint8_t {
  Pool,     // water only animals enter (Zone::AnimalOnly)
  Rock,     // raised rock: outer ring Zone::Raised, top Zone::High
  Tree,     // a tree; its trunk blocks (radius is the trunk's, the crown is drawn larger)
  Shelter,  // a small hut, cave or stall at the back; blocks
};

struct Feature {
  FeatureKind kind;
  double a, b, radius;  // circle on the ground, footprint coordinates
};

struct EnclosureLayout {
  int type = 0;
  int size = 0;
  Ground ground = Ground::Grass;
  // The fence runs along the footprint's edges, kFenceInset cells inside them;
  // animals keep kFloorInset cells away from the edges.
  static constexpr double kFenceInset = 0.12;
  static constexpr double kFloorInset = 0.32;
  std::vector<Feature> features;

  // Zone at a point of the ground (footprint coordinates).
  Zone ZoneAtGround(double a, double b) const;
  // Zone at a picture pixel: the ground point drawn at that pixel.
  Zone ZoneAtPixel(double px, double py) const;
};

struct GroundPoint {
  double a, b;
};
struct PicturePoint {
  double x, y;
};
GroundPoint PictureToGround(int size, double px, double py);
PicturePoint GroundToPicture(int size, double a, double b);

// Plan of enclosure type 80..129.
EnclosureLayout LayoutOf(int type);

// The 60 x 50 walk mask as the game lays it over the picture: mask cell (c, r) covers
// the pixel (c * w, r * h), w and h being the picture's width / 60 and height / 50
// rounded to the nearest integer (kMaskColumns x kMaskRows from data/catalogue.h).
// Row r, column c is at [r * kMaskColumns + c].
std::array<uint8_t, kMaskColumns * kMaskRows> WalkMask(const EnclosureLayout& layout);
