// Moving things that are not people or animals: the bus, coins, litter, the
// rescue helicopter, the flying saucers and the falling meteorite and missile.
// Layouts: view/sprite_sheets.h.
#include <algorithm>

#include "figure_model.h"
#include "paint.h"
#include "vehicle_models.h"
#include "view/sprite_sheets.h"

namespace {
constexpr double kPi = 3.14159265358979323846;

// A wheel standing in the model's x-z plane, with three spokes turned by `turn`.
void Wheel(Model& m, V3 c, double r, double turn, int tyre, int hub) {
  m.Ball(c, r, 1.8, r, tyre);
  m.Ball(c + V3{0, c.y > 0 ? 1.2 : -1.2, 0}, r * 0.5, 0.8, r * 0.5, hub);
  for (int k = 0; k < 3; ++k) {
    double a = turn + k * 2 * kPi / 3;
    m.Ball(c + V3{std::cos(a) * r * 0.55, c.y > 0 ? 1.4 : -1.4, std::sin(a) * r * 0.55}, 0.9, 0.6, 0.9, tyre);
  }
}

}  // namespace

Model BusModel(int frame) {
  Model m;
  int body = m.Add(Material::Of(Hue::kTeal, 2.6)), stripe = m.Add(Material::Of(Hue::kYellow, 3.0)),
      roof = m.Add(Material::Of(Hue::kSnow, 3.2)), glass = m.Add(Material::Of(Hue::kWater, 1.4)),
      tyre = m.Add(Material::Of(Hue::kGrey, 0.3)), hub = m.Add(Material::Of(Hue::kGrey, 3.2)),
      light = m.Add(Material::Solid(Shade(Hue::kYellow, 4))), red = m.Add(Material::Solid(Shade(Hue::kRed, 3))),
      door = m.Add(Material::Of(frame == 3 ? Hue::kGrey : Hue::kWater, frame == 3 ? 0.3 : 1.6)),
      spot = m.Add(Material::Of(Hue::kSoil, 1.2));
  const double L = 66, W = 15, H = 34;  // half length, half width, height
  m.Box({0, 0, 4 + 7}, L, W, 7, body);
  m.Box({0, 0, 18.5}, L, W, 0.6, stripe);
  m.Box({0, 0, 27}, L - 1, W - 0.5, 8, body);
  m.Box({2, 0, 27}, L - 6, W + 0.2, 5, glass);  // side windows
  m.Box({L - 0.5, 0, 26}, 0.8, W - 2, 6.5, glass);  // windscreen
  m.Box({0, 0, H + 0.2}, L - 2, W - 1, 1.2, roof);
  m.Box({L - 18, W + 0.3, 17}, 6, 0.4, 13, door);
  // Window posts.
  for (int k = -4; k <= 3; ++k) m.Box({k * 15.0 + 8, 0, 27}, 1.0, W + 0.4, 5.2, body);
  // Giraffe-like spots on the lower body: it is the zoo's bus.
  for (int k = 0; k < 6; ++k) m.Ball({-58 + k * 13.0 + (k % 2) * 4, W, 8.0 + (k % 3) * 2.5}, 3.0, 1.0, 2.2, spot);
  m.Ball({L + 0.2, W - 4, 8}, 1.6, light);
  m.Ball({L + 0.2, -(W - 4), 8}, 1.6, light);
  m.Ball({-L - 0.2, W - 3, 8}, 1.4, red);
  double turn = frame < 3 ? frame * (2 * kPi / 9) : 0;
  for (double x : {L - 16, -L + 16})
    for (double y : {W + 0.2, -(W + 0.2)}) Wheel(m, {x, y, 6}, 6, turn, tyre, hub);
  return m;
}

