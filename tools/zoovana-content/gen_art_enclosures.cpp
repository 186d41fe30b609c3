// Enclosures (group 3): floor, pool, rock, trees and shelter drawn from the same plan
// (LayoutOf) that the walk mask comes from, inside a fence that suits the species.
#include <algorithm>
#include <cmath>

#include "art_ground.h"
#include "catalogue_table.h"
#include "content.h"
#include "enclosure_layout.h"

namespace {
enum class FenceStyle { kRails, kBars, kGlass, kWall };

struct Style {
  Terrain floor;
  TreeKind tree;
  Detail detail;
  Hue detailHue;
  Hue rock;
  FenceStyle fence;
};

Style StyleOf(const SpeciesEntry& sp, Ground g) {
  Style s{Terrain::kGrass, TreeKind::kBroadleaf, Detail::kTuft, Hue::kGrass, Hue::kGrey, FenceStyle::kRails};
  switch (g) {
    case Ground::Savanna: s = {Terrain::kDryGrass, TreeKind::kAcacia, Detail::kTuft, Hue::kSand, Hue::kSoil, s.fence}; break;
    case Ground::Sand: s = {Terrain::kSand, TreeKind::kPalm, Detail::kPebble, Hue::kGrey, Hue::kOrange, s.fence}; break;
    case Ground::Rock: s = {Terrain::kGravel, TreeKind::kPine, Detail::kPebble, Hue::kGrey, Hue::kGrey, s.fence}; break;
    case Ground::Snow: s = {Terrain::kSnow, TreeKind::kSnowPine, Detail::kSnowLump, Hue::kSnow, Hue::kSnow, s.fence}; break;
    case Ground::Forest: s = {Terrain::kMoss, TreeKind::kBroadleaf, Detail::kLeaf, Hue::kOrange, Hue::kGrey, s.fence}; break;
    case Ground::Swamp: s = {Terrain::kMud, TreeKind::kWillow, Detail::kTuft, Hue::kGrass, Hue::kSoil, s.fence}; break;
    case Ground::Bamboo: s = {Terrain::kMoss, TreeKind::kBamboo, Detail::kTuft, Hue::kGrass, Hue::kGrey, s.fence}; break;
    default: break;
  }
  if (sp.dangerous) s.fence = FenceStyle::kBars;
  else if (sp.swims && (g == Ground::Snow || g == Ground::Rock)) s.fence = FenceStyle::kGlass;
  else if (sp.bodySize >= 90) s.fence = FenceStyle::kWall;
  return s;
}

Vec At(int side, double a, double b, double h = 0) { return {36.0 * side + 1 + (a - b) * 36.0, 63.0 + (a + b) * 18.0 - h}; }

// One straight run of fence from ground point p to q (along an edge).
void FenceRun(Canvas& c, int side, FenceStyle style, double a0, double b0, double a1, double b1, bool front) {
  const double len = std::hypot(a1 - a0, b1 - b0);
  const double height = style == FenceStyle::kBars ? (front ? 20 : 26) : style == FenceStyle::kWall ? 10 : style == FenceStyle::kGlass ? 16 : 14;
  auto point = [&](double t, double h) { return At(side, a0 + (a1 - a0) * t, b0 + (b1 - b0) * t, h); };
  // Which way the run faces decides its light: runs along +x face down-left (lit).
  const bool lit = std::abs(a1 - a0) > std::abs(b1 - b0);
  if (style == FenceStyle::kWall || style == FenceStyle::kGlass) {
    double wall = style == FenceStyle::kWall ? height : 7;
    Vec p0 = point(0, 0), p1 = point(1, 0), q1 = point(1, wall), q0 = point(0, wall);
    c.Polygon({p0, p1, q1, q0}, [&](int x, int y) {
      bool joint = (y + (x / 6) % 2 * 2) % 4 == 0 || x % 12 == (y / 4 % 2) * 6;
      return Dithered(Hue::kGrey, (lit ? 3.0 : 2.0) - (joint ? 0.9 : 0) + 0.4 * Hash01(x / 3, y / 2, 9), x, y);
    });
    c.Line(static_cast<int>(q0.x), static_cast<int>(q0.y), static_cast<int>(q1.x), static_cast<int>(q1.y), Shade(Hue::kGrey, 4));
    if (style == FenceStyle::kGlass) {  // glass panes in steel frames above the wall
      for (int k = 0; k <= static_cast<int>(len * 3); ++k) {
        Vec b = point(k / (len * 3), wall), t = point(k / (len * 3), height);
        c.Line(static_cast<int>(b.x), static_cast<int>(b.y), static_cast<int>(t.x), static_cast<int>(t.y), Shade(Hue::kGrey, 1));
      }
      Vec t0 = point(0, height), t1 = point(1, height);
      c.Line(static_cast<int>(t0.x), static_cast<int>(t0.y), static_cast<int>(t1.x), static_cast<int>(t1.y), Shade(Hue::kGrey, 1));
      for (int k = 0; k < static_cast<int>(len * 6); ++k) {  // glints on the glass
        Vec g = point((k + 0.5) / (len * 6), height * 0.75);
        c.Set(static_cast<int>(g.x), static_cast<int>(g.y), Shade(Hue::kWater, 4));
        c.Set(static_cast<int>(g.x) + 1, static_cast<int>(g.y) + 1, Shade(Hue::kWater, 4));
      }
    }
    return;
  }
  if (style == FenceStyle::kBars) {  // steel bars on a low concrete curb
    Vec p0 = point(0, 0), p1 = point(1, 0), q1 = point(1, 4), q0 = point(0, 4);
    c.Polygon({p0, p1, q1, q0}, Shade(Hue::kGrey, lit ? 3 : 2));
    const int bars = static_cast<int>(len * 10);
    for (int k = 0; k <= bars; ++k) {
      Vec b = point(static_cast<double>(k) / bars, 4), t = point(static_cast<double>(k) / bars, height);
      bool post = k % 5 == 0;
      c.Line(static_cast<int>(b.x), static_cast<int>(b.y), static_cast<int>(t.x), static_cast<int>(t.y), Shade(Hue::kGrey, post ? 0 : 1));
      if (post) c.Line(static_cast<int>(b.x) - 1, static_cast<int>(b.y), static_cast<int>(t.x) - 1, static_cast<int>(t.y), Shade(Hue::kGrey, 2));
    }
    for (double h : {height, height - 3.0}) {
      Vec t0 = point(0, h), t1 = point(1, h);
      c.Line(static_cast<int>(t0.x), static_cast<int>(t0.y), static_cast<int>(t1.x), static_cast<int>(t1.y), Shade(Hue::kGrey, 0));
    }
    return;
  }
  // Wooden posts and two rails.
  for (double h : {height - 2, height * 0.45}) {
    Vec t0 = point(0, h), t1 = point(1, h);
    c.Line(static_cast<int>(t0.x), static_cast<int>(t0.y), static_cast<int>(t1.x), static_cast<int>(t1.y), Shade(Hue::kWood, lit ? 3 : 2));
    c.Line(static_cast<int>(t0.x), static_cast<int>(t0.y) + 1, static_cast<int>(t1.x), static_cast<int>(t1.y) + 1, Shade(Hue::kWood, 1));
  }
  const int posts = static_cast<int>(len * 3);
  for (int k = 0; k <= posts; ++k) {
    Vec b = point(static_cast<double>(k) / posts, 0);
    c.Rect(static_cast<int>(b.x) - 1, static_cast<int>(b.y - height), 2, static_cast<int>(height) + 1, Shade(Hue::kWood, 2));
    c.Set(static_cast<int>(b.x) - 1, static_cast<int>(b.y - height), Shade(Hue::kWood, 4));
    c.Line(static_cast<int>(b.x) + 1, static_cast<int>(b.y - height) + 1, static_cast<int>(b.x) + 1, static_cast<int>(b.y), Shade(Hue::kWood, 0));
  }
}

void Pool(Canvas& c, int side, const Feature& f, uint32_t seed, bool icy) {
  Vec p = At(side, f.a, f.b);
  const double rx = f.radius * 36 * std::sqrt(2.0), ry = f.radius * 18 * std::sqrt(2.0);
  // Shore of stones, the basin's far wall in shade, then the water.
  c.Ellipse(p.x, p.y, rx * 1.13, ry * 1.15, [&](int x, int y) {
    double n = Hash01(x / 2, y, seed);
    return Dithered(icy ? Hue::kSnow : Hue::kGrey, 2.3 + n * 1.4 - (n > 0.8 ? 1.2 : 0), x, y);
  });
  c.Ellipse(p.x, p.y, rx, ry, Shade(Hue::kWater, 0));
  c.Ellipse(p.x + 0.5, p.y + 2, rx - 1, ry - 1.5, [&](int x, int y) {
    double dy = (y + 0.5 - p.y) / ry;
    double wave = std::sin(x * 0.5 + y * 1.7 + seed) * 0.5 + 0.5;
    double v = 1.6 + 1.2 * dy + (wave > 0.93 ? 1.3 : 0) + 0.3 * (Hash01(x, y, seed) - 0.5);
    return Dithered(Hue::kWater, v, x, y);
  });
  if (icy) {  // an ice floe drifting off-centre on a cold pool
    double fx = p.x + rx * 0.35, fy = p.y + ry * 0.25;
    c.Polygon({{fx - rx * 0.25, fy}, {fx - rx * 0.05, fy - ry * 0.2}, {fx + rx * 0.22, fy - ry * 0.08}, {fx + rx * 0.12, fy + ry * 0.15}}, Shade(Hue::kSnow, 4));
    c.Line(static_cast<int>(fx - rx * 0.25), static_cast<int>(fy) + 1, static_cast<int>(fx + rx * 0.12), static_cast<int>(fy + ry * 0.15) + 1, Shade(Hue::kSnow, 1));
  }
}

void Shelter(Canvas& c, int side, const Feature& f, const Style& st, uint32_t seed) {
  Vec p = At(side, f.a, f.b);
  if (st.floor == Terrain::kGravel || st.floor == Terrain::kSnow) {  // a cave in a rock
    Mound(c, p.x, p.y, f.radius * 44, f.radius * 22, 24, st.rock, seed, st.floor == Terrain::kSnow ? Hue::kSnow : Hue::kCount);
    c.Ellipse(p.x - 2, p.y - 5, f.radius * 18, 9, Shade(Hue::kGrey, 0));
    c.Ellipse(p.x - 3, p.y - 3, f.radius * 14, 6, kBlack);
    return;
  }
  IsoFrame fr{side};
  const double r = f.radius * 0.75, h = 20;
  IsoBox(c, fr, f.a - r, f.b - r, f.a + r, f.b + r, 0, h, {Shade(Hue::kWood, 3),
         [](int x, int y) { return Dithered(Hue::kWood, 2.6 + (x % 5 == 0 ? -0.8 : 0), x, y); },
         [](int x, int y) { return Dithered(Hue::kWood, 1.6 + (x % 5 == 0 ? -0.8 : 0), x, y); }});
  // Door in the front-left wall, a gable roof along +y.
  Vec d = At(side, f.a, f.b + r, 0);
  c.Rect(static_cast<int>(d.x) - 10, static_cast<int>(d.y) - 13, 7, 11, Shade(Hue::kSoil, 0));
  Vec a0 = At(side, f.a - r - 0.05, f.b - r - 0.05, h), a1 = At(side, f.a + r + 0.05, f.b - r - 0.05, h);
  Vec b0 = At(side, f.a - r - 0.05, f.b + r + 0.05, h), b1 = At(side, f.a + r + 0.05, f.b + r + 0.05, h);
  Vec ridge0 = At(side, f.a, f.b - r - 0.05, h + 14), ridge1 = At(side, f.a, f.b + r + 0.05, h + 14);
  c.Polygon({b0, ridge1, ridge0, a0}, [](int x, int y) { return Dithered(Hue::kRed, 2.8 + ((y % 3) == 0 ? -0.6 : 0), x, y); });
  c.Polygon({ridge1, b1, a1, ridge0}, [](int x, int y) { return Dithered(Hue::kRed, 1.6 + ((y % 3) == 0 ? -0.6 : 0), x, y); });
  c.Polygon({ridge1, b1, {b1.x, b1.y + 1}, {ridge1.x, ridge1.y + 1}}, Shade(Hue::kRed, 0));
  c.Line(static_cast<int>(ridge0.x), static_cast<int>(ridge0.y), static_cast<int>(ridge1.x), static_cast<int>(ridge1.y), Shade(Hue::kRed, 4));
}

// A feeding trough near the front, so the keeper has somewhere to work.
void Trough(Canvas& c, int side, const Style& st) {
  IsoFrame fr{side};
  double a = side * 0.5, b = side - 0.55;
  IsoBox(c, fr, a - 0.2, b - 0.07, a + 0.2, b + 0.07, 0, 5, BoxFaces::Of(Hue::kWood, 3));
  IsoQuad(c, fr, a - 0.17, b - 0.05, a + 0.17, b + 0.05, 5, st.floor == Terrain::kSnow ? Shade(Hue::kSoil, 2) : Shade(Hue::kYellow, 2));
}

Canvas Enclosure(const BuildingEntry& e) {
  const EnclosureLayout plan = LayoutOf(e.index);
  const SpeciesEntry& sp = Species().at(e.species);
  const Style st = StyleOf(sp, plan.ground);
  const int s = e.size;
  const uint32_t seed = 3000u + static_cast<uint32_t>(e.index) * 17u;
  Canvas c(IsoFrame::PictureWidth(s), IsoFrame::PictureHeight(s));
  // Lawn round the outside, the species' floor inside the fence.
  PaintGround(c, s, Terrain::kGrass, 11 + static_cast<uint32_t>(Terrain::kGrass));
  const double in = EnclosureLayout::kFenceInset;
  IsoQuad(c, IsoFrame{s}, in, in, s - in, s - in, 0, TerrainFill(st.floor, s, 11 + static_cast<uint32_t>(st.floor)));
  Scatter(c, s, st.detail, 5, seed, st.detailHue, in + 0.1);
  if (plan.ground == Ground::Swamp || plan.ground == Ground::Bamboo) Scatter(c, s, Detail::kTuft, 6, seed + 1, Hue::kLeaf, in + 0.1);

  FenceRun(c, s, st.fence, in, in, s - in, in, false);  // back runs: up-right and up-left
  FenceRun(c, s, st.fence, in, in, in, s - in, false);

  // Features from back to front.
  std::vector<Feature> features = plan.features;
  std::sort(features.begin(), features.end(), [](const Feature& x, const Feature& y) { return x.a + x.b < y.a + y.b; });
  for (const Feature& f : features) {
    if (f.kind == FeatureKind::Pool) Pool(c, s, f, seed, plan.ground == Ground::Snow);
  }
  Trough(c, s, st);
  for (const Feature& f : features) {
    Vec p = At(s, f.a, f.b);
    switch (f.kind) {
      case FeatureKind::Pool: break;
      case FeatureKind::Rock: {
        // Two terraces: the outer ring (level 2) and the top (level 3).
        double rx = f.radius * 36 * std::sqrt(2.0), ry = f.radius * 18 * std::sqrt(2.0);
        Hue top = plan.ground == Ground::Snow ? Hue::kSnow : Hue::kCount;
        Mound(c, p.x, p.y, rx, ry, 6, st.rock, seed + 1, top);
        Mound(c, p.x - rx * 0.05, p.y - 6 - ry * 0.05, rx * 0.55, ry * 0.55, 9, st.rock, seed + 2,
              top == Hue::kCount ? st.rock : top);
        break;
      }
      case FeatureKind::Tree: {
        // A tree standing in front of the pool would hide the water the animals swim
        // in: there the spot gets a low bush instead.
        bool hidesPool = false;
        for (const Feature& o : features)
          if (o.kind == FeatureKind::Pool && f.a + f.b > o.a + o.b) {
            Vec q = At(s, o.a, o.b);
            hidesPool = hidesPool || std::abs(q.x - p.x) < o.radius * 51 + 30;
          }
        if (hidesPool)
          Bush(c, p.x, p.y + 3, 24, Hue::kLeaf, seed + static_cast<uint32_t>(f.a * 100));
        else  // kept small so the crown hides little of the floor behind it
          Tree(c, p.x, p.y, st.tree, std::min(62.0, p.y - 4), seed + static_cast<uint32_t>(f.a * 100));
        break;
      }
      case FeatureKind::Shelter: Shelter(c, s, f, st, seed); break;
    }
  }
  FenceRun(c, s, st.fence, in, s - in, s - in, s - in, true);  // front runs
  FenceRun(c, s, st.fence, s - in, in, s - in, s - in, true);
  // A keeper's gate in the front-left run.
  const double g0 = s * 0.3, g1 = g0 + 0.28, gb = s - in;
  c.Polygon({At(s, g0, gb, 0), At(s, g1, gb, 0), At(s, g1, gb, 15), At(s, g0, gb, 15)}, Shade(Hue::kGrey, 0));
  c.Polygon({At(s, g0 + 0.03, gb, 1), At(s, g1 - 0.03, gb, 1), At(s, g1 - 0.03, gb, 14), At(s, g0 + 0.03, gb, 14)},
            [](int x, int y) { return Dithered(Hue::kTeal, 2.4 + ((x / 2) % 2 ? 0.6 : 0), x, y); });
  Vec knob = At(s, g1 - 0.07, gb, 7);
  c.Set(static_cast<int>(knob.x), static_cast<int>(knob.y), Shade(Hue::kYellow, 3));
  return c;
}

// The palette icon carries the enclosure's name: at icon size one fenced yard looks
// much like another.
Canvas Icon(const BuildingEntry& e, const Canvas& picture) {
  Canvas icon = FitInto(picture, 80, 60, kKey, 2);
  Canvas label(80, 16);
  DrawTextCentred(label, 0, 2, 80, 12, e.name, TextStyle{12, kWhite, Face::kSharp, false});
  label.OutlineWith(Shade(Hue::kLeaf, 0));
  icon.Blit(label, 0, 44);
  icon.Set(0, 0, kKey);
  return icon;
}

void GenerateEnclosures(Output& out) {
  for (const BuildingEntry& e : Buildings())
    if (e.look == Look::Enclosure) {
      Canvas picture = Enclosure(e);
      WriteBmp(out, e.file, picture);
      WriteBmp(out, "T_" + e.file, Icon(e, picture));
    }
}

RegisterGenerator reg("43-art-ground-enclosures", &GenerateEnclosures);
}  // namespace
