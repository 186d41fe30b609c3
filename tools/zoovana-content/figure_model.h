#pragma once
// Figures (people, animals, vehicles) are modelled as a few solid shapes in 3D
// and drawn in the game's isometric projection, so one model gives every
// direction and every pose, lit from the upper left in the shared palette.
//
// World axes are the map's: +X runs down-right on screen (direction 3), +Y
// down-left (direction 1), +Z up; one unit is one screen pixel along the ground
// (a map cell is 36 units square), so a person 24.5 units tall stands 30 pixels.
// A model is built facing its own +x with +y on its left; Render turns it.
#include <cmath>
#include <vector>

#include "paint.h"

struct V3 {
  double x = 0, y = 0, z = 0;
  friend V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
  friend V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
  friend V3 operator*(V3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
  friend V3 operator*(double s, V3 a) { return a * s; }
};
inline double Dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline V3 Cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline double Length(V3 a) { return std::sqrt(Dot(a, a)); }
inline V3 Normalised(V3 a) {
  double l = Length(a);
  return l > 1e-12 ? a * (1 / l) : V3{0, 0, 1};
}
// Point at distance `len` from `from`, leaning `pitch` radians from straight down
// toward +x and `roll` radians toward +y: how limbs hang and swing.
V3 Hang(V3 from, double len, double pitch, double roll = 0);

// Surface markings, evaluated on the model's own coordinates so they move with it.
enum class Marking : uint8_t {
  kNone,
  kStripes,  // bands across the body (zebra, tiger), spacing `scale`
  kPatches,  // irregular patches with thin lines between (giraffe), size `scale`
  kSpots,    // small round spots (leopard, cheetah), spacing `scale`
  kSpeckle,  // fine irregular noise (feathers, rough hide)
};

// A material: a ramp of five colours (darkest first) and the shade at which a
// surface facing the light half-way sits. Markings switch to a second ramp.
struct Material {
  Rgb ramp[kShades];
  double shade = 2.5;
  Marking marking = Marking::kNone;
  double scale = 3;
  Rgb mark[kShades];
  double markShade = 1;
  bool flat = false;  // eyes, tiny details: one colour, no lighting

  static Material Of(Hue hue, double shade);
  static Material Solid(Rgb c);  // unlit single colour
  // The palette hue nearest to an RGB colour, with the shade it matches.
  static Material Near(uint32_t rgb, double lift = 0);
  Material& Marked(Marking m, double scale, const Material& other);
};

class Model {
 public:
  int Add(const Material& m);  // returns a material index
  // Ellipsoid with its three half-axes along the model's x, y and z.
  void Ball(V3 c, double rx, double ry, double rz, int mat);
  void Ball(V3 c, double r, int mat) { Ball(c, r, r, r, mat); }
  // Ellipsoid with its long half-axis from the centre toward `tip` (tip - c), the
  // other two of radius `r` (and `r2` across, in the horizontal plane).
  void Egg(V3 c, V3 tip, double r, int mat, double r2 = -1);
  // Box with its half-extents along the model's axes (vehicles).
  void Box(V3 c, double hx, double hy, double hz, int mat);
  // Rod from a to b with round ends (limbs, necks, poles).
  void Rod(V3 a, V3 b, double r, int mat);
  // A rod that narrows: drawn as a chain of short rods.
  void Taper(V3 a, V3 b, double ra, double rb, int mat, int pieces = 4);
  // Everything added after this moves by `offset` (a lifted or bobbing body).
  void Shift(V3 offset) { offset_ = offset_ + offset; }
  // Scales the whole model about its origin (a young animal from the adult's build).
  void Scale(double f);

  struct Shape {
    bool rod = false, box = false;
    V3 c, a, b;      // ellipsoid centre / rod ends
    V3 axes[3];      // ellipsoid or box half-axes (vectors)
    double r = 0;    // rod radius
    int mat = 0;
  };
  const std::vector<Shape>& Shapes() const { return shapes_; }
  const std::vector<Material>& Materials() const { return mats_; }
  // Radius of the ground shadow (0: none) and how far it is stretched along x.
  double shadow = 0, shadowLength = 1;

 private:
  std::vector<Shape> shapes_;
  std::vector<Material> mats_;
  V3 offset_;
};

struct RenderOptions {
  double scale = 1;          // pixels per unit along the ground
  double heading = 0;        // radians: 0 faces direction 3 (+X), pi/2 direction 1 (+Y)
  bool outline = true;       // darker rim of each figure's own hue
  bool innerLines = true;    // darker line where a near part passes in front of a far one
  bool shadow = true;        // dithered ground shadow under the figure
  double dither = 1.6;       // how wide the dithered band between two shades is (higher: narrower)
};

// Draws the model with its ground origin at pixel (ox, oy) of the canvas.
void Render(Canvas& c, const Model& m, double ox, double oy, const RenderOptions& opt);

// Screen extent of the model (before outline): left, top, right, bottom pixel
// offsets from the origin, at scale 1.
struct Extent {
  double left = 0, top = 0, right = 0, bottom = 0;
  void Grow(const Extent& e);
};
Extent Measure(const Model& m, double heading);

// Heading of a keypad direction (1, 2, 3, 4, 6, 7, 8, 9) on the isometric map.
double HeadingOf(int keypadDir);
