#include "art_ground.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979;

int Wrap(int i, int n) { return ((i % n) + n) % n; }

Vec PictureAt(int side, double a, double b) { return {36.0 * side + 1 + (a - b) * 36.0, 63.0 + (a + b) * 18.0}; }

// Short vertical strokes: the grain of grass and straw.
double Streak(int x, int y, uint32_t seed) {
  int phase = static_cast<int>(Hash(x, 0, seed) % 3);
  return Hash01(x, (y + phase) / 3, seed + 1);
}

// Paints a shape drawn by `draw` on a scratch canvas with its own darker outline,
// so overlapping masses (leaf clumps, stones) stay readable.
template <class Draw>
void Outlined(Canvas& c, int x0, int y0, int w, int h, Draw draw, int steps = 1) {
  Canvas scratch(w + 2, h + 2);
  draw(scratch, x0 - 1, y0 - 1);
  scratch.Outline(steps);
  c.Blit(scratch, x0 - 1, y0 - 1);
}

void Trunk(Canvas& c, double x, double y, double w, double h, Hue hue = Hue::kWood) {
  int half = std::max(1, static_cast<int>(w / 2));
  int ix = static_cast<int>(x), iy = static_cast<int>(y);
  for (int yy = iy - static_cast<int>(h); yy <= iy; ++yy) {
    int widen = yy >= iy - 1 ? 1 : 0;  // a little root flare
    for (int xx = ix - half - widen; xx <= ix + half - 1 + widen; ++xx) {
      double t = static_cast<double>(xx - (ix - half)) / (2 * half);
      double shade = 2.6 - 1.6 * t + 0.5 * (Hash01(xx, yy / 2, 77) - 0.5);
      c.Set(xx, yy, Dithered(hue, shade, xx, yy));
    }
    c.Set(ix - half - widen - 1, yy, Shade(hue, 0));
    c.Set(ix + half + widen, yy, Shade(hue, 0));
  }
}
}  // namespace

GroundPos GroundAt(int side, int px, int py) {
  double u = (px + 0.5 - (36.0 * side + 1)) / 36.0;
  double v = (py + 0.5 - 63.0) / 18.0;
  return {(u + v) / 2, (v - u) / 2};
}

double CellNoise(GroundPos g, uint32_t seed, int period) {
  double x = g.a * period, y = g.b * period;
  double fx = std::floor(x), fy = std::floor(y);
  int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  double tx = x - fx, ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  auto at = [&](int i, int j) { return Hash01(Wrap(i, period), Wrap(j, period), seed); };
  double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
  double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
  return top + (bottom - top) * ty;
}

