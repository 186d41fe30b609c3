#include "building_kit.h"

#include <algorithm>
#include <cmath>

Rgb PaletteColour(uint32_t rgb) {
  return Nearest({static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb)});
}

Fill Speckled(Rgb base, uint32_t seed) {
  return Fill([=](int x, int y) {
    double n = Hash01(x, y, seed);
    return n < 0.06 ? Darker(base) : n > 0.95 ? Lighter(base) : base;
  });
}

Fill Courses(Rgb base, double slope, int spacing, int seamEvery, uint32_t seed) {
  return Fill([=](int x, int y) {
    int along = static_cast<int>(std::floor(y - slope * x));
    int course = static_cast<int>(std::floor(along / static_cast<double>(spacing)));
    if (along - course * spacing == spacing - 1) return Darker(base);
    if (seamEvery > 0) {
      int shift = (course & 1) * seamEvery / 2;
      if ((x + shift) % seamEvery == 0) return Darker(base);
    }
    double n = Hash01(course, seamEvery > 0 ? (x + (course & 1) * seamEvery / 2) / seamEvery : 0, seed);
    return n < 0.2 ? Darker(base) : n > 0.9 ? Lighter(base) : base;
  });
}

Fill Stripes(Rgb a, Rgb b, int width, double slope) {
  return Fill([=](int x, int y) {
    int i = static_cast<int>(std::floor((x + slope * y) / width));
    return (i & 1) ? b : a;
  });
}

Fill RoundLit(double cx, double cy, double r, Rgb base) {
  return Fill([=](int x, int y) {
    double lit = -((x + 0.5 - cx) + (y + 0.5 - cy)) / (r * 1.4);
    return lit > 0.45 ? Lighter(base) : lit < -0.45 ? Darker(base) : base;
  });
}

Fill Shadowing(const Canvas& c, int steps) {
  return Fill([&c, steps](int x, int y) { return Darker(c.Get(x, y), steps); });
}

double WallLength(const Block& b, Side side) { return side == Side::kLeft ? b.u1 - b.u0 : b.v1 - b.v0; }

Vec WallPoint(const Iso& iso, const Block& b, Side side, double a, double h) {
  return side == Side::kLeft ? iso.At(b.u0 + a, b.v1, h) : iso.At(b.u1, b.v1 - a, h);
}

void Walls(const Iso& iso, const Block& b, const Fill& left, const Fill& right, const Fill& top) {
  IsoBox(iso.c, iso.f, b.u0, b.v0, b.u1, b.v1, b.h0, b.h1, BoxFaces{top, left, right});
}

void SolidBlock(const Iso& iso, const Block& b, Rgb top) { Walls(iso, b, Darker(top), Darker(top, 2), top); }

void WallPanel(const Iso& iso, const Block& b, Side side, double a0, double a1, double h0, double h1, const Fill& fill) {
  iso.c.Polygon({WallPoint(iso, b, side, a0, h0), WallPoint(iso, b, side, a1, h0), WallPoint(iso, b, side, a1, h1),
                 WallPoint(iso, b, side, a0, h1)},
                fill);
}

void Window(const Iso& iso, const Block& b, Side side, double a0, double a1, double h0, double h1, Rgb frame) {
  const double px = 1.0 / 36;  // one pixel along a wall
  WallPanel(iso, b, side, a0 - 1.5 * px, a1 + 1.5 * px, h0 - 2, h1 + 1.5, side == Side::kLeft ? frame : Darker(frame));
  const int glass = side == Side::kLeft ? 2 : 1;
  Vec top = WallPoint(iso, b, side, a0, h1);
  WallPanel(iso, b, side, a0, a1, h0, h1, Fill([=](int x, int y) {
              double up = (y - WallSlope(side) * (x - top.x)) - top.y;  // rows below the window's top edge
              if (up < 2) return Shade(Hue::kWater, glass + 2);
              if (((x + y) % 9 + 9) % 9 < 2) return Shade(Hue::kWater, glass + 1);
              return Shade(Hue::kWater, glass);
            }));
  WallPanel(iso, b, side, a0 - 2 * px, a1 + 2 * px, h0 - 2, h0 - 0.5, Lighter(frame));
}

