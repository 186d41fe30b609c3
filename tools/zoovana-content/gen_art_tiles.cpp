// Ground tile sheets "map_pat1.bmp" .. "map_pat3.bmp" (one per mood), the tile mask
// that tells which cell the pointer is over, and the overview's colour strip.
// Every sheet has the same tile numbers, so a map can switch mood by sheet alone.
#include <algorithm>
#include <cmath>
#include <functional>

#include "art_ground.h"
#include "content.h"

namespace {
constexpr int kTileW = 74, kTileH = 100, kColumns = 9, kRows = 8;

struct Mood {
  const char* file;
  Terrain main, alt, dirt, third;
  Hue tuft;
  Hue flowerA, flowerB;
  TreeKind treeA, treeB;
  Hue rock;
  bool snowy;
  // Earth and third ground that would stand out as hard squares are painted as
  // irregular patches inside main-ground tiles instead.
  bool softEarth, softThird;
};

// Spring meadow, dry savanna, winter.
const Mood kMoods[] = {
    {"map_pat1.bmp", Terrain::kGrass, Terrain::kMeadow, Terrain::kSoil, Terrain::kMoss, Hue::kGrass, Hue::kYellow, Hue::kPurple,
     TreeKind::kBroadleaf, TreeKind::kPine, Hue::kGrey, false, true, true},
    {"map_pat2.bmp", Terrain::kDryGrass, Terrain::kSand, Terrain::kRedSoil, Terrain::kGrass, Hue::kGrass, Hue::kRed, Hue::kYellow,
     TreeKind::kAcacia, TreeKind::kPalm, Hue::kGrey, false, true, true},
    {"map_pat3.bmp", Terrain::kSnow, Terrain::kFrostGrass, Terrain::kSoil, Terrain::kIce, Hue::kSnow, Hue::kRed, Hue::kWater,
     TreeKind::kSnowPine, TreeKind::kDead, Hue::kGrey, true, true, true},
};

// Distance of a ground point inside a cell to the cell's nearest edge (0 at the edge).
double EdgeDistance(GroundPos g) { return std::min({g.a, g.b, 1 - g.a, 1 - g.b}); }

// Paints `other` over the tile in soft patches that stay clear of the edges, so the
// tile still joins its neighbours.
void Patches(Canvas& t, Terrain other, uint32_t seed, double amount) {
  Fill fill = TerrainFill(other, 1, seed);
  t.Diamond(0, 63, 36, 18, [&](int x, int y) {
    GroundPos g = GroundAt(1, x, y);
    double n = 0.65 * ValueNoise(g.a * 3.2, g.b * 3.2, seed) + 0.35 * Hash01(x / 2, y, seed);
    bool inside = n + 0.9 * EdgeDistance(g) * amount > 0.95;
    return inside ? fill(x, y) : t.Get(x, y);
  });
}

// Asphalt with kerbs: `along` 0 runs along +x, 1 along +y, 2 is plain.
void Asphalt(Canvas& t, int along, uint32_t seed) {
  t.Diamond(0, 63, 36, 18, [&](int x, int y) {
    GroundPos g = GroundAt(1, x, y);
    double across = along == 0 ? g.b : g.a, length = along == 0 ? g.a : g.b;
    if (along < 2 && (across < 0.07 || across > 0.93)) return Shade(Hue::kGrey, across < 0.07 ? 4 : 3);
    if (along < 2 && std::abs(across - 0.5) < 0.035 && std::fmod(length * 4 + 0.25, 1.0) < 0.5) return Shade(Hue::kYellow, 3);
    double n = Hash01(x, y, seed);
    return Dithered(Hue::kGrey, 0.75 + 0.5 * CellNoise(g, seed, 5) + (n > 0.93 ? 0.8 : 0), x, y);
  });
}

// Square stone paving; `pattern` adds a darker ring of slabs.
void Paving(Canvas& t, bool pattern, uint32_t seed) {
  t.Diamond(0, 63, 36, 18, [&](int x, int y) {
    GroundPos g = GroundAt(1, x, y);
    double fa = g.a * 6, fb = g.b * 6;
    double ea = fa - std::floor(fa), eb = fb - std::floor(fb);
    if (ea < 0.09 || eb < 0.09) return Shade(Hue::kGrey, 2);
    int ia = static_cast<int>(std::floor(fa)), ib = static_cast<int>(std::floor(fb));
    bool ring = pattern && (std::max(std::abs(ia * 2 - 5), std::abs(ib * 2 - 5)) == 3);
    double v = 3.1 + 0.5 * Hash01(((ia % 6) + 6) % 6, ((ib % 6) + 6) % 6, seed) - 0.6 * (ea + eb > 1.75 ? 1 : 0);
    return ring ? Dithered(Hue::kRed, v - 0.6, x, y) : Dithered(Hue::kSand, v, x, y);
  });
}

void Rubble(Canvas& t, const Mood& m, uint32_t seed) {
  PaintGround(t, 1, m.dirt, seed);
  Patches(t, Terrain::kGravel, seed + 1, 1.4);
  for (int i = 0; i < 9; ++i) {  // broken blocks of wall and concrete
    double a = 0.18 + 0.64 * Hash01(i, 1, seed), b = 0.18 + 0.64 * Hash01(i, 2, seed);
    double x = 37 + (a - b) * 36, y = 63 + (a + b) * 18;
    double w = 4 + 6 * Hash01(i, 3, seed), h = 2 + 4 * Hash01(i, 4, seed);
    Hue hue = i % 3 == 0 ? Hue::kRed : Hue::kGrey;
    t.Polygon({{x - w, y - h}, {x, y - h - w / 2}, {x + w, y - h}, {x, y - h + w / 2}}, Shade(hue, 3));
    t.Polygon({{x - w, y - h}, {x, y - h + w / 2}, {x, y + w / 2}, {x - w, y}}, Shade(hue, 2));
    t.Polygon({{x, y - h + w / 2}, {x + w, y - h}, {x + w, y}, {x, y + w / 2}}, Shade(hue, 1));
  }
  for (int i = 0; i < 4; ++i) {  // splintered beams
    double x = 20 + 34 * Hash01(i, 5, seed), y = 74 + 16 * Hash01(i, 6, seed);
    int dir = i % 2 ? 1 : -1;
    t.Line(static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + 10 * dir), static_cast<int>(y + 5), Shade(Hue::kWood, 2));
    t.Line(static_cast<int>(x), static_cast<int>(y) + 1, static_cast<int>(x + 10 * dir), static_cast<int>(y + 6), Shade(Hue::kWood, 0));
  }
  Scatter(t, 1, Detail::kPebble, 14, seed + 2, Hue::kGrey, 0.1);
}

