// The event window's picture sequences in "Ivent/": thirty 240 x 180 frames for each
// of research finished, bribe paid, ranking reached, birth, death and bankruptcy.
// Each tells its moment in a few shots with the map's own people and bus on the map's
// lawn, so an event looks like the park it happens in. The frames are fixed files shown
// whatever the event is about, so none shows a species or a building the zoo may lack.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "art_ground.h"
#include "gen_art_figures_looks.h"
#include "paint.h"
#include "person_model.h"
#include "ui_icons.h"
#include "vehicle_models.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr int kW = 240, kH = 180, kFrames = 30, kHorizon = 64;

// 0 at a, 1 at b, clamped, eased at both ends.
double Ease(double t, double a, double b) {
  double u = std::clamp((t - a) / (b - a), 0.0, 1.0);
  return u * u * (3 - 2 * u);
}

// The backdrop: sky (dimmed toward dusk by `dusk` 0..1), trees on the horizon and the
// lawn with the faint seams of the map's diamond tiles.
Canvas Stage(double dusk, uint32_t seed) {
  Canvas c(kW, kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      if (y < kHorizon) {
        c.Set(x, y, Dithered(Hue::kWater, 4.3 - 1.3 * y / kHorizon - 3.0 * dusk, x, y));
        continue;
      }
      double u = (x + 2.0 * y) / 72.0, v = (2.0 * y - x) / 72.0;  // ground cells along the map's axes
      bool seam = std::abs(u - std::round(u)) < 0.02 || std::abs(v - std::round(v)) < 0.02;
      double s = 2.4 + 0.9 * Fbm(x * 0.15, y * 0.3, seed) - (seam ? 0.5 : 0) - 1.6 * dusk;
      c.Set(x, y, Dithered(Hue::kGrass, s, x, y));
    }
  for (int k = 0; k < 9; ++k) {
    double x = 6 + k * 29 + 9 * Hash01(k, 1, seed);
    Tree(c, x, kHorizon + 4 + 4 * Hash01(k, 2, seed), k % 3 == 1 ? TreeKind::kPine : TreeKind::kBroadleaf,
         26 + 14 * Hash01(k, 3, seed), seed + k);
  }
  return c;
}

// A model drawn with its ground origin at (x, y), `scale` pixels per unit.
void Place(Canvas& c, const Model& m, double x, double y, double scale, double heading, bool shadow = true) {
  RenderOptions opt;
  opt.scale = scale;
  opt.heading = heading;
  opt.dither = 2.2;
  opt.shadow = shadow;
  Canvas layer(kW, kH);
  Render(layer, m, x, y, opt);
  c.Blit(layer, 0, 0);
}

// Arms thrown up for joy; the figure hops `Hop(k)` pixels on the k-th frame of it.
Posture CheerPosture() {
  Posture p = StandPosture();
  p.arm[0] = p.arm[1] = 2.7;
  p.armOut[0] = p.armOut[1] = 0.4;
  p.elbow[0] = p.elbow[1] = 0.2;
  p.nod = -0.2;
  return p;
}
double Hop(int k) { return 6 * std::abs(std::sin(k * kPi / 4)); }

// A four-pointed twinkle of radius r.
void Star(Canvas& c, double x, double y, double r, Rgb colour) {
  for (int k = -static_cast<int>(r); k <= static_cast<int>(r); ++k) {
    c.Set(static_cast<int>(x) + k, static_cast<int>(y), colour);
    c.Set(static_cast<int>(x), static_cast<int>(y) + k, colour);
  }
  c.Set(static_cast<int>(x), static_cast<int>(y), kWhite);
}

