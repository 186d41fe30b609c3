// Benches, signboards, statues and the clock tower.
#include <string>

#include "building_painters.h"

namespace {
const Rgb kStone = Shade(Hue::kGrey, 3);

bool Is(const BuildingEntry& e, const char* motif) { return std::string(e.motif) == motif; }

// A block given along and across an axis: along u for benches facing the 9-1 road,
// along v for those facing the 7-3 road.
Block Oriented(bool alongU, double a0, double a1, double c0, double c1, double h0, double h1) {
  return alongU ? Block{a0, c0, a1, c1, h0, h1} : Block{c0, a0, c1, a1, h0, h1};
}

void Ball(Canvas& c, double x, double y, double r, Rgb base) { c.Ellipse(x, y, r, r, RoundLit(x, y, r, base)); }
void Oval(Canvas& c, double x, double y, double rx, double ry, Rgb base) {
  c.Ellipse(x, y, rx, ry, RoundLit(x, y, std::max(rx, ry), base));
}
}  // namespace

// Visitors step onto a bench from the road on either long side and sit facing
// back: a "bench73" is reached along the 7-3 axis, so its length runs along y (v),
// and a "bench91" along x (u). Seats on both sides of a middle backrest.
void PaintBench(const Iso& iso, const BuildingEntry& e, int) {
  Paving(iso, kStone, static_cast<uint32_t>(e.index));
  const bool alongU = e.look == Look::Bench91;
  const Rgb wood = PaletteColour(e.colour), metal = PaletteColour(e.accent);
  const bool logs = e.motif[0] == 'l';
  BlockShadow(iso, Oriented(alongU, 0.14, 0.86, 0.3, 0.7, 0, 10));
  if (logs) {
    // Two split logs on stumps, bark outside, pale rings on the cut ends.
    for (double c : {0.3, 0.56}) {
      SolidBlock(iso, Oriented(alongU, 0.2, 0.3, c + 0.02, c + 0.12, 0, 6), Darker(wood));
      SolidBlock(iso, Oriented(alongU, 0.7, 0.8, c + 0.02, c + 0.12, 0, 6), Darker(wood));
      Block seat = Oriented(alongU, 0.12, 0.88, c, c + 0.14, 6, 11);
      Walls(iso, seat, Courses(wood, alongU ? 0.5 : -0.5, 2, 0, 61), Courses(Darker(wood), alongU ? -0.5 : 0.5, 2, 0, 62),
            Shade(Hue::kSand, 3));
      Vec end = alongU ? iso.At(0.88, c + 0.07, 8.5) : iso.At(c + 0.07, 0.88, 8.5);
      iso.c.Ellipse(end.x, end.y, 3.2, 3, Shade(Hue::kSand, 3));
      iso.c.Set(static_cast<int>(end.x), static_cast<int>(end.y), Shade(Hue::kSand, 1));
    }
    return;
  }
  for (double a : {0.2, 0.76})
    SolidBlock(iso, Oriented(alongU, a, a + 0.05, 0.3, 0.7, 0, 8), metal);
  SolidBlock(iso, Oriented(alongU, 0.12, 0.88, 0.3, 0.47, 8, 10), wood);
  Block back = Oriented(alongU, 0.12, 0.88, 0.47, 0.53, 8, 19);
  Walls(iso, back, Courses(wood, 0.5, 3, 0, 63), Courses(Darker(wood), -0.5, 3, 0, 64), Lighter(wood));
  SolidBlock(iso, Oriented(alongU, 0.12, 0.88, 0.53, 0.7, 8, 10), wood);
}

