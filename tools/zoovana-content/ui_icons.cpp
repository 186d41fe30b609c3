#include "ui_icons.h"

#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979;

// Icons are drawn on a 20-unit grid around the centre, then outlined.
struct Pen {
  Canvas& c;
  double ox, oy, s;
  Vec P(double x, double y) const { return {ox + x * s, oy + y * s}; }
  void Box(double x, double y, double w, double h, Rgb col) const {
    c.Polygon({P(x, y), P(x + w, y), P(x + w, y + h), P(x, y + h)}, col);
  }
  void Poly(std::initializer_list<Vec> pts, Rgb col) const {
    std::vector<Vec> v;
    for (Vec p : pts) v.push_back(P(p.x, p.y));
    c.Polygon(v, col);
  }
  void Disc(double x, double y, double r, Rgb col) const { c.Ellipse(ox + x * s, oy + y * s, r * s, r * s, col); }
  void Oval(double x, double y, double rx, double ry, Rgb col) const { c.Ellipse(ox + x * s, oy + y * s, rx * s, ry * s, col); }
  void Stroke(double x0, double y0, double x1, double y1, double w, Rgb col) const {
    double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    double nx = -dy / len * w / 2, ny = dx / len * w / 2;
    Poly({{x0 + nx, y0 + ny}, {x1 + nx, y1 + ny}, {x1 - nx, y1 - ny}, {x0 - nx, y0 - ny}}, col);
  }
};

void Person(const Pen& p, double x, double y, Hue shirt) {
  p.Disc(x, y - 5, 3, Shade(Hue::kSkin, 3));
  p.Box(x - 1.5, y - 8.5, 3, 1.5, Shade(Hue::kSoil, 1));  // hair
  p.Poly({{x - 4.5, y + 6}, {x - 3.5, y - 1.5}, {x + 3.5, y - 1.5}, {x + 4.5, y + 6}}, Shade(shirt, 3));
  p.Box(x - 4.5, y + 4, 9, 2, Shade(shirt, 2));
}

