// Roads and footpaths (group 1, looks Road and Path): one-cell pictures whose surface
// repeats every cell, so pieces join seamlessly; the shape only moves the kerbs
// (on the sides without a connection) and the centre markings (on those with one).
#include <cmath>

#include "art_ground.h"
#include "catalogue_table.h"
#include "content.h"

namespace {
// Connected sides of the seven shapes, as numpad digits: 7 is x - 1 (up-left edge),
// 3 is x + 1, 9 is y - 1 (up-right edge), 1 is y + 1.
struct Sides {
  bool s7, s9, s1, s3;
};
constexpr Sides kShapes[] = {
    {true, true, true, true},    // "non": a junction open on every side
    {true, false, true, false},  // "7to1"
    {false, true, false, true},  // "9to3"
    {true, true, false, false},  // "7to9"
    {false, false, true, true},  // "1to3"
    {true, false, false, true},  // "7to3"
    {false, true, true, false},  // "1to9"
};

double Frac(double v) { return v - std::floor(v); }

// The surface of each material, in ground coordinates so it repeats every cell.
Rgb Surface(int surface, GroundPos g, int x, int y) {
  switch (surface) {
    case 0: {  // asphalt
      double n = CellNoise(g, 31, 6);
      return Dithered(Hue::kGrey, 0.7 + 0.6 * n + (Hash01(x, y, 32) > 0.94 ? 0.9 : 0), x, y);
    }
    case 1: {  // red brick in running bond, courses along +x
      double row = g.b * 12;
      double col = g.a * 6 + (static_cast<int>(std::floor(row)) % 2 ? 0.5 : 0);
      if (Frac(row) < 0.16 || Frac(col) < 0.08) return Shade(Hue::kSand, 2);
      int id = static_cast<int>(std::floor(col)) * 13 + static_cast<int>(std::floor(row));
      double v = 2.0 + 0.8 * Hash01(((id % 97) + 97) % 97, 0, 33) + (Frac(row) > 0.8 ? -0.5 : 0);
      return Dithered(Hue::kRed, v, x, y);
    }
    case 2: {  // stone slabs of two sizes
      double fa = g.a * 3, fb = g.b * 3;
      int ia = static_cast<int>(std::floor(fa)), ib = static_cast<int>(std::floor(fb));
      bool split = Hash01(((ia % 3) + 3) % 3, ((ib % 3) + 3) % 3, 34) < 0.5;
      double ea = Frac(split ? fa * 2 : fa), eb = Frac(fb);
      if (ea < 0.06 || eb < 0.06) return Shade(Hue::kGrey, 1);
      double v = 2.5 + 0.8 * Hash01(((ia % 3) + 3) % 3 + (split && Frac(fa) > 0.5 ? 5 : 0), ((ib % 3) + 3) % 3, 35) +
                 0.5 * (CellNoise(g, 36, 12) - 0.5) + (ea > 0.93 || eb > 0.93 ? -0.6 : 0);
      return Dithered(Hue::kGrey, v, x, y);
    }
    case 3: {  // boardwalk: planks across +x with dark gaps and a wood grain
      double p = g.a * 8;
      if (Frac(p) < 0.12) return Shade(Hue::kWood, 0);
      int plank = static_cast<int>(std::floor(p));
      double grain = std::sin(g.b * 40 + plank * 1.7) * 0.3;
      double v = 2.4 + 0.7 * Hash01(((plank % 8) + 8) % 8, 0, 37) + grain + (Frac(p) > 0.88 ? -0.7 : 0);
      if (Frac(g.b * 2 + plank * 0.37) < 0.03) return Shade(Hue::kGrey, 0);  // nail heads
      return Dithered(Hue::kWood, v, x, y);
    }
    default: {  // gravel
      double grain = Hash01(x, y, 38);
      if (grain > 0.88) return Shade(Hue::kGrey, 3 + (grain > 0.96 ? 1 : 0));
      if (Hash01(x - 1, y - 1, 38) > 0.88) return Shade(Hue::kSoil, 2);
      return Dithered(Hue::kSand, 1.4 + 1.2 * CellNoise(g, 39, 6), x, y);
    }
  }
}

Canvas Piece(const BuildingEntry& e) {
  const Sides s = kShapes[e.shape];
  const bool road = e.look == Look::Road;
  const double kerb = road ? 0.14 : 0.09;
  Canvas c(74, 100);
  c.Diamond(0, 63, 36, 18, [&](int x, int y) {
    GroundPos g = GroundAt(1, x, y);
    // Distance into the closed sides: the kerb band.
    double closed = 1;
    if (!s.s7) closed = std::min(closed, g.a);
    if (!s.s3) closed = std::min(closed, 1 - g.a);
    if (!s.s9) closed = std::min(closed, g.b);
    if (!s.s1) closed = std::min(closed, 1 - g.b);
    if (closed < kerb) {
      if (road) {  // pavement with a kerbstone on the road side
        if (closed > kerb - 0.03) return Shade(Hue::kGrey, 4);
        double pa = g.a * 8, pb = g.b * 8;
        if (Frac(pa) < 0.1 || Frac(pb) < 0.1) return Shade(Hue::kGrey, 2);
        return Dithered(Hue::kSand, 2.6 + 0.6 * Hash01(static_cast<int>(pa) % 8, static_cast<int>(pb) % 8, 40), x, y);
      }
      return Dithered(Hue::kGrey, closed > kerb - 0.03 ? 1.2 : 2.8 + 0.6 * Hash01(x / 3, y, 41), x, y);  // edging stones
    }
    // Dashed centre lines from the middle to each open side of a shaped road.
    if (road && e.shape != 0) {
      bool line = false;
      auto dash = [&](double along) { return Frac(along * 4 + 0.125) < 0.5; };
      if (s.s7 && g.a <= 0.5 && std::abs(g.b - 0.5) < 0.028 && dash(g.a)) line = true;
      if (s.s3 && g.a >= 0.5 && std::abs(g.b - 0.5) < 0.028 && dash(g.a)) line = true;
      if (s.s9 && g.b <= 0.5 && std::abs(g.a - 0.5) < 0.028 && dash(g.b)) line = true;
      if (s.s1 && g.b >= 0.5 && std::abs(g.a - 0.5) < 0.028 && dash(g.b)) line = true;
      if (line) return Shade(Hue::kSnow, 3);
    }
    return Surface(e.surface, g, x, y);
  });
  return c;
}

void GeneratePaths(Output& out) {
  for (const BuildingEntry& e : Buildings())
    if (e.look == Look::Road || e.look == Look::Path) WriteWithIcon(out, e.file, Piece(e));
}

RegisterGenerator reg("41-art-ground-paths", &GeneratePaths);
}  // namespace