Fill TerrainFill(Terrain t, int side, uint32_t seed) {
  return [t, side, seed](int x, int y) -> Rgb {
    GroundPos g = GroundAt(side, x, y);
    // Large soft patches, middle clumps, fine grain: all repeat every cell.
    double n = 0.5 * CellNoise(g, seed, 3) + 0.3 * CellNoise(g, seed + 1, 6) + 0.2 * CellNoise(g, seed + 2, 12);
    double grain = Hash01(x, y, seed + 3);
    double streak = Streak(x, y, seed + 4);
    switch (t) {
      case Terrain::kGrass: {
        double s = 1.15 + 1.5 * n + (streak < 0.12 ? -0.7 : streak > 0.9 ? 0.6 : 0);
        return Dithered(Hue::kGrass, s, x, y);
      }
      case Terrain::kMeadow: {
        double s = 1.5 + 1.6 * n + (streak < 0.15 ? -0.8 : streak > 0.86 ? 0.7 : 0);
        return Dithered(Hue::kGrass, s, x, y);
      }
      case Terrain::kDryGrass: {
        if (streak < 0.07) return Shade(Hue::kWood, 2);
        if (n < 0.3 && grain < 0.25) return Shade(Hue::kGrass, 2);
        double s = 1.2 + 1.8 * n + (streak > 0.86 ? 0.8 : 0);
        return Dithered(Hue::kSand, s, x, y);
      }
      case Terrain::kSand: {
        double ripple = 0.35 * std::sin(2 * kPi * (2 * g.a + 3 * g.b) + 2.5 * n);
        double s = 2.0 + 1.0 * n + ripple + (grain < 0.05 ? -0.8 : grain > 0.97 ? 0.8 : 0);
        return Dithered(Hue::kSand, s, x, y);
      }
      case Terrain::kSoil: {
        if (grain > 0.975) return Shade(Hue::kSand, 1);
        double s = 1.3 + 1.6 * n + (grain < 0.06 ? -0.8 : 0);
        return Dithered(Hue::kSoil, s, x, y);
      }
      case Terrain::kRedSoil: {
        if (grain > 0.97) return Shade(Hue::kSand, 2);
        double s = 0.9 + 1.5 * n + (grain < 0.06 ? -0.7 : 0);
        return Dithered(Hue::kOrange, s, x, y);
      }
      case Terrain::kSnow: {
        if (grain > 0.985) return kWhite;
        double s = 2.3 + 1.7 * n + (grain < 0.04 ? -0.7 : 0);
        return Dithered(Hue::kSnow, s, x, y);
      }
      case Terrain::kIce: {
        double crack = std::abs(std::sin(2 * kPi * (g.a - 2 * g.b) + 4 * n));
        if (crack < 0.04) return Shade(Hue::kSnow, 4);
        return Dithered(Hue::kWater, 2.8 + 1.2 * n, x, y);
      }
      case Terrain::kMoss: {
        if (grain > 0.97) return Shade(Hue::kSoil, 1);
        double s = 0.9 + 1.7 * n + (streak < 0.1 ? -0.7 : streak > 0.92 ? 0.6 : 0);
        return Dithered(Hue::kLeaf, s, x, y);
      }
      case Terrain::kGravel: {
        // Pebbles: a lit pixel with a dark one below and to the right.
        if (grain > 0.9) return Shade(Hue::kGrey, 4);
        if (Hash01(x - 1, y - 1, seed + 3) > 0.9) return Shade(Hue::kGrey, 1);
        return Dithered(Hue::kGrey, 1.6 + 1.4 * n, x, y);
      }
      case Terrain::kFrostGrass: {
        double snow = 0.6 * CellNoise(g, seed + 9, 5) + 0.4 * grain;
        if (snow > 0.62) return Dithered(Hue::kSnow, 2.2 + 1.5 * n, x, y);
        return Dithered(Hue::kLeaf, 1.2 + 1.4 * n + (streak > 0.85 ? 0.8 : 0), x, y);
      }
      case Terrain::kMud: {
        // Puddles need not repeat: mud only floors enclosures, never tiles.
        double wet = ValueNoise(g.a * 3.1, g.b * 3.1, seed + 9);
        if (wet > 0.8) return Dithered(Hue::kTeal, 0.4 + 5 * (wet - 0.8) + (grain > 0.95 ? 1 : 0), x, y);  // murky puddles
        if (wet > 0.76) return Shade(Hue::kSoil, 0);
        return Dithered(Hue::kSoil, 0.9 + 1.5 * n + (streak < 0.1 ? 0.8 : 0), x, y);
      }
    }
    return kBlack;
  };
}

void PaintGround(Canvas& c, int side, Terrain t, uint32_t seed) {
  c.Diamond(0, 63, 36 * side, 18 * side, TerrainFill(t, side, seed));
}

