// The loading screen: "loading6.bmp" (640 x 480) and "loading8.bmp" (800 x 600) with
// room for the white caption at y = 50 and for the animation, and "loading_p.bmp",
// three 256 x 256 frames of an elephant walking, shown at (290, 99) or (370, 159).
#include <cmath>

#include "art_ground.h"
#include "content.h"
#include "ui_icons.h"

namespace {
const Rgb kBack = Shade(Hue::kLeaf, 0);

Canvas Background(int w, int h, int animX, int animY) {
  Canvas c(w, h, kBack);
  // Leafy borders round a plain middle, so the animation frames sit on flat colour.
  c.Clear([&](int x, int y) {
    double edge = std::min({x, y, w - 1 - x, h - 1 - y}) / 60.0;
    double leaf = ValueNoise(x * 0.06, y * 0.06, 4) + 0.3 * ValueNoise(x * 0.2, y * 0.2, 5);
    if (leaf - edge > 0.55) return Dithered(Hue::kLeaf, 1.2 + (leaf - edge - 0.55) * 3, x, y);
    return kBack;
  });
  c.Rect(0, 36, w, 32, Shade(Hue::kLeaf, 1));  // band behind the caption
  c.Rect(0, 36, w, 1, Shade(Hue::kWood, 3));
  c.Rect(0, 67, w, 1, Shade(Hue::kWood, 3));
  const int titleY = animY + 60, titleX = (animX - 10) / 2;
  TextStyle title{40, Shade(Hue::kYellow, 4), Face::kSharp, true};
  int tw = TextWidth("Zoovana", title);
  DrawText(c, titleX - tw / 2 + 3, titleY + 3, "Zoovana", TextStyle{40, Shade(Hue::kLeaf, 0), Face::kSharp, true});
  DrawText(c, titleX - tw / 2, titleY, "Zoovana", title);
  DrawTextCentred(c, titleX - 100, titleY + 60, 200, 16, "動物園經營遊戲", TextStyle{16, kWhite, Face::kSharp, false});
  DrawTextCentred(c, titleX - 100, titleY + 90, 200, 12, "載入中，請稍候……", TextStyle{12, Shade(Hue::kGrass, 4), Face::kSharp, false});
  for (int i = 0; i < 5; ++i) DrawIcon(c, titleX - 60 + 30 * i, titleY + 130, Icon::kPaw, 0.6);
  c.Rect(animX, animY, 256, 256, kBack);
  return c;
}

// An elephant in profile; `phase` 0..2 swings its legs and trunk.
Canvas Elephant(int phase) {
  Canvas c(256, 256, kBack);
  c.Ellipse(128, 128, 118, 118, Shade(Hue::kLeaf, 1));
  c.EllipseRing(128, 128, 118, 118, Shade(Hue::kWood, 3));
  c.Ellipse(128, 196, 80, 14, Shade(Hue::kGrass, 1));
  Canvas e(256, 256);
  const double swing[3] = {-8, 0, 8};
  const double s = swing[phase];
  for (int leg = 0; leg < 4; ++leg) {  // far legs darker, near legs lit
    double x = 82 + (leg % 2) * 62 + (leg < 2 ? 8 : 0), off = (leg % 2 == (leg < 2 ? 0 : 1)) ? s : -s;
    double shade = leg < 2 ? 1.4 : 2.4;
    e.Polygon({{x - 11, 120}, {x + 11, 120}, {x + 10 + off, 192}, {x - 10 + off, 192}}, [&](int px, int py) { return Dithered(Hue::kGrey, shade, px, py); });
    e.Ellipse(x + off, 192, 12, 4, Shade(Hue::kGrey, 4));
  }
  e.Ellipse(118, 118, 58, 42, [](int x, int y) { return Dithered(Hue::kGrey, 2.9 - (y - 76) / 84.0 - (x - 60) / 240.0, x, y); });
  e.Polygon({{176, 100}, {186, 140}, {192, 170 + s * 0.5}, {200, 180 + s}, {194, 184 + s}, {182, 172}, {170, 140}}, Shade(Hue::kGrey, 2));
  e.Ellipse(172, 102, 30, 28, [](int x, int y) { return Dithered(Hue::kGrey, 3.0 - (y - 74) / 56.0, x, y); });
  e.Ellipse(154, 104, 20, 26, Shade(Hue::kGrey, 2));  // ear
  e.Ellipse(152, 104, 14, 20, Shade(Hue::kPink, 2));
  e.Ellipse(184, 96, 3, 3.5, kBlack);
  e.Set(183, 95, kWhite);
  e.Polygon({{182, 122}, {200, 128}, {183, 127}}, kWhite);  // tusk
  e.Line(60, 110, 50 - static_cast<int>(s / 2), 140, Shade(Hue::kGrey, 1));  // tail
  e.Outline(2);
  c.Blit(e, 0, 0);
  return c;
}

void GenerateLoading(Output& out) {
  WriteBmp(out, "loading6.bmp", Background(640, 480, 290, 99));
  WriteBmp(out, "loading8.bmp", Background(800, 600, 370, 159));
  Canvas strip(768, 256);
  for (int f = 0; f < 3; ++f) strip.Blit(Elephant(f), 256 * f, 0);
  WriteBmp(out, "loading_p.bmp", strip);
}

RegisterGenerator reg("48-art-ground-loading", &GenerateLoading);
}  // namespace