Canvas Tile(const Mood& m, int index) {
  Canvas t(kTileW, kTileH);
  const uint32_t seed = 1000u + static_cast<uint32_t>(index) * 31u + static_cast<uint32_t>(m.main) * 7u;
  const int column = index / kRows, row = index % kRows;
  auto ground = [&](Terrain terrain) { PaintGround(t, 1, terrain, 11 + static_cast<uint32_t>(terrain)); };
  auto details = [&](int variant) {
    switch (variant % 4) {
      case 0: Scatter(t, 1, Detail::kTuft, 6, seed, m.tuft); break;
      case 1:
        if (m.snowy) Scatter(t, 1, Detail::kSnowLump, 4, seed);
        else Scatter(t, 1, Detail::kFlower, 5, seed, m.flowerA);
        break;
      case 2: Scatter(t, 1, Detail::kPebble, 4, seed, m.rock); break;
      default:
        if (m.snowy) Scatter(t, 1, Detail::kTwig, 4, seed);
        else Scatter(t, 1, Detail::kFlower, 4, seed, m.flowerB);
        break;
    }
  };
  if (index == 63 || index == 71) {
    Rubble(t, m, seed);
    return t;
  }
  switch (column) {
    case 0:  // tile 0: levelled bare ground; 1..7: the main ground
      if (row == 0) {
        ground(m.dirt);
        Scatter(t, 1, Detail::kPebble, 3, seed, Hue::kGrey);
      } else {
        ground(m.main);
        if (row > 1) details(row);
        if (row == 5) Scatter(t, 1, Detail::kTuft, 8, seed + 1, m.tuft);
        if (m.snowy && row >= 4) Scatter(t, 1, Detail::kSnowLump, 3, seed + 2);
      }
      break;
    case 1:  // second ground
      ground(m.alt);
      if (row > 0) details(row + 1);
      break;
    case 2:  // earth
      if (m.softEarth) {
        ground(m.main);
        Patches(t, m.dirt, seed, 1.3 + 0.1 * row);
      } else {
        ground(m.dirt);
      }
      if (row % 2) Scatter(t, 1, Detail::kPebble, 5, seed, Hue::kGrey);
      if (!m.softEarth && row >= 4) Patches(t, m.main, seed, 1.0);
      if (row == 6) Scatter(t, 1, Detail::kTwig, 4, seed + 1);
      break;
    case 3:  // third ground
      if (m.softThird) {
        ground(m.main);
        Patches(t, m.third, seed, 1.3 + 0.1 * row);
      } else {
        ground(m.third);
      }
      if (row >= 2) Scatter(t, 1, row % 2 ? Detail::kLeaf : Detail::kTuft, 5, seed, m.third == Terrain::kMoss ? Hue::kOrange : m.tuft);
      if (!m.softThird && row >= 5) Patches(t, m.main, seed, 1.0);
      break;
    case 4: {  // timber: trees, logs, stumps to clear
      ground(m.main);
      Scatter(t, 1, Detail::kTwig, 3, seed + 3);
      switch (row) {
        case 0: Tree(t, 37, 84, m.treeA, 78, seed); break;
        case 1: Tree(t, 37, 84, m.treeB, 80, seed); break;
        case 2:
          Tree(t, 27, 80, m.treeA, 62, seed);
          Tree(t, 49, 88, m.treeB, 66, seed + 1);
          break;
        case 3:
          Log(t, 30, 82, 30, true, seed);
          Log(t, 44, 90, 26, false, seed + 1);
          break;
        case 4:
          Stump(t, 30, 82, 12, seed);
          Stump(t, 46, 90, 9, seed + 1);
          break;
        case 5:
          Bush(t, 26, 84, 24, Hue::kLeaf, seed);
          Bush(t, 48, 90, 22, Hue::kGrass, seed + 1);
          break;
        case 6: Tree(t, 37, 86, TreeKind::kDead, 66, seed); break;
        default:
          Log(t, 37, 87, 34, true, seed);
          Log(t, 37, 80, 26, true, seed + 1);
          break;
      }
      break;
    }
    case 5: {  // stones to clear
      ground(m.main);
      Scatter(t, 1, Detail::kPebble, 5, seed + 3, m.rock);
      double big = 18 + 3 * row;
      switch (row % 4) {
        case 0: Boulder(t, 37, 88, std::min(big, 34.0), m.rock, seed, m.snowy); break;
        case 1:
          Boulder(t, 29, 83, big * 0.7, m.rock, seed, m.snowy);
          Boulder(t, 46, 90, big * 0.55, m.rock, seed + 1, m.snowy);
          break;
        case 2:
          for (int i = 0; i < 5; ++i)
            Boulder(t, 22 + 7 * i, 80 + 3 * (i % 3) + i, 9 + 3 * Hash01(i, 0, seed), m.rock, seed + static_cast<uint32_t>(i), m.snowy);
          break;
        default:
          Boulder(t, 40, 88, std::min(big, 30.0), m.rock, seed, m.snowy);
          Boulder(t, 25, 86, 12, m.rock, seed + 1, m.snowy);
          Bush(t, 52, 84, 14, Hue::kGrass, seed + 2);
          break;
      }
      break;
    }
    case 6:  // made ground for roads and the entrance
      switch (row) {
        case 0: Asphalt(t, 0, seed); break;
        case 1: Asphalt(t, 1, seed); break;
        case 2: Asphalt(t, 2, seed); break;
        case 3: Paving(t, false, seed); break;
        case 4: Paving(t, true, seed); break;
        case 5:
          Paving(t, false, seed);
          Bush(t, 37, 84, 18, Hue::kLeaf, seed, m.flowerA);
          break;
        case 6:  // paving with a lamp post
          Paving(t, false, seed);
          Shadow(t, 44, 86, 8, 3);
          t.Rect(36, 30, 2, 54, Shade(Hue::kGrey, 1));
          t.Rect(36, 30, 1, 54, Shade(Hue::kGrey, 3));
          t.Rect(34, 82, 6, 3, Shade(Hue::kGrey, 0));
          Blob(t, 37, 27, 4, 4, Hue::kYellow, 3.0, seed, 0.2);
          t.Rect(33, 22, 9, 2, Shade(Hue::kGrey, 0));
          break;
        default:
          ground(m.main);
          Patches(t, Terrain::kGravel, seed, 1.0);
          break;
      }
      break;
    default:  // more of the main ground: leaves, patches of earth and of the second ground
      ground(m.main);
      if (row % 3 == 0) Patches(t, m.dirt, seed, 1.0);
      if (row % 3 == 1) Patches(t, m.alt, seed, 1.0);
      details(row + column);
      if (row % 2 == 0) Scatter(t, 1, m.snowy ? Detail::kSnowLump : Detail::kLeaf, 6, seed + 5, Hue::kOrange);
      break;
  }
  return t;
}