void Scatter(Canvas& c, int side, Detail d, double density, uint32_t seed, Hue hue, double margin) {
  int count = static_cast<int>(density * side * side + Hash01(side, 1, seed));
  for (int i = 0; i < count; ++i) {
    double a = margin + Hash01(i, 11, seed) * (side - 2 * margin);
    double b = margin + Hash01(i, 12, seed) * (side - 2 * margin);
    Vec p = PictureAt(side, a, b);
    int x = static_cast<int>(p.x), y = static_cast<int>(p.y);
    uint32_t h = Hash(i, 13, seed);
    switch (d) {
      case Detail::kTuft: {
        int tall = 2 + static_cast<int>(h % 3);
        c.Line(x, y, x, y - tall, Shade(hue, 3));
        c.Line(x - 1, y, x - 2, y - tall + 1, Shade(hue, 2));
        c.Line(x + 1, y, x + 2, y - tall + 1, Shade(hue, 1));
        c.Set(x, y - tall, Shade(hue, 4));
        break;
      }
      case Detail::kPebble:
        c.Set(x, y, Shade(hue, 3));
        c.Set(x + 1, y, Shade(hue, 2));
        c.Set(x + 1, y + 1, Shade(hue, 0));
        c.Set(x, y + 1, Shade(hue, 1));
        c.Set(x - 1, y, Shade(hue, 4));
        break;
      case Detail::kFlower:
        c.Set(x, y + 1, Shade(Hue::kGrass, 0));
        c.Set(x, y, Shade(hue, 3));
        c.Set(x + 1, y, Shade(hue, 2));
        c.Set(x, y - 1, Shade(hue, 4));
        c.Set(x - 1, y, Shade(hue, 3));
        if (h & 1) c.Set(x, y, Shade(Hue::kYellow, 4));
        break;
      case Detail::kTwig: {
        int dir = (h & 1) ? 1 : -1;
        c.Line(x - 2 * dir, y - 1, x + 2 * dir, y + 1, Shade(Hue::kWood, 1));
        c.Set(x - 2 * dir, y - 2, Shade(Hue::kWood, 2));
        break;
      }
      case Detail::kSnowLump:
        c.Ellipse(x, y, 3, 1.6, Shade(Hue::kSnow, 4));
        c.Line(x - 1, y + 1, x + 2, y + 1, Shade(Hue::kSnow, 1));
        c.Set(x - 1, y - 1, kWhite);
        break;
      case Detail::kLeaf:
        c.Set(x, y, Shade(hue, 2 + static_cast<int>(h % 3)));
        if (h & 2) c.Set(x + 1, y, Shade(hue, 1));
        break;
    }
  }
}

void Shadow(Canvas& c, double cx, double cy, double rx, double ry, int steps) {
  for (int y = static_cast<int>(cy - ry); y <= static_cast<int>(cy + ry); ++y)
    for (int x = static_cast<int>(cx - rx); x <= static_cast<int>(cx + rx); ++x) {
      if (!c.Inside(x, y)) continue;
      double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy > 1 || c.Get(x, y) == kKey) continue;
      c.Set(x, y, Darker(c.Get(x, y), steps));
    }
}

void Blob(Canvas& c, double cx, double cy, double rx, double ry, Hue hue, double shade, uint32_t seed, double bumpy) {
  int x0 = static_cast<int>(cx - rx) - 2, y0 = static_cast<int>(cy - ry) - 2;
  int w = static_cast<int>(2 * rx) + 5, h = static_cast<int>(2 * ry) + 5;
  Outlined(c, x0, y0, w, h, [&](Canvas& s, int ox, int oy) {
    for (int y = 0; y < s.Height(); ++y)
      for (int x = 0; x < s.Width(); ++x) {
        int X = x + ox, Y = y + oy;  // picture coordinates keep the noise stable
        double dx = (X + 0.5 - cx) / rx, dy = (Y + 0.5 - cy) / ry;
        double d = dx * dx + dy * dy;
        double edge = 0.45 * bumpy * (ValueNoise(X * 0.45, Y * 0.45, seed) - 0.5);
        if (d + edge > 1) continue;
        double light = -(dx * 0.55 + dy * 0.8);
        double clump = ValueNoise(X * 0.34, Y * 0.5, seed + 5) - 0.5;
        double v = shade + 1.1 * light + 1.6 * bumpy * clump + (Hash01(X, Y, seed + 6) < 0.08 ? 0.8 : 0);
        s.Set(x, y, Dithered(hue, v, X, Y));
      }
  });
}