void WindowRow(const Iso& iso, const Block& b, Side side, double a0, double a1, double h0, double h1, int count,
               Rgb frame) {
  double step = (a1 - a0) / count, gap = step * 0.3;
  for (int i = 0; i < count; ++i)
    Window(iso, b, side, a0 + i * step + gap / 2, a0 + (i + 1) * step - gap / 2, h0, h1, frame);
}

void Door(const Iso& iso, const Block& b, Side side, double a0, double a1, double h, Rgb colour, bool glass) {
  const double px = 1.0 / 36;
  Rgb lit = side == Side::kLeft ? colour : Darker(colour);
  WallPanel(iso, b, side, a0 - 1.5 * px, a1 + 1.5 * px, b.h0, h + 1.5, Darker(lit, 2));
  if (glass) {
    Window(iso, b, side, a0, a1, b.h0 + 1, h, colour);
    WallPanel(iso, b, side, (a0 + a1) / 2 - 0.5 * px, (a0 + a1) / 2 + 0.5 * px, b.h0, h, lit);
  } else {
    WallPanel(iso, b, side, a0, a1, b.h0, h, Courses(lit, WallSlope(side), 100, 4, 7));
    Vec knob = WallPoint(iso, b, side, a0 + (a1 - a0) * 0.8, b.h0 + h * 0.45);
    iso.c.Set(static_cast<int>(knob.x), static_cast<int>(knob.y), Shade(Hue::kYellow, 3));
  }
}

void Hatch(const Iso& iso, const Block& b, Side side, double a0, double a1, double h0, double h1, Rgb ledge) {
  WallPanel(iso, b, side, a0, a1, h0, h1, Fill([](int x, int y) {
              return (x + y) % 5 == 0 ? Shade(Hue::kSoil, 1) : Shade(Hue::kSoil, 0);
            }));
  WallPanel(iso, b, side, a0 - 0.03, a1 + 0.03, h0 - 3, h0, side == Side::kLeft ? ledge : Darker(ledge));
  WallPanel(iso, b, side, a0 - 0.03, a1 + 0.03, h0 - 1, h0, Darker(ledge, 2));
}

void Awning(const Iso& iso, const Block& b, Side side, double a0, double a1, double hTop, double depth, double drop,
            Rgb colour, Rgb stripe) {
  // The awning's sheet runs out of the wall; its stripes run outwards too, so
  // on screen they follow the other isometric axis.
  const double slope = side == Side::kLeft ? 2.0 : -2.0;
  const int light = side == Side::kLeft ? 0 : 1;
  Block out = b;  // the plane `depth` cells in front of the wall
  if (side == Side::kLeft) out.v1 += depth; else out.u1 += depth;
  Vec p0 = WallPoint(iso, b, side, a0, hTop), p1 = WallPoint(iso, b, side, a1, hTop);
  Vec q0 = WallPoint(iso, out, side, a0, hTop - drop), q1 = WallPoint(iso, out, side, a1, hTop - drop);
  // Shade cast on the wall below.
  WallPanel(iso, b, side, a0, a1, hTop - drop - 3, hTop, Shadowing(iso.c));
  iso.c.Polygon({p0, p1, q1, q0}, Stripes(Darker(colour, light), Darker(stripe, light), 10, slope));
  // Hem: a hanging band with a scalloped lower edge, lit a shade lighter.
  Rgb hemA = Lighter(colour, 1 - light), hemB = Lighter(stripe, 1 - light);
  int xa = static_cast<int>(std::lround(std::min(q0.x, q1.x))), xb = static_cast<int>(std::lround(std::max(q0.x, q1.x)));
  for (int x = xa; x < xb; ++x) {
    double y = q0.y + (q1.y - q0.y) * (x + 0.5 - q0.x) / (q1.x - q0.x);
    double t = (x + 0.5 + slope * y) / 10;
    double within = t - std::floor(t);
    int len = (within < 0.15 || within > 0.85) ? 3 : 4;
    Rgb colourHere = (static_cast<int>(std::floor(t)) & 1) ? hemB : hemA;
    for (int k = 0; k < len; ++k) iso.c.Set(x, static_cast<int>(y) + k, colourHere);
  }
  iso.c.Line(static_cast<int>(q0.x), static_cast<int>(q0.y), static_cast<int>(q1.x), static_cast<int>(q1.y),
             Lighter(colour, 2 - light));
}