void Draw(const Pen& p, Icon icon) {
  switch (icon) {
    case Icon::kShovel:
      p.Stroke(-6, -7, 3, 2, 2, Shade(Hue::kWood, 3));
      p.Stroke(-8, -9, -4, -5, 2.5, Shade(Hue::kWood, 2));
      p.Poly({{1, 1}, {5, -3}, {9, 3}, {8, 8}, {3, 9}, {-2, 4}}, Shade(Hue::kGrey, 4));
      p.Poly({{4, 4}, {8, 3}, {8, 8}, {3, 9}}, Shade(Hue::kGrey, 2));
      break;
    case Icon::kTree:
      p.Poly({{-9, 8}, {0, 3}, {9, 8}, {0, 10}}, Shade(Hue::kGrey, 2));
      p.Box(-1, -1, 2.5, 8, Shade(Hue::kWood, 2));
      p.Disc(0, -4, 6.5, Shade(Hue::kGrass, 3));
      p.Disc(-2, -6, 3, Shade(Hue::kGrass, 4));
      break;
    case Icon::kShop:
      p.Box(-8, -1, 16, 10, Shade(Hue::kSand, 4));
      p.Box(-3, 2, 6, 7, Shade(Hue::kWood, 2));
      for (int i = 0; i < 4; ++i) p.Poly({{-10.0 + 5 * i, -6}, {-5.0 + 5 * i, -6}, {-5.0 + 5 * i, 0}, {-10.0 + 5 * i, 0}}, Shade(i % 2 ? Hue::kSnow : Hue::kRed, 3));
      p.Poly({{-10, -6}, {-7, -10}, {7, -10}, {10, -6}}, Shade(Hue::kRed, 2));
      break;
    case Icon::kFence:
      for (int i = 0; i < 4; ++i) p.Poly({{-9.0 + 5.5 * i, 9}, {-9.0 + 5.5 * i, -3}, {-7.5 + 5.5 * i, -5}, {-6.0 + 5.5 * i, -3}, {-6.0 + 5.5 * i, 9}}, Shade(Hue::kWood, 3));
      p.Box(-10, -1, 20, 2, Shade(Hue::kWood, 1));
      p.Box(-10, 5, 20, 2, Shade(Hue::kWood, 1));
      p.Oval(3, -6, 4, 3.2, Shade(Hue::kOrange, 3));  // a paw print over it
      for (int i = 0; i < 3; ++i) p.Disc(-1.0 + 4 * i, -10.5 + (i == 1 ? -1 : 0), 1.6, Shade(Hue::kOrange, 3));
      break;
    case Icon::kOffice:
      p.Box(-8, -6, 16, 15, Shade(Hue::kSand, 3));
      p.Poly({{-10, -6}, {0, -11}, {10, -6}}, Shade(Hue::kTeal, 2));
      for (int r = 0; r < 2; ++r)
        for (int k = 0; k < 3; ++k) p.Box(-6 + 4.5 * k, -3 + 5 * r, 3, 3, Shade(Hue::kWater, 3));
      p.Box(-1.5, 5, 3, 4, Shade(Hue::kWood, 1));
      break;
    case Icon::kHire:
      Person(p, -2, 1, Hue::kTeal);
      p.Box(4, -8, 6, 2, Shade(Hue::kYellow, 4));
      p.Box(6, -10, 2, 6, Shade(Hue::kYellow, 4));
      break;
    case Icon::kCoins:
      for (int i = 0; i < 3; ++i) {
        p.Oval(-3, 6 - 3.0 * i, 6, 2.6, Shade(Hue::kYellow, 1));
        p.Oval(-3, 5 - 3.0 * i, 6, 2.6, Shade(Hue::kYellow, 3));
      }
      p.Disc(4.5, -3, 5, Shade(Hue::kYellow, 3));
      p.Disc(4.5, -3, 3.2, Shade(Hue::kYellow, 4));
      p.Box(4, -5.5, 1, 5, Shade(Hue::kYellow, 1));
      break;
    case Icon::kMagnifier:
      p.Stroke(2, 2, 8, 8, 3, Shade(Hue::kWood, 1));
      p.Disc(-2, -2, 6.5, Shade(Hue::kGrey, 1));
      p.Disc(-2, -2, 4.8, Shade(Hue::kWater, 3));
      p.Disc(-3.5, -3.5, 1.6, Shade(Hue::kSnow, 4));
      break;
    case Icon::kMegaphone:
      p.Poly({{-8, -2}, {5, -9}, {5, 7}, {-8, 2}}, Shade(Hue::kRed, 3));
      p.Box(-10, -3, 3, 6, Shade(Hue::kGrey, 2));
      p.Oval(5, -1, 2, 8, Shade(Hue::kRed, 1));
      p.Stroke(-5, 2, -3, 8, 2, Shade(Hue::kGrey, 2));
      p.Stroke(8, -6, 10, -8, 1.2, Shade(Hue::kYellow, 4));
      p.Stroke(8.5, 2, 10.5, 4, 1.2, Shade(Hue::kYellow, 4));
      break;
    case Icon::kVisitor:
      Person(p, -3, 2, Hue::kOrange);
      p.Disc(5, -6, 4.5, Shade(Hue::kWater, 3));
      p.Box(4.3, -6, 1.4, 4, kWhite);
      p.Box(4.3, -9, 1.4, 1.4, kWhite);
      break;
    case Icon::kExit:
      p.Box(-8, -9, 10, 18, Shade(Hue::kWood, 2));
      p.Box(-6, -7, 6, 14, Shade(Hue::kSoil, 0));
      p.Poly({{0, -3}, {5, -3}, {5, -7}, {10, 0}, {5, 7}, {5, 3}, {0, 3}}, Shade(Hue::kRed, 3));
      break;
    case Icon::kSave:
      p.Box(-8, -8, 16, 16, Shade(Hue::kWater, 2));
      p.Box(-5, -8, 10, 6, Shade(Hue::kSnow, 4));
      p.Box(-5, 2, 10, 6, Shade(Hue::kGrey, 3));
      p.Box(2, -7, 2, 4, Shade(Hue::kWater, 1));
      break;
    case Icon::kLoad:
      p.Poly({{-9, -6}, {-3, -6}, {-1, -4}, {8, -4}, {8, 7}, {-9, 7}}, Shade(Hue::kYellow, 2));
      p.Poly({{-7, -1}, {10, -1}, {8, 7}, {-9, 7}}, Shade(Hue::kYellow, 3));
      p.Poly({{2, -11}, {6, -7}, {3, -7}, {3, -3}, {1, -3}, {1, -7}, {-2, -7}}, Shade(Hue::kGrass, 3));
      break;
    case Icon::kGear:
      for (int i = 0; i < 8; ++i) {
        double a = i * kPi / 4;
        p.Stroke(std::cos(a) * 4, std::sin(a) * 4, std::cos(a) * 9, std::sin(a) * 9, 3.2, Shade(Hue::kGrey, 3));
      }
      p.Disc(0, 0, 6.5, Shade(Hue::kGrey, 3));
      p.Disc(0, 0, 2.5, Shade(Hue::kGrey, 1));
      break;
    case Icon::kHide:
      p.Box(-7, -2, 14, 10, Shade(Hue::kSand, 4));
      p.Poly({{-9, -2}, {0, -9}, {9, -2}}, Shade(Hue::kRed, 3));
      p.Stroke(-9, 8, 9, -8, 2.2, Shade(Hue::kRed, 1));
      break;
    case Icon::kBalloon:
      p.Oval(0, -2, 9, 7, Shade(Hue::kSnow, 4));
      p.Poly({{-4, 3}, {-1, 4}, {-6, 9}}, Shade(Hue::kSnow, 4));
      p.Box(-5, -5, 10, 1.5, Shade(Hue::kWater, 2));
      p.Box(-5, -2, 8, 1.5, Shade(Hue::kWater, 2));
      p.Box(-5, 1, 6, 1.5, Shade(Hue::kWater, 2));
      break;
    case Icon::kFlag:
      p.Box(-7, -9, 2, 19, Shade(Hue::kGrey, 2));
      p.Poly({{-5, -9}, {8, -6}, {-5, -1}}, Shade(Hue::kRed, 3));
      p.Oval(-6, 9, 5, 1.5, Shade(Hue::kGrass, 2));
      break;
    case Icon::kHourglass:
      p.Box(-7, -10, 14, 2.5, Shade(Hue::kWood, 2));
      p.Box(-7, 7.5, 14, 2.5, Shade(Hue::kWood, 2));
      p.Poly({{-5, -7.5}, {5, -7.5}, {1, 0}, {5, 7.5}, {-5, 7.5}, {-1, 0}}, Shade(Hue::kSnow, 3));
      p.Poly({{-3, -5}, {3, -5}, {0, -1}}, Shade(Hue::kSand, 3));
      p.Poly({{0, 3}, {4, 7.5}, {-4, 7.5}}, Shade(Hue::kSand, 3));
      break;
    case Icon::kHammer:
      p.Stroke(-6, 8, 3, -3, 2.4, Shade(Hue::kWood, 3));
      p.Poly({{-2, -6}, {4, -11}, {9, -5}, {4, 0}}, Shade(Hue::kGrey, 3));
      p.Poly({{4, 0}, {9, -5}, {10, -4}, {5, 1}}, Shade(Hue::kGrey, 1));
      break;
    case Icon::kArrowUp: p.Poly({{0, -6}, {7, 4}, {-7, 4}}, Shade(Hue::kYellow, 3)); break;
    case Icon::kArrowDown: p.Poly({{0, 6}, {7, -4}, {-7, -4}}, Shade(Hue::kYellow, 3)); break;
    case Icon::kPaw:
      p.Oval(0, 3, 5, 4, Shade(Hue::kOrange, 3));
      for (int i = 0; i < 4; ++i) p.Disc(-6.0 + 4 * i, -3 - (i == 1 || i == 2 ? 2 : 0), 2, Shade(Hue::kOrange, 3));
      break;
    case Icon::kHeart:
      p.Disc(-3.5, -2, 4.5, Shade(Hue::kRed, 3));
      p.Disc(3.5, -2, 4.5, Shade(Hue::kRed, 3));
      p.Poly({{-8, 0}, {8, 0}, {0, 9}}, Shade(Hue::kRed, 3));
      p.Disc(-4.5, -3.5, 1.5, Shade(Hue::kRed, 4));
      break;
    case Icon::kWrench:
      p.Stroke(-6, 7, 4, -3, 3, Shade(Hue::kGrey, 3));
      p.Disc(5, -4, 4.5, Shade(Hue::kGrey, 3));
      p.Poly({{4, -5}, {8, -10}, {10, -7}, {6, -3}}, kKey);
      break;
    case Icon::kDiamond:
      p.Poly({{0, -6}, {10, 0}, {0, 6}, {-10, 0}}, Shade(Hue::kGrass, 3));
      p.Poly({{0, -6}, {10, 0}, {0, 0}, {-10, 0}}, Shade(Hue::kGrass, 4));
      break;
    case Icon::kPerson: Person(p, 0, 1, Hue::kTeal); break;
    case Icon::kEnvelope:
      p.Box(-10, -6, 20, 13, Shade(Hue::kSnow, 4));
      p.Poly({{-10, -6}, {0, 2}, {10, -6}}, Shade(Hue::kSnow, 2));
      p.Disc(0, 1.5, 2.2, Shade(Hue::kRed, 3));
      break;
    case Icon::kPlus:
      p.Box(-8, -2.5, 16, 5, Shade(Hue::kGrass, 3));
      p.Box(-2.5, -8, 5, 16, Shade(Hue::kGrass, 3));
      break;
    case Icon::kMinus: p.Box(-8, -2.5, 16, 5, Shade(Hue::kRed, 3)); break;
    case Icon::kBack: p.Poly({{-9, 0}, {-1, -8}, {-1, -3.5}, {9, -3.5}, {9, 3.5}, {-1, 3.5}, {-1, 8}}, Shade(Hue::kYellow, 3)); break;
    case Icon::kNext: p.Poly({{9, 0}, {1, -8}, {1, -3.5}, {-9, -3.5}, {-9, 3.5}, {1, 3.5}, {1, 8}}, Shade(Hue::kYellow, 3)); break;
    case Icon::kBars:
      p.Box(-9, 8, 18, 1.5, Shade(Hue::kGrey, 1));
      p.Box(-8, 0, 4, 8, Shade(Hue::kWater, 3));
      p.Box(-2, -7, 4, 15, Shade(Hue::kGrass, 3));
      p.Box(4, -3, 4, 11, Shade(Hue::kOrange, 3));
      break;
    case Icon::kCalendar:
      p.Box(-8, -7, 16, 16, Shade(Hue::kSnow, 4));
      p.Box(-8, -7, 16, 4.5, Shade(Hue::kRed, 3));
      p.Box(-5, -10, 2, 5, Shade(Hue::kGrey, 1));
      p.Box(3, -10, 2, 5, Shade(Hue::kGrey, 1));
      for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k) p.Box(-6 + 4.5 * k, -1 + 3.5 * r, 2.5, 2, Shade(Hue::kGrey, 1));
      break;
    case Icon::kCross:
      p.Stroke(-7, -7, 7, 7, 3.5, Shade(Hue::kRed, 3));
      p.Stroke(-7, 7, 7, -7, 3.5, Shade(Hue::kRed, 3));
      break;
    case Icon::kCrate:
      p.Box(-9, -3, 12, 12, Shade(Hue::kWood, 3));
      p.Box(-9, 2, 12, 1.5, Shade(Hue::kWood, 1));
      p.Box(-4, -3, 1.5, 12, Shade(Hue::kWood, 1));
      p.Poly({{1, -10}, {9, -10}, {9, -4}, {5, 0}, {1, -4}}, Shade(Hue::kYellow, 3));  // a price tag on it
      p.Disc(5, -7, 1.2, Shade(Hue::kWood, 1));
      break;
    case Icon::kLines:
      p.Box(-9, 8, 18, 1.5, Shade(Hue::kGrey, 1));
      p.Stroke(-8, 4, -3, -2, 2, Shade(Hue::kGrass, 3));
      p.Stroke(-3, -2, 2, 2, 2, Shade(Hue::kGrass, 3));
      p.Stroke(2, 2, 8, -7, 2, Shade(Hue::kGrass, 3));
      break;
    case Icon::kMedal:
      p.Poly({{-6, -10}, {-1, -10}, {2, -2}, {-3, -2}}, Shade(Hue::kRed, 3));
      p.Poly({{6, -10}, {1, -10}, {-2, -2}, {3, -2}}, Shade(Hue::kWater, 3));
      p.Disc(0, 3, 6.5, Shade(Hue::kYellow, 3));
      p.Disc(-1, 2, 4, Shade(Hue::kYellow, 4));
      break;
  }
}
}  // namespace

