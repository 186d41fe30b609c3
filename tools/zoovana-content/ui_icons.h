#pragma once
// Small pictograms for buttons, pointers and labels (about 20 x 20 pixels), and the
// bevelled buttons and panels of the game's screen furniture.
#include "paint.h"

enum class Icon : uint8_t {
  kShovel,     // clear land
  kTree,       // roads and plants
  kShop,       // shops and facilities
  kFence,      // enclosures
  kOffice,     // management offices
  kHire,       // hire staff
  kCoins,      // accounts
  kMagnifier,  // follow a visitor
  kMegaphone,  // advertising
  kVisitor,    // visitor information
  kExit, kSave, kLoad, kGear, kHide, kBalloon, kFlag,
  kHourglass, kHammer, kArrowUp, kArrowDown, kPaw, kHeart, kWrench, kDiamond, kPerson, kEnvelope,
  // Window buttons.
  kPlus, kMinus, kBack, kNext, kBars, kCalendar, kCross, kCrate, kLines,
  kMedal,  // the zoo's rank
};
// Draws the icon centred on (cx, cy); `scale` 1 is about 20 pixels.
void DrawIcon(Canvas& c, int cx, int cy, Icon icon, double scale = 1.0);

// A raised, bevelled button face of w x h at (x, y).
void Button(Canvas& c, int x, int y, int w, int h);
// The same button held down: sunk in, darker, with a lit rim so the chosen tool
// shows at a glance.
void PressedButton(Canvas& c, int x, int y, int w, int h);
// A sunken well (text fields, the overview map, the catalogue list).
void Well(Canvas& c, int x, int y, int w, int h, Rgb inside);
// The panel texture: dark leafy green with a fine grain.
Rgb PanelTexture(int x, int y);
