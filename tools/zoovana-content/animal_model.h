#pragma once
// Animals as 3D figures: one builder per body family of the catalogue, posed by
// a few numbers (gait phase, head down, rearing, sitting, lying, jumping ...).
#include "catalogue_table.h"
#include "figure_model.h"

// How an animal holds itself in one frame. Every amount is 0..1 unless noted.
struct AnimalPose {
  double walk = 0;     // gait phase 0..1 (legs swing)
  double stride = 0;   // how far the legs swing: 0 standing, 1 walking
  double graze = 0;    // head down to the ground (eating)
  double chew = 0;     // jaw motion while grazing, 0..1
  double call = 0;     // head raised, mouth open (roar, trumpet, howl, bark)
  double rear = 0;     // front raised on the hind legs
  double sit = 0;      // hind quarters down
  double lie = 0;      // lying down
  double jump = 0;     // off the ground
  double flap = 0;     // wings or flippers raised (-1..1)
  double swing = 0;    // tail, trunk or neck swing (-1..1)
  double beat = 0;     // chest beating, boxing (arms forward, 0..1)
};

// The species' figure in a pose, facing +x, feet on the ground at the origin.
// `young` draws the baby: smaller, with a larger head.
Model BuildAnimal(const SpeciesEntry& s, const AnimalPose& pose, bool young);

// The two scripted actions of a species: the pose at step k (0..7) of action A or B.
AnimalPose ActionPose(const SpeciesEntry& s, int action, int step);