// A blueprint on a drafting easel, unrolled down to `shown` (0..1) of its height: grid
// lines and a new building drawn in white lines, with no name, since the frames serve
// every finished research.
void Blueprint(Canvas& c, double shown) {
  constexpr int kLeft = 30, kTop = 66, kSheetW = 80, kSheetH = 62;
  const Rgb wood = Shade(Hue::kWood, 1), ink = Shade(Hue::kSnow, 4);
  c.Ellipse(74, 170, 40, 6, Shade(Hue::kGrass, 1));  // the easel's shadow
  c.Line(44, 150, 36, 170, wood);                     // legs
  c.Line(45, 150, 37, 170, wood);
  c.Line(104, 150, 112, 170, wood);
  c.Line(105, 150, 113, 170, wood);
  c.Line(74, 120, 78, 166, Shade(Hue::kWood, 0));
  c.Rect(kLeft - 4, kTop + 2, kSheetW + 8, kSheetH + 6, Shade(Hue::kWood, 2));  // the board
  c.Frame(kLeft - 4, kTop + 2, kSheetW + 8, kSheetH + 6, Shade(Hue::kWood, 0));
  c.Rect(kLeft - 6, kTop + kSheetH + 6, kSheetW + 12, 4, Shade(Hue::kWood, 3));  // the ledge
  Canvas sheet(kSheetW, kSheetH);
  sheet.Rect(0, 0, kSheetW, kSheetH, [](int x, int y) { return Dithered(Hue::kWater, 1.2 + 0.3 * Hash01(x / 3, y / 3, 7), x, y); });
  for (int k = 8; k < kSheetW; k += 8) sheet.Line(k, 0, k, kSheetH - 1, Shade(Hue::kWater, 2));
  for (int k = 8; k < kSheetH; k += 8) sheet.Line(0, k, kSheetW - 1, k, Shade(Hue::kWater, 2));
  // The plan: a house with a gable roof, in the map's 2:1 lines. Near corners of the
  // footprint left, front and right; walls 18 high; the ridge runs above the middle.
  const int cx = 40, base = 55;
  const Vec l{cx - 24.0, base - 12.0}, f{cx + 0.0, base + 0.0}, r{cx + 24.0, base - 12.0};
  const Vec ridgeA{cx - 12.0, base - 38.0}, ridgeB{cx + 12.0, base - 50.0};
  auto line = [&](Vec p, Vec q) {
    sheet.Line(static_cast<int>(p.x), static_cast<int>(p.y), static_cast<int>(q.x), static_cast<int>(q.y), ink);
  };
  auto up = [](Vec p) { return Vec{p.x, p.y - 18}; };
  line(l, f), line(f, r);                                  // the footprint's near edges
  line(l, up(l)), line(f, up(f)), line(r, up(r));          // corners
  line(up(l), up(f)), line(up(f), up(r));                  // eaves
  line(up(l), ridgeA), line(up(f), ridgeA);                // the gable
  line(ridgeA, ridgeB), line(up(r), ridgeB);               // ridge and far roof edge
  sheet.Rect(cx - 15, base - 15, 4, 7, ink);               // a door and windows
  sheet.Rect(cx + 7, base - 14, 4, 4, ink);
  sheet.Rect(cx + 15, base - 18, 4, 4, ink);
  sheet.Line(cx - 28, base - 8, cx - 4, base + 4, Shade(Hue::kSnow, 3));  // a measure line
  sheet.Line(cx - 28, base - 10, cx - 28, base - 6, Shade(Hue::kSnow, 3));
  sheet.Line(cx - 4, base + 2, cx - 4, base + 6, Shade(Hue::kSnow, 3));
  const int rows = static_cast<int>(std::lround(kSheetH * shown));
  if (rows > 0) c.Blit(sheet.Crop(0, 0, kSheetW, rows), kLeft, kTop + 6);
  // The roll the sheet comes from, resting at the lower edge of what is shown.
  const int ry = kTop + 6 + rows;
  c.Rect(kLeft - 3, ry - 3, kSheetW + 6, 7, Shade(Hue::kSand, 3));
  c.Line(kLeft - 3, ry - 3, kLeft + kSheetW + 2, ry - 3, Shade(Hue::kSand, 4));
  c.Line(kLeft - 3, ry + 3, kLeft + kSheetW + 2, ry + 3, Shade(Hue::kSand, 1));
  c.Ellipse(kLeft - 3, ry, 2, 3, Shade(Hue::kSand, 2));
  c.Ellipse(kLeft + kSheetW + 2, ry, 2, 3, Shade(Hue::kSand, 2));
}

