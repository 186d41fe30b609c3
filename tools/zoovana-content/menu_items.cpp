#include "menu_items.h"

#include <algorithm>
#include <cmath>

#include "animal_model.h"
#include "catalogue_table.h"
#include "figure_model.h"

namespace {
constexpr double kPi = 3.14159265358979;
constexpr int kPlateH = 18;

Fill Grain(Hue hue, double shade, uint32_t seed) {
  return [=](int x, int y) { return Dithered(hue, shade + 0.6 * (ValueNoise(x * 0.5, y * 0.08, seed) - 0.5), x, y); };
}

void Plate(Canvas& c, const char* name) {
  const int w = std::min(c.Width(), std::max(40, TextWidth(name, {12}) + 12));
  const int x = (c.Width() - w) / 2, y = c.Height() - kPlateH;
  c.Rect(x, y, w, kPlateH, Shade(Hue::kWood, 3));
  c.Frame(x, y, w, kPlateH, Shade(Hue::kWood, 1));
  DrawTextCentred(c, x, y + 1, w, kPlateH - 2, name, TextStyle{12, Shade(Hue::kSoil, 0), Face::kSharp, true});
}

void Door(Canvas& c, int w, int h) {
  const int fx = w / 8, fy = h / 10, fw = w - 2 * fx, fh = h - fy - 4;
  c.Rect(fx - 6, fy - 6, fw + 12, fh + 6, Grain(Hue::kGrey, 2.6, 3));  // stone frame
  c.Rect(fx, fy, fw, fh, Shade(Hue::kSoil, 0));                        // the dark room behind
  c.Rect(fx + fw / 2 - 3, fy, fw / 2 - 6, fh, Shade(Hue::kYellow, 3));   // light through the gap
  // The door, swung half open toward the viewer.
  c.Polygon({{double(fx), double(fy)}, {fx + fw * 0.55, fy - fh * 0.06}, {fx + fw * 0.55, fy + fh * 1.03}, {double(fx), double(fy + fh)}},
            Grain(Hue::kWood, 2.6, 5));
  for (int k = 1; k < 4; ++k) {
    const double py = fy + fh * k / 4.0;
    c.Line(fx + 4, static_cast<int>(py), static_cast<int>(fx + fw * 0.53), static_cast<int>(py - fh * 0.03), Shade(Hue::kWood, 1));
  }
  c.Ellipse(fx + fw * 0.47, fy + fh * 0.52, 4, 4, Shade(Hue::kYellow, 4));
  // The green exit sign above the frame.
  c.Rect(w / 2 - 22, 2, 44, fy - 9, Shade(Hue::kGrass, 2));
  DrawTextCentred(c, w / 2 - 22, 2, 44, fy - 9, "EXIT", TextStyle{12, kWhite, Face::kSharp, true});
}

void Book(Canvas& c, int w, int h) {
  const double cx = w / 2.0, top = 8, bottom = h - kPlateH - 6;
  c.Polygon({{cx, top + 6}, {4, top}, {6, bottom - 4}, {cx, bottom}}, Shade(Hue::kSand, 4));
  c.Polygon({{cx, top + 6}, {w - 4.0, top}, {w - 6.0, bottom - 4}, {cx, bottom}}, Shade(Hue::kSand, 3));
  c.Polygon({{4, bottom - 4}, {cx, bottom}, {w - 4.0, bottom - 4}, {w - 4.0, bottom}, {cx, bottom + 4}, {4, bottom}},
            Shade(Hue::kRed, 1));  // the cover under the pages
  for (int k = 0; k < 6; ++k) {  // lines of text on both pages
    const int y = static_cast<int>(top + 12 + k * (bottom - top - 20) / 6);
    c.Line(10, y, static_cast<int>(cx) - 6, y + 3, Shade(Hue::kGrey, 2));
    c.Line(static_cast<int>(cx) + 6, y + 3, w - 10, y, Shade(Hue::kGrey, 2));
  }
  c.Line(static_cast<int>(cx), static_cast<int>(top + 6), static_cast<int>(cx), static_cast<int>(bottom), Shade(Hue::kSand, 1));
  c.Rect(static_cast<int>(cx) + 10, static_cast<int>(top) - 2, 6, static_cast<int>(bottom - top) + 12, Shade(Hue::kRed, 3));
}

void Flag(Canvas& c, int w, int h) {
  const int poleX = w / 4, base = h - kPlateH - 4;
  c.Ellipse(poleX, base, 18, 5, Shade(Hue::kGrass, 2));
  c.Rect(poleX - 2, 6, 4, base - 6, Shade(Hue::kGrey, 3));
  c.Ellipse(poleX, 6, 4, 4, Shade(Hue::kYellow, 4));
  std::vector<Vec> cloth;
  const double fw = w - poleX - 6.0, fh = (base - 12) * 0.5;
  for (int k = 0; k <= 12; ++k) cloth.push_back({poleX + 2 + fw * k / 12, 10 + 5 * std::sin(k * 0.6)});
  for (int k = 12; k >= 0; --k) cloth.push_back({poleX + 2 + fw * k / 12, 10 + fh + 5 * std::sin(k * 0.6)});
  c.Polygon(cloth, [](int x, int y) { return Dithered(Hue::kRed, 3.0 - x / 120.0 - ((x / 6 + y / 6) % 2) * 0.3, x, y); });
  // A paw print on the cloth: the game's campaign mark.
  const double px = poleX + 2 + fw / 2, py = 10 + fh / 2 + 3;
  c.Ellipse(px, py + 4, 8, 6, kWhite);
  for (int k = 0; k < 4; ++k) c.Ellipse(px - 9 + k * 6, py - 6 - (k == 1 || k == 2 ? 3 : 0), 2.6, 3.2, kWhite);
}

void Folder(Canvas& c, int w, int h) {
  const int top = 18, bottom = h - kPlateH - 6;
  c.Rect(10, top - 10, w / 3, 14, Shade(Hue::kOrange, 3));  // the tab
  c.Rect(10, top, w - 20, bottom - top, Shade(Hue::kOrange, 3));
  for (int k = 0; k < 3; ++k) {  // papers sticking out
    const int x = 24 + k * 14, y = top - 6 + k * 4;
    c.Rect(x, y, w - 60, bottom - y - 20, k == 1 ? Shade(Hue::kSnow, 4) : kWhite);
    for (int l = 0; l < 4; ++l) c.Rect(x + 8, y + 8 + 7 * l, w - 80, 1, Shade(Hue::kGrey, 3));
  }
  c.Polygon({{6, top + 24.0}, {w - 6.0, top + 24.0}, {w - 14.0, double(bottom)}, {14, double(bottom)}},
            [](int x, int y) { return Dithered(Hue::kYellow, 2.7 - y / 300.0, x, y); });
  c.Line(6, top + 24, w - 6, top + 24, Shade(Hue::kYellow, 4));
}

void Map(Canvas& c, int w, int h) {
  const int top = 6, bottom = h - kPlateH - 4, panel = (w - 8) / 3;
  for (int k = 0; k < 3; ++k) {  // a folded map: three panels, alternately lit
    const int x = 4 + k * panel, skew = k % 2 ? 5 : 0;
    c.Polygon({{double(x), top + 5.0 - skew}, {double(x + panel), top + double(skew)}, {double(x + panel), bottom - 5.0 + skew},
               {double(x), bottom - double(skew)}},
              [k](int px, int py) {
                const double land = ValueNoise(px * 0.12, py * 0.12, 4);
                return land < 0.35 ? Shade(Hue::kWater, k % 2 ? 2 : 3) : Dithered(Hue::kGrass, k % 2 ? 2.2 : 3.0, px, py);
              });
  }
  for (int k = 0; k < 9; ++k)  // the dotted route to the cross
    c.Rect(10 + k * (w - 26) / 9, static_cast<int>(bottom - 14 - k * (bottom - top - 30) / 9.0 + 5 * std::sin(k)), 3, 3, Shade(Hue::kRed, 3));
  const int xx = w - 14, xy = top + 14;
  c.Line(xx - 5, xy - 5, xx + 5, xy + 5, Shade(Hue::kRed, 2));
  c.Line(xx - 5, xy + 5, xx + 5, xy - 5, Shade(Hue::kRed, 2));
  c.Line(xx - 4, xy - 5, xx + 6, xy + 5, Shade(Hue::kRed, 2));
  c.Line(xx - 4, xy + 5, xx + 6, xy - 5, Shade(Hue::kRed, 2));
}

void Gear(Canvas& c, int w, int h) {
  const double cx = w / 2.0, cy = (h - kPlateH) / 2.0, r = std::min(w, h - kPlateH) * 0.42;
  std::vector<Vec> teeth;
  for (int k = 0; k < 40; ++k) {
    const double a = 2 * kPi * k / 40, rr = (k / 2) % 2 ? r * 0.8 : r;
    teeth.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
  }
  c.Polygon(teeth, [cx, cy](int x, int y) { return Dithered(Hue::kGrey, 3.2 - ((x - cx) + (y - cy)) / 60.0, x, y); });
  c.EllipseRing(cx, cy, r * 0.6, r * 0.6, Shade(Hue::kGrey, 1));
  c.Ellipse(cx, cy, r * 0.28, r * 0.28, kKey);
  c.EllipseRing(cx, cy, r * 0.28, r * 0.28, Shade(Hue::kGrey, 1));
}

void Card(Canvas& c, int w, int h) {
  const int bottom = h - kPlateH;
  c.Rect(2, 2, w - 4, bottom - 4, Shade(Hue::kSnow, 4));
  c.Rect(2, 2, w - 4, 6, Shade(Hue::kTeal, 2));
  c.Ellipse(12, 15, 4, 4, Shade(Hue::kSkin, 3));  // the face on the card
  c.Ellipse(12, 23, 6, 4, Shade(Hue::kRed, 2));
  for (int l = 0; l < 3; ++l) c.Rect(22, 12 + 5 * l, w - 28, 2, Shade(Hue::kGrey, 2));
}
}  // namespace

