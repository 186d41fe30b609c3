// Flower beds, bushes, trees and lawns (group 1): plants on the same lawn the spring
// tile sheet uses, so a planted cell blends into grass around it.
#include <cmath>
#include <string>

#include "art_ground.h"
#include "catalogue_table.h"
#include "content.h"

namespace {
// The lawn's seed matches the spring sheet's grass, so they join without a seam.
constexpr uint32_t kLawnSeed = 11 + static_cast<uint32_t>(Terrain::kGrass);

Vec At(int side, double a, double b, double h = 0) { return {36.0 * side + 1 + (a - b) * 36.0, 63.0 + (a + b) * 18.0 - h}; }

bool Is(const BuildingEntry& e, const char* motif) { return std::string(e.motif) == motif; }

// A raised bed: a low kerb of stone round earth, flowers in rows along +x.
void FlowerBed(Canvas& c, int side, double a0, double b0, double a1, double b1, Hue petals, Hue second, uint32_t seed,
               bool tall) {
  IsoFrame f{side};
  IsoBox(c, f, a0, b0, a1, b1, 0, 3, BoxFaces::Of(Hue::kGrey, 4));
  IsoQuad(c, f, a0 + 0.05, b0 + 0.05, a1 - 0.05, b1 - 0.05, 3, [&](int x, int y) {
    return Dithered(Hue::kSoil, 1.2 + 1.2 * Hash01(x / 2, y, seed), x, y);
  });
  // Plants in rows, back to front so nearer ones overlap.
  const double step = tall ? 0.16 : 0.11;
  int row = 0;
  for (double b = b0 + 0.1; b < b1 - 0.06; b += step, ++row)
    for (double a = a0 + 0.1 + (row % 2) * step / 2; a < a1 - 0.06; a += step) {
      Vec p = At(side, a, b, 3);
      int x = static_cast<int>(p.x), y = static_cast<int>(p.y);
      uint32_t h = Hash(static_cast<int>(a * 100), static_cast<int>(b * 100), seed);
      Hue hue = (second != Hue::kCount && h % 3 == 0) ? second : petals;
      if (tall) {  // sunflowers and tulips on stems
        int stem = 6 + static_cast<int>(h % 4) + (petals == Hue::kYellow ? 6 : 0);
        c.Line(x, y, x, y - stem, Shade(Hue::kLeaf, 2));
        c.Set(x + 1, y - stem / 2, Shade(Hue::kGrass, 3));
        c.Set(x - 1, y - stem / 2 + 1, Shade(Hue::kGrass, 2));
        if (petals == Hue::kYellow) {
          c.Ellipse(x + 0.5, y - stem - 1.5, 3, 2.6, Shade(Hue::kYellow, 3));
          c.Set(x - 2, y - stem - 3, Shade(Hue::kYellow, 4));
          c.Ellipse(x + 0.5, y - stem - 1.5, 1.3, 1.2, Shade(Hue::kSoil, 1));
        } else {
          c.Rect(x - 1, y - stem - 3, 3, 3, Shade(hue, 2));
          c.Set(x - 1, y - stem - 3, Shade(hue, 4));
          c.Set(x, y - stem - 3, Shade(hue, 3));
          c.Set(x + 1, y - stem - 4, Shade(hue, 3));
          c.Set(x - 1, y - stem - 4, Shade(hue, 3));
        }
      } else {  // a leafy clump with blossoms
        c.Ellipse(x + 0.5, y - 1.5, 3.2, 2.2, Shade(Hue::kLeaf, 2));
        c.Set(x + 2, y - 1, Shade(Hue::kLeaf, 1));
        c.Set(x - 1, y - 3, Shade(hue, 4));
        c.Set(x, y - 3, Shade(hue, 3));
        c.Set(x + 1, y - 2, Shade(hue, 2));
        c.Set(x - 2, y - 1, Shade(hue, 3));
        c.Set(x + 2, y - 3, Shade(hue, 3));
      }
    }
}

// A topiary rabbit on a clipped hedge base.
void Topiary(Canvas& c, double x, double y, uint32_t seed) {
  Shadow(c, x + 8, y + 1, 16, 5);
  Blob(c, x, y - 6, 14, 7, Hue::kLeaf, 2.0, seed, 0.4);
  Blob(c, x - 2, y - 19, 10, 9, Hue::kGrass, 1.8, seed + 1, 0.4);
  Blob(c, x - 9, y - 31, 6, 5, Hue::kGrass, 2.0, seed + 2, 0.4);
  Blob(c, x - 12, y - 42, 2.2, 6, Hue::kGrass, 2.2, seed + 3, 0.3);
  Blob(c, x - 7, y - 42, 2.2, 6, Hue::kGrass, 2.0, seed + 4, 0.3);
  Blob(c, x + 8, y - 18, 3, 3, Hue::kGrass, 2.2, seed + 5, 0.3);  // tail
  c.Set(static_cast<int>(x - 12), static_cast<int>(y - 32), Shade(Hue::kLeaf, 0));
}

TreeKind TreeFor(const BuildingEntry& e) {
  if (Is(e, "pine")) return TreeKind::kPine;
  if (Is(e, "maple")) return TreeKind::kMaple;
  if (Is(e, "cherry")) return TreeKind::kCherry;
  if (Is(e, "palm")) return TreeKind::kPalm;
  if (Is(e, "ginkgo")) return TreeKind::kGinkgo;
  if (Is(e, "willow")) return TreeKind::kWillow;
  if (Is(e, "cedar")) return TreeKind::kCedar;
  return TreeKind::kBroadleaf;
}

Canvas Planting(const BuildingEntry& e) {
  const int s = e.size;
  Canvas c(IsoFrame::PictureWidth(s), IsoFrame::PictureHeight(s));
  PaintGround(c, s, Terrain::kGrass, kLawnSeed);
  const uint32_t seed = 500u + static_cast<uint32_t>(e.index) * 13u;
  const Hue petals = HueNear(e.colour), second = HueNear(e.accent);
  const Vec mid = At(s, s / 2.0, s / 2.0);
  switch (e.look) {
    case Look::Lawn:
      Scatter(c, s, Detail::kTuft, 5, seed, Hue::kGrass);
      if (Is(e, "lawn_daisy")) Scatter(c, s, Detail::kFlower, 16, seed + 1, Hue::kSnow);
      if (Is(e, "lawn_stones"))
        for (int i = 0; i < 3; ++i) {
          Vec p = At(s, 0.2 + 0.3 * i, 0.5 + 0.08 * (i % 2 ? 1 : -1));
          c.Ellipse(p.x, p.y + 1, 6.5, 3.2, Shade(Hue::kGrey, 1));
          c.Ellipse(p.x - 0.5, p.y, 6, 2.8, [&](int x, int y) { return Dithered(Hue::kGrey, 3.0 + 0.6 * Hash01(x, y, seed), x, y); });
        }
      break;
    case Look::FlowerBed:
      if (s == 1) {
        bool tall = Is(e, "tulip") || Is(e, "sunflower");
        FlowerBed(c, 1, 0.12, 0.12, 0.88, 0.88, petals, Is(e, "tulip") ? second : Hue::kCount, seed, tall);
      } else {  // four beds round a paved cross
        IsoQuad(c, IsoFrame{s}, 0, 0, s, s, 0, [&](int x, int y) { return Dithered(Hue::kSand, 2.6 + 0.6 * Hash01(x, y / 2, seed), x, y); });
        const Hue colours[] = {petals, second, Hue::kPurple, Hue::kSnow};
        for (int q = 0; q < 4; ++q) {
          double a0 = (q % 2) * s / 2.0, b0 = (q / 2) * s / 2.0;
          FlowerBed(c, s, a0 + 0.12, b0 + 0.12, a0 + s / 2.0 - 0.12, b0 + s / 2.0 - 0.12, colours[q], Hue::kCount, seed + static_cast<uint32_t>(q), false);
        }
        Bush(c, mid.x, mid.y + 4, 20, Hue::kLeaf, seed, Hue::kRed);
      }
      break;
    case Look::Bush:
      if (Is(e, "bamboo")) {
        Tree(c, mid.x - 8, mid.y - 2, TreeKind::kBamboo, 70, seed);
        Tree(c, mid.x + 10, mid.y + 4, TreeKind::kBamboo, 58, seed + 1);
      } else if (Is(e, "topiary")) {
        Topiary(c, mid.x, mid.y + 6, seed);
      } else {
        Hue flowers = Is(e, "azalea") ? petals : Hue::kCount;
        Bush(c, mid.x - 10, mid.y - 2, 26, Hue::kLeaf, seed, flowers);
        Bush(c, mid.x + 12, mid.y + 2, 24, Hue::kLeaf, seed + 1, flowers);
        Bush(c, mid.x, mid.y + 9, 26, Hue::kGrass, seed + 2, flowers);
      }
      break;
    default:  // trees
      Scatter(c, s, Detail::kTuft, 4, seed, Hue::kGrass);
      if (s == 1) {
        Tree(c, mid.x, mid.y + 3, TreeFor(e), 80, seed);
      } else if (Is(e, "cedar")) {
        const double spots[][2] = {{0.55, 0.45}, {1.0, 0.8}, {1.45, 1.25}, {0.7, 1.35}, {1.35, 0.6}};
        for (const auto& p : spots) {
          Vec v = At(s, p[0], p[1]);
          Tree(c, v.x, v.y, TreeKind::kCedar, 80 + 30 * Hash01(static_cast<int>(p[0] * 10), 0, seed), seed + static_cast<uint32_t>(p[1] * 10));
        }
      } else {  // a great spreading tree: a broad crown held up by roots hanging to the ground
        // The map draws the rows above the footprint's top vertex only over the
        // back cell, so the crown is wide low down and narrows to fit above it.
        for (int side : {-1, 1})
          Tree(c, mid.x + 40 * side, mid.y + 4 * side, TreeKind::kBroadleaf, 56, seed + static_cast<uint32_t>(side + 2));
        for (int i = 0; i < 16; ++i) {
          double rx = mid.x - 56 + 112 * (i + Hash01(i, 1, seed)) / 16;
          double top = mid.y - 36 + 10 * Hash01(i, 2, seed);
          double ground = mid.y + 8 - std::abs(rx - mid.x) * 0.2 + 6 * Hash01(i, 3, seed);
          bool prop = i % 3 == 0;  // every third root has reached the ground and thickened
          double bottom = prop ? ground : top + 12 + 16 * Hash01(i, 4, seed);
          for (int k = 0; k < (prop ? 2 : 1); ++k)
            c.Line(static_cast<int>(rx) + k, static_cast<int>(top), static_cast<int>(rx) + k, static_cast<int>(bottom),
                   Shade(Hue::kWood, k == 0 ? 2 : 1));
        }
        Tree(c, mid.x, mid.y + 12, TreeKind::kBroadleaf, 96, seed + 7);
      }
      break;
  }
  return c;
}

void GeneratePlanting(Output& out) {
  for (const BuildingEntry& e : Buildings())
    if (e.look == Look::Lawn || e.look == Look::FlowerBed || e.look == Look::Bush || e.look == Look::Tree)
      WriteWithIcon(out, e.file, Planting(e));
}

RegisterGenerator reg("42-art-ground-planting", &GeneratePlanting);
}  // namespace
