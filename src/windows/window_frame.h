#pragma once
// What every in-game window shares: the seven window surfaces, inclusive
// rectangles, and the composition of the map snapshot and the window on screen.
#include <array>
#include <cstdint>
#include <string>

#include "platform/surface.h"

struct Game;

// A rectangle whose four edges all belong to it, as the windows' click rules read.
struct WinRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};
constexpr bool InRect(int x, int y, const WinRect& r) {
  return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}
// A window of w x h centred on a screen of screenW x screenH.
WinRect CentredWindow(int screenW, int screenH, int w, int h);
// The 30 x 30 close box in the top-right corner of a window w pixels wide.
constexpr WinRect CloseBoxOf(int w) { return {w - 30, 0, w, 30}; }

constexpr int kWindowSlots = 7;

// Slot 0 is what the window shows, slot 1 a clean copy of its base picture, slots
// 2..6 its buttons and pictures. Only one window (and a box over it) uses them.
struct WindowSurfaces {
  std::array<Surface, kWindowSlots> slot;

  void Free();
  // Slots 0 and 1 from the base picture, slot 0 keyed by its top-left pixel. A
  // missing or damaged picture gives a plain panel of w x h, so the window still
  // works.
  void LoadBase(const Game& game, const std::string& name, int w, int h);
  // A picture into a slot, keyed by its top-left pixel; missing leaves it empty.
  bool Load(const Game& game, int index, const std::string& name);
  // The clean base over slot 0, before each redraw.
  void Clean();
  Surface& Work() { return slot[0]; }
};

// The map snapshot at (0, 0), then the window opaque at (left, top).
void ComposeWindow(Surface& back, const Surface& background, const Surface& window, int left, int top, int w, int h);
// Draws a picture shrunk or stretched into the rectangle (x0, y0)-(x1, y1), exclusive
// of its right and bottom edges, leaving out the picture's key colour.
void DrawStretched(Surface& target, int x0, int y0, int x1, int y1, const Surface& picture);