void Tree(Canvas& c, double x, double y, TreeKind kind, double height, uint32_t seed) {
  double hgt = height;
  auto foliage = [&](Hue hue, double shade, double cx, double cy, double r, int clumps, double flat = 0.85) {
    // A crown of overlapping clumps, the back ones first and darker.
    for (int i = 0; i < clumps; ++i) {
      double ang = 2 * kPi * (i + Hash01(i, 1, seed)) / clumps;
      double dist = r * (0.35 + 0.25 * Hash01(i, 2, seed));
      double bx = cx + std::cos(ang) * dist, by = cy + std::sin(ang) * dist * flat - r * 0.1;
      double back = std::sin(ang) < 0 ? -0.4 : 0;
      Blob(c, bx, by, r * 0.62, r * 0.55 * flat, hue, shade + back, seed + static_cast<uint32_t>(i) * 17u);
    }
    Blob(c, cx - r * 0.1, cy - r * 0.12, r * 0.6, r * 0.5 * flat, hue, shade + 0.3, seed + 99);
  };
  switch (kind) {
    case TreeKind::kBroadleaf:
    case TreeKind::kMaple:
    case TreeKind::kCherry:
    case TreeKind::kGinkgo: {
      Shadow(c, x + hgt * 0.18, y + 2, hgt * 0.3, hgt * 0.12);
      Trunk(c, x, y, std::max(3.0, hgt / 12), hgt * 0.5);
      Hue hue = kind == TreeKind::kMaple    ? Hue::kRed
                : kind == TreeKind::kCherry ? Hue::kPink
                : kind == TreeKind::kGinkgo ? Hue::kYellow
                                            : Hue::kLeaf;
      double shade = kind == TreeKind::kCherry ? 3.0 : kind == TreeKind::kGinkgo ? 2.2 : 2.0;
      double r = hgt * (kind == TreeKind::kGinkgo ? 0.3 : 0.36);
      foliage(hue, shade, x, y - hgt + r * 1.05, r, 5);
      if (kind == TreeKind::kCherry)  // blossom sparkle
        for (int i = 0; i < static_cast<int>(hgt); ++i) {
          int px = static_cast<int>(x - r + 2 * r * Hash01(i, 3, seed)), py = static_cast<int>(y - hgt + 2 * r * Hash01(i, 4, seed));
          if (!(c.Get(std::clamp(px, 0, c.Width() - 1), std::clamp(py, 0, c.Height() - 1)) == kKey))
            c.Set(px, py, Hash01(i, 5, seed) < 0.5 ? kWhite : Shade(Hue::kPink, 4));
        }
      break;
    }
    case TreeKind::kWillow: {
      Shadow(c, x + hgt * 0.18, y + 2, hgt * 0.32, hgt * 0.12);
      Trunk(c, x, y, std::max(3.0, hgt / 11), hgt * 0.55);
      double r = hgt * 0.36, cy = y - hgt + r;
      foliage(Hue::kGrass, 2.2, x, cy, r, 5);
      for (int i = 0; i < static_cast<int>(r * 1.6); ++i) {  // hanging strands
        double sx = x - r + 2 * r * Hash01(i, 6, seed);
        double len = r * (0.6 + 0.8 * Hash01(i, 7, seed));
        double top = cy + r * 0.1 * Hash01(i, 8, seed);
        for (int k = 0; k < static_cast<int>(len); ++k)
          c.Set(static_cast<int>(sx), static_cast<int>(top + k), Shade(Hue::kGrass, k % 5 == 0 ? 4 : (sx < x ? 3 : 2)));
      }
      break;
    }
    case TreeKind::kPine:
    case TreeKind::kSnowPine:
    case TreeKind::kCedar: {
      double wide = kind == TreeKind::kCedar ? 0.22 : 0.32;
      Shadow(c, x + hgt * 0.15, y + 2, hgt * wide, hgt * 0.1);
      Trunk(c, x, y, std::max(3.0, hgt / 14), hgt * 0.25, Hue::kSoil);
      int tiers = kind == TreeKind::kCedar ? 5 : 4;
      for (int t = 0; t < tiers; ++t) {
        double frac = static_cast<double>(t) / tiers;
        double top = y - hgt + hgt * 0.75 * frac;
        double bottom = y - hgt * 0.18 - hgt * 0.62 * (1 - frac) * (t + 1 < tiers ? 0.55 : 0) ;
        bottom = std::min(bottom, y - hgt * 0.15);
        double halfw = hgt * wide * (0.45 + 0.55 * (frac + 1.0 / tiers));
        int ix0 = static_cast<int>(x - halfw) - 1, iy0 = static_cast<int>(top) - 1;
        Outlined(c, ix0, iy0, static_cast<int>(2 * halfw) + 3, static_cast<int>(bottom - top) + 4, [&](Canvas& s, int ox, int oy) {
          s.Polygon({{x - ox, top - oy}, {x + halfw - ox, bottom - oy}, {x - ox, bottom + 2 - oy}, {x - halfw - ox, bottom - oy}},
                    [&](int px, int py) {
                      int X = px + ox, Y = py + oy;
                      double side = (X + 0.5 - x) / halfw;
                      double v = 1.9 - 1.0 * side + 0.9 * (ValueNoise(X * 0.5, Y * 0.7, seed + t) - 0.5);
                      if (kind == TreeKind::kSnowPine && Y < top + (bottom - top) * (0.35 + 0.3 * ValueNoise(X * 0.3, 0, seed)) &&
                          side < 0.4)
                        return Dithered(Hue::kSnow, 3.2 - side, X, Y);
                      if (kind == TreeKind::kSnowPine && Y >= bottom - 1 && side < 0.2) return Shade(Hue::kSnow, 3);
                      return Dithered(Hue::kLeaf, v + (kind == TreeKind::kCedar ? -0.3 : 0), X, Y);
                    });
        });
      }
      break;
    }
    case TreeKind::kPalm: {
      Shadow(c, x + hgt * 0.2, y + 2, hgt * 0.3, hgt * 0.1);
      // A gently curved, ringed trunk.
      double topX = x + hgt * 0.12, topY = y - hgt * 0.8;
      int steps = static_cast<int>(y - topY);
      for (int k = 0; k <= steps; ++k) {
        double t = static_cast<double>(k) / steps;
        double cx = x + (topX - x) * t * t;
        int py = static_cast<int>(y - k);
        int w = std::max(2, static_cast<int>(hgt / 18 * (1.2 - 0.4 * t)));
        for (int dx = -w; dx < w; ++dx)
          c.Set(static_cast<int>(cx) + dx, py, Shade(Hue::kWood, (k % 5 == 0) ? 1 : dx < 0 ? 3 : 2));
        c.Set(static_cast<int>(cx) - w - 1, py, Shade(Hue::kWood, 0));
        c.Set(static_cast<int>(cx) + w, py, Shade(Hue::kWood, 0));
      }
      for (int f = 0; f < 7; ++f) {  // fronds
        double ang = kPi * (-0.05 + 1.1 * f / 6.0) + 0.2 * (Hash01(f, 9, seed) - 0.5);
        double len = hgt * (0.32 + 0.1 * Hash01(f, 10, seed));
        double dirX = -std::cos(ang);
        for (int k = 0; k < static_cast<int>(len); ++k) {
          double t = k / len;
          double fx = topX + dirX * k;
          double fy = topY - std::sin(ang) * k * 0.45 + t * t * len * 0.55;
          int thick = static_cast<int>(3 * (1 - t)) + 1;
          for (int d = -thick; d <= thick; ++d)
            c.Set(static_cast<int>(fx), static_cast<int>(fy) + d, Shade(Hue::kGrass, d < 0 ? 3 : d == thick ? 0 : 2));
        }
      }
      Blob(c, topX, topY + 2, 3, 2.5, Hue::kSoil, 1.5, seed);  // coconuts
      break;
    }
    case TreeKind::kAcacia: {
      Shadow(c, x + hgt * 0.2, y + 2, hgt * 0.45, hgt * 0.12);
      Trunk(c, x, y, std::max(3.0, hgt / 14), hgt * 0.6);
      c.Line(static_cast<int>(x), static_cast<int>(y - hgt * 0.5), static_cast<int>(x - hgt * 0.25), static_cast<int>(y - hgt * 0.78), Shade(Hue::kWood, 1));
      c.Line(static_cast<int>(x), static_cast<int>(y - hgt * 0.55), static_cast<int>(x + hgt * 0.22), static_cast<int>(y - hgt * 0.8), Shade(Hue::kWood, 1));
      for (int i = 0; i < 4; ++i)
        Blob(c, x - hgt * 0.3 + hgt * 0.2 * i, y - hgt * (0.84 + 0.05 * (i % 2)), hgt * 0.2, hgt * 0.09, Hue::kGrass, 1.6,
             seed + static_cast<uint32_t>(i));
      break;
    }
    case TreeKind::kDead: {
      Trunk(c, x, y, std::max(3.0, hgt / 12), hgt * 0.6, Hue::kSoil);
      for (int b = 0; b < 5; ++b) {
        double by = y - hgt * (0.35 + 0.12 * b), len = hgt * (0.35 - 0.04 * b);
        int dir = (b % 2) ? 1 : -1;
        c.Line(static_cast<int>(x), static_cast<int>(by), static_cast<int>(x + dir * len * 0.7), static_cast<int>(by - len * 0.5), Shade(Hue::kSoil, 1));
        c.Line(static_cast<int>(x + dir * len * 0.4), static_cast<int>(by - len * 0.28), static_cast<int>(x + dir * len * 0.45), static_cast<int>(by - len * 0.7), Shade(Hue::kSoil, 2));
      }
      break;
    }
    case TreeKind::kBamboo: {
      Shadow(c, x + hgt * 0.12, y + 2, hgt * 0.25, hgt * 0.09);
      for (int s = 0; s < 6; ++s) {
        double sx = x - hgt * 0.14 + hgt * 0.28 * Hash01(s, 14, seed);
        double sy = y - 2 + 4 * Hash01(s, 15, seed);
        double sh = hgt * (0.65 + 0.35 * Hash01(s, 16, seed));
        for (int k = 0; k < static_cast<int>(sh); ++k) {
          bool node = k % 9 == 8;
          c.Set(static_cast<int>(sx), static_cast<int>(sy - k), Shade(Hue::kGrass, node ? 4 : 3));
          c.Set(static_cast<int>(sx) + 1, static_cast<int>(sy - k), Shade(Hue::kGrass, node ? 3 : 1));
        }
        // Leaves: slender blades slanting out from the upper nodes.
        for (int l = 0; l < 9; ++l) {
          int ly = static_cast<int>(sy - sh * (0.45 + 0.55 * Hash01(l, s, seed + 3)));
          int dir = (l % 2) ? 1 : -1;
          int len = 4 + static_cast<int>(Hash(l, s, seed) % 4);
          int lx = static_cast<int>(sx) + (dir > 0 ? 2 : -1);
          c.Line(lx, ly, lx + dir * len, ly + len / 2, Shade(Hue::kGrass, dir < 0 ? 3 : 2));
          c.Line(lx, ly + 1, lx + dir * (len - 1), ly + len / 2 + 1, Shade(Hue::kLeaf, 2));
        }
      }
      break;
    }
  }
}