// Research finished: a researcher unrolls the plan of something new, has the idea (a
// lamp lights above the head) and jumps for joy under falling sparkles.
Canvas Research(int n) {
  Canvas c = Stage(0, 11);
  double t = n / (kFrames - 1.0);
  Blueprint(c, Ease(t, 0, 8.0 / 29));
  Posture p = StandPosture();
  p.prop = Prop::kTool;
  p.arm[0] = 0.9;
  p.elbow[0] = 1.1;
  p.nod = 0.35 + 0.1 * std::sin(n * 1.3);
  double jump = n >= 20 ? Hop(n - 20) : 0;
  if (n >= 20) p = CheerPosture(), p.prop = Prop::kTool;
  Place(c, BuildPerson(StaffLook(StaffRole::kResearcher), p), 172, 160 - jump, 2.4, HeadingOf(1));
  if (n >= 10) {
    double glow = Ease(t, 10.0 / 29, 18.0 / 29);
    const double bx = 172, by = 52;
    if (glow > 0.4)
      for (int k = 0; k < 8; ++k) {
        double a = k * kPi / 4 + n * 0.1, r0 = 14, r1 = 14 + 9 * glow;
        c.Line(static_cast<int>(bx + r0 * std::cos(a)), static_cast<int>(by + r0 * std::sin(a)),
               static_cast<int>(bx + r1 * std::cos(a)), static_cast<int>(by + r1 * std::sin(a)), Shade(Hue::kYellow, 4));
      }
    c.Ellipse(bx, by, 10, 11, glow > 0.5 ? Shade(Hue::kYellow, 4) : Shade(Hue::kSnow, 3));
    c.Ellipse(bx - 3, by - 4, 3, 3, kWhite);
    c.Rect(static_cast<int>(bx) - 5, static_cast<int>(by) + 10, 11, 6, Shade(Hue::kGrey, 2));
    c.Line(static_cast<int>(bx) - 5, static_cast<int>(by) + 12, static_cast<int>(bx) + 5, static_cast<int>(by) + 12, Shade(Hue::kGrey, 0));
  }
  for (int k = 0; n >= 20 && k < 12; ++k)
    Star(c, 20 + 18 * k + 6 * std::sin(k * 2.0), std::fmod(10 + k * 37 + (n - 20) * 9.0, 120.0) + 5, 2 + k % 2,
         Shade(Hue::kYellow, 3 + k % 2));
  return c;
}