namespace {
Canvas BusSheet() {
  const int w = sheets::kBusWidth, h = sheets::kBusHeight;
  Canvas sheet(w, h * sheets::kBusFrames);
  // Centre the drawn bus in the frame: draw it once on a large canvas to find its extent.
  RenderOptions opt;
  opt.dither = 2.4;
  Canvas probe(w * 2, h * 2);
  Render(probe, BusModel(0), w, h, opt);
  int x0 = probe.Width(), y0 = probe.Height(), x1 = 0, y1 = 0;
  for (int y = 0; y < probe.Height(); ++y)
    for (int x = 0; x < probe.Width(); ++x)
      if (!(probe.Get(x, y) == kKey)) x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
  Vec origin{w - (x0 + x1) / 2.0 + w / 2.0, h - (y0 + y1) / 2.0 + h / 2.0};
  for (int f = 0; f < sheets::kBusFrames; ++f) {
    Canvas frame(w, h);
    // Its shadow: the footprint on the ground, dithered, a little down-right.
    std::vector<Vec> shadow;
    for (auto [x, y] : {std::pair{70.0, 17.0}, {70.0, -17.0}, {-70.0, -17.0}, {-70.0, 17.0}})
      shadow.push_back({origin.x + (x - y) + 3, origin.y + 0.5 * (x + y) + 2});
    frame.Polygon(shadow, [](int x, int y) { return (x + y) % 2 ? kKey : Shade(Hue::kGrey, 0); });
    Render(frame, BusModel(f), origin.x, origin.y, opt);
    sheet.Blit(frame, 0, f * h);
  }
  return sheet;
}

// A gold coin rising and turning, with a glint; the last frames thin out.
Canvas MoneySheet() {
  const int w = sheets::kMoneyWidth, h = sheets::kMoneyHeight;
  Canvas sheet(w, h * sheets::kMoneyRows);
  for (int f = 0; f < sheets::kMoneyRows; ++f) {
    Canvas frame(w, h);
    double t = f / 9.0;
    double cy = 38 - 26 * std::sqrt(t);
    double turn = std::abs(std::cos(f * 0.7));
    double rx = 1.5 + 6.0 * turn, ry = 7.5;
    frame.Ellipse(37, cy, rx + 1, ry + 1, Shade(Hue::kYellow, 0));
    frame.Ellipse(37, cy, rx, ry, [&](int x, int y) {
      double lx = (x - 37) / std::max(1.0, rx), ly = (y - cy) / ry;
      return Dithered(Hue::kYellow, 3.2 - lx * 1.0 - ly * 0.6, x, y);
    });
    if (rx > 4) {
      frame.Ellipse(37, cy, rx * 0.55, ry * 0.55, [&](int x, int y) { return Dithered(Hue::kYellow, 2.2, x, y); });
      DrawTextCentred(frame, 30, static_cast<int>(cy) - 6, 14, 12, "$", {10, Shade(Hue::kOrange, 1), Face::kSharp, true});
    }
    // Glints: a small cross of light around the coin.
    for (int k = 0; k < 3; ++k) {
      double a = f * 0.9 + k * 2.1;
      int gx = 37 + static_cast<int>(std::cos(a) * (rx + 7)), gy = static_cast<int>(cy + std::sin(a) * 9);
      if ((f + k) % 3 == 0) continue;
      frame.Set(gx, gy, kWhite);
      frame.Set(gx - 1, gy, Shade(Hue::kYellow, 4));
      frame.Set(gx + 1, gy, Shade(Hue::kYellow, 4));
      frame.Set(gx, gy - 1, Shade(Hue::kYellow, 4));
      frame.Set(gx, gy + 1, Shade(Hue::kYellow, 4));
    }
    // Fading out: every other pixel, then every fourth.
    if (f >= 8)
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          if ((f == 8 && (x + y) % 2) || (f == 9 && ((x % 2) || (y % 2)))) frame.Set(x, y, kKey);
    sheet.Blit(frame, 0, f * h);
  }
  return sheet;
}

// Litter: each place of a cell has its own spot on the ground diamond so several
// pieces lie side by side. Places 0..5 rubbish, 6 a puddle, 7 what is left of a
// visitor caught by an escaped animal.
Canvas DirtSheet() {
  const int w = sheets::kDirtWidth, h = sheets::kDirtHeight;
  Canvas sheet(w, h * sheets::kDirtRows);
  // The ground diamond in a row: top (25, 1), left (-12, 19), right (61, 19), bottom (25, 37).
  static constexpr Vec kPlace[8] = {{16, 13}, {33, 11}, {21, 25}, {37, 22}, {9, 20}, {29, 31}, {25, 20}, {25, 20}};
  for (int k = 0; k < sheets::kDirtRows; ++k) {
    Canvas frame(w, h);
    Model m;
    double heading = k * 0.9;
    switch (k) {
      case 0:  // crumpled paper
        m.Ball({0, 0, 1.5}, 2.0, 1.8, 1.5, m.Add(Material::Of(Hue::kSnow, 2.8)));
        m.Ball({0.8, 0.6, 2.4}, 1.0, m.Add(Material::Of(Hue::kSnow, 2.2)));
        break;
      case 1:  // drink can on its side
        m.Rod({-2.2, 0, 1.1}, {2.2, 0, 1.1}, 1.1, m.Add(Material::Of(Hue::kRed, 2.6)));
        m.Ball({2.6, 0, 1.1}, 0.4, 1.0, 1.0, m.Add(Material::Of(Hue::kGrey, 3.4)));
        break;
      case 2:  // banana skin
        for (int i = 0; i < 3; ++i) {
          double a = i * 2.1;
          m.Egg({0, 0, 0.6}, {std::cos(a) * 2.8, std::sin(a) * 2.8, 0.3}, 0.8,
                m.Add(Material::Of(Hue::kYellow, 3.0)));
        }
        m.Ball({0, 0, 0.9}, 0.8, m.Add(Material::Of(Hue::kSoil, 1.5)));
        break;
      case 3:  // green bottle
        m.Rod({-2.4, 0, 1.0}, {1.2, 0, 1.0}, 1.0, m.Add(Material::Of(Hue::kLeaf, 3.0)));
        m.Rod({1.2, 0, 1.0}, {3.0, 0, 1.0}, 0.45, m.Add(Material::Of(Hue::kLeaf, 3.2)));
        break;
      case 4:  // sweet wrapper
        m.Ball({0, 0, 0.5}, 1.4, 1.0, 0.5, m.Add(Material::Of(Hue::kPurple, 3.0)));
        for (double s : {1.0, -1.0}) m.Egg({s * 1.6, 0, 0.4}, {s * 2.8, 0, 0.4}, 0.8, m.Add(Material::Of(Hue::kOrange, 3.0)));
        break;
      case 5:  // paper cup
        m.Rod({-1.8, 0, 1.2}, {1.6, 0, 1.0}, 1.1, m.Add(Material::Of(Hue::kSnow, 3.0)));
        m.Rod({-0.2, 0, 1.1}, {0.6, 0, 1.1}, 1.2, m.Add(Material::Of(Hue::kRed, 2.6)));
        break;
      case 6: {  // puddle: flat water with a light rim
        Vec c = kPlace[6];
        frame.Ellipse(c.x, c.y, 15, 7.5, Shade(Hue::kWater, 2));
        frame.Ellipse(c.x + 4, c.y - 2, 9, 4, [](int x, int y) { return Dithered(Hue::kWater, 2.6, x, y); });
        frame.Ellipse(c.x - 6, c.y - 3, 3, 1.2, Shade(Hue::kWater, 4));
        frame.Ellipse(c.x + 8, c.y + 2, 10, 4, [](int x, int y) { return Dithered(Hue::kWater, 1.4, x, y); });
        frame.EllipseRing(c.x, c.y, 15, 7.5, Shade(Hue::kWater, 1));
        break;
      }
      case 7: {  // a dropped hat, a shoe and a dark stain
        Vec c = kPlace[7];
        frame.Ellipse(c.x, c.y + 2, 13, 6, [](int x, int y) {
          return ((x + y) % 2 == 0) ? Shade(Hue::kRed, 0) : Dithered(Hue::kSoil, 0.6, x, y);
        });
        int hat = m.Add(Material::Of(Hue::kSand, 3.2));
        m.Ball({-4, 3, 0.4}, 3.6, 3.6, 0.4, hat);
        m.Ball({-4, 3, 1.2}, 2.0, 2.0, 1.3, hat);
        m.Ball({4, -2, 0.7}, 2.0, 1.0, 0.8, m.Add(Material::Of(Hue::kSoil, 1.0)));
        heading = 0;
        break;
      }
      default:
        break;
    }
    if (!m.Shapes().empty()) {
      RenderOptions opt;
      opt.heading = heading;
      opt.dither = 3;
      opt.shadow = false;
      opt.scale = 1.5;
      Render(frame, m, kPlace[k].x, kPlace[k].y, opt);
    }
    sheet.Blit(frame, 0, k * h);
  }
  return sheet;
}

Model Helicopter(int rotor, bool rope) {
  Model m;
  int red = m.Add(Material::Of(Hue::kRed, 2.6)), white = m.Add(Material::Of(Hue::kSnow, 3.0)),
      glass = m.Add(Material::Of(Hue::kWater, 2.2)), metal = m.Add(Material::Of(Hue::kGrey, 1.4)),
      cable = m.Add(Material::Of(Hue::kGrey, 2.4)), hook = m.Add(Material::Of(Hue::kYellow, 2.6));
  const double z = 34;  // hovering height of the cabin's centre above the frame's ground point
  m.Egg({0, 0, z}, {11, 0, z - 1}, 7, red, 6.5);
  m.Egg({5, 0, z + 1.5}, {10.5, 0, z}, 5.0, glass, 5.2);
  m.Box({-1, 0, z - 2}, 7, 6.6, 1.2, white);
  m.Taper({-6, 0, z + 1}, {-24, 0, z + 3}, 2.4, 1.0, red, 4);
  m.Box({-24, 0, z + 5.5}, 2.5, 0.5, 4, white);
  // Tail rotor: a short blade turning in the x-z plane.
  double ta = rotor * kPi / 3;
  m.Ball({-24, 1.4, z + 3}, 4.2 * std::abs(std::cos(ta)) + 0.6, 0.3, 4.2 * std::abs(std::sin(ta)) + 0.6, metal);
  for (double y : {4.8, -4.8}) {
    m.Rod({-7, y, z - 9.5}, {8, y, z - 9.5}, 0.6, metal);
    m.Rod({-3, y, z - 9.5}, {-3, y * 0.8, z - 5}, 0.45, metal);
    m.Rod({4, y, z - 9.5}, {4, y * 0.8, z - 5}, 0.45, metal);
  }
  m.Rod({0, 0, z + 6}, {0, 0, z + 8.5}, 0.9, metal);
  // Main rotor: two blades 30 degrees further each frame.
  double a = rotor * kPi / 6;
  V3 dir{std::cos(a), std::sin(a), 0};
  m.Egg({0, 0, z + 9}, V3{0, 0, z + 9} + dir * 26, 1.2, metal, 0.25);
  m.Ball({0, 0, z + 9}, 1.4, metal);
  if (rope) {
    m.Rod({0, 0, z - 7}, {0, 0, 3}, 0.35, cable);
    m.Ball({0, 0, 2.2}, 1.3, 1.3, 1.5, hook);
  }
  return m;
}

Canvas HeliSheet() {
  const int w = sheets::kHeliWidth, h = sheets::kHeliHeight;
  Canvas sheet(w * sheets::kHeliFrames, h * 2);
  const double heading = HeadingOf(1);
  for (int row = 0; row < 2; ++row)
    for (int f = 0; f < sheets::kHeliFrames; ++f) {
      Canvas frame(w, h);
      Model m = Helicopter(f, row == 1);
      RenderOptions opt;
      opt.heading = heading;
      opt.dither = 2.4;
      opt.shadow = false;
      Render(frame, m, w / 2.0, h - 1, opt);
      // The winch rope, from under the cabin to the hook at the bottom centre.
      if (row == 1)
        for (int y = h - 1 - 33; y < h - 4; ++y) {
          frame.Set(w / 2, y, Shade(Hue::kGrey, 3));
          frame.SetBehind(w / 2 + 1, y, Shade(Hue::kGrey, 1));
        }
      sheet.Blit(frame, f * w, row * h);
    }
  return sheet;
}

Model Saucer(int kind, int frame) {
  Model m;
  const double z = 48;
  if (kind == 0) {
    int hull = m.Add(Material::Of(Hue::kGrey, 2.8)), dome = m.Add(Material::Of(Hue::kTeal, 3.0)),
        rim = m.Add(Material::Of(Hue::kGrey, 1.4));
    m.Ball({0, 0, z}, 20, 20, 4.5, hull);
    m.Ball({0, 0, z - 1.5}, 21, 21, 1.6, rim);
    m.Ball({0, 0, z + 4}, 9, 9, 7, dome);
    m.Ball({0, 0, z - 4}, 8, 8, 2.5, rim);
    for (int k = 0; k < 8; ++k) {
      double a = k * kPi / 4;
      bool on = (k + frame) % 4 == 0 || (k + frame) % 4 == 2;
      Rgb c = on ? ((k + frame) % 4 == 0 ? Shade(Hue::kYellow, 4) : Shade(Hue::kRed, 3)) : Shade(Hue::kGrey, 1);
      m.Ball({std::cos(a) * 20.5, std::sin(a) * 20.5, z - 1.5}, 2.6, 2.6, 2.0, m.Add(Material::Solid(c)));
    }
  } else {
    int hull = m.Add(Material::Of(Hue::kPurple, 2.2)), dome = m.Add(Material::Of(Hue::kGrass, 3.4)),
        spike = m.Add(Material::Of(Hue::kRed, 2.6));
    m.Ball({0, 0, z}, 17, 17, 6, hull);
    m.Ball({0, 0, z + 5}, 7, 7, 6, dome);
    for (int k = 0; k < 6; ++k) {
      double a = k * kPi / 3 + frame * kPi / 12;
      m.Taper({std::cos(a) * 14, std::sin(a) * 14, z}, {std::cos(a) * 24, std::sin(a) * 24, z - 1}, 1.6, 0.4, spike, 3);
    }
    for (int k = 0; k < 3; ++k) {
      double a = k * 2 * kPi / 3;
      bool on = (k + frame) % 3 == 0;
      m.Ball({std::cos(a) * 7, std::sin(a) * 7, z - 5.5}, 2.5,
             m.Add(Material::Solid(on ? Shade(Hue::kYellow, 4) : Shade(Hue::kOrange, 2))));
    }
  }
  return m;
}

Canvas SaucerSheet(int kind) {
  const int w = sheets::kUfoWidth, h = sheets::kUfoHeight;
  Canvas sheet(w * sheets::kSkyFrames, h * 2);
  for (int row = 0; row < 2; ++row)
    for (int f = 0; f < sheets::kSkyFrames; ++f) {
      Canvas frame(w, h);
      if (row == 1) {
        // The beam: a widening cone of light, dithered so the ground shows through.
        for (int y = 46; y < h; ++y) {
          double half = 8 + (y - 46) * 0.45;
          for (int x = 0; x < w; ++x) {
            double d = std::abs(x + 0.5 - w / 2.0);
            if (d > half || ((x + y + f) % 2) != 0) continue;
            frame.Set(x, y, d > half - 2 ? Shade(Hue::kYellow, 3) : Shade(Hue::kYellow, 4));
          }
        }
      }
      RenderOptions opt;
      opt.dither = 2.4;
      opt.shadow = false;
      opt.heading = 0.3;
      Canvas ship(w, h);
      Render(ship, Saucer(kind, f), w / 2.0, h - 8, opt);
      frame.Blit(ship, 0, 0);
      sheet.Blit(frame, f * w, row * h);
    }
  return sheet;
}

// A falling object, nose down at the bottom centre, trailing fire upward.
Canvas FallingSheet(bool missile) {
  const int w = sheets::kFallingWidth, h = sheets::kFallingHeight;
  Canvas sheet(w * sheets::kSkyFrames, h);
  for (int f = 0; f < sheets::kSkyFrames; ++f) {
    Canvas frame(w, h);
    // Fire: a flickering plume of noise above the object.
    const double top = missile ? 4 : 2, bottom = missile ? 48 : 62;
    for (int y = static_cast<int>(top); y < static_cast<int>(bottom); ++y)
      for (int x = 0; x < w; ++x) {
        double t = (y - top) / (bottom - top);  // 0 at the tail end, 1 next to the object
        double half = (missile ? 3 : 5) + t * (missile ? 4 : 11);
        double n = Fbm(x * 0.25, y * 0.18 - f * 1.7, 31 + (missile ? 7 : 0));
        double d = std::abs(x + 0.5 - w / 2.0) / half;
        double heat = (1 - d) * (0.35 + 0.9 * t) + (n - 0.5) * 0.9;
        if (heat < 0.15) continue;
        Rgb c = heat > 0.85 ? Shade(Hue::kYellow, 4) : heat > 0.55 ? Shade(Hue::kYellow, 2) : heat > 0.32
                                                                       ? Shade(Hue::kOrange, 2)
                                                                       : Shade(Hue::kRed, 1);
        if (heat < 0.25 && (x + y + f) % 2) continue;
        frame.Set(x, y, c);
      }
    Model m;
    RenderOptions opt;
    opt.dither = 2.4;
    opt.shadow = false;
    if (missile) {
      int body = m.Add(Material::Of(Hue::kGrey, 2.8)), nose = m.Add(Material::Of(Hue::kRed, 2.6)),
          fin = m.Add(Material::Of(Hue::kGrey, 1.4));
      // Stands on its nose: the model's origin is the tip.
      m.Taper({0, 0, 3}, {0, 0, 1}, 2.6, 1.0, nose, 2);
      m.Rod({0, 0, 4}, {0, 0, 17}, 2.6, body);
      for (int k = 0; k < 4; ++k) {
        double a = k * kPi / 2 + 0.4;
        m.Box({std::cos(a) * 3.2, std::sin(a) * 3.2, 16}, 1.6 + std::abs(std::cos(a)) * 0.4, 1.6, 2.6, fin);
      }
      opt.heading = f * 0.15;
      Render(frame, m, w / 2.0, h - 2, opt);
    } else {
      Material rock = Material::Of(Hue::kSoil, 1.6);
      rock.Marked(Marking::kSpeckle, 1, Material::Of(Hue::kGrey, 1.4));
      int r = m.Add(rock), glow = m.Add(Material::Of(Hue::kOrange, 2.6));
      m.Ball({0, 0, 7}, 7.0, 6.4, 6.6, r);
      m.Ball({2.5, -2, 4}, 3.0, r);
      m.Ball({-1.5, 1.5, 10.5}, 4.0, 3.6, 3.0, r);
      m.Ball({0, 0, 12.5}, 4.5, 4.5, 1.5, glow);
      opt.heading = f * kPi / 2;
      Render(frame, m, w / 2.0, h - 2, opt);
    }
    sheet.Blit(frame, f * w, 0);
  }
  return sheet;
}

void Write(Output& out, const std::string& name, const Canvas& c) { out.Write("Graphics/" + name, EncodeBmp8(c)); }

void GenerateSprites(Output& out) {
  Write(out, "Bus.bmp", BusSheet());
  Write(out, "Money.bmp", MoneySheet());
  Canvas dirt = DirtSheet();
  Write(out, "Dirt.bmp", dirt);
  Write(out, "Dirt_K.bmp", dirt);  // the developer reload key reads this copy
  Write(out, "HEri.Bmp", HeliSheet());
  Write(out, "UFO.Bmp", SaucerSheet(0));
  Write(out, "UFO2.Bmp", SaucerSheet(1));
  Write(out, "inseki.Bmp", FallingSheet(false));
  Write(out, "inseki2.Bmp", FallingSheet(true));
}

RegisterGenerator reg("33-art-sprites", &GenerateSprites);
}  // namespace
