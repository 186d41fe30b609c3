// Screen furniture of the play screen: the right-hand panel ("Toolbar2.bmp"), the top
// and bottom bars ("Toolbar1.bmp"), the status-line ground, the overview map's base
// and frame pictures, the build palette's digits and the map-cache pictures. The
// panel and the top bar each carry a second copy with every button held down: the
// game shows a chosen tool by drawing its button from that copy.
#include <array>
#include <string>

#include "content.h"
#include "ui_icons.h"
#include "view/screen_layout.h"

namespace {
constexpr int kPanelW = 125, kPanelH = 600, kBarW = 800;

// Panel-relative button rectangles of the toolbar (left, top, width, height).
constexpr int kToolX = 5, kToolY = 156, kToolSize = 30;
constexpr Icon kToolIcons[10] = {Icon::kShovel, Icon::kTree,      Icon::kShop,      Icon::kFence, Icon::kOffice,
                                 Icon::kHire,   Icon::kCoins,     Icon::kMagnifier, Icon::kMegaphone, Icon::kVisitor};
constexpr int kTopX[7] = {3, 33, 63, 93, 133, 163, 193};
constexpr Icon kTopIcons[7] = {Icon::kExit, Icon::kSave, Icon::kLoad, Icon::kGear, Icon::kHide, Icon::kBalloon, Icon::kFlag};


// A button face, raised or held down; a held icon sits one pixel lower right.
void ButtonFace(Canvas& c, int x, int y, int w, int h, bool pressed) {
  if (pressed) PressedButton(c, x, y, w, h);
  else Button(c, x, y, w, h);
}

// The top bar: seven buttons and a long well where the game writes the money, the
// date, the speed and the zoo's figures, each after its pictogram.
void TopBar(Canvas& c, int y0, bool pressed) {
  c.Rect(0, y0, kBarW, 30, PanelTexture);
  c.Rect(0, y0 + 27, kBarW, 1, Shade(Hue::kWood, 3));
  c.Rect(0, y0 + 28, kBarW, 2, Shade(Hue::kWood, 1));
  const int shift = pressed ? 1 : 0;
  for (int i = 0; i < 7; ++i) {
    ButtonFace(c, kTopX[i], y0 + 3, 24, 24, pressed);
    DrawIcon(c, kTopX[i] + 12 + shift, y0 + 15 + shift, kTopIcons[i], 0.72);
  }
  Well(c, 226, y0 + 4, kBarW - 230, 21, Shade(Hue::kLeaf, 0));
  DrawIcon(c, kMoneyX - 9, y0 + 15, Icon::kCoins, 0.55);
  DrawIcon(c, kAttractionX - 9, y0 + 15, Icon::kHeart, 0.5);
  DrawIcon(c, kVisitorsX - 9, y0 + 15, Icon::kPerson, 0.7);
  DrawIcon(c, kRankX - 9, y0 + 15, Icon::kMedal, 0.55);
}

// The speed pictures the game shows in the top bar: one, two or three arrowheads for
// normal, fast and fastest, side by side on the key colour.
void SpeedPictures(Canvas& c, int y0) {
  for (int speed = 0; speed < 3; ++speed) {
    int x0 = speed * kSpeedW + (kSpeedW - 6 * (speed + 1)) / 2;
    for (int k = 0; k <= speed; ++k) {
      double x = x0 + 6 * k;
      c.Polygon({{x, y0 + 2.0}, {x + 6, y0 + kSpeedH / 2.0}, {x, y0 + kSpeedH - 2.0}},
                Shade(speed == 0 ? Hue::kGrass : speed == 1 ? Hue::kYellow : Hue::kOrange, 4));
    }
  }
}

Canvas Panel(bool pressed) {
  Canvas c(kPanelW, kPanelH);
  const int shift = pressed ? 1 : 0;
  c.Rect(3, 0, kPanelW - 3, kPanelH, PanelTexture);
  c.Rect(3, 0, 2, kPanelH, Shade(Hue::kWood, 3));  // wooden edge towards the map
  c.Rect(5, 0, 1, kPanelH, Shade(Hue::kWood, 1));
  // Top 30 rows continue the top bar.
  c.Rect(6, 0, kPanelW - 6, 30, PanelTexture);
  c.Rect(3, 27, kPanelW - 3, 1, Shade(Hue::kWood, 3));
  c.Rect(3, 28, kPanelW - 3, 2, Shade(Hue::kWood, 1));
  // Research gauge groove beside the overview map.
  Well(c, 7, 45, 5, 96, Shade(Hue::kLeaf, 0));
  // The overview map's frame: the map itself is 100 x 100 at (15, 40).
  Well(c, 13, 38, 104, 104, Shade(Hue::kLeaf, 0));
  // Catalogue paging: next one, next four, previous one, previous four.
  const int pageX[4] = {41, 61, 81, 101};
  for (int i = 0; i < 4; ++i) {
    ButtonFace(c, pageX[i], 148, 20, 21, pressed);
    Icon arrow = i < 2 ? Icon::kArrowDown : Icon::kArrowUp;
    int cx = pageX[i] + 10 + shift, cy = 158 + shift;
    if (i % 2 == 0) {
      DrawIcon(c, cx, cy, arrow, 0.55);
    } else {
      DrawIcon(c, cx, cy - 4, arrow, 0.42);
      DrawIcon(c, cx, cy + 3, arrow, 0.42);
    }
  }
  for (int i = 0; i < 10; ++i) {
    int y = kToolY + kToolSize * i;
    ButtonFace(c, kToolX, y, kToolSize, kToolSize, pressed);
    DrawIcon(c, kToolX + 15 + shift, y + 15 + shift, kToolIcons[i]);
  }
  // The four palette rows (80 x 60 at x 41, y 170 + 60k) sit in one well.
  Well(c, 40, 169, 82, 242, Shade(Hue::kLeaf, 0));
  for (int k = 1; k < 4; ++k) c.Rect(41, 169 + 60 * k, 80, 1, Shade(Hue::kLeaf, 1));
  // The selected type's name (at (42, 411)) and its six numbers, written by the game,
  // each after a pictogram saying what it is: size, price, upkeep, attraction,
  // animals, staff.
  Well(c, 40, 409, 82, 58, Shade(Hue::kLeaf, 0));
  c.Rect(41, 424, 80, 1, Shade(Hue::kLeaf, 1));
  const Icon labels[6] = {Icon::kDiamond, Icon::kCoins, Icon::kWrench, Icon::kHeart, Icon::kPaw, Icon::kPerson};
  for (int i = 0; i < 6; ++i) DrawIcon(c, kFieldX[i] - 6, kFieldY[i] + 4, labels[i], 0.45);
  return c;
}

void GeneratePanel(Output& out) {
  Canvas panel(2 * kPanelW, kPanelH);
  panel.Blit(Panel(false), 0, 0);
  panel.Blit(Panel(true), kPanelW, 0);
  panel.Set(0, 200, kKey);
  WriteBmp(out, "Toolbar2.bmp", panel);
}

// A panda keeper's face: the mascot in the bottom-left corner.
void Mascot(Canvas& c, int x, int y) {
  c.Ellipse(x + 9, y + 9, 6, 6, Shade(Hue::kGrey, 0));
  c.Ellipse(x + 31, y + 9, 6, 6, Shade(Hue::kGrey, 0));
  c.Ellipse(x + 20, y + 22, 17, 15, [](int px, int py) { return Dithered(Hue::kSnow, 3.6 - (py % 40) * 0.02, px, py); });
  c.Ellipse(x + 13, y + 20, 5, 6, Shade(Hue::kGrey, 0));
  c.Ellipse(x + 27, y + 20, 5, 6, Shade(Hue::kGrey, 0));
  c.Ellipse(x + 14, y + 19, 1.8, 2, kWhite);
  c.Ellipse(x + 26, y + 19, 1.8, 2, kWhite);
  c.Ellipse(x + 20, y + 28, 3, 2, Shade(Hue::kGrey, 0));
  c.Line(x + 17, y + 32, x + 20, y + 33, Shade(Hue::kGrey, 0));
  c.Line(x + 20, y + 33, x + 23, y + 32, Shade(Hue::kGrey, 0));
  c.Ellipse(x + 9, y + 27, 3, 2, Shade(Hue::kPink, 3));
  c.Ellipse(x + 31, y + 27, 3, 2, Shade(Hue::kPink, 3));
  // Keeper's cap.
  c.Polygon({{x + 6.0, y + 10.0}, {x + 20.0, y + 3.0}, {x + 34.0, y + 10.0}, {x + 34.0, y + 13.0}, {x + 6.0, y + 13.0}}, Shade(Hue::kTeal, 2));
  c.Rect(x + 4, y + 12, 22, 2, Shade(Hue::kTeal, 1));
  c.Outline(1);
}

void GenerateBars(Output& out) {
  Canvas bar(kBarW, kSpeedRow + kSpeedH);
  TopBar(bar, 0, false);
  // Rows 30..69: the mascot (x 0..47), drawn keyed in the screen's bottom-left corner.
  Canvas mascot(44, 40);
  Mascot(mascot, 2, 1);
  bar.Blit(mascot, 1, 30);
  bar.Blit(bar.Crop(0, 0, kBarW, 30), 0, 70);  // the game copies the top bar here too
  TopBar(bar, 100, true);
  SpeedPictures(bar, kSpeedRow);
  bar.Set(0, 35, kKey);
  WriteBmp(out, "Toolbar1.bmp", bar);
  // The status line's plate, drawn at (55, height - 29) under text at (60, height - 27).
  Canvas plate(460, 24);
  plate.Clear(PanelTexture);
  plate.Rect(0, 0, 460, 1, Shade(Hue::kWood, 3));
  plate.Rect(0, 23, 460, 1, Shade(Hue::kWood, 1));
  Well(plate, 2, 1, 456, 20, Shade(Hue::kLeaf, 0));
  WriteBmp(out, "tx_bak.bmp", plate);
}

// Digits 0..9 for the build palette ("suuji.bmp"): 7 x 11 cells side by side, key (0, 0).
void GenerateDigits(Output& out) {
  static const std::array<const char*, 10> kGlyphs = {  // 5 x 9, row by row
      "011101000110001100111010111001100011000101110",
      "001000110010100001000010000100001000010011111",
      "011101000100001000010001000100010001000011111",
      "011101000100001000010011000001000011000101110",
      "000100011001010100101001011111000100001000010",
      "111111000010000111100000100001000011000101110",
      "011101000110000100001111010001100011000101110",
      "111110000100001000100001000100001000010000100",
      "011101000110001100010111010001100011000101110",
      "011101000110001100010111100001000011000101110",
  };
  Canvas c(70, 11);
  for (int d = 0; d < 10; ++d)
    for (int r = 0; r < 9; ++r)
      for (int k = 0; k < 5; ++k)
        if (kGlyphs[static_cast<size_t>(d)][r * 5 + k] == '1')
          c.Set(d * 7 + 1 + k, 1 + r, Shade(Hue::kYellow, r < 4 ? 4 : 3));
  c.OutlineWith(Shade(Hue::kLeaf, 0));
  c.Set(0, 0, kKey);
  WriteBmp(out, "suuji.bmp", c);
}

void GenerateOverviewAndCache(Output& out) {
  Canvas base(100, 100);
  base.Clear([](int x, int y) { return (x % 10 == 0 || y % 10 == 0) ? Shade(Hue::kLeaf, 1) : Shade(Hue::kLeaf, 0); });
  WriteBmp(out, "Min_MapBase.bmp", base);
  WriteBmp(out, "minwak.bmp", Canvas(100, 100, Shade(Hue::kYellow, 4)));
  // The map caches only give the surfaces their size; paletted keeps them small.
  out.Write("Graphics/Sc640.bmp", EncodeBmp8(Canvas(640, 480, kBlack)));
  out.Write("Graphics/Sc800.bmp", EncodeBmp8(Canvas(800, 600, kBlack)));
}

void GenerateScreen(Output& out) {
  GeneratePanel(out);
  GenerateBars(out);
  GenerateDigits(out);
  GenerateOverviewAndCache(out);
}

RegisterGenerator reg("44-art-ground-screen", &GenerateScreen);
}  // namespace