namespace {
void Quad(const Iso& iso, Vec a, Vec b, Vec c, Vec d, const Fill& f) { iso.c.Polygon({a, b, c, d}, f); }
}  // namespace

void GableRoof(const Iso& iso, const Block& b, RoofAxis axis, double o, double rise, Rgb roof, Rgb gable) {
  const double h = b.h1;
  if (axis == RoofAxis::kU) {
    double vm = (b.v0 + b.v1) / 2, half = (b.v1 - b.v0) / 2;
    double hr = h + rise, he = h - o * rise / half;
    Quad(iso, iso.At(b.u0 - o, b.v0 - o, he), iso.At(b.u1 + o, b.v0 - o, he), iso.At(b.u1 + o, vm, hr),
         iso.At(b.u0 - o, vm, hr), Courses(Darker(roof), 0.5, 3, 0, 11));
    iso.c.Polygon({iso.At(b.u1, b.v0, h), iso.At(b.u1, b.v1, h), iso.At(b.u1, vm, hr)}, Darker(gable, 2));
    Quad(iso, iso.At(b.u0 - o, vm, hr), iso.At(b.u1 + o, vm, hr), iso.At(b.u1 + o, b.v1 + o, he),
         iso.At(b.u0 - o, b.v1 + o, he), Courses(roof, 0.5, 3, 6, 12));
    Quad(iso, iso.At(b.u0 - o, b.v1 + o, he), iso.At(b.u1 + o, b.v1 + o, he), iso.At(b.u1 + o, b.v1 + o, he - 2),
         iso.At(b.u0 - o, b.v1 + o, he - 2), Darker(roof, 2));
    Vec e0 = iso.At(b.u1 + o, b.v0 - o, he), r = iso.At(b.u1 + o, vm, hr), e1 = iso.At(b.u1 + o, b.v1 + o, he);
    iso.c.Line(int(e0.x), int(e0.y), int(r.x), int(r.y), Darker(roof, 2));
    iso.c.Line(int(r.x), int(r.y), int(e1.x), int(e1.y), Darker(roof, 2));
    Vec r0 = iso.At(b.u0 - o, vm, hr);
    iso.c.Line(int(r0.x), int(r0.y), int(r.x), int(r.y), Lighter(roof));
  } else {
    double um = (b.u0 + b.u1) / 2, half = (b.u1 - b.u0) / 2;
    double hr = h + rise, he = h - o * rise / half;
    Quad(iso, iso.At(um, b.v0 - o, hr), iso.At(um, b.v1 + o, hr), iso.At(b.u0 - o, b.v1 + o, he),
         iso.At(b.u0 - o, b.v0 - o, he), Courses(roof, -0.5, 3, 6, 13));
    iso.c.Polygon({iso.At(b.u0, b.v1, h), iso.At(b.u1, b.v1, h), iso.At(um, b.v1, hr)}, Darker(gable));
    Quad(iso, iso.At(um, b.v0 - o, hr), iso.At(um, b.v1 + o, hr), iso.At(b.u1 + o, b.v1 + o, he),
         iso.At(b.u1 + o, b.v0 - o, he), Courses(Darker(roof), -0.5, 3, 6, 14));
    Quad(iso, iso.At(b.u1 + o, b.v1 + o, he), iso.At(b.u1 + o, b.v0 - o, he), iso.At(b.u1 + o, b.v0 - o, he - 2),
         iso.At(b.u1 + o, b.v1 + o, he - 2), Darker(roof, 3));
    Vec e0 = iso.At(b.u0 - o, b.v1 + o, he), r = iso.At(um, b.v1 + o, hr), e1 = iso.At(b.u1 + o, b.v1 + o, he);
    iso.c.Line(int(e0.x), int(e0.y), int(r.x), int(r.y), Darker(roof, 2));
    iso.c.Line(int(r.x), int(r.y), int(e1.x), int(e1.y), Darker(roof, 2));
    Vec r0 = iso.At(um, b.v0 - o, hr);
    iso.c.Line(int(r0.x), int(r0.y), int(r.x), int(r.y), Lighter(roof));
  }
}

