#include "window_kit.h"

#include <algorithm>

namespace {
constexpr int kEdge = 4;  // the wooden edge around the panel

// An icon scale that fills about half the smaller side of a button.
double FitScale(int w, int h, double asked) {
  return asked > 0 ? asked : std::min(w, h) / 34.0;
}

void IconFace(Canvas& c, int x, int y, int w, int h, Icon icon, double iconScale) {
  Button(c, x, y, w, h);
  DrawIcon(c, x + w / 2, y + h / 2, icon, FitScale(w, h, iconScale));
}
}  // namespace

Canvas WindowBase(int w, int h, bool closeBox) {
  Canvas c(w, h);
  c.Clear(PanelTexture);
  // Wood: dark outer line, a lit grain, a dark inner line.
  c.Rect(0, 0, w, h, [](int x, int y) { return Dithered(Hue::kWood, 2.2 + 0.8 * Hash01(x / 3, y, 5), x, y); });
  c.Frame(0, 0, w, h, Shade(Hue::kSoil, 0));
  c.Rect(1, 1, w - 2, 1, Shade(Hue::kWood, 4));
  c.Rect(1, 1, 1, h - 2, Shade(Hue::kWood, 4));
  c.Frame(kEdge - 1, kEdge - 1, w - 2 * kEdge + 2, h - 2 * kEdge + 2, Shade(Hue::kSoil, 0));
  c.Rect(kEdge, kEdge, w - 2 * kEdge, h - 2 * kEdge, PanelTexture);
  // The title band: cream, so the engine's black title with its white shadow reads.
  int bandRight = closeBox ? w - kCloseBoxSize : w - kEdge;
  c.Rect(kEdge, kEdge, bandRight - kEdge, kTitleBandHeight - kEdge - 2,
         [](int x, int y) { return Dithered(Hue::kSand, 3.3 - 0.02 * y, x, y); });
  c.Rect(kEdge, kTitleBandHeight - 2, w - 2 * kEdge, 1, Shade(Hue::kYellow, 2));  // brass rule
  c.Rect(kEdge, kTitleBandHeight - 1, w - 2 * kEdge, 1, Shade(Hue::kSoil, 0));
  if (closeBox) CloseBox(c);
  return c;
}

void CloseBox(Canvas& c) {
  int x = c.Width() - kCloseBoxSize;
  c.Rect(x, 0, kCloseBoxSize, kCloseBoxSize, Shade(Hue::kSoil, 0));
  c.Rect(x + 1, 1, kCloseBoxSize - 2, kCloseBoxSize - 2,
         [](int px, int py) { return Dithered(Hue::kRed, 2.8 - 0.04 * py, px, py); });
  c.Rect(x + 1, 1, kCloseBoxSize - 2, 1, Shade(Hue::kRed, 4));
  c.Rect(x + 1, 1, 1, kCloseBoxSize - 2, Shade(Hue::kRed, 4));
  c.Rect(x + 1, kCloseBoxSize - 2, kCloseBoxSize - 2, 1, Shade(Hue::kRed, 0));
  c.Rect(c.Width() - 2, 1, 1, kCloseBoxSize - 2, Shade(Hue::kRed, 0));
  // A white cross with a dark shadow: readable on any map behind it.
  for (int k = 0; k < 14; ++k)
    for (int t = 0; t < 3; ++t) {
      int a = x + 8 + k + t - 1, b = x + 21 - k + t - 1, y = 8 + k;
      c.Set(a + 1, y + 1, Shade(Hue::kRed, 0));
      c.Set(b + 1, y + 1, Shade(Hue::kRed, 0));
    }
  for (int k = 0; k < 14; ++k)
    for (int t = 0; t < 3; ++t) {
      c.Set(x + 8 + k + t - 1, 8 + k, kWhite);
      c.Set(x + 21 - k + t - 1, 8 + k, kWhite);
    }
}

void Sheet(Canvas& c, int x, int y, int w, int h) {
  Well(c, x, y, w, h, Shade(Hue::kSand, 4));
  c.Rect(x + 1, y + 1, w - 2, h - 2, [](int px, int py) { return Dithered(Hue::kSand, 3.85 + 0.15 * Hash01(px, py, 9), px, py); });
}

void WindowButton(Canvas& c, WinBox box, Icon icon, double iconScale) {
  IconFace(c, box.left, box.top, box.right - box.left, box.bottom - box.top, icon, iconScale);
}

Canvas ButtonPicture(WinBox box, Icon icon, double iconScale) {
  Canvas c(box.Width(), box.Height(), kKey);
  IconFace(c, 0, 0, c.Width(), c.Height(), icon, iconScale);
  c.Set(0, 0, kKey);  // the key pixel rounds the corner
  c.Set(c.Width() - 1, 0, kKey);
  c.Set(0, c.Height() - 1, kKey);
  c.Set(c.Width() - 1, c.Height() - 1, kKey);
  return c;
}

void PanelCaption(Canvas& c, int x, int y, std::string_view utf8, int size) {
  DrawText(c, x + 1, y + 1, utf8, {size, Shade(Hue::kLeaf, 0)});
  DrawText(c, x, y, utf8, {size, Shade(Hue::kSand, 4)});
}

void PanelCaptionCentred(Canvas& c, int x, int y, int w, std::string_view utf8, int size) {
  PanelCaption(c, x + (w - TextWidth(utf8, {size})) / 2, y, utf8, size);
}
