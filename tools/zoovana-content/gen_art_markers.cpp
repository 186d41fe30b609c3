// Pictures laid over the map: footprint outlines, the palette's selection pattern, the
// followed-visitor marker, construction stages, dust, the flat plate, message icons.
#include <cmath>

#include "art_ground.h"
#include "content.h"
#include "ui_icons.h"

namespace {
// "Sel_<s>.bmp": the footprint's outline, drawn with its top-left one pixel right of
// the footprint diamond's left corner and at the diamond's top row.
void Outlines(Output& out) {
  for (int s = 1; s <= 6; ++s) {
    Canvas c(72 * s + 2, 36 * s + 2);
    c.Diamond(-1, 0, 36 * s, 18 * s, Shade(Hue::kYellow, 1));
    c.Diamond(1, 1, 36 * s - 2, 18 * s - 1, Shade(Hue::kYellow, 4));
    c.Diamond(3, 2, 36 * s - 4, 18 * s - 2, kKey);
    // Corner ticks make the size easy to read on busy ground.
    c.Diamond(36 * s - 3, 0, 3, 1, kWhite);
    c.Diamond(36 * s - 3, 36 * s - 3, 3, 1, kWhite);
    c.Set(0, 0, kKey);
    WriteBmp(out, "Sel_" + std::to_string(s) + ".bmp", c);
  }
}

// "sel_pat.bmp": 80 x 60, laid over the selected palette entry; key (5, 5).
void PalettePattern(Output& out) {
  Canvas c(80, 60);
  c.Frame(0, 0, 80, 60, Shade(Hue::kYellow, 1));
  c.Frame(1, 1, 78, 58, Shade(Hue::kYellow, 4));
  c.Frame(2, 2, 76, 56, Shade(Hue::kYellow, 3));
  for (int y = 4; y < 56; y += 4)  // a light veil of dots over the icon
    for (int x = 4 + (y / 4 % 2) * 2; x < 76; x += 4) c.Set(x, y, Shade(Hue::kYellow, 4));
  for (int k = 0; k < 8; ++k) {  // corner brackets
    c.Set(3 + k, 3, kWhite), c.Set(3, 3 + k, kWhite), c.Set(76 - k, 56, kWhite), c.Set(76, 56 - k, kWhite);
  }
  c.Set(5, 5, kKey);
  WriteBmp(out, "sel_pat.bmp", c);
}

// "sel_p.bmp": 50 x 50 arrow drawn above the followed visitor.
void PersonMarker(Output& out) {
  Canvas c(50, 50);
  c.Polygon({{17, 6}, {33, 6}, {33, 24}, {42, 24}, {25, 44}, {8, 24}, {17, 24}}, [](int x, int y) {
    return Dithered(Hue::kRed, 3.4 - (x - 8) / 34.0 * 1.4 - y / 80.0, x, y);
  });
  c.Polygon({{19, 8}, {23, 8}, {23, 26}, {19, 26}}, Shade(Hue::kRed, 4));
  c.OutlineWith(Shade(Hue::kYellow, 4));
  c.Outline(3);
  c.Set(0, 0, kKey);
  WriteBmp(out, "sel_p.bmp", c);
}

// "kouji.bmp": construction over a building's back-edge cells: columns of 74 for the
// stages 0 (just begun) .. 3 (nearly done), row 0 along the up-left edge (x - 1),
// row 1 along the up-right edge (y - 1) of the cell.
void Construction(Output& out) {
  Canvas sheet(74 * 4, 200);
  for (int row = 0; row < 2; ++row)
    for (int stage = 0; stage < 4; ++stage) {
      Canvas c(74, 100);
      const uint32_t seed = 900u + static_cast<uint32_t>(row * 4 + stage);
      // Ground points along the edge: from the left (or top) corner to the other.
      auto edge = [&](double t, double h) -> Vec {
        double a = row == 0 ? 0.12 : t, b = row == 0 ? 1 - t : 0.12;
        return {37 + (a - b) * 36, 63 + (a + b) * 18 - h};
      };
      auto line = [&](Vec p, Vec q, Rgb col) {
        c.Line(static_cast<int>(p.x), static_cast<int>(p.y), static_cast<int>(q.x), static_cast<int>(q.y), col);
      };
      // Scaffolding poles and planks, fewer as the work nears its end.
      const double poleHeight = stage == 0 ? 0 : stage == 3 ? 30 : 56;
      if (poleHeight > 0) {
        for (double t : {0.1, 0.5, 0.9}) {
          Vec b = edge(t, 0), top = edge(t, poleHeight);
          line(b, top, Shade(Hue::kGrey, 3));
          line({b.x + 1, b.y}, {top.x + 1, top.y}, Shade(Hue::kGrey, 1));
        }
        for (double h = 14; h < poleHeight; h += 16) {
          line(edge(0.05, h), edge(0.95, h), Shade(Hue::kWood, 3));
          line(edge(0.05, h - 1), edge(0.95, h - 1), Shade(Hue::kWood, 2));
          line(edge(0.1, h - 16 < 0 ? 0 : h - 14), edge(0.5, h), Shade(Hue::kGrey, 2));  // bracing
        }
        if (stage == 2)  // safety netting
          c.Polygon({edge(0.1, 4), edge(0.9, 4), edge(0.9, poleHeight - 4), edge(0.1, poleHeight - 4)}, [](int x, int y) {
            return ((x + y) % 3 == 0) ? Shade(Hue::kGrass, 1) : (x % 2 ? Shade(Hue::kGrass, 2) : kKey);
          });
      }
      // A striped barrier along the edge, with a dirt heap while the work is young.
      for (double t = 0.02; t < 0.98; t += 0.03) {
        Vec b = edge(t, 3), top = edge(t, 9);
        bool stripe = static_cast<int>(t / 0.12) % 2 == 0;
        line(b, top, stripe ? Shade(Hue::kYellow, 3) : Shade(Hue::kGrey, 0));
      }
      for (double t : {0.0, 1.0}) line(edge(t, 0), edge(t, 11), Shade(Hue::kRed, 2));
      if (stage <= 1) {
        Vec p = edge(0.5, 0);
        Blob(c, p.x + (row == 0 ? 14 : -14), p.y + 10, 10, 5, Hue::kSoil, 2.0, seed, 0.7);
      }
      sheet.Blit(c, 74 * stage, 100 * row);
    }
  sheet.Set(0, 0, kKey);
  WriteBmp(out, "kouji.bmp", sheet);
}

// "dest.bmp": ten tile-sized dust frames side by side: a burst that spreads and thins.
void Dust(Output& out) {
  Canvas sheet(740, 100);
  for (int f = 0; f < 10; ++f) {
    Canvas c(74, 100);
    const double grow = (f + 1) / 10.0, fade = f < 4 ? 0 : (f - 3) / 7.0;
    for (int p = 0; p < 10; ++p) {  // puffs, the high ones later in the burst
      double ang = p * 2.4 + 0.3, dist = 6 + 20 * grow * Hash01(p, 1, 5);
      double cx = 37 + std::cos(ang) * dist * 1.3, cy = 88 + std::sin(ang) * dist * 0.4 - 46 * grow * Hash01(p, 2, 5);
      double r = 5 + 10 * grow * (0.6 + 0.4 * Hash01(p, 3, 5));
      Blob(c, cx, cy, r, r * 0.8, p % 3 ? Hue::kSand : Hue::kGrey, 2.4, 40u + static_cast<uint32_t>(p), 0.5);
    }
    for (int y = 0; y < 100; ++y)  // thins out as it settles
      for (int x = 0; x < 74; ++x)
        if (Hash01(x, y, static_cast<uint32_t>(f)) < fade) c.Set(x, y, kKey);
    if (f < 4)  // flying chips early in the burst
      for (int k = 0; k < 6; ++k)
        c.Set(static_cast<int>(37 + (Hash01(k, f, 9) - 0.5) * 60 * grow), static_cast<int>(80 - 30 * grow * Hash01(k, 4, 9)), Shade(Hue::kSoil, 1));
    sheet.Blit(c, 74 * f, 0);
  }
  sheet.Set(0, 0, kKey);
  WriteBmp(out, "dest.bmp", sheet);
}

// "Flat.bmp": the plate shown instead of buildings while they are hidden.
void Plate(Output& out) {
  Canvas c(74, 100);
  IsoFrame f{1};
  IsoBox(c, f, 0.04, 0.04, 0.96, 0.96, 0, 3, {[](int x, int y) { return Dithered(Hue::kGrey, 3.2 + 0.4 * Hash01(x, y, 3), x, y); },
                                                Shade(Hue::kGrey, 2), Shade(Hue::kGrey, 1)});
  c.Set(0, 0, kKey);
  WriteBmp(out, "Flat.bmp", c);
}

// "mail.BMp": key (30, 0). (0, 0) 30 x 20 unread mail; (0, 20) 30 x 20 mail that
// points at a place on the map; (47, 0) 100 x 20 the fast-forward mark.
void MessageIcons(Output& out) {
  Canvas c(147, 40);
  for (int k = 0; k < 2; ++k) {
    Canvas icon(30, 20);
    DrawIcon(icon, 15, 10, Icon::kEnvelope, 0.95);
    if (k == 1) {  // a map pin
      icon.Ellipse(24, 5, 3.5, 3.5, Shade(Hue::kRed, 3));
      icon.Line(24, 8, 24, 13, Shade(Hue::kGrey, 0));
      icon.Set(23, 4, kWhite);
    }
    c.Blit(icon, 0, 20 * k);
  }
  Canvas mark(100, 20);
  mark.Rect(2, 2, 96, 16, Shade(Hue::kLeaf, 1));
  mark.Frame(2, 2, 96, 16, Shade(Hue::kYellow, 3));
  for (int a = 0; a < 2; ++a)
    mark.Polygon({{8.0 + 9 * a, 5}, {17.0 + 9 * a, 10}, {8.0 + 9 * a, 15}}, Shade(Hue::kYellow, 4));
  DrawText(mark, 32, 4, "快轉中", TextStyle{12, Shade(Hue::kYellow, 4), Face::kSharp, false});
  c.Blit(mark, 47, 0);
  c.Set(30, 0, kKey);
  WriteBmp(out, "mail.BMp", c);
}

void GenerateMarkers(Output& out) {
  Outlines(out);
  PalettePattern(out);
  PersonMarker(out);
  Construction(out);
  Dust(out);
  Plate(out);
  MessageIcons(out);
}

RegisterGenerator reg("45-art-ground-markers", &GenerateMarkers);
}  // namespace
