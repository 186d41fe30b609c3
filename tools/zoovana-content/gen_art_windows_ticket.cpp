// The ticket window "Ticket_W.bmp" with its open and closed signs
// "Ticket_W_b1.bmp" and "Ticket_W_b2.bmp", and the advertising window
// "koukoku_W.bmp" with its selection mark "koukoku_Wb.bmp". Rectangles are the
// windows' click rules (inclusive).
#include "content.h"
#include "window_kit.h"

namespace {
constexpr WinBox kFeeUp{142, 66, 182, 106}, kFeeDown{142, 106, 182, 146}, kSign{241, 66, 327, 152};
constexpr WinBox kMedia[3] = {{67, 167, 87, 187}, {207, 167, 227, 187}, {347, 167, 367, 187}};
constexpr WinBox kBribeUp{268, 246, 308, 286}, kBribeDown{268, 286, 308, 326};
constexpr int kSignSize = 86;

// An admission ticket with a torn edge and a giraffe stamp.
void Ticket(Canvas& c, int x, int y) {
  c.Polygon({{x + 4.0, y + 10.0}, {x + 86.0, y + 0.0}, {x + 94.0, y + 44.0}, {x + 12.0, y + 54.0}},
            [](int px, int py) { return Dithered(Hue::kOrange, 3.4 + 0.3 * Hash01(px, py, 3), px, py); });
  for (int k = 0; k < 9; ++k) c.Ellipse(x + 70 + k * 0.95, y + 4 + k * 5.0, 1.2, 1.2, Shade(Hue::kOrange, 1));
  c.Ellipse(x + 36, y + 28, 13, 11, Shade(Hue::kRed, 3));
  c.EllipseRing(x + 36, y + 28, 13, 11, Shade(Hue::kRed, 1));
  DrawIcon(c, x + 36, y + 28, Icon::kPaw, 0.6);
  c.Outline(0);
}

// The sign on the gate: green "開園中" (open) over an open gate, red "休園中" (closed)
// over a shut one. 86 x 86, opaque but for the key in its rounded corners.
Canvas GateSign(bool open) {
  Canvas c(kSignSize, kSignSize);
  Hue hue = open ? Hue::kGrass : Hue::kRed;
  c.Rect(1, 1, kSignSize - 2, kSignSize - 2, [hue](int x, int y) { return Dithered(hue, 2.6 - 0.01 * y, x, y); });
  c.Frame(0, 0, kSignSize, kSignSize, Shade(hue, 0));
  c.Rect(1, 1, kSignSize - 2, 1, Shade(hue, 4));
  c.Rect(1, 1, 1, kSignSize - 2, Shade(hue, 4));
  // The gate: two posts and either two leaves swung open or bars across.
  const int gy = 16, gh = 36;
  c.Rect(14, gy, 6, gh, Shade(Hue::kWood, 1));
  c.Rect(66, gy, 6, gh, Shade(Hue::kWood, 1));
  c.Rect(12, gy - 4, 62, 5, Shade(Hue::kWood, 2));
  if (open) {
    c.Polygon({{20, gy + 3.0}, {30, gy + 8.0}, {30, gy + gh - 2.0}, {20, gy + gh - 6.0}}, Shade(Hue::kYellow, 3));
    c.Polygon({{66, gy + 3.0}, {56, gy + 8.0}, {56, gy + gh - 2.0}, {66, gy + gh - 6.0}}, Shade(Hue::kYellow, 3));
    DrawIcon(c, 43, gy + gh / 2 + 2, Icon::kVisitor, 0.9);
  } else {
    for (int k = 0; k < 6; ++k) c.Rect(22 + 8 * k, gy + 2, 3, gh - 2, Shade(Hue::kGrey, 3));
    c.Rect(20, gy + gh / 2 - 2, 46, 4, Shade(Hue::kGrey, 1));
    c.Ellipse(43, gy + gh / 2, 4, 5, Shade(Hue::kYellow, 3));
  }
  DrawTextCentred(c, 0, 58, kSignSize, 22, open ? "開園中" : "休園中", TextStyle{18, kWhite, Face::kSharp, true});
  for (auto [x, y] : {std::pair{0, 0}, {kSignSize - 1, 0}, {0, kSignSize - 1}, {kSignSize - 1, kSignSize - 1}})
    c.Set(x, y, kKey);
  return c;
}

Canvas TicketWindow() {
  Canvas c = WindowBase(360, 210);
  Ticket(c, 26, 44);
  PanelCaptionCentred(c, 20, 110, 118, "門票價格", 16);
  PanelCaptionCentred(c, 20, 132, 118, "每次 ±10", 12);
  Well(c, 30, 154, 110, 40, Shade(Hue::kSand, 2));  // the engine's 29-pixel fee at y 159
  WindowButton(c, kFeeUp, Icon::kPlus);
  WindowButton(c, kFeeDown, Icon::kMinus);
  Well(c, kSign.left - 2, kSign.top - 2, kSignSize + 4, kSignSize + 4, Shade(Hue::kLeaf, 0));
  c.Blit(GateSign(true), kSign.left, kSign.top);
  PanelCaptionCentred(c, kSign.left - 20, 160, kSign.Width() + 40, "開園／休園", 13);
  return c;
}

// The three media, each over its check box: handbills, the radio and television.
void Handbills(Canvas& c, int cx, int cy) {
  for (int k = 2; k >= 0; --k) {
    int x = cx - 22 + 6 * k, y = cy - 28 + 3 * k;
    c.Rect(x, y, 34, 44, Shade(Hue::kSnow, 4 - (k == 0)));
    c.Frame(x, y, 34, 44, Shade(Hue::kGrey, 1));
    if (k == 2) {
      c.Rect(x + 4, y + 5, 26, 6, Shade(Hue::kRed, 3));
      for (int r = 0; r < 4; ++r) c.Rect(x + 4, y + 16 + 6 * r, 26 - 6 * (r % 2), 2, Shade(Hue::kGrey, 2));
    }
  }
}

void Radio(Canvas& c, int cx, int cy) {
  c.Line(cx + 10, cy - 22, cx + 24, cy - 40, Shade(Hue::kGrey, 2));
  c.Rect(cx - 30, cy - 22, 60, 40, Shade(Hue::kWood, 2));
  c.Frame(cx - 30, cy - 22, 60, 40, Shade(Hue::kWood, 0));
  c.Ellipse(cx - 12, cy - 2, 12, 12, Shade(Hue::kGrey, 1));
  for (int r = 3; r < 12; r += 3) c.EllipseRing(cx - 12, cy - 2, r, r, Shade(Hue::kGrey, 3));
  c.Rect(cx + 6, cy - 14, 18, 8, Shade(Hue::kYellow, 3));
  c.Ellipse(cx + 15, cy + 6, 5, 5, Shade(Hue::kGrey, 3));
}

void Television(Canvas& c, int cx, int cy) {
  c.Line(cx - 4, cy - 26, cx - 16, cy - 40, Shade(Hue::kGrey, 2));
  c.Line(cx + 4, cy - 26, cx + 16, cy - 40, Shade(Hue::kGrey, 2));
  c.Rect(cx - 34, cy - 26, 68, 46, Shade(Hue::kGrey, 1));
  c.Rect(cx - 29, cy - 21, 48, 36, [](int x, int y) { return Dithered(Hue::kWater, 3.6 - 0.05 * (y % 40), x, y); });
  c.Rect(cx - 29, cy + 5, 48, 10, Shade(Hue::kGrass, 3));
  DrawIcon(c, cx - 5, cy - 4, Icon::kPaw, 0.7);
  c.Ellipse(cx + 26, cy - 12, 3, 3, Shade(Hue::kGrey, 3));
  c.Ellipse(cx + 26, cy - 2, 3, 3, Shade(Hue::kGrey, 3));
  c.Rect(cx - 24, cy + 20, 8, 4, Shade(Hue::kGrey, 0));
  c.Rect(cx + 16, cy + 20, 8, 4, Shade(Hue::kGrey, 0));
}

Canvas AdvertisingWindow() {
  Canvas c = WindowBase(430, 369);
  static constexpr const char* kNames[3] = {"傳單　每日10", "廣播　每日50", "電視　每日100"};
  for (int k = 0; k < 3; ++k) {
    const WinBox& b = kMedia[k];
    int cx = b.left + 10;
    Sheet(c, cx - 62, 40, 124, 100);
    if (k == 0) Handbills(c, cx, 96);
    if (k == 1) Radio(c, cx, 96);
    if (k == 2) Television(c, cx, 94);
    PanelCaptionCentred(c, cx - 66, 146, 132, kNames[k], 13);
    Well(c, b.left, b.top, b.Width(), b.Height(), kWhite);  // the check box
  }
  c.Rect(14, 204, 402, 1, Shade(Hue::kYellow, 2));
  c.Rect(14, 205, 402, 1, Shade(Hue::kLeaf, 0));
  // The bribe to the bus company: caption, the well for the amount (29 pixels at
  // y 300) and the bus rate line (16 pixels at y 330), and the steps.
  DrawIcon(c, 60, 250, Icon::kCoins, 1.6);
  PanelCaption(c, 86, 222, "賄賂客運公司", 16);
  PanelCaption(c, 86, 244, "每次 ±1000", 12);
  PanelCaption(c, 22, 304, "賄賂金額", 13);
  PanelCaption(c, 22, 332, "巴士班次/日", 13);
  Well(c, 148, 296, 104, 52, Shade(Hue::kSand, 2));
  WindowButton(c, kBribeUp, Icon::kPlus);
  WindowButton(c, kBribeDown, Icon::kMinus);
  return c;
}

// The selection mark: a red tick over the check box, the key around it.
Canvas Tick() {
  Canvas c(20, 20);
  for (int t = 0; t < 3; ++t) {
    c.Line(3, 9 + t, 8, 14 + t, Shade(Hue::kRed, 2));
    c.Line(8, 14 + t, 17, 3 + t, Shade(Hue::kRed, 2));
  }
  c.Set(0, 0, kKey);
  return c;
}

void GenerateWindowsTicket(Output& out) {
  WriteBmp(out, "Ticket_W.bmp", TicketWindow());
  WriteBmp(out, "Ticket_W_b1.bmp", GateSign(true));
  WriteBmp(out, "Ticket_W_b2.bmp", GateSign(false));
  WriteBmp(out, "koukoku_W.bmp", AdvertisingWindow());
  WriteBmp(out, "koukoku_Wb.bmp", Tick());
}

RegisterGenerator reg("52-art-windows-ticket", &GenerateWindowsTicket);
}  // namespace