// Bribe paid: the bus pulls up, a bag of money goes aboard, and it sets off at speed
// with the next bus already on its way.
Canvas Bribe(int n) {
  Canvas c = Stage(0, 23);
  // The road: a band along the map's +x axis.
  c.Polygon({{-10, 88}, {20, 73}, {250, 188}, {190, 190}}, [](int x, int y) { return Dithered(Hue::kGrey, 2.4 + 0.4 * Hash01(x, y, 5), x, y); });
  for (int k = 0; k < 8; ++k) c.Line(10 + 32 * k, 85 + 16 * k, 22 + 32 * k, 91 + 16 * k, Shade(Hue::kSnow, 4));
  // Where the bus stands: it drives in (0..9), waits (10..19), leaves fast (20..29).
  double along = n < 10 ? -90 + 9 * n : n < 20 ? 0 : 14.0 * (n - 20) * (n - 19) / 2;
  double bx = 100 + along, by = 128 + along * 0.5;
  Posture p = StandPosture();
  if (n >= 10 && n < 20) {
    p.arm[0] = p.arm[1] = 1.2 + 0.3 * std::sin(n * 0.8);
    p.elbow[0] = p.elbow[1] = 0.3;
  }
  Place(c, BusModel(n < 10 || n >= 20 ? n % 3 : 3), bx, by, 0.9, HeadingOf(3));
  PersonLook director = StaffLook(StaffRole::kClerk);
  director.apron = false;
  director.hat = Hat::kNone;
  director.top = Material::Of(Hue::kGrey, 1.0);
  Place(c, BuildPerson(director, p), 60, 160, 2.2, HeadingOf(3));
  if (n >= 10 && n < 20) {  // the money bag travels from the hands to the door
    double u = (n - 10) / 9.0;
    double x = 66 + 50 * u, y = 110 - 40 * std::sin(u * kPi) + 10 * u;
    c.Ellipse(x, y, 8, 9, Shade(Hue::kSand, 2));
    c.Ellipse(x - 2, y - 3, 3, 3, Shade(Hue::kSand, 4));
    c.Rect(static_cast<int>(x) - 3, static_cast<int>(y) - 11, 6, 3, Shade(Hue::kWood, 1));
    DrawIcon(c, static_cast<int>(x), static_cast<int>(y + 1), Icon::kCoins, 0.5);
  }
  for (int k = 0; n >= 20 && k < 6; ++k) {  // speed lines behind the bus
    int y = static_cast<int>(by) - 40 + k * 7, x = static_cast<int>(bx) - 70 - k * 5;
    c.Line(x - 30, y - 15, x, y, Shade(Hue::kSnow, 4));
  }
  if (n >= 24) DrawIcon(c, 40, 40, Icon::kHourglass, 1.4);
  return c;
}

// Ranking reached: five bars of the league table grow, the zoo's own bar overtakes
// them, a cup lands on it and confetti falls.
Canvas Ranking(int n) {
  Canvas c = Stage(0, 37);
  const int base = 160;
  const double heights[4] = {70, 56, 42, 28};
  double rise = Ease(n, 0, 14);
  for (int k = 0; k < 4; ++k) {
    int x = 20 + 40 * k;
    bool ours = k == 0;
    int h = static_cast<int>((ours ? 20 + 75 * Ease(n, 4, 18) : heights[k]) * rise);
    Hue hue = ours ? Hue::kRed : Hue::kSand;
    c.Rect(x, base - h, 24, h, Shade(hue, 3));
    c.Rect(x + 24, base - h - 4, 6, h + 4, Shade(hue, 1));
    c.Polygon({{double(x), double(base - h)}, {double(x + 6), double(base - h - 4)}, {double(x + 30), double(base - h - 4)}, {double(x + 24), double(base - h)}},
              Shade(hue, 4));
    DrawTextCentred(c, x, base - 18, 24, 16, std::to_string(ours ? 1 : k + 1), TextStyle{14, kWhite});
  }
  if (n >= 16) {  // the cup drops onto the winning bar
    double drop = 60 * (1 - Ease(n, 16, 21));
    double x = 35, y = base - 95 - 16 - drop;
    c.Polygon({{x - 10, y - 14}, {x + 10, y - 14}, {x + 6, y}, {x - 6, y}}, Shade(Hue::kYellow, 3));
    c.EllipseRing(x - 11, y - 9, 3, 4, Shade(Hue::kYellow, 2));
    c.EllipseRing(x + 11, y - 9, 3, 4, Shade(Hue::kYellow, 2));
    c.Rect(static_cast<int>(x) - 2, static_cast<int>(y), 4, 5, Shade(Hue::kYellow, 2));
    c.Rect(static_cast<int>(x) - 7, static_cast<int>(y) + 5, 14, 4, Shade(Hue::kWood, 1));
    c.Line(static_cast<int>(x) - 6, static_cast<int>(y) - 12, static_cast<int>(x) - 4, static_cast<int>(y) - 2, kWhite);
  }
  // A keeper cheers rather than an animal: the zoo may keep no such species.
  const double jump = n >= 18 ? Hop(n - 18) : 0;
  Place(c, BuildPerson(StaffLook(StaffRole::kKeeper), n >= 18 ? CheerPosture() : StandPosture()), 205, 165 - jump, 2.2,
        HeadingOf(1));
  for (int k = 0; n >= 20 && k < 24; ++k) {
    static constexpr Hue kColours[] = {Hue::kRed, Hue::kYellow, Hue::kTeal, Hue::kPink, Hue::kPurple};
    int x = static_cast<int>(8 + std::fmod(k * 53.0 + 7 * std::sin(n + k), 230.0));
    int y = static_cast<int>(std::fmod(k * 29.0 + (n - 20) * 11.0, 150.0));
    c.Rect(x, y, 3, 2 + (k + n) % 2, Shade(kColours[k % 5], 3));
  }
  return c;
}

