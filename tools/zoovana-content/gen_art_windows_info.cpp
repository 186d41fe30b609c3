// The building information window's pictures: the main page "Info_W_A.bmp" and its
// four buttons, the list page "Info_W_B.bmp" with its delete button, the revenue
// graph page "Info_W_C.bmp" with its plots "Graph1.bmp" and "Graph2.bmp", the stock
// and price page "Info_W_d.bmp", the message box "Mes_W.bmp" and the animal name
// box "Name_W.bmp". Rectangles are the windows' click rules (inclusive).
#include <string>

#include "content.h"
#include "window_kit.h"

namespace {
constexpr int kInfoW = 400, kInfoH = 300;
constexpr WinBox kAnimals{20, 166, 61, 207}, kStaff{80, 166, 121, 207}, kGraph{40, 216, 91, 247},
    kStock{101, 217, 142, 258};
constexpr WinBox kBuy{61, 249, 102, 290}, kBack{11, 248, 52, 289}, kPeriod{11, 198, 52, 239};
constexpr WinBox kQtyUp{145, 100, 185, 140}, kQtyDown{145, 140, 185, 180}, kPriceUp{325, 100, 365, 140},
    kPriceDown{325, 140, 365, 180};
constexpr int kPlotW = 330, kPlotH = 225, kPlotBase = 205, kPlotLeft = 25;

Canvas MainPage() {
  Canvas c = WindowBase(kInfoW, kInfoH);
  Well(c, 37, 67, 86, 66, Shade(Hue::kLeaf, 0));  // the thumbnail's frame; the picture is 80 x 60 at (40, 70)
  Sheet(c, 166, 52, 224, 186);                    // the figures, at (175, 40 + 22n)
  return c;
}

Canvas ListPage() {
  Canvas c = WindowBase(kInfoW, kInfoH);
  Sheet(c, 12, 32, 376, 212);
  WindowButton(c, kBack, Icon::kBack);
  WindowButton(c, kBuy, Icon::kPlus);
  return c;
}

Canvas GraphPage() {
  Canvas c = WindowBase(kInfoW, kInfoH);
  Well(c, 56, 49, kPlotW + 4, kPlotH + 4, Shade(Hue::kLeaf, 0));  // the plot goes at (58, 51)
  WindowButton(c, kPeriod, Icon::kCalendar);
  WindowButton(c, kBack, Icon::kBack);
  return c;
}

// A plot: cream paper, guide lines at the heights the engine's value labels name,
// the base line at 205 and one tick with its number per bar place.
Canvas Plot(int bars, int step, int labelEvery) {
  Canvas c(kPlotW, kPlotH);
  c.Clear([](int x, int y) { return Dithered(Hue::kSand, 3.9 + 0.1 * Hash01(x, y, 13), x, y); });
  c.Frame(0, 0, kPlotW, kPlotH, Shade(Hue::kSand, 1));
  for (int k = 0; k < 4; ++k)
    for (int x = kPlotLeft - 6; x < kPlotW - 2; x += 2) c.Set(x, 5 + 50 * k, Shade(Hue::kSand, 2));
  c.Rect(kPlotLeft - 6, kPlotBase, kPlotW - kPlotLeft + 4, 1, Shade(Hue::kWood, 1));
  c.Rect(kPlotLeft - 6, 5, 1, kPlotBase - 4, Shade(Hue::kWood, 1));
  for (int i = 0; i < bars; ++i) {
    int x = kPlotLeft + i * step;
    c.Rect(x, kPlotBase + 1, 1, 3, Shade(Hue::kWood, 1));
    if ((i + 1) % labelEvery == 0 || i == 0) {
      std::string n = std::to_string(i + 1);
      DrawText(c, x - TextWidth(n, {10}) / 2, kPlotBase + 6, n, {10, Shade(Hue::kWood, 0)});
    }
  }
  return c;
}

Canvas PricePage() {
  Canvas c = WindowBase(kInfoW, kInfoH);
  PanelCaptionCentred(c, 20, 112, 120, "採購數量", 16);
  PanelCaptionCentred(c, 20, 136, 120, "每次 ±5", 12);
  PanelCaptionCentred(c, 195, 112, 125, "販賣價格", 16);
  PanelCaptionCentred(c, 195, 136, 125, "每次 ±10", 12);
  WindowButton(c, kQtyUp, Icon::kPlus);
  WindowButton(c, kQtyDown, Icon::kMinus);
  WindowButton(c, kPriceUp, Icon::kPlus);
  WindowButton(c, kPriceDown, Icon::kMinus);
  // Wells for the engine's outlined 29-pixel numbers at y 200.
  Well(c, 20, 194, 151, 41, Shade(Hue::kSand, 2));
  Well(c, 195, 194, 151, 41, Shade(Hue::kSand, 2));
  DrawIcon(c, 64, 72, Icon::kCrate, 1.6);
  DrawIcon(c, 246, 72, Icon::kCoins, 1.6);
  WindowButton(c, kBack, Icon::kBack);
  return c;
}

Canvas MessageBox() {
  Canvas c = WindowBase(400, 120);
  Sheet(c, 12, 38, 376, 70);  // the message is centred at y 65
  return c;
}

Canvas NameBox() {
  Canvas c = WindowBase(480, 140, false);
  Well(c, 18, 46, 444, 54, kWhite);  // the field, 40-pixel letters
  PanelCaptionCentred(c, 0, 110, 480, "Enter：確定　　Esc：取消", 13);
  DrawIcon(c, 24, 16, Icon::kPaw, 0.6);
  return c;
}

void GenerateWindowsInfo(Output& out) {
  WriteBmp(out, "Info_W_A.bmp", MainPage());
  WriteBmp(out, "Info_W_Ab1.bmp", ButtonPicture(kAnimals, Icon::kPaw));
  WriteBmp(out, "Info_W_Ab2.bmp", ButtonPicture(kStaff, Icon::kPerson));
  WriteBmp(out, "Info_W_Ab3.bmp", ButtonPicture(kGraph, Icon::kBars));
  WriteBmp(out, "Info_W_Ab4.bmp", ButtonPicture(kStock, Icon::kCrate));
  WriteBmp(out, "Info_W_B.bmp", ListPage());
  WriteBmp(out, "info_W_ADel.bmp", ButtonPicture({0, 0, 19, 19}, Icon::kCross, 0.62));
  WriteBmp(out, "Info_W_C.bmp", GraphPage());
  WriteBmp(out, "Graph1.bmp", Plot(31, 10, 5));
  WriteBmp(out, "Graph2.bmp", Plot(12, 27, 1));
  WriteBmp(out, "Info_W_d.bmp", PricePage());
  WriteBmp(out, "Mes_W.bmp", MessageBox());
  WriteBmp(out, "Name_W.bmp", NameBox());
}

RegisterGenerator reg("50-art-windows-info", &GenerateWindowsInfo);
}  // namespace
