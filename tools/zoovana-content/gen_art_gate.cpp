// The park entrance: the gate arch "gate.bmp" (three frames, the zoo's name is
// painted on its beam by the game), the sign beside it "Mon.bmp" and the entrance
// picture "ent_pl.bmp".
#include <cmath>

#include "art_ground.h"
#include "content.h"

namespace {
// One frame: drawn with its top-left at the first gate cell's tile box, after the last
// gate cell; the two gate cells (a 0..2) carry everything that stands on the ground,
// because the cells to their right are drawn after the gate.
constexpr int kGateW = 120, kGateH = 122;

// Ground point of the gate's row: a cells along +x from the top corner of the first
// gate cell, b across the row, raised h.
Vec G(double a, double b, double h = 0) { return {37 + (a - b) * 36, 63 + (a + b) * 18 - h}; }

// The beam's front face: its top edge runs at y = x / 2 - 2 and its board between
// the trims from x / 2 + 2 to x / 2 + 22, so the name the game writes at
// (c, r + c / 2) lands on the board.
constexpr double kBeamB = 0.9, kBeamLow = 53, kBeamHigh = 79;

void Pillar(Canvas& c, double a) {
  const double b0 = 0.6, b1 = 0.92, half = 0.11;
  c.Polygon({G(a - half, b1), G(a + half, b1), G(a + half, b1, kBeamLow), G(a - half, b1, kBeamLow)},
            [](int x, int y) { return Dithered(Hue::kRed, ((y % 4 == 0) || ((x + (y / 4) * 3) % 7 == 0)) ? 1.6 : 2.6, x, y); });
  c.Polygon({G(a + half, b1), G(a + half, b0), G(a + half, b0, kBeamLow), G(a + half, b1, kBeamLow)},
            [](int x, int y) { return Dithered(Hue::kRed, ((y % 4 == 0) || ((x + (y / 4) * 3) % 7 == 0)) ? 0.7 : 1.5, x, y); });
  c.Polygon({G(a - half, b1), G(a + half, b1), G(a + half, b1, 5), G(a - half, b1, 5)}, Shade(Hue::kGrey, 3));
  c.Polygon({G(a + half, b1), G(a + half, b0), G(a + half, b0, 5), G(a + half, b1, 5)}, Shade(Hue::kGrey, 1));
}

void Flag(Canvas& c, double a, double b, int frame, Hue hue) {
  Vec foot = G(a, b, kBeamHigh), top = G(a, b, kBeamHigh + 20);
  c.Line(static_cast<int>(foot.x), static_cast<int>(foot.y), static_cast<int>(top.x), static_cast<int>(top.y), Shade(Hue::kGrey, 1));
  for (int k = 0; k < 14; ++k) {  // the cloth waves with the frame
    double wave = std::sin(k * 0.6 + frame * 2.1) * 1.6;
    int x = static_cast<int>(top.x) + 1 + k, y = static_cast<int>(top.y + 1 + wave + k * 0.15);
    for (int d = 0; d < 8 - k / 3; ++d) c.Set(x, y + d, Shade(hue, d < 2 ? 4 : 3 - (k > 9)));
  }
  c.Set(static_cast<int>(top.x), static_cast<int>(top.y) - 1, Shade(Hue::kYellow, 4));
}

// A giraffe cut-out standing on the beam: the zoo announces itself from afar.
void Giraffe(Canvas& c, double a) {
  Vec base = G(a, kBeamB - 0.15, kBeamHigh);
  Canvas g(60, 70);
  const double bx = 30, by = 66;
  // Drawn at full size, then shrunk to fit the headroom above the beam.
  g.Polygon({{bx - 2, by}, {bx + 2, by}, {bx + 4, by - 40}, {bx + 14, by - 54}, {bx + 22, by - 52}, {bx + 22, by - 47}, {bx + 12, by - 44},
             {bx + 8, by - 36}, {bx + 6, by}},
            [](int x, int y) { return Dithered(Hue::kYellow, 2.8 - x / 60.0, x, y); });
  for (int i = 0; i < 9; ++i)  // patches
    g.Ellipse(bx + 3 + 3 * std::sin(i * 1.3), by - 6 - 5.0 * i, 1.6, 1.4, Shade(Hue::kOrange, 1));
  g.Line(static_cast<int>(bx + 13), static_cast<int>(by - 55), static_cast<int>(bx + 12), static_cast<int>(by - 60), Shade(Hue::kOrange, 0));
  g.Line(static_cast<int>(bx + 16), static_cast<int>(by - 55), static_cast<int>(bx + 16), static_cast<int>(by - 60), Shade(Hue::kOrange, 0));
  g.Set(static_cast<int>(bx + 16), static_cast<int>(by - 51), kBlack);
  g.Outline(2);
  Canvas small = g.Scaled(42, 49);
  c.Blit(small, static_cast<int>(base.x - 21), static_cast<int>(base.y - 47));
}

Canvas GateFrame(int frame) {
  Canvas c(kGateW, kGateH);
  // Turnstiles in the two gate cells.
  for (double a : {0.7, 1.3}) {
    Vec p = G(a, 0.5), q = G(a, 0.5, 12);
    c.Line(static_cast<int>(p.x), static_cast<int>(p.y), static_cast<int>(q.x), static_cast<int>(q.y), Shade(Hue::kGrey, 3));
    c.Line(static_cast<int>(p.x) + 1, static_cast<int>(p.y), static_cast<int>(q.x) + 1, static_cast<int>(q.y), Shade(Hue::kGrey, 1));
    Vec arm = G(a, 0.2, 10);
    c.Line(static_cast<int>(q.x), static_cast<int>(q.y) + 2, static_cast<int>(arm.x), static_cast<int>(arm.y), Shade(Hue::kGrey, 4));
  }
  Pillar(c, 0.2);
  Pillar(c, 1.8);
  // The beam: top, front face (the name board, dark so light letters read) and the
  // right end.
  const double a0 = -0.1, a1 = 2.95, bBack = 0.6;
  c.Polygon({G(a0, bBack, kBeamHigh), G(a1, bBack, kBeamHigh), G(a1, kBeamB, kBeamHigh), G(a0, kBeamB, kBeamHigh)},
            [](int x, int y) { return Dithered(Hue::kWood, 3.3, x, y); });
  c.Polygon({G(a0, kBeamB, kBeamLow), G(a1, kBeamB, kBeamLow), G(a1, kBeamB, kBeamHigh), G(a0, kBeamB, kBeamHigh)},
            [](int x, int y) { return Dithered(Hue::kLeaf, 0.7 + 0.4 * Hash01(x / 3, y, 4), x, y); });
  c.Polygon({G(a1, kBeamB, kBeamLow), G(a1, bBack, kBeamLow), G(a1, bBack, kBeamHigh), G(a1, kBeamB, kBeamHigh)},
            [](int x, int y) { return Dithered(Hue::kWood, 1.6, x, y); });
  for (double h : {kBeamLow, kBeamLow + 1, kBeamHigh - 1, kBeamHigh - 2}) {  // wooden trim
    Vec p = G(a0, kBeamB, h), q = G(a1, kBeamB, h);
    c.Line(static_cast<int>(p.x), static_cast<int>(p.y), static_cast<int>(q.x), static_cast<int>(q.y), Shade(Hue::kWood, h < kBeamLow + 2 ? 1 : 3));
  }
  // Light bulbs under the board chase along it from frame to frame.
  for (int i = 0; i < 9; ++i) {
    Vec p = G(a0 + 0.15 + 0.3 * i, kBeamB, kBeamLow - 1);
    bool lit = (i + frame) % 3 == 0;
    c.Ellipse(p.x, p.y + 1, 1.6, 1.6, lit ? Shade(Hue::kYellow, 4) : Shade(Hue::kOrange, 1));
    if (lit) c.Set(static_cast<int>(p.x), static_cast<int>(p.y) - 1, kWhite);
  }
  Giraffe(c, 2.5);
  Flag(c, 1.45, 0.75, frame, Hue::kRed);
  return c;
}

void GenerateGate(Output& out) {
  Canvas sheet(kGateW, kGateH * 3);
  for (int f = 0; f < 3; ++f) sheet.Blit(GateFrame(f), 0, kGateH * f);
  sheet.Set(0, 0, kKey);
  WriteBmp(out, "gate.bmp", sheet);
}

// "Mon.bmp": a one-cell signboard that welcomes visitors by the gate.
Canvas Sign() {
  Canvas c(74, 100);
  Shadow(c, 44, 86, 20, 5);
  for (int x : {20, 52}) {
    c.Rect(x, 50, 3, 36, Shade(Hue::kWood, 2));
    c.Rect(x + 2, 50, 1, 36, Shade(Hue::kWood, 0));
  }
  c.Rect(6, 26, 62, 30, Shade(Hue::kWood, 1));
  c.Rect(8, 28, 58, 26, [](int x, int y) { return Dithered(Hue::kGrass, 1.6 + 0.3 * Hash01(x, y, 2), x, y); });
  c.Rect(6, 26, 62, 1, Shade(Hue::kWood, 3));
  DrawTextCentred(c, 8, 29, 58, 14, "動物園", TextStyle{12, kWhite, Face::kSharp, false});
  DrawTextCentred(c, 8, 41, 58, 13, "WELCOME", TextStyle{12, Shade(Hue::kYellow, 4), Face::kSharp, false});
  // Turned caps on the posts' ends; an icon this small reads as a blob.
  for (int x : {9, 63}) {
    c.Rect(x - 2, 22, 5, 4, Shade(Hue::kWood, 2));
    c.Rect(x - 1, 21, 3, 1, Shade(Hue::kWood, 3));
  }
  c.Set(0, 0, kKey);
  return c;
}

// "ent_pl.bmp": the zoo's entrance as a 640 x 480 picture: gate, trees and beds on a lawn.
Canvas Entrance() {
  Canvas c(640, 480);
  c.Rect(0, 0, 640, 170, [](int x, int y) {  // sky with soft clouds
    double cloud = ValueNoise(x * 0.02, y * 0.05, 3);
    return cloud > 0.62 && y < 120 ? Dithered(Hue::kSnow, 3 + (cloud - 0.62) * 4, x, y) : Dithered(Hue::kWater, 3.8 - y / 120.0, x, y);
  });
  c.Rect(0, 150, 640, 330, TerrainFill(Terrain::kGrass, 1, 11 + static_cast<uint32_t>(Terrain::kGrass)));
  for (int i = 0; i < 14; ++i) Tree(c, 20 + 46 * i + 10 * Hash01(i, 0, 1), 168 + 8 * Hash01(i, 1, 1), i % 3 ? TreeKind::kBroadleaf : TreeKind::kPine, 60, 40u + static_cast<uint32_t>(i));
  // A paved way to the gate.
  c.Polygon({{250, 480}, {390, 480}, {360, 250}, {280, 250}}, [](int x, int y) {
    return ((x + 2 * y) % 16 < 1 || (2 * y - x + 640) % 16 < 1) ? Shade(Hue::kGrey, 2) : Dithered(Hue::kSand, 3.0 + 0.4 * Hash01(x / 4, y / 4, 5), x, y);
  });
  Canvas gate = GateFrame(0).Scaled(kGateW * 3, kGateH * 3);
  c.Blit(gate, 320 - kGateW * 3 / 2 + 20, 60);
  for (int i = 0; i < 4; ++i) {
    Bush(c, 90 + 40 * i, 330 + 30 * i, 40, Hue::kLeaf, 70u + static_cast<uint32_t>(i), Hue::kRed);
    Bush(c, 550 - 40 * i, 330 + 30 * i, 40, Hue::kLeaf, 80u + static_cast<uint32_t>(i), Hue::kYellow);
  }
  Tree(c, 60, 470, TreeKind::kCherry, 150, 91);
  Tree(c, 590, 470, TreeKind::kMaple, 150, 92);
  return c;
}

void GenerateEntrance(Output& out) {
  GenerateGate(out);
  WriteBmp(out, "Mon.bmp", Sign());
  WriteBmp(out, "ent_pl.bmp", Entrance());
}

RegisterGenerator reg("47-art-ground-gate", &GenerateEntrance);
}  // namespace