// The back corner of an enclosure: two wooden fence runs along the map's 2:1 lines,
// meeting at (120, 72), with a straw bed in front of the corner. Birth and death are
// told here without an animal, since the frames serve every species.
void EnclosureCorner(Canvas& c, double dusk) {
  const int dim = dusk > 0.3 ? 1 : 0;
  const Rgb lit = Shade(Hue::kWood, 3 - dim), dark = Shade(Hue::kWood, 2 - dim);
  auto run = [&](int x0, int y0, int x1, int y1, Rgb post) {
    for (int r : {6, 13}) c.Line(x0, y0 - r, x1, y1 - r, dark);  // rails
    for (int k = 0; k <= 7; ++k) {
      int x = x0 + (x1 - x0) * k / 7, y = y0 + (y1 - y0) * k / 7;
      c.Rect(x - 1, y - 18, 3, 19, post);
      c.Set(x - 1, y - 18, Shade(Hue::kWood, 4 - dim));
    }
  };
  run(0, 130, 120, 72, lit);   // faces the light
  run(120, 72, 240, 132, dark);
  c.Ellipse(118, 118, 70, 20, [dusk](int x, int y) { return Dithered(Hue::kSand, 2.7 - 2.2 * dusk + Hash01(x, y, 9), x, y); });
  for (int k = 0; k < 40; ++k) {  // loose straws
    int x = 58 + static_cast<int>(Hash(k, 1, 41) % 120), y = 104 + static_cast<int>(Hash(k, 2, 41) % 28);
    c.Line(x, y, x + 3 - static_cast<int>(Hash(k, 3, 41) % 7), y - 1, Shade(Hue::kSand, 4 - dim));
  }
}

// A newborn wrapped in a blanket (pink with a cream fold), centred at (x, y): a bundle
// with no face, so it stands for any species.
void Bundle(Canvas& c, double x, double y) {
  c.Ellipse(x, y, 14, 9, Shade(Hue::kPink, 1));
  c.Ellipse(x - 1, y - 1, 13, 8, Shade(Hue::kPink, 3));
  c.Ellipse(x - 7, y - 2, 6, 6, Shade(Hue::kPink, 2));        // the hood
  c.Ellipse(x - 7, y - 2, 4, 4, Shade(Hue::kSnow, 4));
  c.Rect(static_cast<int>(x) + 2, static_cast<int>(y) - 8, 3, 16, Shade(Hue::kSnow, 3));  // the band
}

// A wooden "new arrival" board hung on the fence: a paw print and a ribbon bow.
void ArrivalSign(Canvas& c, int x, int y) {
  c.Rect(x, y, 40, 30, Shade(Hue::kWood, 3));
  c.Frame(x, y, 40, 30, Shade(Hue::kWood, 0));
  c.Line(x + 1, y + 1, x + 38, y + 1, Shade(Hue::kWood, 4));
  DrawIcon(c, x + 20, y + 17, Icon::kPaw, 1.0);
  c.Polygon({{x + 20.0, y - 2.0}, {x + 10.0, y - 8.0}, {x + 10.0, y + 4.0}}, Shade(Hue::kPink, 3));
  c.Polygon({{x + 20.0, y - 2.0}, {x + 30.0, y - 8.0}, {x + 30.0, y + 4.0}}, Shade(Hue::kPink, 2));
  c.Ellipse(x + 20, y - 2, 3, 3, Shade(Hue::kPink, 4));
}