void Bush(Canvas& c, double x, double y, double w, Hue hue, uint32_t seed, Hue flowers) {
  Shadow(c, x + w * 0.2, y + 1, w * 0.6, w * 0.22);
  double r = w / 2;
  for (int i = 0; i < 3; ++i)
    Blob(c, x + (i - 1) * r * 0.55, y - r * 0.55 - (i == 1 ? r * 0.2 : 0), r * 0.6, r * 0.5, hue, 2.0 + (i == 1 ? 0.3 : 0),
         seed + static_cast<uint32_t>(i));
  if (flowers == Hue::kCount) return;
  for (int i = 0; i < static_cast<int>(w * 1.4); ++i) {
    int px = static_cast<int>(x - r + 2 * r * Hash01(i, 21, seed)), py = static_cast<int>(y - r * 1.3 + r * 1.1 * Hash01(i, 22, seed));
    if (!c.Inside(px, py) || c.Get(px, py) == kKey) continue;
    c.Set(px, py, Shade(flowers, 3 + (i % 2)));
    if (c.Inside(px + 1, py + 1) && !(c.Get(px + 1, py + 1) == kKey)) c.Set(px + 1, py + 1, Shade(flowers, 1));
  }
}

void Boulder(Canvas& c, double x, double y, double w, Hue hue, uint32_t seed, bool snowCap) {
  Shadow(c, x + w * 0.25, y + 1, w * 0.6, w * 0.22);
  double rx = w / 2, ry = w * 0.36;
  double cy = y - ry * 0.8;
  Blob(c, x, cy, rx, ry, hue, 2.0, seed, 0.9);
  // A crack or two for the stone's grain.
  int cx0 = static_cast<int>(x - rx * 0.2 + rx * 0.3 * Hash01(1, 1, seed));
  c.Line(cx0, static_cast<int>(cy - ry * 0.4), cx0 + 2, static_cast<int>(cy + ry * 0.1), Shade(hue, 1));
  if (!snowCap) return;
  for (int yy = static_cast<int>(cy - ry) - 1; yy < cy - ry * 0.2; ++yy)
    for (int xx = static_cast<int>(x - rx); xx <= static_cast<int>(x + rx); ++xx) {
      if (!c.Inside(xx, yy) || c.Get(xx, yy) == kKey) continue;
      double dx = (xx - x) / rx, dy = (yy - cy) / ry;
      if (dx * dx + dy * dy < 0.95 && dy < -0.35 + 0.2 * ValueNoise(xx * 0.4, 0, seed)) c.Set(xx, yy, Dithered(Hue::kSnow, 3.6 - dx, xx, yy));
    }
}