void DrawIcon(Canvas& c, int cx, int cy, Icon icon, double scale) {
  int half = static_cast<int>(13 * scale) + 2;
  Canvas scratch(2 * half, 2 * half);
  Draw(Pen{scratch, static_cast<double>(half), static_cast<double>(half), scale}, icon);
  scratch.Outline(2);
  for (int y = 0; y < scratch.Height(); ++y)  // the outline of pale colours would vanish on a pale button
    for (int x = 0; x < scratch.Width(); ++x)
      if (scratch.Get(x, y) == Shade(Hue::kSnow, 2) || scratch.Get(x, y) == Shade(Hue::kGrey, 2)) {
        bool rim = false;
        for (int d = 0; d < 4 && !rim; ++d) {
          int nx = x + (d == 0) - (d == 1), ny = y + (d == 2) - (d == 3);
          rim = scratch.Inside(nx, ny) && scratch.Get(nx, ny) == kKey;
        }
        if (rim) scratch.Set(x, y, Shade(Hue::kGrey, 0));
      }
  c.Blit(scratch, cx - half, cy - half);
}

Rgb PanelTexture(int x, int y) {
  double n = 0.6 * ValueNoise(x * 0.15, y * 0.15, 71) + 0.4 * ValueNoise(x * 0.5, y * 0.3, 72);
  return Dithered(Hue::kLeaf, 0.6 + 1.2 * n, x, y);
}

