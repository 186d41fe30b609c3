#include "frontend_kit.h"

#include <algorithm>

Canvas ScreenBase(int w, int h) {
  Canvas c(w, h);
  c.Clear(PanelTexture);
  for (int k = 0; k < 6; ++k) c.Frame(k, k, w - 2 * k, h - 2 * k, Shade(Hue::kWood, k < 2 ? 1 : k < 4 ? 3 : 2));
  return c;
}

void Heading(Canvas& c, int x, int y, int w, std::string_view text) {
  c.Rect(x, y, w, 26, [](int px, int py) { return Dithered(Hue::kWood, 2.6 + 0.5 * ValueNoise(px * 0.4, py * 0.1, 21), px, py); });
  c.Rect(x, y + 25, w, 1, Shade(Hue::kWood, 0));
  DrawTextCentred(c, x + 1, y + 2, w, 22, text, TextStyle{16, Shade(Hue::kSoil, 0), Face::kSharp, true});
  DrawTextCentred(c, x, y + 1, w, 22, text, TextStyle{16, Shade(Hue::kYellow, 4), Face::kSharp, true});
}

void Paper(Canvas& c, int x, int y, int w, int h) {
  c.Rect(x, y, w, h, [](int px, int py) { return Dithered(Hue::kSand, 3.75 + 0.3 * ValueNoise(px * 0.2, py * 0.2, 5), px, py); });
  c.Rect(x, y, w, 1, Shade(Hue::kLeaf, 0));
  c.Rect(x, y, 1, h, Shade(Hue::kLeaf, 0));
  c.Rect(x, y + h - 1, w, 1, Shade(Hue::kWood, 3));
  c.Rect(x + w - 1, y, 1, h, Shade(Hue::kWood, 3));
}

void Label(Canvas& c, int x, int y, std::string_view text, int size) {
  DrawText(c, x + 1, y + 1, text, TextStyle{size, Shade(Hue::kLeaf, 0), Face::kSharp, true});
  DrawText(c, x, y, text, TextStyle{size, kWhite, Face::kSharp, true});
}

namespace {
void Arrow(Canvas& c, double cx, double cy, double s, int dx, int dy, Rgb col) {
  // A fat arrow pointing along (dx, dy).
  auto p = [&](double along, double across) { return Vec{cx + (along * dx - across * dy) * s, cy + (along * dy + across * dx) * s}; };
  c.Polygon({p(-7, -3), p(1, -3), p(1, -8), p(8, 0), p(1, 8), p(1, 3), p(-7, 3)}, col);
}
}  // namespace

void MarkButton(Canvas& c, int x, int y, int w, int h, Mark mark) {
  Button(c, x, y, w, h);
  const double cx = x + w / 2.0, cy = y + h / 2.0, s = std::min(w, h) / 24.0;
  const Rgb green = Shade(Hue::kGrass, 1), red = Shade(Hue::kRed, 2);
  switch (mark) {
    case Mark::kStart: c.Polygon({{cx - 6 * s, cy - 8 * s}, {cx + 8 * s, cy}, {cx - 6 * s, cy + 8 * s}}, green); break;
    case Mark::kBack: Arrow(c, cx, cy, s, -1, 0, Shade(Hue::kWood, 1)); break;
    case Mark::kNext: Arrow(c, cx, cy, s, 1, 0, green); break;
    case Mark::kUp: Arrow(c, cx, cy, s, 0, -1, Shade(Hue::kWood, 1)); break;
    case Mark::kDown: Arrow(c, cx, cy, s, 0, 1, Shade(Hue::kWood, 1)); break;
    case Mark::kOk:
      for (int t = -1; t <= 1; ++t) {
        c.Line(static_cast<int>(cx - 8 * s), static_cast<int>(cy + t), static_cast<int>(cx - 2 * s), static_cast<int>(cy + 6 * s + t), green);
        c.Line(static_cast<int>(cx - 2 * s), static_cast<int>(cy + 6 * s + t), static_cast<int>(cx + 9 * s), static_cast<int>(cy - 7 * s + t), green);
      }
      break;
    case Mark::kCancel:
      for (int t = -1; t <= 1; ++t) {
        c.Line(static_cast<int>(cx - 7 * s + t), static_cast<int>(cy - 7 * s), static_cast<int>(cx + 7 * s + t), static_cast<int>(cy + 7 * s), red);
        c.Line(static_cast<int>(cx - 7 * s + t), static_cast<int>(cy + 7 * s), static_cast<int>(cx + 7 * s + t), static_cast<int>(cy - 7 * s), red);
      }
      break;
  }
}

void WordButton(Canvas& c, int x, int y, int w, int h, std::string_view word) {
  Button(c, x, y, w, h);
  DrawTextCentred(c, x, y, w, h, word, TextStyle{14, Shade(Hue::kSoil, 0), Face::kSharp, true});
}

void StatusStrip(Canvas& c) {
  const int y = c.Height() - 30;
  c.Rect(0, y, c.Width(), 30, [](int px, int py) { return Dithered(Hue::kSand, 3.3 + 0.4 * ValueNoise(px * 0.3, py * 0.02, 8) - 0.2, px, py); });
  c.Rect(0, y, c.Width(), 1, Shade(Hue::kWood, 1));
}