void PaintSignboard(const Iso& iso, const BuildingEntry& e, int) {
  Paving(iso, kStone, static_cast<uint32_t>(e.index));
  const Rgb board = PaletteColour(e.colour), ink = PaletteColour(e.accent);
  Canvas& c = iso.c;
  Vec foot = iso.At(0.5, 0.5);
  int x = static_cast<int>(foot.x), y = static_cast<int>(foot.y);
  if (Is(e, "mapboard")) {
    // A framed park map on two legs, titled.
    RoundShadow(iso, 0.5, 0.5, 0.3, 30);
    Pole(c, x - 20, y + 2, 14, Shade(Hue::kWood, 2));
    Pole(c, x + 18, y + 2, 14, Shade(Hue::kWood, 2));
    int w = 56, h = 40, left = x - w / 2, top = y - 12 - h;
    c.Rect(left, top, w, h, ink);
    c.Frame(left, top, w, h, Darker(ink, 2));
    DrawTextCentred(c, left, top + 1, w, 13, "園區地圖", TextStyle{12, kWhite});
    c.Rect(left + 3, top + 15, w - 6, h - 18, Fill([](int px, int py) {
             return Dithered(Hue::kGrass, 2.6 + 0.8 * Fbm(px / 6.0, py / 6.0, 71), px, py);
           }));
    c.Rect(left + 5, top + 26, w - 10, 2, board);
    c.Rect(left + 20, top + 17, 2, h - 21, board);
    c.Rect(left + 36, top + 20, 2, h - 24, board);
    c.Ellipse(left + 44, top + 22, 5, 3, Shade(Hue::kWater, 3));
    for (int i = 0; i < 5; ++i)
      c.Rect(left + 8 + i * 9, top + 30 + (i % 2) * 3, 3, 3, Shade(i % 2 ? Hue::kRed : Hue::kYellow, 3));
    c.Rect(left + 26, top + 33, 3, 3, Shade(Hue::kRed, 1));
    return;
  }
  // A signpost with arrow boards pointing along the roads.
  RoundShadow(iso, 0.5, 0.5, 0.08, 40);
  Pole(c, x, y, 44, Shade(Hue::kWood, 2));
  struct Arrow {
    const char* text;
    int dy, dir;
  };
  for (const Arrow& a : {Arrow{"出口", 41, -1}, Arrow{"動物", 27, 1}}) {
    int w = 34, h = 13, top = y - a.dy, left = a.dir < 0 ? x - w + 4 : x - 3;
    std::vector<Vec> shape = a.dir < 0
        ? std::vector<Vec>{{double(left), top + h / 2.0}, {left + 6.0, double(top)}, {left + w + 0.0, double(top)},
                           {left + w + 0.0, double(top + h)}, {left + 6.0, double(top + h)}}
        : std::vector<Vec>{{double(left), double(top)}, {left + w - 6.0, double(top)}, {left + w + 0.0, top + h / 2.0},
                           {left + w - 6.0, double(top + h)}, {double(left), double(top + h)}};
    c.Polygon(shape, board);
    c.Rect(left, top + h - 1, w, 1, Darker(board, 2));
    DrawTextCentred(c, left + (a.dir < 0 ? 5 : 0), top, w - 5, h, a.text, TextStyle{12, ink});
  }
  c.Rect(x - 1, y - 46, 3, 2, Shade(Hue::kWood, 3));
}

namespace {
void Penguin(Canvas& c, int x, int y, Rgb m) {
  Oval(c, x, y - 13, 8, 12, m);
  Oval(c, x + 1, y - 11, 5, 9, Lighter(m, 2));
  Ball(c, x, y - 27, 6, m);
  c.Polygon({{x + 4.0, y - 28.0}, {x + 11.0, y - 26.0}, {x + 4.0, y - 24.0}}, Darker(m));
  c.Set(x + 2, y - 29, Darker(m, 3));
  c.Polygon({{x - 7.0, y - 20.0}, {x - 12.0, y - 8.0}, {x - 6.0, y - 11.0}}, Darker(m));
  c.Rect(x - 5, y - 2, 4, 2, Darker(m));
  c.Rect(x + 2, y - 2, 4, 2, Darker(m));
}

void Lion(Canvas& c, int x, int y, Rgb m) {
  Oval(c, x + 4, y - 10, 11, 8, m);                                   // body
  c.Rect(x + 10, y - 8, 4, 8, Darker(m));                             // hind leg
  c.Rect(x - 4, y - 10, 4, 10, m);                                    // forelegs
  c.Rect(x + 1, y - 10, 3, 10, Darker(m));
  c.Line(x + 15, y - 10, x + 19, y - 16, Darker(m));                  // tail
  Ball(c, x + 19, y - 17, 2, Darker(m, 2));
  Ball(c, x - 5, y - 21, 9, Darker(m));                               // mane
  Ball(c, x - 7, y - 21, 5.5, m);                                     // face
  c.Ellipse(x - 10, y - 18, 3, 2.2, Lighter(m));                      // muzzle
  c.Set(x - 9, y - 23, Darker(m, 3));
  c.Set(x - 12, y - 19, Darker(m, 3));
}

void Elephant(Canvas& c, int x, int y, Rgb m) {
  for (int dx : {-12, 8}) c.Rect(x + dx, y - 14, 7, 14, Darker(m));  // far legs
  Oval(c, x, y - 22, 20, 14, m);                                      // body
  for (int dx : {-16, 12}) c.Rect(x + dx, y - 14, 7, 14, m);          // near legs
  Oval(c, x - 20, y - 28, 10, 10, m);                                 // head
  Oval(c, x - 12, y - 26, 8, 11, Darker(m));                          // ear
  c.Polygon({{x - 29.0, y - 26.0}, {x - 24.0, y - 24.0}, {x - 28.0, y - 6.0}, {x - 33.0, y - 4.0}, {x - 31.0, y - 9.0}},
            m);                                                       // trunk
  c.Polygon({{x - 25.0, y - 20.0}, {x - 30.0, y - 17.0}, {x - 24.0, y - 18.0}}, kWhite);  // tusk
  c.Set(x - 23, y - 31, Darker(m, 3));
  c.Line(x + 19, y - 26, x + 23, y - 16, Darker(m));
}
}  // namespace