void Button(Canvas& c, int x, int y, int w, int h) {
  c.Rect(x, y, w, h, [&](int px, int py) { return Dithered(Hue::kSand, 3.6 - 0.8 * (py - y) / h, px, py); });
  const Rgb light = Shade(Hue::kSand, 4), dark = Shade(Hue::kWood, 1);
  c.Rect(x, y, w, 1, light);
  c.Rect(x, y, 1, h, light);
  c.Rect(x, y + h - 1, w, 1, dark);
  c.Rect(x + w - 1, y, 1, h, dark);
  c.Rect(x + 1, y + h - 2, w - 2, 1, Darker(dark, -1));
  c.Rect(x + w - 2, y + 1, 1, h - 2, Darker(dark, -1));
}

void PressedButton(Canvas& c, int x, int y, int w, int h) {
  c.Rect(x, y, w, h, [&](int px, int py) { return Dithered(Hue::kOrange, 2.2 - 0.4 * (py - y) / h, px, py); });
  const Rgb shadow = Shade(Hue::kWood, 0), rim = Shade(Hue::kYellow, 4);
  c.Rect(x, y, w, 2, shadow);
  c.Rect(x, y, 2, h, shadow);
  c.Frame(x + 2, y + 2, w - 3, h - 3, rim);
  c.Rect(x, y + h - 1, w, 1, rim);
  c.Rect(x + w - 1, y, 1, h, rim);
}

void Well(Canvas& c, int x, int y, int w, int h, Rgb inside) {
  c.Rect(x, y, w, h, inside);
  c.Rect(x, y, w, 1, Shade(Hue::kLeaf, 0));
  c.Rect(x, y, 1, h, Shade(Hue::kLeaf, 0));
  c.Rect(x, y + h - 1, w, 1, Shade(Hue::kLeaf, 4));
  c.Rect(x + w - 1, y, 1, h, Shade(Hue::kLeaf, 4));
}
