// Shops, stalls, vending machines and toilets. One-cell shops share one plan: a
// small building with an open shop front on its lit side and, on its roof, a sign
// with the shop's name and a big picture of what it sells, so that each reads at a
// glance. The roof tells the kinds apart: flat for food, hipped for drinks and
// souvenirs, a gabled timber stall for the winter shops.
//
// The game stands a shop's clerk, facing down-left, on the middle of the footprint
// and draws the figure over the picture. So every shop sets its lit wall just behind
// that spot with the serving counter on it, keeps the space in front clear, and
// lifts its roof sign above the clerk's head.
#include <string>
#include <utility>

#include "building_painters.h"
#include "building_props.h"

namespace {
const Rgb kCream = Shade(Hue::kSand, 4);
const Rgb kStone = Shade(Hue::kGrey, 3);

std::string StripSuffix(std::string s, const char* suffix) {
  std::string t = suffix;
  if (s.size() > t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0) s.resize(s.size() - t.size());
  return s;
}

// The name sign and the picture above it, standing on the roof at height h.
void RoofSign(const Iso& iso, const BuildingEntry& e, double u, double v, double h, double propScale = 1.0) {
  Vec base = iso.At(u, v, h);
  int cx = static_cast<int>(base.x), bottom = static_cast<int>(base.y) + 2;
  DrawProp(iso.c, e.motif, cx, bottom - 12, propScale);
  Signboard(iso.c, cx, bottom, SignText(e), kWhite, Shade(Hue::kRed, 1));
}

// Cream walls with a coloured base band; the lit wall a shade lighter.
void ShopWalls(const Iso& iso, const Block& b, Rgb band, Rgb wall = kCream) {
  Walls(iso, b, Speckled(wall, 41), Speckled(Darker(wall), 42), wall);
  WallPanel(iso, b, Side::kLeft, 0, WallLength(b, Side::kLeft), b.h0, b.h0 + 5, band);
  WallPanel(iso, b, Side::kRight, 0, WallLength(b, Side::kRight), b.h0, b.h0 + 5, Darker(band));
}

// The lit wall of a shop of footprint side s runs this far along v: a few pixels
// behind the clerk's feet at the middle of the footprint.
double FrontLine(double s) { return s / 2 - 0.1; }

// The open shop front the clerk serves from: the dark shop behind him with shelves
// of goods, a counter on both sides of him and a striped valance above.
void ServingFront(const Iso& iso, const Block& b, double halfWidth, double h, Rgb colour, Rgb counter) {
  // The wall point straight behind the clerk on screen: same u - v as his spot.
  const double mid = b.v1 - b.u0;
  const double a0 = mid - halfWidth, a1 = mid + halfWidth;
  WallPanel(iso, b, Side::kLeft, a0, a1, b.h0, h, Fill([](int x, int y) {
              return (x + y) % 5 == 0 ? Shade(Hue::kSoil, 1) : Shade(Hue::kSoil, 0);
            }));
  const Rgb goods[] = {Shade(Hue::kRed, 3), Shade(Hue::kYellow, 3), Shade(Hue::kWater, 3), Shade(Hue::kGrass, 3)};
  for (int shelf = 0; shelf < 2; ++shelf) {
    double hs = h - 5 - shelf * 5;
    WallPanel(iso, b, Side::kLeft, a0 + 0.03, a1 - 0.03, hs - 1, hs, Shade(Hue::kWood, 2));
    for (int i = 0; i < 6; ++i) {
      double g = a0 + 0.06 + i * (a1 - a0 - 0.12) / 6;
      WallPanel(iso, b, Side::kLeft, g, g + (a1 - a0) / 14, hs, hs + 2.5, goods[(i + shelf) % 4]);
    }
  }
  // Counter tops either side of the clerk, level with his waist.
  for (double c0 : {a0, mid + halfWidth * 0.45}) {
    double c1 = c0 + halfWidth * 0.55;
    WallPanel(iso, b, Side::kLeft, c0, c1, b.h0, b.h0 + 9, Courses(counter, WallSlope(Side::kLeft), 100, 3, 17));
    WallPanel(iso, b, Side::kLeft, c0 - 0.02, c1 + 0.02, b.h0 + 9, b.h0 + 11, Lighter(counter));
  }
  WallPanel(iso, b, Side::kLeft, a0 - 0.03, a1 + 0.03, h, h + 4, Stripes(colour, kWhite, 4, WallSlope(Side::kLeft)));
}

void Kiosk(const Iso& iso, const BuildingEntry& e, Rgb colour, Rgb accent) {
  Block b{0.1, 0.08, 0.92, FrontLine(1), 0, 26};
  BlockShadow(iso, b);
  ShopWalls(iso, b, colour);
  ServingFront(iso, b, 0.3, 19, colour, accent);
  Window(iso, b, Side::kRight, 0.06, WallLength(b, Side::kRight) - 0.06, 12, 20, colour);
  // The sign stands on the roof, its foot above the clerk's head.
  switch (e.look) {
    case Look::DrinkShop:
    case Look::SouvenirShop:
      HipRoof(iso, b, 0.06, 10, colour);
      RoofSign(iso, e, 0.51, 0.24, 37, e.motif == std::string("balloon") ? 0.9 : 1.2);
      break;
    case Look::WinterShop:
      GableRoof(iso, b, RoofAxis::kU, 0.06, 10, colour, Shade(Hue::kWood, 3));
      RoofSign(iso, e, 0.51, 0.24, 37, 1.2);
      break;
    default:
      FlatRoof(iso, b, 0.05, 3, Shade(Hue::kGrey, 2), colour);
      RoofSign(iso, e, 0.51, 0.24, 36, 1.25);
  }
}

void VendingMachine(const Iso& iso, const BuildingEntry& e) {
  Rgb body = PaletteColour(e.colour);
  Block m{0.18, 0.42, 0.78, 0.72, 0, 38};
  BlockShadow(iso, m);
  Walls(iso, m, Darker(body), Darker(body, 2), Shade(Hue::kGrey, 3));
  const double len = WallLength(m, Side::kLeft);
  // Lit header, product window with rows of goods, buttons, slot and tray.
  WallPanel(iso, m, Side::kLeft, 0.03, len - 0.03, 31, 36, kWhite);
  WallPanel(iso, m, Side::kLeft, 0.04, len * 0.68, 14, 29, Shade(Hue::kSnow, 3));
  const Rgb goods[] = {Shade(Hue::kRed, 2), Shade(Hue::kWater, 2), Shade(Hue::kYellow, 3), Shade(Hue::kGrass, 2),
                       Shade(Hue::kOrange, 3), Shade(Hue::kSoil, 2)};
  for (int row = 0; row < 3; ++row)
    for (int i = 0; i < 5; ++i) {
      double a = 0.07 + i * (len * 0.6) / 5;
      WallPanel(iso, m, Side::kLeft, a, a + len * 0.07, 24.5 - row * 5, 28 - row * 5,
                goods[static_cast<size_t>((i + row * 2 + e.index) % 6)]);
    }
  for (int i = 0; i < 3; ++i)
    WallPanel(iso, m, Side::kLeft, len * 0.76, len * 0.86, 27 - i * 4, 29 - i * 4, Shade(Hue::kYellow, 4));
  WallPanel(iso, m, Side::kLeft, len * 0.1, len * 0.6, 4, 9, Shade(Hue::kGrey, 0));
  // A litter bin beside it.
  Cylinder(iso, 0.8, 0.28, 0.1, 0, 13, Shade(Hue::kGrass, 2), Shade(Hue::kGrey, 1));
  Disc(iso, 0.8, 0.28, 0.07, 13, Shade(Hue::kGrey, 0));
}

void Toilet(const Iso& iso, const BuildingEntry& e, Rgb roof) {
  const double s = e.size;
  Block b = s > 1 ? Block{0.25, 0.3, s - 0.3, s - 0.35, 0, 32} : Block{0.16, 0.22, 0.84, 0.8, 0, 27};
  BlockShadow(iso, b);
  Rgb tile = Shade(Hue::kSnow, 3);
  Walls(iso, b, Courses(tile, 0.5, 4, 4, 51), Courses(Darker(tile), -0.5, 4, 4, 52), tile);
  const double len = WallLength(b, Side::kLeft), door = s > 1 ? 0.28 : 0.17;
  // Gents on the left, ladies on the right, each door marked in its colour.
  const double at[2] = {len * 0.27, len * 0.73};
  const Rgb mark[2] = {Shade(Hue::kWater, 2), Shade(Hue::kRed, 2)};
  for (int i = 0; i < 2; ++i) {
    Door(iso, b, Side::kLeft, at[i] - door / 2, at[i] + door / 2, s > 1 ? 18 : 16, Shade(Hue::kTeal, 2));
    WallPanel(iso, b, Side::kLeft, at[i] - 0.05, at[i] + 0.05, s > 1 ? 21 : 19, s > 1 ? 25 : 23, mark[i]);
  }
  WindowRow(iso, b, Side::kRight, 0.1, WallLength(b, Side::kRight) - 0.1, b.h1 - 9, b.h1 - 4, s > 1 ? 3 : 2,
            Shade(Hue::kGrey, 4));
  if (s > 1) {
    GableRoof(iso, b, RoofAxis::kU, 0.08, 20, roof, tile);
    RoofSign(iso, e, s / 2, s / 2, 52);
  } else {
    HipRoof(iso, b, 0.06, 11, roof);
    RoofSign(iso, e, 0.5, 0.5, 36, 1.0);
  }
}

// A noodle bar: timber front under a dark tiled gable, lanterns either side of the
// counter and a short curtain over it.
void NoodleBar(const Iso& iso, const BuildingEntry& e, Rgb colour) {
  Block b{0.2, 0.12, 1.82, FrontLine(2), 0, 30};
  BlockShadow(iso, b);
  ShopWalls(iso, b, Shade(Hue::kWood, 2));
  const double len = WallLength(b, Side::kLeft), mid = b.v1 - b.u0;
  ServingFront(iso, b, 0.36, 21, colour, Shade(Hue::kWood, 3));
  for (int i = 0; i < 4; ++i) {  // the curtain, in four flaps
    double a = mid - 0.3 + i * 0.15;
    WallPanel(iso, b, Side::kLeft, a + 0.01, a + 0.14, 19, 25, colour);
  }
  Window(iso, b, Side::kLeft, 0.08, mid - 0.48, 10, 21, Shade(Hue::kWood, 3));
  Window(iso, b, Side::kLeft, mid + 0.48, len - 0.08, 10, 21, Shade(Hue::kWood, 3));
  WindowRow(iso, b, Side::kRight, 0.12, WallLength(b, Side::kRight) - 0.12, 11, 21, 2, Shade(Hue::kWood, 3));
  GableRoof(iso, b, RoofAxis::kU, 0.1, 20, Shade(Hue::kGrey, 1), kCream);
  for (double a : {mid - 0.55, mid + 0.55}) {
    Vec p = WallPoint(iso, Block{b.u0, b.v0, b.u1, b.v1 + 0.08, 0, 0}, Side::kLeft, a, 24);
    iso.c.Rect(static_cast<int>(p.x), static_cast<int>(p.y) - 2, 1, 3, Shade(Hue::kGrey, 0));
    iso.c.Ellipse(p.x + 0.5, p.y + 4, 3, 4, Shade(Hue::kRed, 3));
    iso.c.Rect(static_cast<int>(p.x) - 2, static_cast<int>(p.y) + 3, 5, 1, Shade(Hue::kYellow, 3));
  }
  RoofSign(iso, e, 1.0, 0.5, 52);
}

// Parasol and table on the terrace.
void TerraceTable(const Iso& iso, double u, double v, Rgb canopy) {
  RoundShadow(iso, u, v, 0.14, 20);
  Cylinder(iso, u, v, 0.13, 8, 10, Shade(Hue::kGrey, 4), kWhite);
  Vec foot = iso.At(u, v, 0), top = iso.At(u, v, 19);
  iso.c.Rect(static_cast<int>(foot.x), static_cast<int>(top.y), 1, static_cast<int>(foot.y - top.y), Shade(Hue::kGrey, 2));
  iso.c.Polygon({{top.x, top.y - 6}, {top.x - 15, top.y + 4}, {top.x + 15, top.y + 4}},
                Stripes(canopy, kWhite, 6));
  iso.c.Polygon({{top.x, top.y - 6}, {top.x + 1, top.y + 4}, {top.x + 15, top.y + 4}},
                Stripes(Darker(canopy), Shade(Hue::kGrey, 4), 6));
}

// A family restaurant: glass front with a take-away counter, flat roof with a big
// name sign, terrace tables clear of the clerk.
void Restaurant(const Iso& iso, const BuildingEntry& e, Rgb colour) {
  const double s = e.size;
  Block b{0.3, 0.25, s - 0.3, FrontLine(s), 0, 34};
  BlockShadow(iso, b);
  ShopWalls(iso, b, colour);
  const double len = WallLength(b, Side::kLeft), mid = b.v1 - b.u0;
  WindowRow(iso, b, Side::kLeft, 0.1, mid - 0.5, 8, 26, 2, kWhite);
  ServingFront(iso, b, 0.36, 24, colour, kCream);
  Door(iso, b, Side::kLeft, mid + 0.5, mid + 0.68, 24, kWhite, true);
  WindowRow(iso, b, Side::kLeft, mid + 0.8, len - 0.1, 8, 26, 1, kWhite);
  for (auto [a0, a1] : {std::pair{0.05, mid - 0.45}, std::pair{mid + 0.45, len - 0.05}})
    Awning(iso, b, Side::kLeft, a0, a1, 31, 0.22, 6, colour, kWhite);
  WindowRow(iso, b, Side::kRight, 0.12, WallLength(b, Side::kRight) - 0.12, 10, 25, 2, kWhite);
  FlatRoof(iso, b, 0.07, 4, Shade(Hue::kGrey, 2), colour);
  Vec centre = iso.At((b.u0 + b.u1) / 2, (b.v0 + b.v1) / 2, b.h1 + 2);
  DrawProp(iso.c, e.motif, static_cast<int>(centre.x) + 30, static_cast<int>(centre.y) - 2, 1.0);
  Signboard(iso.c, static_cast<int>(centre.x), static_cast<int>(centre.y) + 4, SignText(e), kWhite,
            Shade(Hue::kRed, 1), 16);
  // Tables left and right of the way in, away from where the clerk stands.
  TerraceTable(iso, 0.6, s - 0.45, colour);
  TerraceTable(iso, 1.25, s - 0.3, Shade(Hue::kRed, 2));
  TerraceTable(iso, s - 0.35, s - 0.95, colour);
}

// A bigger shop: display windows under awnings either side of the counter, hipped
// roof, sign on top.
void Store(const Iso& iso, const BuildingEntry& e, Rgb colour, Rgb accent) {
  const double s = e.size;
  Block b{0.2, 0.12, s - 0.2, FrontLine(s), 0, 30};
  BlockShadow(iso, b);
  ShopWalls(iso, b, accent);
  const double len = WallLength(b, Side::kLeft), mid = b.v1 - b.u0;
  ServingFront(iso, b, 0.36, 21, colour, accent);
  WindowRow(iso, b, Side::kLeft, 0.08, mid - 0.48, 8, 22, 1, colour);
  WindowRow(iso, b, Side::kLeft, mid + 0.48, len - 0.08, 8, 22, 1, colour);
  for (auto [a0, a1] : {std::pair{0.04, mid - 0.44}, std::pair{mid + 0.44, len - 0.04}})
    Awning(iso, b, Side::kLeft, a0, a1, 27, 0.22, 6, colour, accent);
  WindowRow(iso, b, Side::kRight, 0.12, WallLength(b, Side::kRight) - 0.12, 10, 22, 2, colour);
  HipRoof(iso, b, 0.08, 16, colour);
  RoofSign(iso, e, s / 2, (b.v0 + b.v1) / 2, 48);
}
}  // namespace

std::string SignText(const BuildingEntry& e) {
  std::string t = e.name;
  for (const char* suffix : {"店", "攤", "館"}) t = StripSuffix(t, suffix);
  const std::string big = "大型";
  if (t.compare(0, big.size(), big) == 0 && t.size() > big.size()) t.erase(0, big.size());
  return t;
}

void PaintShop(const Iso& iso, const BuildingEntry& e, int) {
  Paving(iso, kStone, static_cast<uint32_t>(e.index));
  const Rgb colour = PaletteColour(e.colour), accent = PaletteColour(e.accent);
  if (e.look == Look::VendingMachine) return VendingMachine(iso, e);
  if (e.look == Look::Toilet) return Toilet(iso, e, colour);
  if (e.size == 1) return Kiosk(iso, e, colour, accent);
  if (e.look == Look::FoodShop && e.size >= 3) return Restaurant(iso, e, colour);
  if (e.look == Look::FoodShop) return NoodleBar(iso, e, colour);
  Store(iso, e, colour, accent);
}