void PaintStatue(const Iso& iso, const BuildingEntry& e, int) {
  Paving(iso, kStone, static_cast<uint32_t>(e.index));
  const Rgb material = PaletteColour(e.colour);
  const double s = e.size, m = s / 2;
  if (Is(e, "clocktower")) {
    // Brick tower on a stepped base, clock faces on both visible sides, spire.
    SolidBlock(iso, {m - 0.5, m - 0.5, m + 0.5, m + 0.5, 0, 4}, Shade(Hue::kGrey, 4));
    Block t{m - 0.3, m - 0.3, m + 0.3, m + 0.3, 4, 64};
    BlockShadow(iso, t);
    Walls(iso, t, Courses(material, 0.5, 3, 5, 81), Courses(Darker(material), -0.5, 3, 5, 82), material);
    for (Side side : {Side::kLeft, Side::kRight}) {
      WallPanel(iso, t, side, 0.0, 0.6, 44, 46, Shade(Hue::kSand, 4));
      Vec at = WallPoint(iso, t, side, 0.3, 53);
      Rgb face = side == Side::kLeft ? kWhite : Shade(Hue::kSnow, 2);
      iso.c.Ellipse(at.x, at.y, 7, 7.5, Shade(Hue::kYellow, 2));
      iso.c.Ellipse(at.x, at.y, 5.5, 6, face);
      iso.c.Line(int(at.x), int(at.y), int(at.x), int(at.y) - 4, kBlack);
      iso.c.Line(int(at.x), int(at.y), int(at.x) + 3, int(at.y) + 1, kBlack);
      Window(iso, t, side, 0.22, 0.38, 16, 30, Shade(Hue::kSand, 4));
    }
    Door(iso, t, Side::kLeft, 0.2, 0.4, 16, Shade(Hue::kWood, 2));
    HipRoof(iso, t, 0.05, 24, Shade(Hue::kTeal, 2));
    return;
  }
  // Stepped plinth, then the figure on it.
  const double r = s > 1 ? 0.45 : 0.3;
  SolidBlock(iso, {m - r - 0.06, m - r - 0.06, m + r + 0.06, m + r + 0.06, 0, 4}, Shade(Hue::kGrey, 4));
  Block plinth{m - r, m - r, m + r, m + r, 4, s > 1 ? 16.0 : 14.0};
  BlockShadow(iso, plinth);
  Walls(iso, plinth, Speckled(Shade(Hue::kGrey, 3), 91), Speckled(Shade(Hue::kGrey, 2), 92), Shade(Hue::kGrey, 4));
  Vec top = iso.At(m, m, plinth.h1);
  Canvas figure(iso.c.Width(), iso.c.Height());
  int x = static_cast<int>(top.x), y = static_cast<int>(top.y) + 3;
  if (Is(e, "statue_penguin")) Penguin(figure, x, y, material);
  else if (Is(e, "statue_lion")) Lion(figure, x, y, material);
  else Elephant(figure, x + 4, y, material);
  figure.Outline(2);
  iso.c.Blit(figure, 0, 0);
}
