// Management offices of rising size (a cabin, a two-storey house, an office block,
// a centre with a wing) and the director's residence.
#include "art_ground.h"
#include "building_painters.h"

namespace {
const Rgb kCream = Shade(Hue::kSand, 4);
const Rgb kStone = Shade(Hue::kGrey, 3);

void Storeys(const Iso& iso, const Block& b, int storeys, Rgb frame) {
  const double storey = (b.h1 - b.h0) / storeys;
  for (Side side : {Side::kLeft, Side::kRight}) {
    const double len = WallLength(b, side);
    const int count = std::max(1, static_cast<int>(len * 2.2));
    for (int k = 0; k < storeys; ++k) {
      double h0 = b.h0 + k * storey + storey * 0.3, h1 = b.h0 + (k + 1) * storey - storey * 0.15;
      if (k == 0 && side == Side::kLeft) {
        // Ground floor: glass entrance in the middle, windows either side.
        WindowRow(iso, b, side, 0.05, len * 0.36, h0, h1, std::max(1, count / 3), frame);
        WindowRow(iso, b, side, len * 0.64, len - 0.05, h0, h1, std::max(1, count / 3), frame);
        continue;
      }
      WindowRow(iso, b, side, 0.05, len - 0.05, h0, h1, count, frame);
    }
  }
}

void Entrance(const Iso& iso, const Block& b, double width, double h, Rgb canopy) {
  const double len = WallLength(b, Side::kLeft);
  Door(iso, b, Side::kLeft, len / 2 - width / 2, len / 2 + width / 2, h, kWhite, true);
  Block over{b.u0 + len / 2 - width / 2 - 0.06, b.v1, b.u0 + len / 2 + width / 2 + 0.06, b.v1 + 0.2, h + 2, h + 5};
  SolidBlock(iso, over, canopy);
}

void OfficeSign(const Iso& iso, const BuildingEntry& e, const Block& b, double size = 12) {
  Vec top = iso.At((b.u0 + b.u1) / 2, (b.v0 + b.v1) / 2, b.h1 + 4);
  Signboard(iso.c, static_cast<int>(top.x), static_cast<int>(top.y) + 3, e.name, Shade(Hue::kLeaf, 1), kWhite,
            static_cast<int>(size));
}

void Cabin(const Iso& iso, const BuildingEntry& e, Rgb roof) {
  Block b{0.18, 0.24, 0.82, 0.8, 0, 24};
  BlockShadow(iso, b);
  Rgb wood = Shade(Hue::kWood, 3);
  Walls(iso, b, Courses(wood, 0.5, 3, 0, 111), Courses(Darker(wood), -0.5, 3, 0, 112), wood);
  Door(iso, b, Side::kLeft, 0.1, 0.26, 17, Shade(Hue::kWood, 1));
  Window(iso, b, Side::kLeft, 0.36, 0.56, 9, 17, kCream);
  Window(iso, b, Side::kRight, 0.14, 0.4, 9, 17, kCream);
  GableRoof(iso, b, RoofAxis::kU, 0.06, 12, roof, wood);
  Vec ridge = iso.At(0.5, 0.52, 36);
  Signboard(iso.c, static_cast<int>(ridge.x), static_cast<int>(ridge.y) + 4, e.name, Shade(Hue::kLeaf, 1), kWhite);
}

void House(const Iso& iso, const BuildingEntry& e, Rgb roof) {
  const double s = e.size;
  Block b{0.28, 0.3, s - 0.28, s - 0.38, 0, 44};
  BlockShadow(iso, b);
  Walls(iso, b, Speckled(kCream, 121), Speckled(Darker(kCream), 122), kCream);
  WallPanel(iso, b, Side::kLeft, 0, WallLength(b, Side::kLeft), 21, 23, roof);
  WallPanel(iso, b, Side::kRight, 0, WallLength(b, Side::kRight), 21, 23, Darker(roof));
  Storeys(iso, b, 2, kWhite);
  Entrance(iso, b, 0.24, 17, roof);
  HipRoof(iso, b, 0.08, 14, roof);
  OfficeSign(iso, e, b, 12);
}

void Block3(const Iso& iso, const BuildingEntry& e, Rgb trim) {
  const double s = e.size;
  Block b{0.3, 0.3, s - 0.35, s - 0.55, 0, 56};
  BlockShadow(iso, b);
  Rgb wall = Shade(Hue::kGrey, 4);
  Walls(iso, b, Speckled(wall, 131), Speckled(Darker(wall), 132), wall);
  Storeys(iso, b, 3, trim);
  Entrance(iso, b, 0.36, 14, trim);
  FlatRoof(iso, b, 0.06, 4, Shade(Hue::kGrey, 2), trim);
  SolidBlock(iso, {b.u1 - 0.6, b.v0 + 0.2, b.u1 - 0.25, b.v0 + 0.5, b.h1, b.h1 + 7}, Shade(Hue::kGrey, 3));
  OfficeSign(iso, e, b, 12);
}

void Centre(const Iso& iso, const BuildingEntry& e, Rgb trim) {
  const double s = e.size;
  Rgb wall = Shade(Hue::kGrey, 4);
  Block main{0.3, 0.3, 2.2, s - 0.5, 0, 58};
  Block wing{2.2, 1.5, s - 0.3, s - 0.5, 0, 28};
  BlockShadow(iso, main);
  BlockShadow(iso, wing);
  Walls(iso, main, Speckled(wall, 141), Speckled(Darker(wall), 142), wall);
  Storeys(iso, main, 3, trim);
  FlatRoof(iso, main, 0.06, 4, Shade(Hue::kGrey, 2), trim);
  Walls(iso, wing, Speckled(kCream, 143), Speckled(Darker(kCream), 144), kCream);
  WindowRow(iso, wing, Side::kLeft, 0.08, WallLength(wing, Side::kLeft) - 0.08, 8, 22, 1, trim);
  Window(iso, wing, Side::kRight, 0.1, WallLength(wing, Side::kRight) - 0.1, 8, 22, trim);
  Entrance(iso, main, 0.4, 16, trim);
  FlatRoof(iso, wing, 0.06, 3, Shade(Hue::kGrass, 2), trim);
  OfficeSign(iso, e, main, 12);
  // Flagpole at the front corner.
  Vec foot = iso.At(s - 0.25, s - 0.2);
  Pole(iso.c, static_cast<int>(foot.x), static_cast<int>(foot.y), 50, Shade(Hue::kGrey, 3));
  iso.c.Rect(static_cast<int>(foot.x) + 2, static_cast<int>(foot.y) - 50, 14, 9, Shade(Hue::kGrass, 3));
  iso.c.Ellipse(foot.x + 9, foot.y - 45.5, 2.5, 2.5, Shade(Hue::kYellow, 4));
}

// The director's residence: white walls, red hipped roof, a columned porch with a
// gilded name board, a flag and clipped hedges.
void Residence(const Iso& iso, const BuildingEntry& e) {
  const double s = e.size;
  const Rgb roof = PaletteColour(e.colour), gold = PaletteColour(e.accent);
  Block b{0.45, 0.4, s - 0.4, s - 0.85, 0, 36};
  BlockShadow(iso, b);
  Walls(iso, b, Speckled(kWhite, 151), Speckled(Shade(Hue::kSnow, 2), 152), kWhite);
  const double len = WallLength(b, Side::kLeft);
  for (double a : {0.12, 0.42, len - 0.62, len - 0.32}) Window(iso, b, Side::kLeft, a, a + 0.18, 8, 28, roof);
  WindowRow(iso, b, Side::kRight, 0.15, WallLength(b, Side::kRight) - 0.15, 8, 28, 3, roof);
  Door(iso, b, Side::kLeft, len / 2 - 0.14, len / 2 + 0.14, 24, Shade(Hue::kWood, 1));
  HipRoof(iso, b, 0.1, 20, roof);
  // Porch: steps, four columns, a pediment with the name.
  Block porch{b.u0 + len / 2 - 0.5, b.v1, b.u0 + len / 2 + 0.5, b.v1 + 0.4, 0, 3};
  SolidBlock(iso, porch, Shade(Hue::kGrey, 4));
  for (int i = 0; i < 4; ++i) Cylinder(iso, porch.u0 + 0.1 + i * 0.26, porch.v1 - 0.08, 0.04, 3, 30, kWhite, kWhite);
  Block pediment{porch.u0 - 0.04, porch.v0, porch.u1 + 0.04, porch.v1 + 0.02, 30, 36};
  SolidBlock(iso, pediment, kWhite);
  GableRoof(iso, pediment, RoofAxis::kV, 0.02, 10, roof, kWhite);
  WallPanel(iso, pediment, Side::kLeft, 0.05, 1.03, 29.5, 30.5, gold);
  Vec board = iso.At((porch.u0 + porch.u1) / 2, porch.v1, 36);
  Signboard(iso.c, static_cast<int>(board.x), static_cast<int>(board.y), e.name, Darker(roof), gold);
  // Clipped hedges along the front, a flag at the corner.
  for (int i = 0; i < 6; ++i) {
    double u = 0.3 + i * 0.45;
    if (u > porch.u0 - 0.25 && u < porch.u1 + 0.25) continue;
    Vec p = iso.At(u, s - 0.25);
    Bush(iso.c, p.x, p.y, 16, Hue::kLeaf, static_cast<uint32_t>(i), i % 2 ? Hue::kRed : Hue::kCount);
  }
  Vec foot = iso.At(s - 0.2, s - 0.6);
  Pole(iso.c, static_cast<int>(foot.x), static_cast<int>(foot.y), 46, Shade(Hue::kGrey, 3));
  iso.c.Rect(static_cast<int>(foot.x) + 2, static_cast<int>(foot.y) - 46, 13, 8, roof);
  iso.c.Ellipse(foot.x + 8, foot.y - 42, 2.5, 2.5, gold);
}
}  // namespace

void PaintOffice(const Iso& iso, const BuildingEntry& e, int) {
  Paving(iso, e.look == Look::DirectorOffice ? Shade(Hue::kSand, 3) : kStone, static_cast<uint32_t>(e.index));
  const Rgb colour = PaletteColour(e.colour);
  if (e.look == Look::DirectorOffice) return Residence(iso, e);
  switch (e.size) {
    case 1: return Cabin(iso, e, colour);
    case 2: return House(iso, e, colour);
    case 3: return Block3(iso, e, colour);
    default: return Centre(iso, e, colour);
  }
}