void Log(Canvas& c, double x, double y, double length, bool alongX, uint32_t seed) {
  double dirX = alongX ? 1 : -1;  // +x runs down-right, +y down-left
  double hx = dirX * length / 2, hy = length / 4;
  double r = 4.5;
  Shadow(c, x + 3, y + 3, length * 0.5, 5);
  Outlined(c, static_cast<int>(x - std::abs(hx) - r - 2), static_cast<int>(y - hy - 2 * r - 2), static_cast<int>(2 * std::abs(hx) + 2 * r + 5),
           static_cast<int>(2 * hy + 2 * r + 5), [&](Canvas& s, int ox, int oy) {
             s.Polygon({{x - hx - ox, y - hy - 2 * r - oy}, {x + hx - ox, y + hy - 2 * r - oy}, {x + hx - ox, y + hy - oy}, {x - hx - ox, y - hy - oy}},
                       [&](int px, int py) {
                         int X = px + ox, Y = py + oy;
                         // Height above the log's bottom line decides the light.
                         double t = (X - x) / (2 * std::abs(hx) + 1e-9) * (alongX ? 1 : -1);
                         double base = y + t * 2 * hy;
                         double up = (base - Y) / (2 * r);
                         double v = 0.8 + 2.2 * up + 0.6 * (Hash01(X, Y / 2, seed) - 0.5);
                         return Dithered(Hue::kWood, v, X, Y);
                       });
             // The cut end towards the viewer.
             double ex = (alongX ? x + hx : x - hx) - ox, ey = y + hy - r - oy;
             s.Ellipse(ex, ey, r * 0.7, r, Shade(Hue::kSand, 3));
             s.EllipseRing(ex, ey, r * 0.7, r, Shade(Hue::kWood, 2));
             s.Set(static_cast<int>(ex), static_cast<int>(ey), Shade(Hue::kSand, 1));
           });
}