// Birth: a blanket stirs in the straw as a glow gathers (0-9), the keeper lifts the
// bundle up (10-19), holds it high while hearts rise and a sign with a paw print and
// a ribbon drops onto the fence (20-29).
Canvas Birth(int n) {
  Canvas c = Stage(0, 41);
  EnclosureCorner(c, 0);
  const double glow = Ease(n, 0, 9);
  if (n < 12) c.Ellipse(110, 118, 10 + 14 * glow, 6 + 8 * glow, Shade(Hue::kYellow, glow > 0.5 ? 4 : 3));
  // In the straw until frame 10, then carried up to the keeper's raised hands.
  const double lift = Ease(n, 10, 18);
  const double stir = n < 10 && n % 3 == 1 ? 1.5 : 0;
  const double bx = 110 + 40 * lift + stir, by = 118 - 40 * lift;
  if (n < 10) Bundle(c, bx, by);
  Posture p = StandPosture();
  p.arm[0] = p.arm[1] = 0.6 + 2.1 * lift;
  p.elbow[0] = p.elbow[1] = 1.0 - 0.7 * lift;
  p.nod = 0.4 - 0.6 * lift;
  Place(c, BuildPerson(StaffLook(StaffRole::kKeeper), p), 166, 150, 2.2, HeadingOf(1));
  if (n >= 10) Bundle(c, bx, by);  // in the keeper's hands, in front of the figure
  if (n >= 20) ArrivalSign(c, 34, static_cast<int>(92 - 30 * (1 - Ease(n, 20, 24))));
  for (int k = 0; n >= 18 && k < 5; ++k) {
    double y = 110 - std::fmod((n - 18) * 6.0 + k * 22, 100.0);
    DrawIcon(c, static_cast<int>(100 + 26 * k + 6 * std::sin(y * 0.1)), static_cast<int>(y), Icon::kHeart, 0.7 + 0.1 * (k % 2));
  }
  return c;
}

// Death: the day fades over an empty enclosure (0-11), the keeper walks up and bows
// (12-24) and lays a white flower on the empty straw bed (25-29).
Canvas Death(int n) {
  const double dusk = Ease(n, 0, 20) * 0.6;
  Canvas c = Stage(dusk, 53);
  EnclosureCorner(c, dusk);
  if (n >= 12) {
    Posture p = n < 22 ? WalkPosture((n % 6) / 6.0) : StandPosture();
    if (n >= 22) p.nod = 0.6, p.lean = 0.3;
    double x = n < 22 ? 250 - 6 * (n - 12) : 190;
    Place(c, BuildPerson(StaffLook(StaffRole::kKeeper), p), x, 165, 2.2, HeadingOf(7));
  }
  if (n >= 25) {  // the flower
    c.Line(150, 130, 158, 126, Shade(Hue::kLeaf, 2));
    for (int k = 0; k < 5; ++k)
      c.Ellipse(160 + 3 * std::cos(k * 2 * kPi / 5), 125 + 3 * std::sin(k * 2 * kPi / 5), 2, 2, kWhite);
    c.Ellipse(160, 125, 1.5, 1.5, Shade(Hue::kYellow, 3));
  }
  return c;
}