void HipRoof(const Iso& iso, const Block& b, double o, double rise, Rgb roof) {
  double u0 = b.u0 - o, u1 = b.u1 + o, v0 = b.v0 - o, v1 = b.v1 + o;
  double half = std::min(u1 - u0, v1 - v0) / 2;
  double he = b.h1 - 1, hr = b.h1 + rise;
  Vec r0, r1;  // ridge ends
  double um = (u0 + u1) / 2, vm = (v0 + v1) / 2;
  if (u1 - u0 >= v1 - v0) {
    r0 = iso.At(u0 + half, vm, hr), r1 = iso.At(u1 - half, vm, hr);
  } else {
    r0 = iso.At(um, v0 + half, hr), r1 = iso.At(um, v1 - half, hr);
  }
  Vec a = iso.At(u0, v0, he), bq = iso.At(u1, v0, he), c = iso.At(u1, v1, he), d = iso.At(u0, v1, he);
  bool alongU = u1 - u0 >= v1 - v0;
  // back (-v) and left end (-u) first, then the two faces toward the viewer.
  if (alongU) {
    iso.c.Polygon({a, bq, r1, r0}, Courses(Darker(roof), 0.5, 3, 6, 21));
    iso.c.Polygon({a, r0, d}, Courses(Lighter(roof), -0.5, 3, 6, 22));
    iso.c.Polygon({r0, r1, c, d}, Courses(roof, 0.5, 3, 6, 23));
    iso.c.Polygon({r1, bq, c}, Courses(Darker(roof), -0.5, 3, 6, 24));
  } else {
    iso.c.Polygon({a, bq, r0}, Courses(Darker(roof), 0.5, 3, 6, 21));
    iso.c.Polygon({a, r0, r1, d}, Courses(Lighter(roof), -0.5, 3, 6, 22));
    iso.c.Polygon({r1, c, d}, Courses(roof, 0.5, 3, 6, 23));
    iso.c.Polygon({r0, bq, c, r1}, Courses(Darker(roof), -0.5, 3, 6, 24));
  }
  Rgb edge = Darker(roof, 2);
  iso.c.Line(int(d.x), int(d.y), int(c.x), int(c.y), edge);
  iso.c.Line(int(c.x), int(c.y), int(bq.x), int(bq.y), Darker(roof, 3));
  iso.c.Line(int(r1.x), int(r1.y), int(c.x), int(c.y), Lighter(roof));
  iso.c.Line(int(r0.x), int(r0.y), int(r1.x), int(r1.y), Lighter(roof));
}

void FlatRoof(const Iso& iso, const Block& b, double rim, double lip, Rgb roof, Rgb parapet) {
  double t = b.h1, p = b.h1 + lip;
  SolidBlock(iso, {b.u0, b.v0, b.u1, b.v0 + rim, t, p}, parapet);
  SolidBlock(iso, {b.u0, b.v0, b.u0 + rim, b.v1, t, p}, parapet);
  IsoQuad(iso.c, iso.f, b.u0 + rim, b.v0 + rim, b.u1 - rim, b.v1 - rim, t, Speckled(roof, 31));
  SolidBlock(iso, {b.u0, b.v1 - rim, b.u1, b.v1, t, p}, parapet);
  SolidBlock(iso, {b.u1 - rim, b.v0, b.u1, b.v1, t, p}, parapet);
}

namespace {
// Horizontal radii of an iso circle of radius r cells.
double Rx(const Iso& iso, double r) { return r * std::sqrt(2.0) * (iso.At(1, 0).x - iso.At(0, 0).x); }
double Ry(const Iso& iso, double r) { return r * std::sqrt(2.0) * (iso.At(1, 0).y - iso.At(0, 0).y); }
}  // namespace