void Stump(Canvas& c, double x, double y, double w, uint32_t seed) {
  Shadow(c, x + w * 0.3, y + 1, w * 0.6, w * 0.22);
  double r = w / 2, h = w * 0.5;
  Outlined(c, static_cast<int>(x - r) - 1, static_cast<int>(y - h - r * 0.5) - 1, static_cast<int>(2 * r) + 3, static_cast<int>(h + r) + 3,
           [&](Canvas& s, int ox, int oy) {
             s.Rect(static_cast<int>(x - r) - ox, static_cast<int>(y - h) - oy, static_cast<int>(2 * r), static_cast<int>(h), [&](int px, int py) {
               int X = px + ox;
               return Dithered(Hue::kWood, 2.6 - 2.0 * (X - (x - r)) / (2 * r) + 0.5 * (Hash01(X, py / 3, seed) - 0.5), X, py + oy);
             });
             s.Ellipse(x - ox, y - oy, r, r * 0.5, Shade(Hue::kWood, 1));
             s.Ellipse(x - ox, y - h - oy, r, r * 0.5, Shade(Hue::kSand, 3));
             s.EllipseRing(x - ox, y - h - oy, r * 0.55, r * 0.27, Shade(Hue::kSand, 1));
           });
}

Hue HueNear(uint32_t rgb) {
  Rgb want{static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb)};
  Rgb near = Nearest(want);
  const auto& all = Palette();
  size_t i = static_cast<size_t>(std::find(all.begin(), all.end(), near) - all.begin());
  if (i >= static_cast<size_t>(Hue::kCount) * kShades) return near == kWhite ? Hue::kSnow : Hue::kGrey;
  return static_cast<Hue>(i / kShades);
}