Canvas MenuItemPicture(MenuItem item, int w, int h) {
  Canvas c(w, h);
  static const char* kNames[] = {"結束", "繼續", "新活動", "讀取", "自由挑戰", "設定", "情報"};
  switch (item) {
    case MenuItem::kQuit: Door(c, w, h - kPlateH); break;
    case MenuItem::kContinue: Book(c, w, h); break;
    case MenuItem::kCampaign: Flag(c, w, h); break;
    case MenuItem::kLoad: Folder(c, w, h); break;
    case MenuItem::kFree: Map(c, w, h); break;
    case MenuItem::kSettings: Gear(c, w, h); break;
    case MenuItem::kCredits: Card(c, w, h); break;
  }
  c.Outline(2);
  Plate(c, kNames[static_cast<int>(item)]);
  return c;
}

namespace {
AnimalPose MascotPose(int frame) {
  AnimalPose pose;
  pose.sit = frame == 0 ? 0.5 : 0;
  pose.rear = frame == 1 ? 0.7 : 0.2;
  pose.jump = frame == 1 ? 1 : 0;
  return pose;
}
}  // namespace

Canvas Mascot(int frame) {
  const SpeciesEntry* panda = nullptr;
  for (const SpeciesEntry& s : Species())
    if (std::string_view(s.motif) == "panda") panda = &s;
  Canvas c(80, 80);
  if (!panda) return c;
  RenderOptions opt;
  opt.heading = HeadingOf(1);  // three-quarter view, the face toward the player
  opt.shadow = false;
  // One scale for all three frames, so the panda does not grow as it jumps.
  double w = 1, h = 1;
  for (int f = 0; f < 3; ++f) {
    const Extent e = Measure(BuildAnimal(*panda, MascotPose(f), false), opt.heading);
    w = std::max(w, e.right - e.left);
    h = std::max(h, e.bottom - e.top);
  }
  opt.scale = std::min(70 / w, 62 / h);
  const Model m = BuildAnimal(*panda, MascotPose(frame), false);
  const Extent e = Measure(m, opt.heading);
  const int lift = frame == 1 ? 8 : 0;
  c.Ellipse(40, 76, frame == 1 ? 14 : 22, 3, Shade(Hue::kLeaf, 1));  // its shadow on the ground
  Render(c, m, 40 - (e.left + e.right) * opt.scale / 2, 75 - lift, opt);
  return c;
}