// The zoo's entrance gate, closed: stone pillars under an arch, iron bars between
// them and low walls to either side. Every zoo has one, whatever it has built.
void ClosedGate(Canvas& c) {
  const Rgb stone = Shade(Hue::kSand, 2), stoneDark = Shade(Hue::kSand, 1);
  c.Rect(80, 140, 38, 25, stone), c.Rect(198, 140, 42, 25, stoneDark);  // the walls
  c.Line(80, 140, 117, 140, Shade(Hue::kSand, 3)), c.Line(198, 140, 239, 140, Shade(Hue::kSand, 2));
  for (int x = 136; x < 184; x += 6) c.Rect(x, 94, 2, 71, Shade(Hue::kGrey, 1));  // the bars
  c.Rect(132, 120, 52, 3, Shade(Hue::kGrey, 1));
  for (int x : {118, 184}) {  // pillars: lit face left, shaded face right
    c.Rect(x, 86, 9, 80, Shade(Hue::kGrey, 3));
    c.Rect(x + 9, 86, 5, 80, Shade(Hue::kGrey, 2));
    c.Frame(x, 86, 14, 80, Shade(Hue::kGrey, 0));
  }
  c.Rect(112, 78, 92, 10, Shade(Hue::kGrey, 3));  // the arch
  c.Rect(112, 86, 92, 2, Shade(Hue::kGrey, 1));
  c.Frame(112, 78, 92, 10, Shade(Hue::kGrey, 0));
}

// Bankruptcy: the coin stack runs out, a "閉園" (closed) sign drops onto the shut
// gate and rain falls on an empty park.
Canvas Bankruptcy(int n) {
  Canvas c = Stage(Ease(n, 8, 20), 67);
  ClosedGate(c);
  int coins = std::max(0, 8 - n);
  for (int k = 0; k < coins; ++k) {
    c.Ellipse(55, 160 - 5 * k, 13, 5, Shade(Hue::kYellow, 2));
    c.Ellipse(55, 158 - 5 * k, 13, 5, Shade(Hue::kYellow, 3 + (k == coins - 1)));
  }
  if (n < 10) {  // the last coin flies off
    double u = (n % 2) / 2.0 + 0.25;
    DrawIcon(c, static_cast<int>(55 + 60 * u), static_cast<int>(150 - 5 * coins - 40 * std::sin(u * kPi)), Icon::kCoins, 0.8);
  }
  if (n >= 10) {  // the sign drops from the arch on its chains
    int y = static_cast<int>(88 + 14 * Ease(n, 10, 15));
    c.Line(140, 88, 140, y, Shade(Hue::kGrey, 0));
    c.Line(176, 88, 176, y, Shade(Hue::kGrey, 0));
    c.Rect(122, y, 72, 28, Shade(Hue::kRed, 2));
    c.Frame(122, y, 72, 28, Shade(Hue::kRed, 0));
    DrawTextCentred(c, 122, y + 4, 72, 20, "閉園", TextStyle{18, kWhite, Face::kSharp, true});
  }
  for (int k = 0; n >= 16 && k < 60; ++k) {  // rain
    int x = static_cast<int>(Hash(k, 1, 67) % kW), y = static_cast<int>((Hash(k, 2, 67) % kH + n * 17) % kH);
    c.Line(x, y, x - 2, y + 5, Shade(Hue::kWater, 3));
  }
  return c;
}

struct Sequence {
  const char* prefix;
  Canvas (*frame)(int);
};
constexpr Sequence kSequences[] = {
    {"Kenkyu_", &Research}, {"kenkin_", &Bribe}, {"Level_", &Ranking},
    {"born_", &Birth},      {"dead_", &Death},   {"over_", &Bankruptcy},
};

// One thread: the frames draw text (signs, numbers), and the font renderer is shared.
void GenerateEvents(Output& out) {
  for (const Sequence& s : kSequences)
    for (int n = 0; n < kFrames; ++n) {
      char name[40];
      std::snprintf(name, sizeof name, "Ivent/%s%04d.bmp", s.prefix, n);
      out.Write(name, EncodeBmp8(s.frame(n)));
    }
}

RegisterGenerator reg("36-art-events", &GenerateEvents);
}  // namespace
