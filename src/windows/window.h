#pragma once
// One in-game window: open, layout-and-load, draw into the window surface, and the
// presses and keys the window set hands it. Each window is one file whose button
// table is its click rules, tested in order with inclusive bounds.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/surface.h"

struct KeyEvent;
class Windows;

// The game modes a window shows, one bit a mode (modes run 1..27).
constexpr uint32_t ModeSet(std::initializer_list<int> modes) {
  uint32_t set = 0;
  for (int m : modes) set |= uint32_t{1} << m;
  return set;
}

// What never changes about a window: its size, the modes it shows (a window may
// have several pages), the picture behind it when that is always the same, and how
// it is left and typed into.
struct WindowShape {
  int width = 0, height = 0;
  uint32_t modes = 0;
  const char* base = nullptr;
  // Windows without a close box are left by their own keys; a non-left press still
  // leaves them unless otherButtonsClose says otherwise.
  bool closeBox = true;
  bool otherButtonsClose = true;
  // The window takes typed text (the program turns the input method on).
  bool takesText = false;
};

class Window {
 public:
  explicit Window(const WindowShape& shape) : shape_(shape) {}
  virtual ~Window() = default;
  bool Shows(int mode) const { return mode >= 0 && mode < 32 && (shape_.modes >> mode & 1) != 0; }
  int Width() const { return shape_.width; }
  int Height() const { return shape_.height; }
  bool HasCloseBox() const { return shape_.closeBox; }
  bool OtherButtonsClose() const { return shape_.otherButtonsClose; }
  bool TakesText() const { return shape_.takesText; }

  // Fresh state for an opening in `mode`, before the first layout.
  virtual void Open(Windows& windows, int mode) {
    (void)windows;
    (void)mode;
  }
  // Loads the current page's pictures into the window surfaces: the shape's base
  // picture, and whatever else a window adds after it.
  virtual void Layout(Windows& windows);
  // Paints the current page into slot 0; `pressed` is the button shown pressed, -1 none.
  virtual void Draw(Windows& windows, int pressed) = 0;
  // A left press inside the window and outside its close box, in window coordinates.
  virtual void Press(Windows& windows, int x, int y) {
    (void)windows;
    (void)x;
    (void)y;
  }
  virtual void Key(Windows& windows, const KeyEvent& key) {
    (void)windows;
    (void)key;
  }
  // Text the player typed (committed through the input method), and the text still
  // being composed.
  virtual void Typed(Windows& windows, std::string_view utf8) {
    (void)windows;
    (void)utf8;
  }
  virtual void Composing(Windows& windows, std::string_view utf8) {
    (void)windows;
    (void)utf8;
  }
  // The window is closing (close box, other button, automatic close): what a close
  // settles is settled here. It may hand over to another window (Windows::HandOver).
  virtual void Closing(Windows& windows) { (void)windows; }
  // Every 100 ms while the window is open and no box is over it (animations).
  virtual void Tick(Windows& windows) { (void)windows; }
  // Where typed text shows, in window coordinates: the input method puts its
  // candidates beside it.
  virtual Rect TextArea() const { return Rect{0, 0, Width(), Height()}; }

 protected:
  // A base picture of the window's size into slots 0 and 1.
  void LoadBase(Windows& windows, const std::string& name) const;

 private:
  WindowShape shape_;
};