void Disc(const Iso& iso, double u, double v, double r, double h, const Fill& fill) {
  Vec c = iso.At(u, v, h);
  iso.c.Ellipse(c.x, c.y, Rx(iso, r), Ry(iso, r), fill);
}

void Cylinder(const Iso& iso, double u, double v, double r, double h0, double h1, Rgb side, Rgb top) {
  Vec lo = iso.At(u, v, h0), hi = iso.At(u, v, h1);
  double rx = Rx(iso, r), ry = Ry(iso, r);
  Fill shaded([=](int x, int) {
    double t = (x + 0.5 - (lo.x - rx)) / (2 * rx);
    return t < 0.22 ? Lighter(side) : t < 0.55 ? side : t < 0.8 ? Darker(side) : Darker(side, 2);
  });
  iso.c.Ellipse(lo.x, lo.y, rx, ry, shaded);
  iso.c.Rect(static_cast<int>(std::ceil(lo.x - rx - 0.5)), static_cast<int>(hi.y),
             static_cast<int>(std::floor(2 * rx + 0.5)) + 1, static_cast<int>(lo.y - hi.y) + 1, shaded);
  iso.c.Ellipse(hi.x, hi.y, rx, ry, top);
}

void Signboard(Canvas& c, int cx, int bottom, std::string_view text, Rgb board, Rgb ink, int size) {
  TextStyle style{size, ink};
  int w = TextWidth(text, style) + 6, h = size + 4;
  int x = cx - w / 2, y = bottom - h;
  c.Rect(x, y, w, h, board);
  c.Frame(x, y, w, h, Darker(board, 2));
  c.Rect(x + 1, y + 1, w - 2, 1, Lighter(board));
  DrawText(c, x + 3, y + 2, text, style);
}

void Pole(Canvas& c, int x, int y, int height, Rgb colour) {
  c.Rect(x, y - height, 1, height, Lighter(colour));
  c.Rect(x + 1, y - height, 1, height, Darker(colour));
}

namespace {
// Footprint coordinates (u, v) of a screen pixel's centre.
Vec Unproject(const Iso& iso, int x, int y) {
  Vec o = iso.At(0, 0), du = iso.At(1, 0);
  double hx = du.x - o.x, hy = du.y - o.y;
  double a = (x + 0.5 - o.x) / hx, bb = (y + 0.5 - o.y) / hy;
  return {(a + bb) / 2, (bb - a) / 2};
}
}  // namespace

void Paving(const Iso& iso, Rgb stone, uint32_t seed) {
  int s = iso.f.side;
  iso.c.Diamond(0, 63, 36 * s, 18 * s, Fill([=](int x, int y) {
                  Vec uv = Unproject(iso, x, y);
                  double gu = uv.x * 3, gv = uv.y * 3;
                  int iu = static_cast<int>(std::floor(gu)), iv = static_cast<int>(std::floor(gv));
                  double fu = gu - iu, fv = gv - iv;
                  if (fu < 0.07 || fv < 0.07) return Darker(stone);
                  double n = Hash01(iu, iv, seed);
                  Rgb slab = n < 0.3 ? Darker(stone) : n > 0.85 ? Lighter(stone) : stone;
                  if (fu > 0.93 || fv > 0.93) return Lighter(slab);
                  return Hash01(x, y, seed + 1) < 0.05 ? Darker(slab) : slab;
                }));
}

void BlockShadow(const Iso& iso, const Block& b) {
  double reach = std::min(0.5, (b.h1 - b.h0) / 90.0);
  int s = iso.f.side;
  double u1 = std::min<double>(s, b.u1 + reach), v1 = std::min<double>(s, b.v1 + reach * 0.3);
  IsoQuad(iso.c, iso.f, b.u0 + 0.05, b.v0, u1, v1, 0, Shadowing(iso.c));
}

void RoundShadow(const Iso& iso, double u, double v, double r, double h) {
  double reach = std::min(0.35, h / 120.0);
  Disc(iso, u + reach, v + reach * 0.2, r * 1.05, 0, Shadowing(iso.c));
}
