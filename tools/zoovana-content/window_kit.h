#pragma once
// The one frame every in-game window is drawn in: a wooden edge around the dark
// green panel, a cream title band left empty for the engine's shadowed title, the
// 30 x 30 close box in the top-right corner, cream sheets for the engine's text,
// and buttons with a lit top-left and a shaded bottom-right edge.
#include <string_view>

#include "ui_icons.h"

// A button's rectangle in window coordinates, every edge inclusive, as the
// window's click rules test it.
struct WinBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
};

inline constexpr int kCloseBoxSize = 30;
inline constexpr int kTitleBandHeight = 30;

// A window's base picture of w x h. Its top-left pixel is the frame colour, which
// the engine reads as the colour key (the window is copied opaque).
Canvas WindowBase(int w, int h, bool closeBox = true);
// The close box drawn into the top-right 30 x 30 corner of a w-wide picture.
void CloseBox(Canvas& c);
// A cream paper sheet, sunk into the panel, for text the engine writes.
void Sheet(Canvas& c, int x, int y, int w, int h);
// A button painted into a base picture inside `box`: its face covers left .. right - 1
// and top .. bottom - 1, leaving a column and a row of panel for the engine's press,
// which copies the face one pixel lower.
void WindowButton(Canvas& c, WinBox box, Icon icon, double iconScale = 0);
// A button picture of its own that the engine draws at a place: exactly the
// inclusive size of its rectangle, the top-left pixel the key (a rounded corner).
Canvas ButtonPicture(WinBox box, Icon icon, double iconScale = 0);
// A short caption on the panel: cream letters with a dark shadow.
void PanelCaption(Canvas& c, int x, int y, std::string_view utf8, int size = 13);
// The same, centred over x .. x + w.
void PanelCaptionCentred(Canvas& c, int x, int y, int w, std::string_view utf8, int size = 13);
