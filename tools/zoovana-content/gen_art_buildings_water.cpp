// Drinking water, fountains and ponds. Fountains and the carp pond are animated:
// every frame covers exactly the same pixels (the map keeps the last fully drawn
// frame underneath), only the colours inside move: falling drops, spreading rings,
// swimming fish.
#include <cmath>
#include <string>

#include "art_ground.h"
#include "building_painters.h"

namespace {
const Rgb kStone = Shade(Hue::kGrey, 3);

// Water seen from above, with rings spreading from (u, v) as the frame advances.
Fill Rippling(const Iso& iso, double u, double v, int frame, int frames, double spacing) {
  Vec c = iso.At(u, v);
  return Fill([=](int x, int y) {
    double dx = (x + 0.5 - c.x) / 2, dy = (y + 0.5 - c.y - 0);
    double d = std::sqrt(dx * dx + dy * dy * 1.0) / spacing - static_cast<double>(frame) / std::max(1, frames);
    double ring = d - std::floor(d);
    if (ring < 0.12) return Shade(Hue::kWater, 4);
    if (ring < 0.3) return Shade(Hue::kWater, 3);
    return Dithered(Hue::kWater, 2.3 + 0.5 * Hash01(x / 3, y / 2, 5), x, y);
  });
}

// A jet of water as a set of pixels fixed for all frames, coloured by the frame so
// that the drops seem to fall. Parabola from (x0, y0) rising `up` pixels and landing
// `dx` pixels across, `dy` pixels lower.
void Jet(Canvas& c, double x0, double y0, double dx, double dy, double up, int frame, int thick = 2) {
  const int steps = 60;
  for (int i = 0; i <= steps; ++i) {
    double t = static_cast<double>(i) / steps;
    double x = x0 + dx * t, y = y0 - up * 4 * t * (1 - t) + dy * t;
    int phase = ((i + 60 - frame * 4) / 4) % 4;
    Rgb col = phase == 0 ? kWhite : phase == 1 ? Shade(Hue::kSnow, 3) : Shade(Hue::kWater, 4);
    for (int k = 0; k < thick; ++k) c.Set(static_cast<int>(x) + k, static_cast<int>(y), col);
  }
}

void DrinkingWater(const Iso& iso) {
  RoundShadow(iso, 0.5, 0.5, 0.16, 26);
  Cylinder(iso, 0.5, 0.5, 0.2, 0, 3, Shade(Hue::kGrey, 4), Shade(Hue::kGrey, 2));
  Cylinder(iso, 0.5, 0.5, 0.09, 3, 24, kStone, Shade(Hue::kGrey, 4));
  Cylinder(iso, 0.5, 0.5, 0.2, 24, 28, kStone, Shade(Hue::kGrey, 4));
  Disc(iso, 0.5, 0.5, 0.15, 28, Shade(Hue::kWater, 3));
  Vec tap = iso.At(0.5, 0.5, 28);
  Jet(iso.c, tap.x - 1, tap.y, -5, 1, 6, 0, 1);
  iso.c.Rect(static_cast<int>(tap.x) - 1, static_cast<int>(tap.y) - 3, 2, 3, Shade(Hue::kGrey, 1));
  Vec foot = iso.At(0.5, 0.5);
  iso.c.Rect(static_cast<int>(foot.x) - 3, static_cast<int>(foot.y) + 6, 7, 3, Shade(Hue::kGrey, 1));
}

void Fountain(const Iso& iso, const BuildingEntry& e, int frame) {
  const double s = e.size, m = s / 2, big = s > 1 ? 1.0 : 0.0;
  const double rim = 0.44 * s;
  RoundShadow(iso, m, m, rim * 0.95, 10);
  Cylinder(iso, m, m, rim, 0, 8, kStone, Shade(Hue::kGrey, 4));
  Disc(iso, m, m, rim - 0.06, 8, Shade(Hue::kGrey, 1));
  Disc(iso, m, m, rim - 0.07, 6, Rippling(iso, m, m, frame, e.frames, 4 + 3 * big));
  // Foam where the falling water lands, churning from frame to frame.
  Disc(iso, m, m, 0.17 + 0.15 * big, 6, Fill([frame](int x, int y) {
         double n = Hash01(x, y + frame * 2, 7);
         return n < 0.25 ? kWhite : n < 0.55 ? Shade(Hue::kSnow, 3) : Shade(Hue::kWater, 4);
       }));
  // Pillar and bowls; the big fountain has two tiers.
  const double bowlH = 22 + 8 * big;
  Cylinder(iso, m, m, 0.06 + 0.04 * big, 6, bowlH, kStone, kStone);
  Cylinder(iso, m, m, 0.15 + 0.12 * big, bowlH - 3, bowlH, Shade(Hue::kGrey, 3), Shade(Hue::kWater, 3));
  Vec bowl = iso.At(m, m, bowlH);
  double spreadX = (0.15 + 0.12 * big) * 51, spreadY = spreadX / 2;
  if (big > 0) {
    Cylinder(iso, m, m, 0.05, bowlH, bowlH + 16, kStone, kStone);
    Cylinder(iso, m, m, 0.14, bowlH + 13, bowlH + 16, Shade(Hue::kGrey, 3), Shade(Hue::kWater, 3));
    Vec upper = iso.At(m, m, bowlH + 16);
    for (int side : {-1, 1}) Jet(iso.c, upper.x + side * 6, upper.y, side * 8, 16, 4, frame);
    // Four small jets arching in from the rim.
    for (double a : {0.3, 1.9, 3.5, 5.0}) {
      Vec from = iso.At(m + std::cos(a) * (rim - 0.12), m + std::sin(a) * (rim - 0.12), 8);
      Vec to = iso.At(m + std::cos(a) * 0.35, m + std::sin(a) * 0.35, 6);
      Jet(iso.c, from.x, from.y, to.x - from.x, to.y - from.y, 18, frame, 1);
    }
  }
  // Water falling from the bowl's rim into the basin.
  for (int side : {-1, 1}) Jet(iso.c, bowl.x + side * spreadX, bowl.y, side * 5, spreadY + 14, 2, frame);
  // The central jet.
  const double top = bowlH + 16 * big + 26 + 10 * big;
  Vec base = iso.At(m, m, bowlH + 16 * big), peak = iso.At(m, m, top);
  for (int y = static_cast<int>(peak.y); y < static_cast<int>(base.y); ++y) {
    int phase = ((y + 400 + frame * 3) / 3) % 4;
    Rgb col = phase == 0 ? kWhite : phase == 2 ? Shade(Hue::kWater, 4) : Shade(Hue::kSnow, 3);
    iso.c.Rect(static_cast<int>(peak.x) - 1, y, 3, 1, col);
  }
  for (int side : {-1, 1}) Jet(iso.c, peak.x + side, peak.y, side * (10 + 6 * big), base.y - peak.y - 2, 5, frame);
}

// An irregular pond sunk into a lawn: bank on the far side, stones round the edge.
void Pond(const Iso& iso, const BuildingEntry& e, int frame) {
  PaintGround(iso.c, e.size, Terrain::kGrass, static_cast<uint32_t>(e.index));
  const double s = e.size, m = s / 2, r = 0.4 * s;
  Vec c = iso.At(m, m);
  const double rx = r * 51, ry = r * 25.5;
  auto inside = [=](double x, double y) {
    double dx = (x - c.x) / rx, dy = (y - c.y) / ry;
    double a = std::atan2(dy, dx);
    double wobble = 1 + 0.12 * std::sin(3 * a + e.index) + 0.07 * std::sin(5 * a + 1.3 * e.index);
    return dx * dx + dy * dy < wobble * wobble;
  };
  const bool carp = std::string(e.motif) == "pond_carp";
  for (int y = 0; y < iso.c.Height(); ++y)
    for (int x = 0; x < iso.c.Width(); ++x) {
      if (!inside(x + 0.5, y + 0.5)) continue;
      if (!inside(x + 0.5, y - 3.5)) iso.c.Set(x, y, Dithered(Hue::kSoil, 1.4 + Hash01(x, y, 9), x, y));
      else if (!inside(x + 0.5, y - 5.5)) iso.c.Set(x, y, Shade(Hue::kWater, 1));
      else {
        double t = (y - c.y) / ry;
        double wave = std::sin((x * 0.5 + y * 1.3) + frame * 3.1);
        double shade = 2.2 + 0.6 * t + (wave > 0.93 ? 1.2 : 0);
        iso.c.Set(x, y, Dithered(Hue::kWater, std::clamp(shade, 1.0, 4.0), x, y));
      }
    }
  // Stones along the rim, bigger in front.
  for (int i = 0; i < 28; ++i) {
    double a = i * 6.2832 / 28 + Hash01(i, 0, e.index) * 0.1;
    double x = c.x + std::cos(a) * rx, y = c.y + std::sin(a) * ry;
    for (int k = 0; k < 12 && inside(x, y); ++k) x += std::cos(a), y += std::sin(a) * 0.5;
    double size = 2.2 + 1.4 * Hash01(i, 1, e.index) + (std::sin(a) > 0 ? 0.8 : 0);
    iso.c.Ellipse(x, y, size * 1.3, size, RoundLit(x, y, size, Shade(Hue::kGrey, 3)));
  }
  // Reeds at the back.
  for (int i = 0; i < 6 * e.size; ++i) {
    double a = 3.6 + i * 2.2 / (6 * e.size);
    int x = static_cast<int>(c.x + std::cos(a) * rx * 0.95), y = static_cast<int>(c.y + std::sin(a) * ry * 0.95);
    int h = 7 + static_cast<int>(Hash01(i, 2, e.index) * 6);
    iso.c.Line(x, y, x + (i % 3) - 1, y - h, Shade(Hue::kLeaf, 2 + i % 2));
    if (i % 3 == 0) iso.c.Rect(x + (i % 3) - 1, y - h - 2, 2, 3, Shade(Hue::kSoil, 1));
  }
  if (std::string(e.motif) == "pond_lotus") {
    for (int i = 0; i < 9; ++i) {
      double x = c.x + (Hash01(i, 3, 7) - 0.5) * rx * 1.2, y = c.y + (Hash01(i, 4, 7) - 0.35) * ry * 1.0;
      if (!inside(x, y - 6)) continue;
      iso.c.Ellipse(x, y, 6, 3, Shade(Hue::kLeaf, 3));
      iso.c.Line(static_cast<int>(x), static_cast<int>(y), static_cast<int>(x) + 4, static_cast<int>(y) + 2, Shade(Hue::kWater, 2));
      if (i % 2 == 0) {
        iso.c.Ellipse(x - 1, y - 3, 3, 2.5, Shade(Hue::kRed, 4));
        iso.c.Rect(static_cast<int>(x) - 1, static_cast<int>(y) - 4, 1, 2, kWhite);
      }
    }
  }
  if (carp) {
    // Fish swim round the middle, a little further each frame.
    for (int i = 0; i < 5; ++i) {
      double a = i * 1.26 + frame * 0.45;
      double x = c.x + std::cos(a) * rx * 0.45, y = c.y + std::sin(a) * ry * 0.4;
      double dir = -std::sin(a) >= 0 ? 1 : -1;
      Rgb body = i % 2 ? Shade(Hue::kOrange, 3) : kWhite;
      iso.c.Ellipse(x, y, 4, 1.6, body);
      iso.c.Polygon({{x - dir * 3, y}, {x - dir * 7, y - 2}, {x - dir * 7, y + 2}}, Shade(Hue::kOrange, 2));
      iso.c.Set(static_cast<int>(x + dir * 2), static_cast<int>(y), Shade(Hue::kRed, 2));
    }
  }
}
}  // namespace

void PaintWater(const Iso& iso, const BuildingEntry& e, int frame) {
  if (e.look == Look::Pond) return Pond(iso, e, frame);
  Paving(iso, kStone, static_cast<uint32_t>(e.index));
  if (e.look == Look::Water) return DrinkingWater(iso);
  Fountain(iso, e, frame);
}
