#include "building_props.h"

#include "building_kit.h"

#include <cmath>
#include <map>
#include <string>

namespace {
// A drawing surface in prop units: origin at the bottom centre, y up, scaled.
struct Pen {
  Canvas& c;
  double k;
  double X(double x) const { return c.Width() / 2.0 + x * k; }
  double Y(double y) const { return c.Height() - 2 - y * k; }
  void Oval(double x, double y, double rx, double ry, const Fill& f) const { c.Ellipse(X(x), Y(y), rx * k, ry * k, f); }
  void Poly(std::initializer_list<Vec> pts, const Fill& f) const {
    std::vector<Vec> v;
    for (Vec p : pts) v.push_back({X(p.x), Y(p.y)});
    c.Polygon(v, f);
  }
  void Box(double x0, double y0, double x1, double y1, const Fill& f) const { Poly({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, f); }
  void Seg(double x0, double y0, double x1, double y1, Rgb col) const {
    c.Line(static_cast<int>(X(x0)), static_cast<int>(Y(y0)), static_cast<int>(X(x1)), static_cast<int>(Y(y1)), col);
  }
  void Dot(double x, double y, Rgb col) const { c.Set(static_cast<int>(X(x)), static_cast<int>(Y(y)), col); }
};

Rgb S(Hue h, int s) { return Shade(h, s); }

void Ball(const Pen& p, double x, double y, double r, Rgb base) {
  p.Oval(x, y, r, r, RoundLit(p.X(x), p.Y(y), r * p.k, base));
}

void Steam(const Pen& p, double x, double y) {
  for (int i = 0; i < 3; ++i) {
    double bx = x + (i - 1) * 3.5;
    for (int t = 0; t < 9; ++t) p.Dot(bx + std::sin(t * 0.9 + i) * 1.2, y + t, S(Hue::kSnow, 3 - (t > 5)));
  }
}

void Hotdog(const Pen& p) {
  p.Oval(0, 6, 12, 5, RoundLit(p.X(0), p.Y(6), 12 * p.k, S(Hue::kSand, 3)));
  p.Oval(0, 9, 13, 3.2, RoundLit(p.X(0), p.Y(9), 13 * p.k, S(Hue::kRed, 2)));
  for (int i = -10; i < 10; i += 2) p.Seg(i, 9.5 + (i & 2 ? 1 : -1), i + 2, 9.5 - (i & 2 ? 1 : -1), S(Hue::kYellow, 4));
  p.Oval(0, 5, 11, 3, S(Hue::kOrange, 3));
}

void Burger(const Pen& p) {
  p.Oval(0, 13, 11, 7, RoundLit(p.X(0), p.Y(13), 11 * p.k, S(Hue::kOrange, 3)));
  for (int i = 0; i < 5; ++i) p.Dot(-6 + i * 3, 15 + (i & 1) * 2, S(Hue::kSand, 4));
  p.Oval(0, 9, 12, 2.2, S(Hue::kLeaf, 3));
  p.Poly({{-9, 9}, {9, 9}, {4, 5}}, S(Hue::kYellow, 3));
  p.Oval(0, 7, 11.5, 2.6, S(Hue::kSoil, 1));
  p.Oval(0, 3.5, 10.5, 3, RoundLit(p.X(0), p.Y(3.5), 10 * p.k, S(Hue::kOrange, 2)));
}

void Popcorn(const Pen& p) {
  for (int i = 0; i < 7; ++i) Ball(p, -7 + i * 2.4, 15 + (i % 3) * 2, 3, i & 1 ? kWhite : S(Hue::kYellow, 4));
  Ball(p, -2, 20, 3, kWhite);
  Ball(p, 3, 21, 2.6, S(Hue::kYellow, 4));
  p.Poly({{-6, 0}, {6, 0}, {8, 15}, {-8, 15}}, Fill([&p](int x, int) {
           return (static_cast<int>((x - p.X(0) + 100) / (2.5 * p.k)) & 1) ? S(Hue::kRed, 2) : kWhite;
         }));
}

void Crepe(const Pen& p) {
  Ball(p, -3, 16, 4.5, kWhite);
  Ball(p, 3, 17, 4, kWhite);
  Ball(p, -4, 20, 2.2, S(Hue::kRed, 2));
  Ball(p, 2, 21, 2.2, S(Hue::kRed, 2));
  p.Poly({{-8, 15}, {8, 15}, {0, 0}}, S(Hue::kSand, 3));
  p.Poly({{-8, 15}, {-2, 15}, {0, 0}}, S(Hue::kSand, 4));
  p.Seg(-6, 11, 4, 11, S(Hue::kSand, 1));
}

void Ramen(const Pen& p) {
  p.Seg(-2, 20, 6, 6, S(Hue::kWood, 3));
  p.Seg(1, 21, 8, 7, S(Hue::kWood, 2));
  p.Oval(0, 8, 12, 4, S(Hue::kSand, 2));
  for (int i = -9; i <= 9; i += 3) p.Seg(i, 9, i + 2, 7, S(Hue::kYellow, 4));
  p.Poly({{-12, 8}, {12, 8}, {8, 1}, {-8, 1}}, Fill([&p](int x, int y) {
           double t = (x - p.X(0)) / p.k;
           if (std::abs(y - p.Y(5)) < 1 * p.k && static_cast<int>(t + 100) % 4 < 2) return kWhite;
           return t < -4 ? S(Hue::kRed, 3) : S(Hue::kRed, 2);
         }));
  p.Oval(0, 8, 12, 1.2, S(Hue::kRed, 1));
}

void Glass(const Pen& p, Rgb drink) {
  p.Seg(3, 26, 1, 14, S(Hue::kRed, 3));
  p.Poly({{-6, 0}, {6, 0}, {8, 18}, {-8, 18}}, S(Hue::kSnow, 3));
  p.Poly({{-5, 1}, {5, 1}, {6.6, 15}, {-6.6, 15}}, drink);
  p.Seg(-5, 3, -6, 14, Lighter(drink, 2));
  Ball(p, 7, 18, 4, S(Hue::kOrange, 3));
  Ball(p, 7, 18, 2.2, S(Hue::kYellow, 4));
}

void Cup(const Pen& p, Rgb cup, Rgb drink) {
  Steam(p, 0, 19);
  p.c.EllipseRing(p.X(8), p.Y(10), 3.5 * p.k, 3.5 * p.k, Darker(cup));
  p.Oval(0, 1.5, 12, 2.5, S(Hue::kGrey, 4));
  p.Poly({{-8, 17}, {8, 17}, {6, 2}, {-6, 2}}, RoundLit(p.X(-3), p.Y(12), 10 * p.k, cup));
  p.Oval(0, 17, 8, 2, drink);
}

void Can(const Pen& p) {
  p.Box(-6, 0, 6, 20, RoundLit(p.X(-2), p.Y(10), 9 * p.k, S(Hue::kWater, 2)));
  p.Box(-6, 7, 6, 12, kWhite);
  p.Seg(-4, 9, 4, 10, S(Hue::kRed, 2));
  p.Oval(0, 20, 6, 1.8, S(Hue::kGrey, 3));
}

void IceCream(const Pen& p) {
  Ball(p, 0, 16, 6, S(Hue::kRed, 4));
  Ball(p, 0, 23, 5.5, S(Hue::kSnow, 3));
  Ball(p, 1, 29, 2, S(Hue::kRed, 2));
  p.Poly({{-6.5, 14}, {6.5, 14}, {0, -2}}, Fill([](int x, int y) {
           return ((x + y) % 4 == 0 || (x - y + 400) % 4 == 0) ? S(Hue::kSand, 1) : S(Hue::kSand, 3);
         }));
}

void ShavedIce(const Pen& p) {
  p.Oval(0, 12, 9, 8, RoundLit(p.X(0), p.Y(12), 9 * p.k, S(Hue::kSnow, 4)));
  p.Oval(0, 16, 7, 4, S(Hue::kRed, 3));
  p.Poly({{-8, 12}, {8, 12}, {6, 0}, {-6, 0}}, Stripes(kWhite, S(Hue::kWater, 3), static_cast<int>(3 * p.k) + 1));
}

void SweetPotato(const Pen& p) {
  Steam(p, 0, 13);
  p.Poly({{-12, 5}, {-6, 10}, {6, 10}, {12, 6}, {7, 1}, {-7, 1}}, RoundLit(p.X(0), p.Y(5), 10 * p.k, S(Hue::kPurple, 1)));
  p.Oval(0, 7, 6, 2.5, S(Hue::kYellow, 3));
  p.Oval(-1, 8, 3, 1.2, S(Hue::kYellow, 4));
}

void Gift(const Pen& p, Rgb box, Rgb ribbon) {
  p.Box(-8, 0, 8, 14, RoundLit(p.X(-3), p.Y(8), 10 * p.k, box));
  p.Box(-9, 12, 9, 16, Lighter(box));
  p.Box(-1.2, 0, 1.2, 16, ribbon);
  Ball(p, -3, 18, 2.5, ribbon);
  Ball(p, 3, 18, 2.5, ribbon);
}

void Bear(const Pen& p) {
  Ball(p, -7, 20, 3.5, S(Hue::kWood, 3));
  Ball(p, 7, 20, 3.5, S(Hue::kWood, 3));
  Ball(p, 0, 11, 10, S(Hue::kWood, 3));
  p.Oval(0, 7, 4.5, 3.2, S(Hue::kSand, 4));
  p.Dot(0, 8.5, kBlack);
  p.Box(-4.5, 12, -2.5, 14, kBlack);
  p.Box(2.5, 12, 4.5, 14, kBlack);
}

void Balloons(const Pen& p) {
  const double xs[] = {-7, 0, 7, -3.5, 4};
  const double ys[] = {22, 27, 21, 33, 34};
  const Rgb cols[] = {S(Hue::kRed, 2), S(Hue::kWater, 3), S(Hue::kYellow, 3), S(Hue::kGrass, 3), S(Hue::kPurple, 3)};
  for (int i = 0; i < 5; ++i) p.Seg(0, 0, xs[i], ys[i] - 4, S(Hue::kGrey, 2));
  for (int i = 0; i < 5; ++i) {
    Ball(p, xs[i], ys[i], 4.2, cols[i]);
    p.Dot(xs[i] - 1.5, ys[i] + 1.5, kWhite);
  }
}

void Camera(const Pen& p) {
  p.Box(-11, 0, 11, 13, RoundLit(p.X(-4), p.Y(7), 12 * p.k, S(Hue::kGrey, 1)));
  p.Box(-5, 13, 3, 16, S(Hue::kGrey, 1));
  p.Box(5, 13, 9, 15, S(Hue::kSnow, 4));
  Ball(p, 0, 6.5, 5.5, S(Hue::kGrey, 3));
  Ball(p, 0, 6.5, 3.5, S(Hue::kWater, 1));
  p.Dot(-1, 8, kWhite);
}

void Figure(const Pen& p, double x, Rgb col, bool skirt) {
  Ball(p, x, 17, 2.6, col);
  if (skirt) p.Poly({{x - 4, 3}, {x + 4, 3}, {x + 1.5, 14}, {x - 1.5, 14}}, col);
  else p.Box(x - 2.5, 5, x + 2.5, 14, col);
  p.Box(x - 2.2, 0, x - 0.6, 5, col);
  p.Box(x + 0.6, 0, x + 2.2, 5, col);
}

void Toilet(const Pen& p) {
  p.Box(-13, -2, 13, 22, kWhite);
  Figure(p, -6, S(Hue::kWater, 2), false);
  Figure(p, 6, S(Hue::kRed, 2), true);
  p.Seg(0, 0, 0, 20, S(Hue::kGrey, 3));
}

void Water(const Pen& p) {
  Ball(p, 0, 6, 6, S(Hue::kWater, 3));
  p.Poly({{-5.5, 8}, {5.5, 8}, {0, 18}}, S(Hue::kWater, 3));
  p.Dot(-2, 8, kWhite);
}
}  // namespace

bool DrawProp(Canvas& c, std::string_view motif, int cx, int bottom, double scale) {
  using Painter = void (*)(const Pen&);
  static const std::map<std::string, Painter, std::less<>> kProps = {
      {"hotdog", Hotdog},
      {"burger", Burger},
      {"popcorn", Popcorn},
      {"crepe", Crepe},
      {"ramen", Ramen},
      {"restaurant", [](const Pen& p) { Burger(p); }},
      {"juice", [](const Pen& p) { Glass(p, S(Hue::kOrange, 3)); }},
      {"coffee", [](const Pen& p) { Cup(p, kWhite, S(Hue::kSoil, 1)); }},
      {"soda", Can},
      {"icecream", IceCream},
      {"shavedice", ShavedIce},
      {"hotdrink", [](const Pen& p) { Cup(p, S(Hue::kRed, 2), S(Hue::kSoil, 2)); }},
      {"sweetpotato", SweetPotato},
      {"souvenir", [](const Pen& p) { Gift(p, S(Hue::kPurple, 2), S(Hue::kYellow, 3)); }},
      {"giftshop", [](const Pen& p) { Gift(p, S(Hue::kGrass, 2), S(Hue::kRed, 3)); }},
      {"plush", Bear},
      {"balloon", Balloons},
      {"photo", Camera},
      {"toilet", Toilet},
      {"water", Water},
  };
  // "toilet_big" draws as "toilet".
  auto it = kProps.find(motif);
  if (it == kProps.end()) it = kProps.find(motif.substr(0, motif.find('_')));
  if (it == kProps.end()) return false;
  // Drawn apart, outlined in its own darker hues, then laid on.
  int w = static_cast<int>(40 * scale), h = static_cast<int>(44 * scale);
  Canvas prop(w, h);
  it->second(Pen{prop, scale});
  prop.Outline(2);
  c.Blit(prop, cx - w / 2, bottom - h + 2);
  return true;
}
