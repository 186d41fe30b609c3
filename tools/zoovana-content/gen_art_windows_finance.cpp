// The finance report's pictures: page one "Syu_W_a.bmp" (the ledger sheet), page
// two "Syu_W_b.bmp" (the twelve-month graph's paper and its three series buttons)
// and the page button "syu_W_AB1.bmp". 440 x 440; rectangles are inclusive.
#include "content.h"
#include "window_kit.h"

namespace {
constexpr int kSide = 440;
constexpr WinBox kPage{15, 383, 55, 423};
constexpr int kAxisX = 117, kStepX = 27, kZeroY = 225, kSpan = 165;

Canvas PageOne() {
  Canvas c = WindowBase(kSide, kSide);
  Sheet(c, 120, 46, 240, 372);  // labels at x 130, amounts ending at 350, lines 60 .. 410
  DrawIcon(c, 62, 110, Icon::kCoins, 2.0);
  DrawIcon(c, 62, 200, Icon::kBars, 1.6);
  return c;
}

// A series switch: a short line in the series colour through three points, and its name.
void SeriesButton(Canvas& c, WinBox b, Rgb colour, const char* name) {
  Button(c, b.left, b.top, b.right - b.left, b.bottom - b.top);
  int y0 = b.top + 18;
  const int px[3] = {b.left + 7, b.left + 20, b.left + 33}, py[3] = {y0 + 4, y0 - 6, y0 + 1};
  for (int i = 0; i < 2; ++i)
    for (int t = 0; t < 2; ++t) c.Line(px[i], py[i] + t, px[i + 1], py[i + 1] + t, colour);
  for (int i = 0; i < 3; ++i) c.Rect(px[i] - 2, py[i] - 2, 5, 5, colour);
  DrawText(c, b.left + (b.right - b.left - TextWidth(name, {11})) / 2, b.top + 26, name, {11, kBlack});
}

Canvas PageTwo() {
  Canvas c = WindowBase(kSide, kSide);
  Sheet(c, 60, 38, 372, 372);
  // Guide lines at the engine's axis label heights, the zero line darker.
  for (int k = 0; k <= 8; ++k) {
    int y = kZeroY - kSpan + (k * 2 * kSpan + 4) / 8;
    for (int x = kAxisX; x <= kAxisX + 11 * kStepX; x += (k == 4 ? 1 : 2))
      c.Set(x, y, k == 4 ? Shade(Hue::kWood, 1) : Shade(Hue::kSand, 2));
  }
  for (int m = 0; m < 12; ++m)
    for (int y = kZeroY - kSpan; y <= kZeroY + kSpan; y += 3) c.Set(kAxisX + m * kStepX, y, Shade(Hue::kSand, 2));
  SeriesButton(c, {16, 50, 56, 90}, Shade(Hue::kGrass, 1), "收支");
  SeriesButton(c, {16, 100, 56, 140}, Shade(Hue::kWater, 1), "收入");
  SeriesButton(c, {16, 150, 56, 190}, Shade(Hue::kRed, 2), "支出");
  return c;
}

void GenerateWindowsFinance(Output& out) {
  WriteBmp(out, "Syu_W_a.bmp", PageOne());
  WriteBmp(out, "Syu_W_b.bmp", PageTwo());
  WriteBmp(out, "syu_W_AB1.bmp", ButtonPicture(kPage, Icon::kNext));
}

RegisterGenerator reg("51-art-windows-finance", &GenerateWindowsFinance);
}  // namespace