void GenerateTileSheets(Output& out) {
  for (const Mood& m : kMoods) {
    Canvas sheet(kTileW * kColumns, kTileH * kRows);
    for (int i = 0; i < kColumns * kRows; ++i) sheet.Blit(Tile(m, i), (i / kRows) * kTileW, (i % kRows) * kTileH);
    sheet.Set(0, 0, kKey);
    WriteBmp(out, m.file, sheet);
  }
}

// The pointer's cell: black over the tile's own diamond; around it the colour of the
// neighbour that owns those pixels (up-left x-1, up-right y-1, down-left y+1,
// down-right x+1).
void GenerateTileMask(Output& out) {
  const Rgb kUpLeft{255, 255, 0}, kUpRight{255, 0, 0}, kDownLeft{0, 255, 0}, kDownRight{0, 0, 255};
  Canvas mask(kTileW, kTileH);
  for (int y = 0; y < kTileH; ++y)
    for (int x = 0; x < kTileW; ++x) {
      bool left = x < 37;
      bool upper = y <= 81;
      mask.Set(x, y, upper ? (left ? kUpLeft : kUpRight) : (left ? kDownLeft : kDownRight));
    }
  mask.Diamond(0, 63, 36, 18, Rgb{0, 0, 0});
  WriteBmp(out, "TileMask.bmp", mask);
}

// Overview map colours, 2 x 2 samples side by side: road, shop, enclosure, other
// building, then the three ground groups (ground, obstacles and rubble, paving).
void GenerateOverviewColours(Output& out) {
  const Rgb samples[] = {Shade(Hue::kGrey, 4), Shade(Hue::kRed, 3),   Shade(Hue::kOrange, 3), Shade(Hue::kPurple, 3),
                         Shade(Hue::kGrass, 2), Shade(Hue::kLeaf, 0), Shade(Hue::kGrey, 2)};
  Canvas strip(2 * 7, 2);
  for (int i = 0; i < 7; ++i) strip.Rect(2 * i, 0, 2, 2, samples[i]);
  WriteBmp(out, "MinColor.bmp", strip);
}

void GenerateGround(Output& out) {
  GenerateTileSheets(out);
  GenerateTileMask(out);
  GenerateOverviewColours(out);
}

RegisterGenerator reg("40-art-ground-tiles", &GenerateGround);
}  // namespace