void WriteWithIcon(Output& out, const std::string& file, const Canvas& picture) {
  WriteBmp(out, file, picture);
  WriteBmp(out, "T_" + file, FitInto(picture, 80, 60, kKey));
}

void Mound(Canvas& c, double x, double y, double rx, double ry, double h, Hue hue, uint32_t seed, Hue top) {
  Shadow(c, x + rx * 0.25, y + ry * 0.3, rx * 1.05, ry * 1.05);
  const int x0 = static_cast<int>(x - rx * 1.2) - 2, y0 = static_cast<int>(y - h - ry * 1.2) - 2;
  const int w = static_cast<int>(rx * 2.4) + 5, hh = static_cast<int>(h + ry * 2.4) + 5;
  Outlined(c, x0, y0, w, hh, [&](Canvas& s, int ox, int oy) {
    // Radius wobbles with the angle so the rock is not a perfect ellipse.
    auto radius = [&](double dx, double dy) {
      double ang = std::atan2(dy, dx);
      return 1.0 + 0.16 * (ValueNoise(ang * 2.2 + 10, 0.5, seed) - 0.5) + 0.08 * std::sin(ang * 5 + seed % 7);
    };
    for (int py = 0; py < s.Height(); ++py)
      for (int px = 0; px < s.Width(); ++px) {
        int X = px + ox, Y = py + oy;
        double dx = (X + 0.5 - x) / rx;
        // Top face at height h, sides below it: test the column of the side.
        double dyTop = (Y + 0.5 - (y - h)) / ry;
        double r = radius(dx, dyTop);
        if (dx * dx + dyTop * dyTop <= r * r) {
          double v = 2.6 - 0.7 * dx - 0.5 * dyTop + 0.9 * (ValueNoise(X * 0.3, Y * 0.5, seed + 1) - 0.5);
          s.Set(px, py, Dithered(top == Hue::kCount ? hue : top, v, X, Y));
          continue;
        }
        // A side pixel lies below the top rim and above the ground rim.
        if (std::abs(dx) > 1.1) continue;
        double rim = std::sqrt(std::max(0.0, 1 - dx * dx));
        double yGround = y + rim * ry, yTop = y - h + rim * ry;
        if (Y + 0.5 > yTop && Y + 0.5 <= yGround && dx * dx <= radius(dx, rim) * radius(dx, rim)) {
          double strata = std::sin((Y - y) * 0.9 + 3 * ValueNoise(X * 0.2, 0, seed)) * 0.35;
          double v = 1.7 - 1.0 * dx + strata + 0.6 * (Hash01(X, Y / 2, seed) - 0.5);
          s.Set(px, py, Dithered(hue, v, X, Y));
        }
      }
  });
}
